// The popup calculator: its window, its desk-calculator control in use by keyboard and
// mouse, and how the main window opens, places and destroys its small windows.
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>

#include "app/DialogSeam.h"
#include "app/uFrmCalculator.h"
#include "tests/ui/UiFixture.h"
#include "widgets/Bevel.h"
#include "widgets/DeskCalculator.h"

namespace zeb::test {
namespace {

std::vector<std::string> tapeText(const TDeskCalculator& calc) {
  std::vector<std::string> lines;
  for (const TapeLine& line : calc.Model().Tape()) lines.push_back(line.Text());
  return lines;
}

// A calculator window shown without waiting on it.
class PopupCalculator : public ::testing::Test {
protected:
  void SetUp() override {
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  TDeskCalculator* calc() { return form.OvcCalculator1(); }
  void type(const QString& keys) { QTest::keyClicks(calc(), keys); }

  MessageLog log;
  MessageRecorder messages{log};
  TfrmCalculator form;
};

TEST_F(PopupCalculator, WindowLaidOutAsDesigned) {
  EXPECT_EQ(form.windowTitle(), "Popup Calculator");
  EXPECT_EQ(form.size(), QSize(214, 294));
  EXPECT_EQ(form.font().pixelSize(), 11);
  EXPECT_EQ(calc()->objectName(), "OvcCalculator1");
  EXPECT_EQ(calc()->geometry(), QRect(0, 0, 214, 255));
  auto* bevel = form.findChild<TBevelLine*>("Bevel1");
  ASSERT_NE(bevel, nullptr);
  EXPECT_EQ(bevel->geometry(), QRect(6, 260, 202, 2));
  EXPECT_EQ(form.btnExit()->geometry(), QRect(76, 268, 67, 25));
  EXPECT_EQ(form.btnExit()->text(), "  Close");
  EXPECT_EQ(QApplication::focusWidget(), calc()) << "the calculator takes the keys at once";

  TTapeView* tape = calc()->Tape();
  EXPECT_EQ(tape->height(), 100);
  EXPECT_TRUE(QFontInfo(tape->viewport()->font()).fixedPitch());
  EXPECT_EQ(QFontInfo(tape->viewport()->font()).family(), "Liberation Mono");
  EXPECT_EQ(tape->viewport()->font().pixelSize(), 13);
  // Every key lies inside the control, clear of the tape and the display.
  for (int k = 0; k < kDeskKeyCount; ++k) {
    QPushButton* b = calc()->KeyButton(static_cast<DeskKey>(k));
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(calc()->rect().contains(b->geometry())) << b->objectName().toStdString();
    EXPECT_FALSE(b->geometry().intersects(TDeskCalculator::DisplayRect()));
    EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
  }
}

struct KeyColourCase {
  DeskKey key;
  const char* caption;
  QColor colour;
};

TEST_F(PopupCalculator, KeysInTheirGroupsColours) {
  const QColor maroon(128, 0, 0), navy(0, 0, 128);
  const KeyColourCase cases[] = {
      {DeskKey::Digit7, "7", Qt::blue},           {DeskKey::Point, ".", Qt::blue},
      {DeskKey::Add, "+", Qt::red},               {DeskKey::Divide, "\u00f7", Qt::red},
      {DeskKey::Equals, "=", Qt::red},            {DeskKey::Percent, "%", navy},
      {DeskKey::ChangeSign, "\u00b1", navy},      {DeskKey::ClearTape, "CT", navy},
      {DeskKey::MemoryAdd, "M+", Qt::red},        {DeskKey::MemorySubtract, "M\u2212", Qt::red},
      {DeskKey::Backspace, "\u2190", maroon},     {DeskKey::ClearEntry, "CE", maroon},
      {DeskKey::Clear, "C", maroon},
  };
  for (const KeyColourCase& c : cases) {
    QPushButton* b = calc()->KeyButton(c.key);
    EXPECT_EQ(b->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(b->palette().color(QPalette::Active, QPalette::ButtonText), c.colour) << c.caption;
  }
  // Memory recall and clear are grey until the memory holds a number.
  QPushButton* recall = calc()->KeyButton(DeskKey::MemoryRecall);
  QPushButton* clear = calc()->KeyButton(DeskKey::MemoryClear);
  EXPECT_FALSE(recall->isEnabled());
  EXPECT_FALSE(clear->isEnabled());
  EXPECT_EQ(recall->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(Qt::gray));
  type("12");
  QTest::mouseClick(calc()->KeyButton(DeskKey::MemoryAdd), Qt::LeftButton);
  EXPECT_TRUE(recall->isEnabled());
  EXPECT_TRUE(clear->isEnabled());
  QTest::mouseClick(clear, Qt::LeftButton);
  EXPECT_FALSE(recall->isEnabled());
}

TEST_F(PopupCalculator, ShortSumWithPercentAndMemoryByKeyboard) {
  type("200+15%");
  EXPECT_EQ(calc()->DisplayText(), "30.00");
  QTest::keyClick(calc(), Qt::Key_Return);
  EXPECT_EQ(calc()->DisplayText(), "230.00");
  QTest::keyClick(calc(), Qt::Key_P, Qt::ControlModifier);  // M+
  EXPECT_TRUE(calc()->Model().MemoryHeld());
  QTest::keyClick(calc(), Qt::Key_Escape);
  EXPECT_EQ(calc()->DisplayText(), "0.00");
  EXPECT_TRUE(form.isVisible()) << "Escape clears the calculator, it does not close the window";
  // The keypad: 5 * MR Enter.
  QTest::keyClick(calc(), Qt::Key_5, Qt::KeypadModifier);
  QTest::keyClick(calc(), Qt::Key_Asterisk, Qt::KeypadModifier);
  QTest::keyClick(calc(), Qt::Key_R, Qt::ControlModifier);
  QTest::keyClick(calc(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(calc()->DisplayText(), "1,150.00");
  EXPECT_TRUE(form.isVisible()) << "Enter is the equals key here";
  const std::string rule(20, '_');
  EXPECT_EQ(tapeText(*calc()), (std::vector<std::string>{"              200.00", "               15.00 %",
                                                         "               30.00 +", rule, "              230.00 =",
                                                         "                5.00", "              230.00 \u00d7", rule,
                                                         "            1,150.00 ="}));
  EXPECT_EQ(calc()->Model().ItemCount(), 5);
  QTest::keyClick(calc(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,150.00");
}

struct TypedKey {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* before;
  const char* display;
};

TEST_F(PopupCalculator, EditingAndFunctionKeysFromTheKeyboard) {
  const TypedKey cases[] = {
      {"Backspace removes a digit", Qt::Key_Backspace, Qt::NoModifier, "123", "12"},
      {"Delete clears the entry", Qt::Key_Delete, Qt::NoModifier, "5+3", "0"},
      {"F9 changes the sign", Qt::Key_F9, Qt::NoModifier, "42", "-42"},
      {"keypad point", Qt::Key_Period, Qt::KeypadModifier, "7", "7."},
      {"keypad minus", Qt::Key_Minus, Qt::KeypadModifier, "9", "9.00"},
      {"keypad slash", Qt::Key_Slash, Qt::KeypadModifier, "8", "8.00"},
  };
  for (const TypedKey& c : cases) {
    QTest::keyClick(calc(), Qt::Key_Escape);
    type(c.before);
    QTest::keyClick(calc(), c.key, c.modifiers);
    EXPECT_EQ(calc()->DisplayText(), c.display) << c.name;
  }
  type("6=");
  EXPECT_EQ(calc()->DisplayText(), "1.33") << "8 / 6";
  QTest::keyClick(calc(), Qt::Key_T, Qt::ControlModifier);
  EXPECT_TRUE(calc()->Model().Tape().empty());
}

TEST_F(PopupCalculator, KeyButtonsWorkByMouseAndKeepTheFocusOnTheCalculator) {
  for (DeskKey k : {DeskKey::Digit9, DeskKey::Divide, DeskKey::Digit0, DeskKey::Equals})
    QTest::mouseClick(calc()->KeyButton(k), Qt::LeftButton);
  EXPECT_EQ(calc()->DisplayText(), "Division by zero");
  EXPECT_EQ(QApplication::focusWidget(), calc());
  QTest::mouseClick(calc()->KeyButton(DeskKey::Add), Qt::LeftButton);  // refused in the error state
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].kind, MessageLog::Kind::Beep);
  QTest::mouseClick(calc()->KeyButton(DeskKey::Clear), Qt::LeftButton);
  EXPECT_EQ(calc()->DisplayText(), "0.00");
}

TEST_F(PopupCalculator, TapeScrollsToItsNewestLine) {
  TTapeView* tape = calc()->Tape();
  for (int i = 0; i < 30; ++i) type("1+");
  QScrollBar* bar = tape->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(tape->FirstVisibleLine() + tape->VisibleLines(), 30);
  QTest::keyClick(calc(), Qt::Key_PageUp);
  EXPECT_LT(bar->value(), bar->maximum());
  type("1");
  type("=");
  EXPECT_EQ(bar->value(), bar->maximum()) << "a new line brings the newest into view";
  EXPECT_EQ(tape->FirstVisibleLine() + tape->VisibleLines(), 33);
}

TEST_F(PopupCalculator, WidestTapeLineFitsBesideTheScrollBar) {
  // The widest number the calculator holds, negative, with its mark; enough lines
  // before it for the scroll bar to show.
  for (int i = 0; i < 8; ++i) type("1+");
  type("999999999999999");
  QTest::keyClick(calc(), Qt::Key_F9);
  type("-");
  TTapeView* tape = calc()->Tape();
  QApplication::processEvents();
  ASSERT_TRUE(tape->verticalScrollBar()->isVisible()) << tape->verticalScrollBar()->maximum();
  const std::string widest = calc()->Model().Tape().back().Text();
  ASSERT_EQ(widest.substr(widest.find_first_not_of(' ')), "-999,999,999,999,999.00 +");
  // The newest line's ink (its mark "+") ends inside the paper, not at its edge.
  const QImage paper = tape->viewport()->grab().toImage();
  const int lineTop = paper.height() - 2 - tape->LineHeight();
  int inkRight = -1;
  for (int y = std::max(0, lineTop); y < paper.height(); ++y)
    for (int x = 0; x < paper.width(); ++x)
      if (qGray(paper.pixel(x, y)) < 128) inkRight = std::max(inkRight, x);
  EXPECT_LT(inkRight, paper.width() - 1) << "the line runs to the edge of the paper";
  EXPECT_GT(inkRight, paper.width() - 8) << "the mark is cut off beside the scroll bar";
}

TEST_F(PopupCalculator, TabReachesCloseAndEnterThereClosesTheWindow) {
  QTest::keyClick(calc(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form.btnExit());
  QTest::keyClick(form.btnExit(), Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
}

// ---- opening from the main window ------------------------------------------------------------

class SmallWindows : public MainWindowTest {
protected:
  DialogRecorder dialogs;
};

TEST_F(SmallWindows, CalculatorCentredOverTheMainWindowAboutAndDisclaimerOnTheScreen) {
  const QRect screen = window->screen()->geometry();
  window->move(screen.left(), screen.top() + 20);  // the main window to one side
  QTest::qWait(20);
  const QRect main = window->frameGeometry();
  struct Seen {
    QString name;
    QRect outer;
    QPointer<QDialog> dialog;
  };
  std::vector<Seen> seen;
  dialogs.inspect = [&seen](QDialog& d) {
    d.show();  // framed by the desktop, without waiting on it
    seen.push_back({d.objectName(), d.frameGeometry(), &d});
    d.hide();
  };

  QTest::mouseClick(window->findChild<QToolButton*>("btnPopupCalculator"), Qt::LeftButton);
  window->MnuHelpAboutClick();
  window->MnuHelpDisclaimerClick();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].name, "frmCalculator");
  EXPECT_EQ(seen[1].name, "AboutBox");
  EXPECT_EQ(seen[2].name, "frmDisclaim");
  for (const Seen& s : seen) EXPECT_TRUE(s.dialog.isNull()) << s.name.toStdString() << " destroyed on closing";

  const QRect& calc = seen[0].outer;
  EXPECT_EQ(calc.top(), main.top() + (main.height() - calc.height()) / 2);
  EXPECT_EQ(calc.left(), main.left() + (main.width() - calc.width()) / 2);
  for (size_t i = 1; i < 3; ++i) {
    const QRect& r = seen[i].outer;
    EXPECT_LE(std::abs(r.center().x() - screen.center().x()), 1) << seen[i].name.toStdString();
    EXPECT_LE(std::abs(r.center().y() - screen.center().y()), 1) << seen[i].name.toStdString();
  }
}

TEST_F(SmallWindows, ReopenedCalculatorStartsWithAnEmptyTapeDisplayAndMemory) {
  int opening = 0;
  dialogs.inspect = [&opening](QDialog& d) {
    auto* calc = d.findChild<TDeskCalculator*>("OvcCalculator1");
    ASSERT_NE(calc, nullptr);
    EXPECT_TRUE(calc->Model().Tape().empty()) << "opening " << opening;
    EXPECT_FALSE(calc->Model().MemoryHeld());
    EXPECT_EQ(calc->DisplayText(), "0.00");
    QTest::keyClicks(calc, "12+30=");
    QTest::keyClick(calc, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(calc->Model().Tape().size(), 4u);
    ++opening;
  };
  window->ShowPopupCalculator();
  window->ShowPopupCalculator();
  EXPECT_EQ(opening, 2);
  EXPECT_EQ(window->findChild<TfrmCalculator*>(), nullptr);
}

}  // namespace
}  // namespace zeb::test
