// The reset commands of every calculator: the flag DefaultValueSet, the two
// all-calculator resets and what they leave on each page, and that a page's stored
// sample results are what its own calculation gives.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <functional>

#include "app/Main.h"
#include "calculators/AmortizationPage.h"
#include "calculators/CapRatePage.h"
#include "calculators/DepreciationPage.h"
#include "calculators/FutureValuesPage.h"
#include "calculators/LoanComparisonPage.h"
#include "calculators/NetPresentValuesPage.h"
#include "calculators/QuickCalcPage.h"
#include "calculators/RatesOfReturnPage.h"
#include "calculators/RefinancingPage.h"
#include "calculators/TabulonPage.h"
#include "document/CalculatorDocument.h"
#include "tests/ui/UiFixture.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/RadioGroup.h"
#include "widgets/TextGrid.h"

namespace zeb {
namespace {

class Resets : public test::MainWindowTest {
protected:
  void command(const char* name) { window->Action(name)->trigger(); }
  TCalculatorDocument shown() const { return window->GatherDocument(); }
};

// ---- the flag -------------------------------------------------------------------------------------

struct FlagCase {
  const char* name;
  const char* command;
  int before;
  int after;
};

TEST_F(Resets, EachCommandLeavesTheFlagAsItSays) {
  const FlagCase cases[] = {
      {"this_zero_from_samples", "mnuResetThisZero", 1, 0},
      {"all_zero_from_samples", "mnuResetAllZero", 1, 0},
      {"this_samples_from_zero", "mnuResetSamples", 0, 1},
      {"all_samples_keeps_zero", "mnuResetAllSamples", 0, 0},
      {"all_samples_keeps_samples", "mnuResetAllSamples", 1, 1},
  };
  window->ShowPageByKey("QC");
  for (const FlagCase& c : cases) {
    SCOPED_TRACE(c.name);
    window->SetDefaultValueSet(c.before);
    command(c.command);
    EXPECT_EQ(window->DefaultValueSet(), c.after);
    EXPECT_EQ(shown().Integer("DefaultValueSet"), c.after);
  }
}

TEST_F(Resets, StartUpLeavesEveryCalculatorAtZeroWithTheFlagZero) {
  EXPECT_EQ(window->DefaultValueSet(), 0);
  const TCalculatorDocument atStart = shown();
  window->ResetAllToSamples();
  EXPECT_NE(shown(), atStart);
  window->ResetAllToZero();
  EXPECT_EQ(shown(), atStart) << "the zero reset puts back every value of the start";
  for (const char* name : {"Loan", "Interest", "Payment", "Federal", "State", "Downpayment"})
    EXPECT_EQ(atStart.Real(name), 0) << name;
  EXPECT_EQ(atStart.Integer("Term"), 0);
}

// ---- sample values ----------------------------------------------------------------------------------

struct SampleCase {
  const char* field;
  DocumentValue value;
};

TEST_F(Resets, AllSamplesWritesEachPagesStoredExample) {
  window->ResetAllToSamples();
  const TCalculatorDocument document = shown();
  const SampleCase cases[] = {
      {"edtLA", 100000.0},          {"edtIR", 8.75},          {"edtPMT", 786.7},
      {"edtN", std::int32_t{360}},  {"edtMPISalesPrice", 125000.0},
      {"edtMPIDownPaymentSum", 25000.0}, {"edtMPIDownPaymentPercent", 20.0},
      {"edtMPILoanAmount", 100000.0}, {"edtMPIInterestRate", 8.75},
      {"edtMPITermInMonths", std::int32_t{360}}, {"edtMPIPayment", 786.7},
      {"edtLoan", 100000.0},        {"edtInterest", 8.75},    {"edtTerm", std::int32_t{360}},
      {"edtPayment", 786.7},        {"rgCalculate", std::int32_t{0}},
      {"edtMortAmt", 100000.0},     {"edtIRate", 8.75},       {"edtNumPmts", std::int32_t{360}},
      {"edtAmortPayment", 786.7},
      {"edtFVp1", 10000.0},         {"cbCompounding1", std::string("Monthly")},
      {"edtFVpmt1", 100.0},         {"edtFVir1", 8.75},       {"edtFVn1", std::string("12")},
      {"edtFV1", 12160.27},         {"edtFVn5", 60.0},        {"edtFV5", 22956.86},
      {"edtRORBV1", 2500.0},        {"edtROREV1", 2600.0},    {"edtRORDV1", 0.0},
      {"edtROR1", 4.0},             {"edtRORDV5", 100.0},     {"edtROR5", 11.0},
      {"edtDCFYear1", 9000.0},      {"edtDCFYear3", -3000.0}, {"edtDCFYear9", 137580.0},
      {"edtDCFYear10", 0.0},        {"edtDiscountRate1", 5.0}, {"edtDiscountRate5", 9.0},
      {"edtNPV1", 129493.05},       {"edtNPV5", 97037.33},
      {"edtLCLoan1", 100000.0},     {"edtLCPayment1", 786.7}, {"edtLCTotalPaid1", 283212.15},
      {"edtLCTerm2", std::int32_t{240}}, {"edtLCPoints2", 1.0}, {"edtLCPointsCost2", 1000.0},
      {"edtLCLoan6", 95000.0},      {"edtLCPayment6", 839.53}, {"edtLCLoanCost6", 106486.04},
      {"edtOldLoan", 100000.0},     {"edtOldTerm", std::int32_t{360}},
      {"edtOldPaymentsRemaining", std::int32_t{360}}, {"edtNewTerm", std::int32_t{240}},
      {"edtNewInterestRate", 7.25}, {"edtMonthsUntilSell", std::int32_t{240}},
      {"edtNewPayment", 790.38},    {"edtPaymentSaved", -3.68}, {"edtTotalPaymentSaved", -882.14},
      {"edtOldEquity", 37228.05},   {"edtEquitySavings", 62771.95}, {"edtTotalSaved", 61889.81},
      {"edtOriginalCost", 100000.0}, {"edtSalvageValue", 92500.0},
      {"edtDepreciationPeriod", std::int32_t{10}}, {"edtTotalDepreciated", 7500.0},
      {"rgDepreciationMethod", std::int32_t{0}},
      // The capitalization page's samples are its zeros.
      {"edtCRNetOperatingIncome1", 0.0}, {"edtCRValue5", 0.0}, {"edtCRCapitalizationRate3", 0.0},
      {"rgCapRateSolveFor", std::int32_t{2}},
  };
  for (const SampleCase& c : cases) {
    SCOPED_TRACE(c.field);
    EXPECT_EQ(document.values[static_cast<size_t>(*DocumentLineIndex(c.field))], c.value);
  }
}

// The stored results are what each page's own calculation gives: recalculating right
// after the page's sample reset changes nothing on show.
struct RecalculateCase {
  const char* key;
  std::function<void(TfrmMain&)> recalculate;
};

TEST_F(Resets, RecalculatingRightAfterASampleResetChangesNothing) {
  const RecalculateCase cases[] = {
      {"QC", [](TfrmMain& w) { w.QuickCalc()->CalcMPI(w.findChild<QWidget*>("edtMPISalesPrice")); }},
      {"TB", [](TfrmMain& w) { w.Tabulon()->ChooseTabulonCalculator(); }},
      {"Amort", [](TfrmMain& w) { w.Amortization()->CalcAmortization(); }},
      {"FV", [](TfrmMain& w) { w.FutureValues()->CalcFV(nullptr); }},
      {"ROR", [](TfrmMain& w) { w.RatesOfReturn()->CalcROR(nullptr); }},
      {"DCF", [](TfrmMain& w) { w.NetPresentValues()->CalcDCF(nullptr); }},
      {"LC", [](TfrmMain& w) { w.LoanComparisons()->CalcLC(); }},
      {"RC", [](TfrmMain& w) { w.Refinancing()->CalcRefi(); }},
      {"Depreciation", [](TfrmMain& w) { w.Depreciation()->CalcDepreciation(); }},
      {"pgCapRate", [](TfrmMain& w) { w.CapRate()->CalcCapRate(); }},
  };
  for (const RecalculateCase& c : cases) {
    SCOPED_TRACE(c.key);
    window->ShowPageByKey(c.key);
    command("mnuResetSamples");
    const TCalculatorDocument before = shown();
    c.recalculate(*window);
    EXPECT_EQ(shown(), before);
    EXPECT_TRUE(log.entries.empty());
  }
}

// ---- what the all-calculator resets leave --------------------------------------------------------

TEST_F(Resets, AllZeroKeepsTheQuickCalculatorsTargetTheOtherCommandsPutItBack) {
  window->ShowPageByKey("QC");
  auto* calculate = find<QPushButton>("btnCalcQuickCalc");
  const auto chooseTarget = [this] { window->QuickCalc()->btnCalcPMTClick(); };

  chooseTarget();
  ASSERT_TRUE(calculate->isEnabled());
  command("mnuResetAllZero");
  EXPECT_TRUE(calculate->isEnabled()) << "all-zero keeps the target";
  EXPECT_NE(window->QuickCalc()->QuickCalcTarget(), QuickCalcPage::Target::None);

  for (const char* other : {"mnuResetThisZero", "mnuResetSamples", "mnuResetAllSamples"}) {
    SCOPED_TRACE(other);
    chooseTarget();
    command(other);
    EXPECT_FALSE(calculate->isEnabled());
    EXPECT_TRUE(find<QWidget>("edtPMT")->isEnabled());
  }
}

TEST_F(Resets, AllZeroOnTheTabulonPageRefillsItsGrid) {
  window->ShowPageByKey("TB");
  window->ResetAllToSamples();
  window->ResetAllToZero();
  EXPECT_EQ(window->Tabulon()->rgCalculate()->ItemIndex(), 0);
  EXPECT_FALSE(window->Tabulon()->grdTB()->Cell(1, 1).isEmpty());
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(Resets, ResettingTheSchedulePageDropsEveryPrepayment) {
  window->ShowPageByKey("Amort");
  command("mnuResetSamples");
  TTextGrid* grid = window->Amortization()->grdAmortization();
  grid->SetCell(6, 3, "$5,000.00");
  window->Amortization()->CalcAmortization();
  ASSERT_TRUE(window->Amortization()->PrepaymentText().contains("5,000.00"));
  for (const char* reset : {"mnuResetSamples", "mnuResetAllSamples", "mnuResetAllZero"}) {
    SCOPED_TRACE(reset);
    grid->SetCell(6, 3, "$5,000.00");
    window->Amortization()->CalcAmortization();
    command(reset);
    EXPECT_FALSE(window->Amortization()->PrepaymentText().contains("5,000.00"));
  }
}

TEST_F(Resets, SamplesForAllLeaveTheDepreciationGridsOldTextsZeroEmptiesThem) {
  window->ShowPageByKey("Depreciation");
  command("mnuResetSamples");
  TTextGrid* grid = window->Depreciation()->grdDepreciation();
  const QString firstYear = grid->Cell(1, 0).isEmpty() ? grid->Cell(1, 1) : grid->Cell(1, 0);
  ASSERT_FALSE(firstYear.isEmpty());
  window->ShowPageByKey("Menu");
  command("mnuResetAllSamples");
  EXPECT_EQ(grid->RowCount(), 10);
  EXPECT_EQ(grid->Cell(1, 0).isEmpty() ? grid->Cell(1, 1) : grid->Cell(1, 0), firstYear);
  command("mnuResetAllZero");
  EXPECT_EQ(grid->RowCount(), 10);
  for (int r = 0; r < grid->RowCount(); ++r)
    for (int c = 0; c < grid->ColCount(); ++c) EXPECT_TRUE(grid->Cell(c, r).isEmpty()) << c << "," << r;
}

TEST_F(Resets, ZeroForTheRefinancingPageLeavesTheItemisedFees) {
  window->ShowPageByKey("RC");
  command("mnuResetSamples");
  auto* fee = find<TMoneyEdit>("edtAppraisalFee");
  fee->SetTextAsFloat(350);
  find<TMoneyEdit>("edtRefiClosingCosts")->SetTextAsFloat(350);
  command("mnuResetThisZero");
  EXPECT_EQ(shown().Real("edtRefiClosingCosts"), 0);
  EXPECT_EQ(shown().Real("edtAppraisalFee"), 350);
}

// Where the focus goes: the one-page closing steps run in the all-calculator resets only
// where they say so.
struct FocusCase {
  const char* key;
  const char* startField;  // focused before the reset
  const char* afterZero;   // nullptr: the focus stays on startField
  const char* afterSamples;
};

TEST_F(Resets, AllCalculatorResetsMoveTheFocusOnlyWhereTheySay) {
  const FocusCase cases[] = {
      {"QC", "edtMPIInterestRate", nullptr, "nbkQuickCalc"},
      {"ROR", "edtROREV2", "edtRORBV1", nullptr},
      {"FV", "edtFVpmt2", "edtFVp1", nullptr},
      {"DCF", "edtDCFYear5", nullptr, nullptr},
      {"LC", "edtLCInterest3", nullptr, "edtLCLoan1"},
      {"RC", "edtNewLoan", nullptr, "edtOldLoan"},
      {"Depreciation", "edtSalvageValue", "edtOriginalCost", "edtOriginalCost"},
      {"TB", "edtInterest", nullptr, "edtLoan"},
      {"Amort", "edtIRate", "edtMortAmt", "edtMortAmt"},
      {"pgCapRate", "edtCRValue3", nullptr, nullptr},
  };
  for (const FocusCase& c : cases) {
    for (const bool samples : {false, true}) {
      SCOPED_TRACE(std::string(c.key) + (samples ? " samples" : " zero"));
      window->ShowPageByKey(c.key);
      find<QWidget>(c.startField)->setFocus();
      QApplication::processEvents();
      ASSERT_EQ(QApplication::focusWidget()->objectName(), c.startField);
      command(samples ? "mnuResetAllSamples" : "mnuResetAllZero");
      QApplication::processEvents();
      const char* expected = samples ? c.afterSamples : c.afterZero;
      QWidget* target = find<QWidget>(expected ? expected : c.startField);
      QWidget* focus = QApplication::focusWidget();
      EXPECT_TRUE(focus == target || target->isAncestorOf(focus))  // a notebook's focus is its tab bar
          << "focus on " << focus->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace zeb
