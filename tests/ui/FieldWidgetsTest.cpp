// The four field kinds as widgets, driven by real key events on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>
#include <cmath>
#include <random>

#include "finance/Errors.h"
#include "widgets/FieldStyle.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Messages.h"
#include "widgets/Mneyedit.h"
#include "widgets/NumCtrl.h"
#include "widgets/PictureField.h"
#include "widgets/model/MoneyField.h"

namespace zeb::test {
namespace {

// A window with the field under test between two plain edits, active and shown.
template <class Field>
class FieldFixture : public ::testing::Test {
protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    before = new QLineEdit(&window);
    field = new Field(&window);
    after = new QLineEdit(&window);
    layout->addWidget(before);
    layout->addWidget(field);
    layout->addWidget(after);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  void Enter() {
    before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(field->hasFocus());
  }
  void Leave() { QTest::keyClick(field, Qt::Key_Tab); }
  // The text with "|" at the caret.
  QString Marked() const {
    QString t = field->text();
    return t.insert(field->cursorPosition(), '|');
  }

  MessageLog log;
  MessageRecorder recorder{log};
  QWidget window;
  QLineEdit* before = nullptr;
  Field* field = nullptr;
  QLineEdit* after = nullptr;
};

// ---- money field -------------------------------------------------------------------------

using MoneyEditTest = FieldFixture<TMoneyEdit>;

TEST_F(MoneyEditTest, ShapeAndDefaults) {
  TMoneyEdit lone;
  EXPECT_EQ(lone.size(), QSize(120, 24));
  EXPECT_EQ(field->alignment(), Qt::AlignRight | Qt::AlignVCenter);
  EXPECT_EQ(field->text(), "0.00");
  EXPECT_EQ(field->Decimals(), 2);
  EXPECT_EQ(field->MaxLength(), 16);
  EXPECT_EQ(field->DisplayMask(), "#,##0.00");
  EXPECT_FALSE(field->acceptDrops());
  EXPECT_FALSE(field->dragEnabled());
  EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(MoneyEditTest, TypingAnAmountAndItsDecimals) {
  Enter();
  EXPECT_EQ(Marked(), "0|.00");
  QTest::keyClicks(field, "125000");
  EXPECT_EQ(Marked(), "125,000|.00");
  QTest::keyClicks(field, ".75");
  EXPECT_EQ(field->text(), "125,000.75");
  EXPECT_EQ(field->TextAsFloat(), 125000.75L);
}

// Where the click lands, the caret of a field entered by it stands before the decimal
// separator, so typed digits make the amount (a click at the right end would leave it
// after the decimals, where digits are ignored; one left of the text would put them
// before the "0"). The same for the first click into a field the page gave the focus.
// A later click inside the focused field places the caret freely.
TEST_F(MoneyEditTest, EnteringByAClickTypesTheAmount) {
  const int middle = field->height() / 2;
  for (const int x : {field->width() - 3, 3, field->width() / 2}) {
    SCOPED_TRACE(x);
    before->setFocus(Qt::OtherFocusReason);
    field->SetTextAsFloat(0);
    field->repaint();  // lays the text out where the click lands
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(x, middle));
    ASSERT_TRUE(field->hasFocus());
    EXPECT_EQ(Marked(), "0|.00");
    QTest::keyClicks(field, "125000");
    EXPECT_EQ(field->text(), "125,000.00");
  }
  field->SetTextAsFloat(0);
  before->setFocus(Qt::OtherFocusReason);
  field->setFocus(Qt::OtherFocusReason);  // as a page does after choosing a target
  field->end(false);
  field->repaint();
  QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(field->width() - 3, middle));
  EXPECT_EQ(Marked(), "0|.00");
  QTest::keyClicks(field, "8.75");
  EXPECT_EQ(field->text(), "8.75");
  field->repaint();
  QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(field->width() - 3, middle));
  EXPECT_EQ(Marked(), "8.75|");
}

TEST_F(MoneyEditTest, OtherKeysNeverReachTheText) {
  field->SetTextAsFloat(1234.56L);
  Enter();
  QTest::keyClicks(field, "abc- +xyz");
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);  // no undo behind the rules
  QTest::keyClick(field, Qt::Key_Backspace, Qt::ControlModifier);
  EXPECT_EQ(Marked(), "1,234|.56");
}

TEST_F(MoneyEditTest, BackspaceAfterASeparatorDeletesTheDigitBeforeIt) {
  field->SetTextAsFloat(1234.56L);
  Enter();
  QTest::keyClick(field, Qt::Key_Home);
  QTest::keyClick(field, Qt::Key_Right);
  QTest::keyClick(field, Qt::Key_Right);
  EXPECT_EQ(Marked(), "1,|234.56");
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(Marked(), "|234.56");
  QTest::keyClick(field, Qt::Key_Delete);
  EXPECT_EQ(Marked(), "|34.56");
}

TEST_F(MoneyEditTest, FiveDecimalsHoldEightIntegerDigits) {
  field->SetDecimals(5);
  Enter();
  QTest::keyClicks(field, "123456789.123456");
  EXPECT_EQ(field->text(), "12,345,678.12345");
}

TEST_F(MoneyEditTest, DecimalsAndMaxLengthRules) {
  field->SetTextAsFloat(1234.5L);
  field->SetDecimals(0);  // refused
  EXPECT_EQ(field->Decimals(), 2);
  field->SetDecimals(3);
  EXPECT_EQ(field->text(), "1,234.500");  // the value kept, shown with three decimals
  EXPECT_EQ(field->MaxLength(), 15);
  field->SetMaxLength(25);  // refused
  EXPECT_EQ(field->MaxLength(), 15);
}

TEST_F(MoneyEditTest, ClipboardThroughTheRules) {
  Enter();
  QApplication::clipboard()->setText("$98,765.43");
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->text(), "98,765.43");
  QApplication::clipboard()->setText("1.234,56");  // another locale's separators
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->text(), "98,765.43");
  EXPECT_EQ(log.entries.back().kind, MessageLog::Kind::Beep);

  field->setSelection(3, 3);  // "765"
  QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "765");
  QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(field->text(), "98.43");
}

TEST_F(MoneyEditTest, ContextMenuPastesThroughTheRules) {
  Enter();
  QApplication::clipboard()->setText("hello");
  std::unique_ptr<QMenu> menu(field->CreateFieldMenu());
  QStringList captions;
  for (QAction* a : menu->actions())
    if (!a->isSeparator()) captions << a->text();
  EXPECT_EQ(captions, QStringList({"Cu&t", "&Copy", "&Paste", "Select &All"}));
  menu->actions()[2]->trigger();
  EXPECT_EQ(field->text(), "0.00");
  QApplication::clipboard()->setText("42");
  menu->actions()[2]->trigger();
  EXPECT_EQ(field->text(), "42.00");
}

TEST_F(MoneyEditTest, BackFromAPopupKeepsTheSelection) {
  field->SetTextAsFloat(98765.43L);
  Enter();
  field->setSelection(3, 3);  // "765", as for the context menu's Copy
  QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(field, &out);
  QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
  QApplication::sendEvent(field, &in);
  EXPECT_EQ(field->selectedText(), "765");
}

TEST_F(MoneyEditTest, InputMethodTextIsTypedThroughTheRules) {
  Enter();
  QInputMethodEvent im;
  im.setCommitString("7x5\n");
  QApplication::sendEvent(field, &im);
  EXPECT_EQ(field->text(), "75.00");
}

TEST_F(MoneyEditTest, EnterGoesOnToTheWindow) {
  Enter();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
  QApplication::sendEvent(field, &enter);
  EXPECT_FALSE(enter.isAccepted());
  EXPECT_EQ(field->text(), "0.00");
}

TEST_F(MoneyEditTest, UnshowableValuesAreStarsAndReadNaN) {
  for (long double v : {static_cast<long double>(NAN), static_cast<long double>(INFINITY), 1e30L}) {
    field->SetTextAsFloat(v);
    EXPECT_EQ(field->text(), "****************");
    EXPECT_TRUE(std::isnan(field->TextAsFloat()));
  }
  Enter();
  QTest::keyClicks(field, "5");
  EXPECT_EQ(field->text(), "5.00");
}

// ---- whole-number field -----------------------------------------------------------------

using WholeNumberEditTest = FieldFixture<TFnpNumericEdit>;

TEST_F(WholeNumberEditTest, TypingAndDeletingDigits) {
  field->SetDecimals(0);
  EXPECT_EQ(field->text(), "0");
  Enter();
  field->end(false);
  QTest::keyClicks(field, "36");
  EXPECT_EQ(field->text(), "36");
  EXPECT_EQ(field->AsInteger(), 36);
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->text(), "0");
  QTest::keyClicks(field, "-a.5");  // no range below 0, no decimals: only the 5
  EXPECT_EQ(field->text(), "5");
}

TEST_F(WholeNumberEditTest, TextThatIsNotANumberRaisesConversionError) {
  field->setText("abc");
  EXPECT_THROW(field->Value(), EConvertError);
  EXPECT_THROW(field->AsInteger(), EConvertError);
  field->SetValue(NAN);
  EXPECT_EQ(field->text(), "*********");
  EXPECT_THROW(field->Value(), EConvertError);
}

TEST_F(WholeNumberEditTest, LeavingOutsideTheRangeNotifies) {
  field->SetDecimals(0);
  field->SetMinValue(1);
  field->SetMaxValue(12);
  int invalid = 0;
  QObject::connect(field, &TFnpNumericEdit::InvalidEntry, [&] { ++invalid; });
  Enter();
  field->end(false);
  QTest::keyClicks(field, "40");
  Leave();
  EXPECT_EQ(invalid, 1);
}

// ---- points field ------------------------------------------------------------------------

class PointsEditTest : public FieldFixture<TNumEdit> {
protected:
  void SetUp() override {
    FieldFixture::SetUp();
    field->SetNumericType(TNumEdit::NumericType::General);
    field->SetDecimals(3);
    field->SetDigits(12);
    field->SetMasks("#,##0.###", "", "");
    field->SetRounding(false);
  }
};

TEST_F(PointsEditTest, TypedValueIsCutOnLeaving) {
  EXPECT_EQ(field->text(), "0");
  Enter();
  field->selectAll();
  QTest::keyClicks(field, "2.12345");
  Leave();
  EXPECT_EQ(field->text(), "2.123");
  EXPECT_EQ(field->Value(), 2.12345L);
  Enter();
  Leave();
  EXPECT_EQ(field->Value(), 2.123L);  // passing through stores what is shown
}

TEST_F(PointsEditTest, EnteringReducesTheText) {
  field->SetValue(-1234.5678L);
  EXPECT_EQ(field->text(), "-1,234.567");
  Enter();
  EXPECT_EQ(field->text(), "-1,234.567");
  field->SetNumericType(TNumEdit::NumericType::Currency);
  field->SetDecimals(2);
  Leave();
  field->SetValue(1234.5L);
  EXPECT_EQ(field->text(), "$1,234.50");
  Enter();
  EXPECT_EQ(field->text(), "1,234.50");
}

TEST_F(PointsEditTest, ValidationKeepsTheFocusAndSelectsAll) {
  field->SetValidation(true, 0, 10);
  Enter();
  field->selectAll();
  QTest::keyClicks(field, "12");
  Leave();
  EXPECT_EQ(log.informationTexts(), QStringList({"Value must be between 0 and 10"}));
  EXPECT_TRUE(field->hasFocus());
  EXPECT_EQ(field->selectedText(), "12");
  EXPECT_EQ(field->Value(), 0);
  QTest::keyClicks(field, "5");
  Leave();
  EXPECT_EQ(field->text(), "5");
  EXPECT_EQ(field->Value(), 5);
}

TEST_F(PointsEditTest, PasteIsTypedThroughTheKeyFilter) {
  Enter();
  field->selectAll();
  QApplication::clipboard()->setText("1a.5\t");
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->text(), "1.5");
}

// ---- picture field -------------------------------------------------------------------------

using PictureFieldTest = FieldFixture<TOvcPictureField>;

TEST_F(PictureFieldTest, TermFieldTyping) {
  field->SetPictureMask("iiiiii", TOvcPictureField::DataType::Integer, 6);
  EXPECT_EQ(field->alignment(), Qt::AlignRight | Qt::AlignVCenter);
  EXPECT_EQ(field->text(), "     0");
  Enter();
  field->end(false);
  QTest::keyClicks(field, "360");
  EXPECT_EQ(field->text(), "   360");
  EXPECT_EQ(field->AsInteger(), 360);
  field->selectAll();
  QTest::keyClicks(field, "40000");  // the last 0 would pass 32767
  EXPECT_EQ(field->text(), "  4000");
  EXPECT_EQ(log.entries.back().kind, MessageLog::Kind::Beep);
  QTest::keyClicks(field, "-");
  EXPECT_EQ(field->AsInteger(), -4000);
}

// A typed amount field (the loan application's): the first click, even after the last
// decimal, puts the caret at the end of the integer part.
TEST_F(PictureFieldTest, EnteringByAClickTypesTheAmount) {
  field->SetPictureMask("$#,###,###,###.##", TOvcPictureField::DataType::Double, 17);
  const int middle = field->height() / 2;
  for (const int x : {field->width() - 3, 3}) {
    SCOPED_TRACE(x);
    before->setFocus(Qt::OtherFocusReason);
    field->SetAsFloat(0);
    field->repaint();  // lays the text out where the click lands
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(x, middle));
    ASSERT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "250000");
    EXPECT_EQ(field->text(), "      $250,000.00");
  }
}

TEST_F(PictureFieldTest, ResultFieldIsYellowReadOnlyAndSkippedByTab) {
  field->SetPictureMask("$#,###,###,###.##", TOvcPictureField::DataType::Double, 17);
  ApplyFieldRole(field, FieldRole::Result);
  field->SetAsFloat(283212.71);
  EXPECT_EQ(field->text(), "      $283,212.71");
  EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::yellow));
  before->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(before, Qt::Key_Tab);
  EXPECT_TRUE(after->hasFocus());
  field->setFocus(Qt::MouseFocusReason);
  QTest::keyClicks(field, "12-");
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->text(), "      $283,212.71");
  EXPECT_EQ(field->AsFloat(), 283212.71);
}

TEST_F(PictureFieldTest, TooWideValuesAreStars) {
  field->SetPictureMask("$###,###,###.##", TOvcPictureField::DataType::Double, 10);
  field->SetAsFloat(786.7);
  EXPECT_EQ(field->text(), "        $786.70");  // the mask's width, not cut to 10
  field->SetAsFloat(1e9);
  EXPECT_EQ(field->text(), "***************");
  EXPECT_EQ(field->AsFloat(), 1e9);  // it still holds the value it was given
  field->SetPictureMask("iiiiii", TOvcPictureField::DataType::Integer, 6);
  field->SetAsInteger(1234567);
  EXPECT_EQ(field->text(), "******");
  EXPECT_THROW(field->AsInteger(), EConvertError);
  field->SetPictureMask("###.####%", TOvcPictureField::DataType::Double, 9);
  field->SetAsFloat(INFINITY);
  EXPECT_EQ(field->text(), "*********");
}

TEST_F(PictureFieldTest, EntryErrorShowsRedWithBlackText) {
  field->SetPictureMask("iiiiii", TOvcPictureField::DataType::Integer, 6);
  field->SetRange(1, 480);
  field->SetAsInteger(500);
  EXPECT_TRUE(field->HasEntryError());
  EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::red));
  EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::black));
  field->SetAsInteger(360);
  EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
  field->setText("  12ab");
  EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::red));
  EXPECT_THROW(field->AsInteger(), EConvertError);
}

TEST(FieldRoles, ErrorColoursComeAndGoOverTheRole) {
  TMoneyEdit edit;
  ApplyFieldRole(&edit, FieldRole::Result);
  EXPECT_TRUE(edit.isReadOnly());
  EXPECT_EQ(edit.focusPolicy(), Qt::ClickFocus);
  ShowFieldError(&edit, true);
  EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(Qt::red));
  EXPECT_TRUE(edit.isReadOnly());
  ShowFieldError(&edit, false);
  EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(Qt::yellow));
  ApplyFieldRole(&edit, FieldRole::Entry);
  EXPECT_FALSE(edit.isReadOnly());
  EXPECT_EQ(edit.focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(Qt::white));
}

// ---- random key events on the widgets themselves ---------------------------------------------

const Qt::Key kRandomKeys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_5, Qt::Key_9, Qt::Key_Period,
                               Qt::Key_Comma, Qt::Key_Minus, Qt::Key_Space, Qt::Key_A,
                               Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                               Qt::Key_Home, Qt::Key_End};

template <class Check>
void RandomKeys(QLineEdit* field, unsigned seed, Check check) {
  std::mt19937 rng(seed);
  for (int i = 0; i < 600; ++i) {
    const Qt::Key key = kRandomKeys[rng() % std::size(kRandomKeys)];
    const bool shift = rng() % 8 == 0;
    QTest::keyClick(field, key, shift ? Qt::ShiftModifier : Qt::NoModifier);
    check(i);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST_F(MoneyEditTest, RandomKeysKeepTheDisplayForm) {
  Enter();
  RandomKeys(field, 77, [&](int i) {
    ASSERT_TRUE(IsMoneyText(field->text().toStdString(), 2)) << i << ": " << field->text().toStdString();
    ASSERT_EQ(field->text().toStdString(), MoneyText(field->TextAsFloat(), MoneyRules{}));
  });
}

TEST_F(PictureFieldTest, RandomKeysKeepTheMaskLength) {
  field->SetPictureMask("$#,###,###,###.##", TOvcPictureField::DataType::Double, 17);
  Enter();
  RandomKeys(field, 78, [&](int i) {
    ASSERT_EQ(field->text().size(), 17) << i;
    ASSERT_NO_THROW(field->AsFloat()) << field->text().toStdString();
    ASSERT_FALSE(field->HasEntryError());
  });
}

}  // namespace
}  // namespace zeb::test
