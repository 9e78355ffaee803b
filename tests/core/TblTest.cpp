// The Tabulon grid's content: axes, cells with their leading blanks, corner texts,
// centre results, step texts, and what a fill keeps when it ends early.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calculators/Tbl.h"
#include "finance/Errors.h"

namespace zeb {
namespace {

// The page's start choices: loan $5000, rate 1/2 %, payment $500.
constexpr int kLoan5000 = 3, kRateHalf = 3, kPayment500 = 3;

const TabulonInputs kSample{100000.0, 8.75, 360, 786.70};

TabulonGrid Fill(TabulonCalculation calc, const TabulonInputs& in = kSample, int loanStep = kLoan5000,
                 int rateStep = kRateHalf, int paymentStep = kPayment500) {
  return FillTabulon(calc, in, loanStep, rateStep, paymentStep);
}

double Cents(double v) { return std::round(v * 100) / 100; }

template <class E>
bool Holds(const std::exception_ptr& error) {
  if (!error) return false;
  try {
    std::rethrow_exception(error);
  } catch (const E&) {
    return true;
  } catch (...) {
  }
  return false;
}

TEST(TabulonPayments, SampleGridFromItsAxesToItsCorners) {
  const TabulonGrid g = Fill(TabulonCalculation::Payments);
  ASSERT_TRUE(g.Complete());
  EXPECT_EQ(g.corner, " Loan / Rate");
  const std::vector<std::string> rows = {" $75,000",  " $80,000",  " $85,000",  " $90,000",
                                         " $95,000",  " $100,000", " $105,000", " $110,000",
                                         " $115,000", " $120,000", " $125,000"};
  const std::vector<std::string> cols = {"  7.25%", "  7.75%", "  8.25%", "  8.75%", "  9.25%", "  9.75%", "  10.25%"};
  for (int r = 1; r <= 11; ++r) EXPECT_EQ(g.rowAxis[r], rows[r - 1]) << "row " << r;
  for (int c = 1; c <= 7; ++c) EXPECT_EQ(g.columnAxis[c], cols[c - 1]) << "column " << c;
  EXPECT_EQ(g.cells[1][1], " $511.63");
  EXPECT_EQ(g.cells[4][6], " $786.70");
  EXPECT_EQ(g.cells[7][11], " $1,120.13");

  ASSERT_TRUE(g.centre);
  EXPECT_NEAR(g.centre->payment, 786.7004, 0.00005);  // unrounded; the field shows 786.70
  EXPECT_EQ(Cents(g.centre->totalPaid), 283212.15);
  EXPECT_EQ(Cents(g.centre->interestPaid), 183212.15);
}

TEST(TabulonPayments, TermZeroGivesZeroInEveryCell) {
  TabulonInputs in = kSample;
  in.term = 0;
  const TabulonGrid g = Fill(TabulonCalculation::Payments, in);
  ASSERT_TRUE(g.Complete());
  for (int c = 1; c <= 7; ++c)
    for (int r = 1; r <= 11; ++r) EXPECT_EQ(g.cells[c][r], " $0.00") << c << "," << r;
  EXPECT_EQ(g.centre->payment, 0);
  EXPECT_EQ(g.centre->interestPaid, -100000);
}

TEST(TabulonPayments, NegativeLoanRowsAreComputedLikeAnyOther) {
  // A $1,000,000 step drives the first five rows below zero.
  const TabulonGrid g = Fill(TabulonCalculation::Payments, kSample, /*loanStep=*/8);
  ASSERT_TRUE(g.Complete());
  EXPECT_EQ(g.rowAxis[1], " ($4,900,000)");
  EXPECT_EQ(g.rowAxis[6], " $100,000");
  EXPECT_EQ(g.cells[4][1].substr(0, 2), " (");
  EXPECT_EQ(g.cells[4][6], " $786.70");
}

TEST(TabulonCentre, EachCalculationSolvesTheSampleLoan) {
  const TabulonGrid loans = Fill(TabulonCalculation::LoanAmounts);
  ASSERT_TRUE(loans.Complete());
  EXPECT_EQ(loans.cells[4][6], " $100,000");
  EXPECT_EQ(Cents(loans.centre->loan), 99999.95);
  EXPECT_EQ(loans.rowAxis[6], " $786.70");
  EXPECT_EQ(loans.columnAxis[4], "  8.75%");
  EXPECT_EQ(Cents(loans.centre->totalPaid), 283212.00);
  EXPECT_EQ(Cents(loans.centre->interestPaid), 183212.05);

  const TabulonGrid rates = Fill(TabulonCalculation::InterestRates);
  ASSERT_TRUE(rates.Complete());
  EXPECT_EQ(rates.cells[4][6], " 8.750%");
  EXPECT_NEAR(rates.centre->rate, 8.75022, 0.000005);
  EXPECT_EQ(rates.rowAxis[6], " $100,000");
  EXPECT_EQ(rates.columnAxis[4], "  $786.70");
  EXPECT_EQ(Cents(rates.centre->interestPaid), 183212.00);

  const TabulonGrid terms = Fill(TabulonCalculation::Terms);
  ASSERT_TRUE(terms.Complete());
  EXPECT_EQ(terms.cells[4][6], " 360.00");
  EXPECT_EQ(terms.centre->term, 360);
  EXPECT_EQ(Cents(terms.centre->totalPaid), 283212.71);
  EXPECT_EQ(Cents(terms.centre->interestPaid), 183212.71);
}

TEST(TabulonTerms, FirstColumnCarriesNoLeadingBlank) {
  // Payments 286.70 .. 2,286.70 with a $500 step; loans 75,000 .. 125,000.
  TabulonInputs in = kSample;
  in.payment = 1786.70;
  const TabulonGrid g = Fill(TabulonCalculation::Terms, in);
  ASSERT_TRUE(g.Complete());
  for (int r = 1; r <= 11; ++r) {
    EXPECT_NE(g.cells[1][r].front(), ' ') << "row " << r;
    for (int c = 2; c <= 7; ++c) {
      EXPECT_EQ(g.cells[c][r].front(), ' ') << c << "," << r;
      EXPECT_NE(g.cells[c][r][1], ' ') << c << "," << r;
    }
  }
}

TEST(TabulonTerms, PaymentBelowTheInterestGivesZero) {
  // Column 3 pays 286.70 a month against 729.17 of interest on 100,000.
  const TabulonGrid g = Fill(TabulonCalculation::Terms);
  ASSERT_TRUE(g.Complete());
  EXPECT_EQ(g.columnAxis[3], "  $286.70");
  for (int r = 1; r <= 11; ++r) EXPECT_EQ(g.cells[3][r], " 0.00") << "row " << r;
}

TEST(TabulonTerms, PaymentEqualToTheInterestGivesZero) {
  // The centre cell pays 20.50 a month, the interest on 3,000 at 8.2 %.
  const TabulonGrid g = Fill(TabulonCalculation::Terms, {3000, 8.2, 0, 20.50});
  ASSERT_TRUE(g.Complete());
  EXPECT_EQ(g.cells[4][6], " 0.00");
  ASSERT_TRUE(g.centre);
  EXPECT_EQ(g.centre->term, 0);
}

TEST(TabulonCorner, OnlyThePaymentsFillWritesIt) {
  EXPECT_EQ(Fill(TabulonCalculation::Payments).corner, " Loan / Rate");
  EXPECT_FALSE(Fill(TabulonCalculation::LoanAmounts).corner);
  EXPECT_FALSE(Fill(TabulonCalculation::InterestRates).corner);
  EXPECT_FALSE(Fill(TabulonCalculation::Terms).corner);
}

struct StepTextCase {
  const char* name;
  TabulonCalculation calc;
  const char* loan;  // nullptr: not set by this fill
  const char* rate;
  const char* payment;
};

class TabulonStepTexts : public ::testing::TestWithParam<StepTextCase> {};

TEST_P(TabulonStepTexts, EachFillStoresTheTextsOfItsOwnSteps) {
  const StepTextCase& p = GetParam();
  // The last step of each list: $1000000, 1%, $10000.
  const TabulonGrid g = Fill(p.calc, kSample, 8, 7, 8);
  ASSERT_FALSE(Holds<ERangeError>(g.error));
  auto expect = [](const std::optional<std::string>& got, const char* want, const char* what) {
    if (want) EXPECT_EQ(got, std::string(want)) << what;
    else EXPECT_FALSE(got) << what;
  };
  expect(g.loanIncrementText, p.loan, "loan");
  expect(g.rateIncrementText, p.rate, "rate");
  expect(g.paymentIncrementText, p.payment, "payment");
}

INSTANTIATE_TEST_SUITE_P(
    , TabulonStepTexts,
    ::testing::Values(StepTextCase{"Payments", TabulonCalculation::Payments, "$1000000", "1%", nullptr},
                      StepTextCase{"LoanAmounts", TabulonCalculation::LoanAmounts, nullptr, "1%", "$10000"},
                      StepTextCase{"InterestRates", TabulonCalculation::InterestRates, "$1000000", nullptr, "$10000"},
                      StepTextCase{"Terms", TabulonCalculation::Terms, "$1000000", nullptr, "$10000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TabulonSteps, TheListsAndTheirReportTexts) {
  EXPECT_EQ(LoanStep(0).value, 100);
  EXPECT_STREQ(LoanStep(3).text, "$5000");
  EXPECT_EQ(RateStep(0).value, 0.125);
  EXPECT_STREQ(RateStep(2).text, "3/8%");
  EXPECT_EQ(RateStep(7).value, 1.0);
  EXPECT_STREQ(PaymentStep(2).text, "$250");
  EXPECT_EQ(PaymentStep(8).value, 10000);
  EXPECT_THROW(LoanStep(9), ERangeError);
  EXPECT_THROW(RateStep(8), ERangeError);
  EXPECT_THROW(PaymentStep(-1), ERangeError);
}

TEST(TabulonSteps, AStepOutsideItsListWritesNothing) {
  const TabulonGrid g = Fill(TabulonCalculation::Payments, kSample, kLoan5000, /*rateStep=*/8);
  EXPECT_TRUE(Holds<ERangeError>(g.error));
  EXPECT_FALSE(g.axesWritten);
  EXPECT_EQ(g.cellsWritten, 0);
  EXPECT_FALSE(g.loanIncrementText);
  EXPECT_THROW(TabulonCalculationFromIndex(4), ERangeError);
  EXPECT_EQ(TabulonCalculationFromIndex(3), TabulonCalculation::Terms);
}

// ---- fills that end early ------------------------------------------------------------

struct EarlyEndCase {
  const char* name;
  TabulonCalculation calc;
  TabulonInputs in;
  int loanStep, rateStep, paymentStep;
  bool mathError;    // otherwise a conversion error
  int cellsWritten;  // in fill order: column by column, row by row
  bool centreKnown;
};

class TabulonEarlyEnd : public ::testing::TestWithParam<EarlyEndCase> {};

TEST_P(TabulonEarlyEnd, KeepsTheCellsWrittenSoFar) {
  const EarlyEndCase& p = GetParam();
  const TabulonGrid g = FillTabulon(p.calc, p.in, p.loanStep, p.rateStep, p.paymentStep);
  if (p.mathError) EXPECT_TRUE(Holds<EMathError>(g.error));
  else EXPECT_TRUE(Holds<EConvertError>(g.error));
  EXPECT_TRUE(g.axesWritten);
  EXPECT_EQ(g.cellsWritten, p.cellsWritten);
  EXPECT_EQ(g.centre.has_value(), p.centreKnown);
  for (int c = 1; c <= 7; ++c)
    for (int r = 1; r <= 11; ++r)
      EXPECT_EQ(g.cells[c][r].empty(), !g.CellWritten(c, r)) << c << "," << r;
}

INSTANTIATE_TEST_SUITE_P(
    , TabulonEarlyEnd,
    ::testing::Values(
        // Column 1 is 1.5 points below -1198.5 %: ln(1 + i) of i = -1.
        EarlyEndCase{"RateAtMinus1200", TabulonCalculation::Payments, {100000, -1198.5, 360, 0}, 3, 3, 3, true, 0,
                     false},
        // Loans -1,500, -1,000, -500, ... against a payment of 636.70: the third row's
        // first guess drops below -1 and its logarithm is invalid.
        EarlyEndCase{"RateIterationBelowMinusOne", TabulonCalculation::InterestRates, {1000, 0, 360, 786.70}, 1, 0,
                     0, true, 2, false},
        // No interest: 1,000,000,000 / 0.01 = 1E11 payments, no 32-bit whole number.
        EarlyEndCase{"TermOf1E11", TabulonCalculation::Terms, {1e9, 0, 0, 0.01}, 0, 0, 0, false, 39, false},
        // 3,000,000,000 payments: beyond the 32-bit range.
        EarlyEndCase{"TermOf3E9", TabulonCalculation::Terms, {3e9, 0, 0, 1}, 0, 0, 0, false, 39, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TabulonTerms, ALargeTermThatFitsIsTakenWhole) {
  // 2,000,000,000.5 payments of 1 on a 2,000,000,000.50 loan without interest.
  const TabulonGrid g = Fill(TabulonCalculation::Terms, {2000000000.5, 0, 0, 1}, 0, 0, 0);
  ASSERT_TRUE(g.Complete());
  EXPECT_EQ(g.centre->term, 2000000000);
}

// ---- the clean grid ------------------------------------------------------------------

struct CleanCase {
  const char* name;
  TabulonCalculation calc;
  const char* corner;
  std::vector<std::string> rows, cols;
};

const std::vector<std::string> kLoanRows = {" $95,000",  " $96,000",  " $97,000", " $98,000",
                                            " $99,000",  " $100,000", " $101,000", " $102,000",
                                            " $103,000", " $104,000", " $105,000"};
const std::vector<std::string> kRateCols = {"5.50%", "6.00%", "6.50%", "7.00%", "7.50%", "8.00%", "8.50%"};
const std::vector<std::string> kRateRows = {" 4.50%", " 5.00%", " 5.50%", " 6.00%", " 6.50%", " 7.00%",
                                            " 7.50%", " 8.00%", " 8.50%", " 9.00%", "9.50%"};
const std::vector<std::string> kPaymentCols = {"$650.00", "$700.00", "$750.00", "$800.00",
                                               "$850.00", "$900.00", "$950.00"};

class TabulonCleanGrid : public ::testing::TestWithParam<CleanCase> {};

TEST_P(TabulonCleanGrid, PlaceholderAxes) {
  const CleanCase& p = GetParam();
  const TabulonGrid g = CleanTabulonGrid(p.calc);
  EXPECT_EQ(g.corner, std::string(p.corner));
  for (int r = 1; r <= 11; ++r) EXPECT_EQ(g.rowAxis[r], p.rows[r - 1]) << "row " << r;
  for (int c = 1; c <= 7; ++c) EXPECT_EQ(g.columnAxis[c], p.cols[c - 1]) << "column " << c;
  EXPECT_EQ(g.cellsWritten, 0);
  EXPECT_FALSE(g.centre);
}

INSTANTIATE_TEST_SUITE_P(
    , TabulonCleanGrid,
    ::testing::Values(CleanCase{"Payments", TabulonCalculation::Payments, " Loan / Rate", kLoanRows, kRateCols},
                      CleanCase{"LoanAmounts", TabulonCalculation::LoanAmounts, " Pmt / Rate", kRateRows, kPaymentCols},
                      CleanCase{"InterestRates", TabulonCalculation::InterestRates, " Loan / Pmt", kLoanRows,
                                kPaymentCols},
                      CleanCase{"Terms", TabulonCalculation::Terms, " Loan / Pmt", kLoanRows, kPaymentCols}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TabulonHint, NamesWhatTheGridShows) {
  EXPECT_EQ(TabulonGridHint(TabulonCalculation::Payments), " Grid is displaying Payment Amounts");
  EXPECT_EQ(TabulonGridHint(TabulonCalculation::LoanAmounts), " Grid is displaying Loan Amounts");
  EXPECT_EQ(TabulonGridHint(TabulonCalculation::InterestRates), " Grid is displaying Interest Rates");
  EXPECT_EQ(TabulonGridHint(TabulonCalculation::Terms), " Grid is displaying Term in Months");
}

}  // namespace
}  // namespace zeb
