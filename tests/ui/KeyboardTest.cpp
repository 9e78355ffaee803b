// Keyboard-only use of the main window through real key events: Enter on buttons, Tab
// through grids and option groups, the month box, the extra-payment panel, the button
// bar's shortcuts, clipboard amounts, the caret after resets, one message per action,
// and a long random run of keys over every page.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolTip>
#include <random>

#include "app/AppInfo.h"
#include "app/DialogSeam.h"
#include "app/WelcomePage.h"
#include "calculators/AmortizationPage.h"
#include "calculators/TabulonPage.h"
#include "tests/ui/UiFixture.h"
#include "widgets/InputRules.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/TextGrid.h"

namespace zeb::test {
namespace {

class Keyboard : public MainWindowTest {
protected:
  // A key as the user types it: to the widget with the focus.
  void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : window.get(), k, mods);
    QCoreApplication::processEvents();
  }
  void type(const char* text) {
    for (const char* c = text; *c; ++c) {
      QWidget* target = QApplication::focusWidget();
      QTest::keyClick(target ? target : window.get(), *c);
    }
    QCoreApplication::processEvents();
  }
  QString focusName() const {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
  }
  QWidget* focus() const { return QApplication::focusWidget(); }

  DialogRecorder dialogs;
};

// ---- Enter presses the focused button ---------------------------------------------------

TEST_F(Keyboard, EnterAndKeypadEnterPressTheFocusedButton) {
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
  };
  for (const Case& c : {Case{"Enter", Qt::Key_Return, Qt::NoModifier},
                        Case{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier}}) {
    window->ShowPageByKey("Welcome");
    QWidget* next = window->Welcome()->btnNext();
    next->setFocus(Qt::TabFocusReason);
    key(c.key, c.mods);
    EXPECT_EQ(window->CurrentPageKey(), "Menu") << c.name;

    // The quick calculators' target button, then Calculate, by Enter alone.
    window->ShowPageByKey("QC");
    find<QTabWidget>("nbkQuickCalc")->setCurrentIndex(1);
    find<QPushButton>("btnCalcPMT")->setFocus(Qt::TabFocusReason);
    key(c.key, c.mods);
    EXPECT_EQ(focusName(), "edtLA") << c.name;
    type("100000");
    key(Qt::Key_Tab);
    type("8.75");
    key(Qt::Key_Tab);  // the payment, the target, is no stop
    type("360");
    key(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "btnCalcQuickCalc") << c.name;
    key(c.key, c.mods);
    EXPECT_EQ(find<TMoneyEdit>("edtPMT")->text(), "786.70") << c.name;
  }
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(Keyboard, EnterOnADisabledOrUnfocusedButtonDoesNothing) {
  window->ShowPageByKey("QC");
  find<QTabWidget>("nbkQuickCalc")->setCurrentIndex(1);
  auto* calculate = find<QPushButton>("btnCalcQuickCalc");
  ASSERT_FALSE(calculate->isEnabled());
  int clicks = 0;
  QObject::connect(calculate, &QPushButton::clicked, [&] { ++clicks; });
  find<TMoneyEdit>("edtLA")->setFocus(Qt::TabFocusReason);
  key(Qt::Key_Return);
  EXPECT_EQ(clicks, 0);
}

// ---- grids take the focus once ----------------------------------------------------------

TEST_F(Keyboard, TabAndShiftTabLeaveEveryGrid) {
  struct Case {
    const char* page;
    const char* grid;
    const char* before;  // the stop before the grid
  };
  for (const Case& c : {Case{"Amort", "grdAmortization", "btnAnnualMonthly"}, Case{"TB", "grdTB", nullptr}}) {
    window->ShowPageByKey(c.page);
    if (std::string(c.page) == "Amort") {
      window->Action("mnuResetSamples")->trigger();
    }
    auto* grid = find<TTextGrid>(c.grid);
    grid->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Down);
    key(Qt::Key_PageDown);
    EXPECT_EQ(focus(), grid) << c.page << ": the arrows move within the grid";
    key(Qt::Key_Tab);
    EXPECT_NE(focus(), grid) << c.page << ": Tab leaves the grid";
    EXPECT_FALSE(grid->isAncestorOf(focus())) << c.page;
    grid->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(focus(), grid) << c.page << ": Shift+Tab leaves the grid";
    if (c.before) EXPECT_EQ(focusName(), c.before) << c.page;
  }
}

// ---- option groups ------------------------------------------------------------------------

TEST_F(Keyboard, TabbingIntoAnOptionGroupLandsOnTheChosenItem) {
  window->ShowPageByKey("TB");
  TabulonPage* tb = window->Tabulon();
  tb->rgLoan()->SetItemIndex(5);  // chosen in code, as a reset or a document would
  tb->edtPayment()->setFocus(Qt::TabFocusReason);
  key(Qt::Key_Tab);
  EXPECT_EQ(focus(), tb->rgCalculate()->Button(0));
  key(Qt::Key_Tab);
  EXPECT_EQ(focus(), tb->rgLoan()->Button(5));
  key(Qt::Key_Tab);
  EXPECT_EQ(focus(), tb->rgInterest()->Button(tb->rgInterest()->ItemIndex()));
  key(Qt::Key_Tab);
  EXPECT_EQ(focus(), tb->grdTB());
  key(Qt::Key_Backtab, Qt::ShiftModifier);
  key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focus(), tb->rgLoan()->Button(5));
}

// ---- the month box ------------------------------------------------------------------------

TEST_F(Keyboard, MonthBoxCompletesTypedLettersAndStartsItsListFromTheMonthShown) {
  window->ShowPageByKey("Amort");
  auto* month = find<QComboBox>("cbMonth");
  struct Case {
    const char* typed;
    const char* shown;
  };
  for (const Case& c : {Case{"F", "Feb"}, Case{"Ma", "Mar"}, Case{"May", "May"}, Case{"ju", "Jun"},
                        Case{"Jul", "Jul"}, Case{"D", "Dec"}, Case{"Dx", "Dec"}}) {
    month->setFocus(Qt::TabFocusReason);
    month->lineEdit()->selectAll();
    type(c.typed);
    EXPECT_EQ(month->currentText(), c.shown) << c.typed;
    EXPECT_EQ(month->currentIndex(), month->findText(c.shown)) << c.typed;
  }
  ASSERT_FALSE(log.entries.empty());
  EXPECT_EQ(log.entries.back().kind, MessageLog::Kind::Beep);  // the "x" no month continues

  // A month put there by a reset: the arrows go on from it.
  month->setEditText("Dec");
  key(Qt::Key_Up);
  EXPECT_EQ(month->currentText(), "Nov");

  // A typed month builds its schedule.
  month->lineEdit()->selectAll();
  type("Mar");
  find<QPushButton>("btnCalculate")->setFocus(Qt::TabFocusReason);
  key(Qt::Key_Return);
  EXPECT_EQ(window->Amortization()->AmortStartMonth(), 3);
}

// ---- the extra-payment panel --------------------------------------------------------------

TEST_F(Keyboard, ExtraPaymentPanelTakesTheKeyboardAndGivesItBack) {
  window->ShowPageByKey("Amort");
  window->Action("mnuResetSamples")->trigger();
  auto* add = find<QPushButton>("btnAddExtra");
  add->setFocus(Qt::TabFocusReason);
  key(Qt::Key_Return);
  auto* panel = find<QWidget>("pnlAddExtra");
  ASSERT_TRUE(panel->isVisible());
  EXPECT_EQ(focusName(), "edtFromPmt");

  // A range of extra payments by keys alone.
  find<QRadioButton>("rbRangePmts")->setFocus(Qt::TabFocusReason);
  key(Qt::Key_Space);
  key(Qt::Key_Tab);
  EXPECT_EQ(focusName(), "edtFromPmt");
  type("12");
  key(Qt::Key_Tab);
  type("24");
  key(Qt::Key_Tab);
  type("100");
  key(Qt::Key_Tab);
  ASSERT_EQ(focusName(), "btnRecalcExtra");
  key(Qt::Key_Return);
  EXPECT_EQ(window->Amortization()->grdAmortization()->Cell(6, 12).trimmed(), "$100.00");
  EXPECT_EQ(window->Amortization()->grdAmortization()->Cell(6, 24).trimmed(), "$100.00");

  // Tab and Shift+Tab stay within the open panel.
  for (int i = 0; i < 12; ++i) {
    key(i % 3 == 2 ? Qt::Key_Backtab : Qt::Key_Tab, i % 3 == 2 ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_TRUE(panel->isAncestorOf(focus())) << "step " << i << ": " << focusName().toStdString();
  }
  find<QPushButton>("btnCancel")->setFocus(Qt::TabFocusReason);
  key(Qt::Key_Return);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(focus(), add);

  // Escape closes it as well.
  key(Qt::Key_Return);
  ASSERT_TRUE(panel->isVisible());
  key(Qt::Key_Escape);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(focus(), add);
  EXPECT_TRUE(log.entries.empty());
}

// ---- the caret after a reset ------------------------------------------------------------

TEST_F(Keyboard, DigitsTypedAfterAResetMakeTheAmount) {
  struct Case {
    const char* page;
    const char* field;
    const char* expected;
  };
  for (const Case& c : {Case{"Amort", "edtMortAmt", "1,000,005.00"}, Case{"TB", "edtLoan", "1,000,005.00"}}) {
    window->ShowPageByKey(c.page);
    find<QWidget>(c.field)->setFocus(Qt::TabFocusReason);
    window->Action("mnuResetSamples")->trigger();
    ASSERT_EQ(focusName(), c.field) << c.page;
    type("5");
    EXPECT_EQ(find<TMoneyEdit>(c.field)->text(), c.expected) << c.page;
  }
}

// ---- the clipboard ------------------------------------------------------------------------

TEST_F(Keyboard, PastedAmountsLoseTheirSignAsTypedOnesDo) {
  window->ShowPageByKey("Amort");
  window->Action("mnuResetSamples")->trigger();
  struct Case {
    const char* clip;
    const char* shown;  // nullptr: refused with a beep
  };
  auto* amount = find<TMoneyEdit>("edtMortAmt");
  for (const Case& c : {Case{"$1,234.56", "1,234.56"}, Case{"1234.56", "1,234.56"}, Case{"-$3.50", "3.50"},
                        Case{"($3.50)", "3.50"}, Case{"three", nullptr}}) {
    amount->SetTextAsFloat(100000);
    amount->setFocus(Qt::TabFocusReason);
    log.entries.clear();
    QApplication::clipboard()->setText(c.clip);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(amount->text(), c.shown ? c.shown : "100,000.00") << c.clip;
    EXPECT_EQ(!log.entries.empty() && log.entries[0].kind == MessageLog::Kind::Beep, c.shown == nullptr) << c.clip;
  }
  // A pasted "-5" as an extra payment is 5: the rebuild after it keeps every prepayment.
  amount->SetTextAsFloat(100000);
  find<QPushButton>("btnAddExtra")->click();
  find<QRadioButton>("rbAllPmts")->click();
  auto* extra = find<TMoneyEdit>("edtExtraAmount");
  extra->setFocus(Qt::TabFocusReason);
  QApplication::clipboard()->setText("-5");
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(extra->text(), "5.00");
  find<QPushButton>("btnRecalcExtra")->click();
  find<QPushButton>("btnCancel")->click();
  log.entries.clear();
  find<QPushButton>("btnCalculate")->click();
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(window->Amortization()->grdAmortization()->Cell(6, 2).trimmed(), "$5.00");
}

// ---- the button bar's shortcuts -----------------------------------------------------------

TEST_F(Keyboard, ButtonBarShortcuts) {
  window->ShowPageByKey("TB");
  window->Tabulon()->edtLoan()->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(window->PrintingAllowed());
  key(Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(dialogs.entries.size(), 1u) << "Ctrl+P opens the print preview";

  key(Qt::Key_K, Qt::ControlModifier);
  ASSERT_EQ(dialogs.entries.size(), 2u);
  EXPECT_EQ(dialogs.entries[1].objectName, "frmCalculator") << "Ctrl+K opens the popup calculator";

  QMenu* reset = window->MnuPopReset();
  key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(reset->isVisible()) << "Ctrl+R drops the reset menu";
  const QPoint below = find<QWidget>("btnReset")->mapToGlobal(QPoint(0, find<QWidget>("btnReset")->height()));
  EXPECT_EQ(reset->pos(), below);
  reset->close();

  // Not on the welcome page: Reset is disabled there, and so is its shortcut.
  window->ShowPageByKey("Welcome");
  key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_FALSE(reset->isVisible());
}

// ---- message boxes ------------------------------------------------------------------------

TEST(MessageText, EachLineFeedCarriageReturnPairIsOneLineBreak) {
  const struct {
    const char* name;
    QString stored;
    QString shown;
  } cases[] = {
      {"math_error", kMathErrorMessage,
       "Valid results cannot be calculated using\nthe variables you have entered.\n\n"
       "Please try again with reasonable values."},
      {"cr_lf", "a\r\nb", "a\nb"},
      {"lone_cr", "a\rb", "a\nb"},
      {"plain", "one line", "one line"},
  };
  for (const auto& c : cases) EXPECT_EQ(MessageDisplayText(c.stored), c.shown) << c.name;
}

// ---- one action, one message ----------------------------------------------------------------

TEST_F(Keyboard, AClickThatLeavesAFailingFieldShowsOneMessageAndNoPressedButton) {
  window->ShowPageByKey("TB");
  window->Action("mnuResetSamples")->trigger();
  TabulonPage* tb = window->Tabulon();
  tb->edtInterest()->SetTextAsFloat(-1500);  // no logarithm: every fill fails
  tb->edtLoan()->setFocus(Qt::TabFocusReason);
  log.entries.clear();
  QRadioButton* step = tb->rgLoan()->Button(5);
  QTest::mouseClick(step, Qt::LeftButton, {}, step->rect().center());
  EXPECT_EQ(log.informationTexts(), QStringList{kMathErrorMessage});
  EXPECT_FALSE(step->isDown());
  EXPECT_FALSE(step->isChecked()) << "the click went to the message, not to the step";

  // Leaving the page while the field's recalculation fails: one message too.
  tb->edtInterest()->SetTextAsFloat(-1500);
  tb->edtLoan()->setFocus(Qt::TabFocusReason);
  log.entries.clear();
  window->ShowPageByKey("Menu");
  EXPECT_EQ(log.informationTexts(), QStringList{kMathErrorMessage});
}

// ---- numbers wider than their field ---------------------------------------------------------

TEST_F(Keyboard, AWideNumberIsElidedUntilTheFieldHasTheFocus) {
  window->ShowPageByKey("Amort");
  auto* rate = find<TMoneyEdit>("edtIRate");
  rate->SetTextAsFloat(99999999.99999L);
  ASSERT_EQ(rate->text(), "99,999,999.99999");
  EXPECT_FALSE(rate->ShowsWholeText());
  // Its tooltip shows it whole.
  QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), rate->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(rate, &tip);
  EXPECT_TRUE(QToolTip::text().startsWith("99,999,999.99999")) << QToolTip::text().toStdString();
  QToolTip::hideText();
  rate->SetTextAsFloat(8.75L);
  EXPECT_TRUE(rate->ShowsWholeText());

  TTextGrid* grid = window->Amortization()->grdAmortization();
  grid->SetCell(1, 1, QString(40, '9'));
  EXPECT_TRUE(grid->CellElided(1, 1));
  const QPoint inCell = grid->visualRect(grid->model()->index(0, 1)).center();
  QHelpEvent cellTip(QEvent::ToolTip, inCell, grid->viewport()->mapToGlobal(inCell));
  QApplication::sendEvent(grid->viewport(), &cellTip);
  EXPECT_EQ(QToolTip::text(), QString(40, '9'));
  QToolTip::hideText();
  grid->SetCell(1, 1, "1");
  EXPECT_FALSE(grid->CellElided(1, 1));
}

// ---- names for the screen reader -----------------------------------------------------------

TEST_F(Keyboard, EveryFieldOfEveryPageIsNamedByItsCaption) {
  for (const TPageInfo& page : TfrmMain::PageTable()) {
    QWidget* content = window->Page(page.key);
    for (QWidget* w : content->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w)) continue;
      if (qobject_cast<QComboBox*>(w->parentWidget())) continue;  // a drop-down list's own edit
      EXPECT_FALSE(w->accessibleName().isEmpty()) << page.key << ": " << w->objectName().toStdString();
      EXPECT_NE(w->accessibleName(), w->objectName()) << page.key << ": named by its object name";
    }
  }
}

// ---- bad input: random keys over every page ------------------------------------------------

// The focus is where the user can see it and use it.
::testing::AssertionResult FocusUsable(const QWidget* w) {
  if (!w) return ::testing::AssertionSuccess();
  if (!w->isVisible()) return ::testing::AssertionFailure() << "focus on hidden " << w->objectName().toStdString();
  if (!w->isEnabled()) return ::testing::AssertionFailure() << "focus on disabled " << w->objectName().toStdString();
  return ::testing::AssertionSuccess();
}

TEST_F(Keyboard, RandomKeysNeverLoseOrTrapTheFocus) {
  const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter,
                          Qt::Key_Up,  Qt::Key_Down, Qt::Key_Left,    Qt::Key_Right,  Qt::Key_Space,
                          Qt::Key_A,   Qt::Key_M,    Qt::Key_1,       Qt::Key_5,      Qt::Key_0,
                          Qt::Key_Period, Qt::Key_Backspace, Qt::Key_Escape};
  std::mt19937 random(20261211);
  std::uniform_int_distribution<size_t> pick(0, std::size(keys) - 1);
  const int stepsPerPage = 300;
  for (const TPageInfo& page : TfrmMain::PageTable()) {
    window->ShowPageByKey(page.key);
    for (int step = 0; step < stepsPerPage; ++step) {
      const Qt::Key k = keys[pick(random)];
      key(k, k == Qt::Key_Backtab ? Qt::ShiftModifier : k == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
      ASSERT_TRUE(FocusUsable(focus())) << page.key << " step " << step << " key " << k << " on page "
                                        << window->CurrentPageKey().toStdString();
      ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    // Never trapped: from the page's entry focus, Tab comes round to it again.
    window->ShowPageByKey(page.key);
    if (!focus() || !window->Page(page.key)->isAncestorOf(focus())) key(Qt::Key_Tab);
    QWidget* first = focus();
    if (!first) continue;  // a page without a Tab stop
    bool back = false;
    for (int tabs = 0; tabs < 80 && !back; ++tabs) {
      key(Qt::Key_Tab);
      ASSERT_TRUE(FocusUsable(focus())) << page.key << " tab " << tabs;
      back = focus() == first;
    }
    EXPECT_TRUE(back) << page.key << ": Tab never came back to " << first->objectName().toStdString();
  }
}

}  // namespace
}  // namespace zeb::test
