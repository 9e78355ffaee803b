// The Refinancing page in a real main window: the sample typed by keyboard, which exits
// run the savings and which the closing-cost total, the closing-cost panel, the stop at
// a failing step, the resets, the tab order and the accessible names.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "app/AppInfo.h"
#include "calculators/RefinancingPage.h"
#include "tests/ui/UiFixture.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"

namespace zeb::test {
namespace {

const char* const kFeeNames[] = {"edtDiscountPoints", "edtOriginationPoints", "edtCreditCheck",  "edtAttyFeeY",
                                 "edtAttyFeeL",       "edtTitleSearchFee",    "edtTitleInsuranceFee",
                                 "edtAppraisalFee",   "edtInspections",       "edtLocalFees",    "edtOtherFees",
                                 "edtPrepaymentPenalty"};
const char* const kResultNames[] = {"edtOldPaymentsRemaining", "edtOldPayment",   "edtNewPayment",
                                    "edtPaymentSaved",         "edtTotalPaymentSaved", "edtOldEquity",
                                    "edtNewEquity",            "edtEquitySavings", "edtTotalSaved"};

class RefinancingPageTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->ShowPageByKey("RC");
    ASSERT_EQ(window->CurrentPageKey(), "RC");
    page = window->Refinancing();
  }
  TMoneyEdit* money(const char* name) const { return find<TMoneyEdit>(name); }
  TOvcPictureField* picture(const char* name) const { return find<TOvcPictureField>(name); }
  QString shown(const char* name) const { return find<QLineEdit>(name)->text().trimmed(); }
  QString sell() const { return find<QLabel>("LblSell")->text(); }
  static void tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  static QString focusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
  }
  void sample() { window->mnuResetSamplesClick(); }
  QStringList resultTexts() const {
    QStringList texts;
    for (const char* name : kResultNames) texts << shown(name);
    return texts << sell();
  }
  bool panelShown() const { return find<QFrame>("pnlClosingCosts")->isVisible(); }
  RefinancingPage* page = nullptr;
};

TEST_F(RefinancingPageTest, SampleTypedByKeyboard) {
  EXPECT_EQ(focusName(), "edtOldLoan");
  for (const char* text : {"100000", "360", "8.75", "0", "100000", "240", "7.25"}) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    tab();
  }
  EXPECT_EQ(focusName(), "btnCalcFees");
  tab();
  EXPECT_EQ(focusName(), "edtRefiClosingCosts");
  tab();
  QTest::keyClicks(QApplication::focusWidget(), "240");
  tab();
  EXPECT_EQ(resultTexts(), QStringList({"360", "$786.70", "$790.38", "-$3.68", "-$882.14", "$37,228.05", "$100,000.00",
                                        "$62,771.95", "$61,889.81", "If you sell in 240 months,"}));
  EXPECT_TRUE(log.entries.empty());
}

struct EdgeCase {
  const char* name;
  int oldTerm, paymentsMade, newTerm, monthsUntilSell;
  double closingCosts;
  QStringList shown;  // remaining, old payment, new payment, saved, total saved payments, equities, totals, LblSell
};

TEST_F(RefinancingPageTest, EdgeCases) {
  const EdgeCase cases[] = {
      {"sale_after_the_new_term", 360, 0, 240, 300, 0,
       {"360", "$786.70", "$790.38", "-$3.68", "-$882.14", "$37,228.05", "$100,000.00", "$62,771.95", "$61,889.81",
        "If you sell in 240 months,"}},
      {"sale_after_the_old_loan_ends", 360, 300, 360, 120, 0,
       {"60", "$2,063.72", "$682.18", "$1,381.55", "$82,892.82", "$100,000.00", "$13,689.65", "-$86,310.35",
        "-$3,417.53", "If you sell in 120 months,"}},
      {"sale_now", 360, 0, 240, 0, 1500,
       {"360", "$786.70", "$790.38", "-$3.68", "$0.00", "$0.00", "$0.00", "$0.00", "-$1,500.00",
        "If you sell in 0 months,"}},
      {"new_term_zero", 360, 0, 0, 240, 0,
       {"360", "$786.70", "$0.00", "$786.70", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "If you sell in 0 months,"}},
      {"payments_made_above_the_term", 360, 400, 240, 240, 0,
       {"-40", "-$2,162.15", "$790.38", "-$2,952.53", "$118,101.20", "$0.00", "$100,000.00", "$100,000.00",
        "$218,101.20", "If you sell in 240 months,"}},
  };
  sample();
  picture("edtMonthsUntilSell")->setFocus(Qt::TabFocusReason);
  for (const EdgeCase& c : cases) {
    picture("edtOldTerm")->SetAsInteger(c.oldTerm);
    picture("edtOldPaymentsMade")->SetAsInteger(c.paymentsMade);
    picture("edtNewTerm")->SetAsInteger(c.newTerm);
    picture("edtMonthsUntilSell")->SetAsInteger(c.monthsUntilSell);
    money("edtRefiClosingCosts")->SetTextAsFloat(c.closingCosts);
    tab();
    EXPECT_EQ(resultTexts(), c.shown) << c.name;
    picture("edtMonthsUntilSell")->setFocus(Qt::BacktabFocusReason);
  }
  EXPECT_TRUE(log.entries.empty());
}

// Which exits recompute the savings and which only the closing-cost total.
TEST_F(RefinancingPageTest, ExitsRunTheirOwnCalculation) {
  struct Exit {
    const char* field;
    bool refi;
  };
  const Exit exits[] = {
      {"edtOldLoan", false},       {"edtNewLoan", false},         {"edtRefiClosingCosts", false},
      {"edtOldTerm", true},        {"edtOldInterestRate", true},  {"edtOldPaymentsMade", true},
      {"edtNewTerm", true},        {"edtNewInterestRate", true},  {"edtMonthsUntilSell", true},
      {"edtOldPayment", true},     {"edtTotalSaved", true},       {"edtOldPaymentsRemaining", true},
  };
  sample();
  find<QPushButton>("btnCalcFees")->setFocus();
  for (const Exit& e : exits) {
    money("edtOriginationPoints")->SetTextAsFloat(500);
    money("edtRefiClosingCosts")->SetTextAsFloat(100);
    picture("edtTotalSaved")->SetAsFloat(0);
    QWidget* field = find<QWidget>(e.field);
    field->setFocus(Qt::MouseFocusReason);
    find<QPushButton>("btnCalcFees")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(shown("edtTotalSaved"), e.refi ? "$61,789.81" : "$0.00") << e.field;
    EXPECT_EQ(shown("edtRefiClosingCosts"), e.refi ? "100.00" : "500.00") << e.field;
  }
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(RefinancingPageTest, ClosingCostPanel) {
  sample();
  EXPECT_FALSE(panelShown());
  QTest::mouseClick(find<QPushButton>("btnCalcFees"), Qt::LeftButton);
  ASSERT_TRUE(panelShown());
  EXPECT_EQ(find<QFrame>("pnlClosingCosts")->geometry(), QRect(125, 27, 347, find<QFrame>("pnlClosingCosts")->height()));
  EXPECT_EQ(find<QLabel>("lblClosingCostsTitle")->text(), "Itemized Closing Costs");
  EXPECT_EQ(find<QLabel>("lblClosingCostsTitle")->palette().color(QPalette::Window), QColor(0, 0, 128));
  EXPECT_EQ(focusName(), "edtDiscountPoints");

  // Twelve fees typed in tab order; leaving the last one moves to "OK".
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(focusName(), kFeeNames[i]);
    QTest::keyClicks(QApplication::focusWidget(), "100");
    tab();
    EXPECT_EQ(shown("edtClosingFees"), QString("$%1.00").arg(i < 9 ? QString::number((i + 1) * 100) : QString("1,%1").arg((i - 9) * 100, 3, 10, QChar('0'))));
  }
  EXPECT_EQ(focusName(), "btnCloseClosingCosts");
  EXPECT_EQ(shown("edtRefiClosingCosts"), "1,200.00");
  EXPECT_EQ(shown("edtTotalSaved"), "$61,889.81");  // the savings wait for "OK"

  // Shift+Tab out of the last fee also lands on "OK".
  money("edtPrepaymentPenalty")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(money("edtPrepaymentPenalty"), Qt::Key_Backtab);
  EXPECT_EQ(focusName(), "btnCloseClosingCosts");

  // Enter on "OK": the panel hides, the savings take the costs, the focus moves on.
  QTest::keyClick(find<QPushButton>("btnCloseClosingCosts"), Qt::Key_Return);
  EXPECT_FALSE(panelShown());
  EXPECT_EQ(shown("edtTotalSaved"), "$60,689.81");
  EXPECT_EQ(focusName(), "edtMonthsUntilSell");
  // The focus moves on as a Tab would: digits typed next replace the months, not extend them.
  QTest::keyClicks(QApplication::focusWidget(), "120");
  EXPECT_EQ(picture("edtMonthsUntilSell")->text().trimmed(), "120");
  EXPECT_TRUE(log.entries.empty());
}

// The open panel shows every control of it whole, inside its frame, and lies on the page.
TEST_F(RefinancingPageTest, ClosingCostPanelShowsItsControlsWhole) {
  page->btnCalcFeesClick();
  const QFrame* panel = find<QFrame>("pnlClosingCosts");
  EXPECT_TRUE(page->rect().contains(panel->geometry())) << panel->height();
  for (const QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_TRUE(panel->contentsRect().contains(child->geometry())) << child->objectName().toStdString();
}

TEST_F(RefinancingPageTest, ClearingTheFeesLeavesClosingCostsUntilAFeeIsLeft) {
  page->btnCalcFeesClick();
  money("edtAppraisalFee")->SetTextAsFloat(350);
  money("edtAppraisalFee")->setFocus(Qt::TabFocusReason);
  QTest::mouseClick(find<QPushButton>("btnClearClosingCosts"), Qt::LeftButton);
  for (const char* fee : kFeeNames) EXPECT_EQ(money(fee)->text(), "0.00") << fee;
  EXPECT_EQ(shown("edtClosingFees"), "$0.00");
  EXPECT_EQ(shown("edtRefiClosingCosts"), "350.00");
  EXPECT_EQ(focusName(), "edtDiscountPoints");
  tab();
  EXPECT_EQ(shown("edtRefiClosingCosts"), "0.00");
}

TEST_F(RefinancingPageTest, MathErrorStopsAtItsStep) {
  sample();
  picture("edtMonthsUntilSell")->setFocus(Qt::TabFocusReason);
  for (const char* name : kResultNames) picture(name)->SetAsFloat(1);
  picture("edtOldPaymentsRemaining")->SetAsInteger(1);
  money("edtNewInterestRate")->SetTextAsFloat(-1200);
  tab();
  EXPECT_EQ(log.informationTexts(), QStringList{kMathErrorMessage});
  EXPECT_EQ(resultTexts(), QStringList({"360", "$786.70", "$1.00", "$1.00", "$1.00", "$37,228.05", "$1.00", "$1.00",
                                        "$1.00", "If you sell in 240 months,"}));
}

TEST_F(RefinancingPageTest, ExtremeInputsShowNumbersOrTheMessage) {
  struct Extreme {
    const char* name;
    int oldTerm, newTerm, months;
    double balance, rate;
    bool message;
  };
  const Extreme cases[] = {
      {"terms_32767", 32767, 32767, 32767, 100000, 8.75, false},
      {"terms_minus_32768", -32768, -32768, -32768, 100000, 8.75, false},
      {"rate_far_below_minus_1200", 360, 240, 240, 100000, -99999999.99999, true},
      {"balances_and_rates_at_the_maximum", 32767, 32767, 32767, 9999999999.99, 99999999.99999, false},
  };
  const QRegularExpression number(R"(^-?\$?[0-9,]+(\.[0-9]{2})?$|^\*+$)");
  sample();
  for (const Extreme& c : cases) {
    picture("edtMonthsUntilSell")->setFocus(Qt::TabFocusReason);
    log.entries.clear();
    picture("edtOldTerm")->SetAsInteger(c.oldTerm);
    picture("edtNewTerm")->SetAsInteger(c.newTerm);
    picture("edtMonthsUntilSell")->SetAsInteger(c.months);
    for (const char* f : {"edtOldLoan", "edtNewLoan"}) money(f)->SetTextAsFloat(c.balance);
    for (const char* f : {"edtOldInterestRate", "edtNewInterestRate"}) money(f)->SetTextAsFloat(c.rate);
    tab();
    EXPECT_EQ(log.informationTexts().size(), c.message ? 1 : 0) << c.name;
    for (const char* name : kResultNames)
      EXPECT_TRUE(number.match(shown(name)).hasMatch()) << c.name << " " << name << " " << shown(name).toStdString();
  }
}

TEST_F(RefinancingPageTest, RecalculatingRightAfterTheSampleChangesNothing) {
  sample();
  QStringList before;
  for (QLineEdit* f : page->findChildren<QLineEdit*>()) before << f->text();
  before << resultTexts();
  picture("edtOldTerm")->setFocus(Qt::TabFocusReason);
  tab();
  QStringList after;
  for (QLineEdit* f : page->findChildren<QLineEdit*>()) after << f->text();
  after << resultTexts();
  EXPECT_EQ(after, before);
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(RefinancingPageTest, ResetsLeaveFeesAndTheSentence) {
  page->btnCalcFeesClick();
  money("edtTitleSearchFee")->SetTextAsFloat(400);
  page->CalcClosingCosts();
  page->btnCloseClosingCostsClick();
  picture("edtMonthsUntilSell")->SetAsInteger(120);
  page->CalcRefi();
  ASSERT_EQ(sell(), "If you sell in 0 months,");
  // The reset's move of the focus to edtOldLoan runs no exit from here.
  find<QPushButton>("btnCalcFees")->setFocus(Qt::TabFocusReason);

  sample();
  EXPECT_EQ(focusName(), "edtOldLoan");
  EXPECT_EQ(money("edtTitleSearchFee")->text(), "400.00");
  EXPECT_EQ(shown("edtClosingFees"), "$400.00");
  EXPECT_EQ(shown("edtRefiClosingCosts"), "0.00");
  EXPECT_EQ(sell(), "If you sell in 0 months,");
  EXPECT_EQ(shown("edtTotalSaved"), "$61,889.81");

  money("edtLocalFees")->SetTextAsFloat(75);
  window->mnuResetThisZeroClick();
  for (const char* name : kResultNames) EXPECT_TRUE(shown(name) == "$0.00" || shown(name) == "0") << name;
  EXPECT_EQ(shown("edtRefiClosingCosts"), "0.00");
  EXPECT_EQ(money("edtLocalFees")->text(), "75.00");
  // Leaving a field wired to the fee total brings the fees back.
  tab();
  EXPECT_EQ(shown("edtRefiClosingCosts"), "475.00");
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(RefinancingPageTest, TabOrderAndAccessibleNames) {
  const std::pair<const char*, const char*> order[] = {
      {"edtOldLoan", "Current Balance"},    {"edtOldTerm", "Term in Months"},
      {"edtOldInterestRate", "Interest Rate"}, {"edtOldPaymentsMade", "Payments Made"},
      {"edtNewLoan", "New Balance"},        {"edtNewTerm", "Term in Months"},
      {"edtNewInterestRate", "Interest Rate"}, {"btnCalcFees", "Itemized Closing Costs"},
      {"edtRefiClosingCosts", "Closing Costs"}, {"edtMonthsUntilSell", "Months Until You Will Sell"},
  };
  money("edtOldLoan")->setFocus(Qt::TabFocusReason);
  for (const auto& [name, caption] : order) {
    EXPECT_EQ(focusName(), name);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), caption) << name;
    tab();
  }
  // With the panel open the fees, "OK" and the clear button come after btnCalcFees.
  page->btnCalcFeesClick();
  for (const char* fee : kFeeNames) {
    EXPECT_EQ(focusName(), fee);
    EXPECT_FALSE(QApplication::focusWidget()->accessibleName().isEmpty()) << fee;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (std::string(fee) == "edtPrepaymentPenalty") break;
  }
  EXPECT_EQ(focusName(), "btnCloseClosingCosts");
  tab();
  EXPECT_EQ(focusName(), "btnClearClosingCosts");
  tab();
  EXPECT_EQ(focusName(), "edtRefiClosingCosts");
  EXPECT_EQ(money("edtInspections")->accessibleName(), "Inspections (Insects, etc.)");
  for (const char* name : kResultNames) EXPECT_FALSE(find<QWidget>(name)->focusPolicy() & Qt::TabFocus) << name;
}

TEST_F(RefinancingPageTest, CalculatingAllowsPrinting) {
  window->DisallowPrinting();
  picture("edtOldTerm")->setFocus(Qt::TabFocusReason);
  tab();
  EXPECT_TRUE(window->PrintingAllowed());
}

}  // namespace
}  // namespace zeb::test
