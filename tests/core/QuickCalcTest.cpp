// The Quick Calculators' arithmetic: each target's worked examples and its failures.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calculators/QuickCalc.h"
#include "finance/Errors.h"

namespace zeb {
namespace {

struct TargetCase {
  const char* name;
  QuickTarget target;
  QuickInputs in;
  double expected;
  double tolerance;
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.name; }

class QuickTargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(QuickTargetTest, SolvesTheMissingVariable) {
  const TargetCase& c = GetParam();
  EXPECT_NEAR(SolveQuickTarget(c.target, c.in), c.expected, c.tolerance) << c.name;
}

// QuickInputs: loan, rate, payment, payments.
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, QuickTargetTest,
    ::testing::Values(
        TargetCase{"payment_100000_at_8_75_over_360", QuickTarget::Payment, {100000, 8.75, 0, 360}, 786.7004, 5e-5},
        TargetCase{"payment_at_rate_0_is_loan_over_n", QuickTarget::Payment, {1200, 0, 0, 12}, 100, 0},
        TargetCase{"payments_for_786_70", QuickTarget::NumberOfPayments, {100000, 8.75, 786.70, 0}, 360, 0},
        TargetCase{"payments_below_interest_give_0", QuickTarget::NumberOfPayments, {100000, 8.75, 500, 0}, 0, 0},
        TargetCase{"payments_at_rate_0", QuickTarget::NumberOfPayments, {1200, 0, 100, 0}, 12, 0},
        TargetCase{"payment_equal_to_the_interest_gives_0", QuickTarget::NumberOfPayments, {3000, 8.2, 20.50, 0},
                   0, 0},
        TargetCase{"loan_rounds_99999_948_up", QuickTarget::LoanAmount, {0, 8.75, 786.70, 360}, 100000, 0},
        TargetCase{"loan_1200_5_ties_to_even", QuickTarget::LoanAmount, {0, 0, 100, 12}, 1200, 0},
        TargetCase{"loan_1201_7_rounds_to_1202", QuickTarget::LoanAmount, {0, 0, 100.10, 12}, 1202, 0},
        TargetCase{"rate_for_786_70", QuickTarget::InterestRate, {100000, 0, 786.70, 360}, 8.75022, 5e-6},
        TargetCase{"rate_for_200_over_60", QuickTarget::InterestRate, {10000, 0, 200, 60}, 7.42549, 5e-6},
        TargetCase{"rate_with_payment_0_is_0", QuickTarget::InterestRate, {100000, 0, 0, 360}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
  const char* name;
  QuickTarget target;
  QuickInputs in;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class QuickTargetFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(QuickTargetFailure, RaisesMathError) {
  const FailureCase& c = GetParam();
  EXPECT_THROW(SolveQuickTarget(c.target, c.in), EMathError) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    NoValidResult, QuickTargetFailure,
    ::testing::Values(FailureCase{"payment_rate_0_term_0", QuickTarget::Payment, {100000, 0, 0, 0}},
                      FailureCase{"payment_zero_loan_rate_0_term_0", QuickTarget::Payment, {0, 0, 0, 0}},
                      FailureCase{"payments_rate_0_payment_0", QuickTarget::NumberOfPayments, {1000, 0, 0, 0}},
                      FailureCase{"payment_rate_minus_1200", QuickTarget::Payment, {100000, -1200, 0, 360}},
                      FailureCase{"loan_rate_below_minus_1200", QuickTarget::LoanAmount, {0, -1300, 100, 12}},
                      FailureCase{"rate_driven_below_minus_1", QuickTarget::InterestRate, {-1000, 0, 2000, 12}},
                      FailureCase{"payment_overflows", QuickTarget::Payment, {1e307, 99999, 0, 32767}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuickPayments, CountOutsideTheTermFieldIsNoAnswer) {
  // 9,999,999,999.99 repaid at 0.01 a month: far more payments than any term field holds.
  EXPECT_THROW(SolveQuickPayments({9999999999.99, 0, 0.01, 0}), EMathError);
  EXPECT_THROW(SolveQuickPayments({-9999999999.99, 0, 0.01, 0}), EMathError);
  EXPECT_EQ(SolveQuickPayments({32767, 0, 1, 0}), 32767);
  EXPECT_EQ(SolveQuickPayments({100000, 8.75, 786.70, 0}), 360);
}

TEST(MonthlyPayment, PercentageLeftDerivesTheAmount) {
  MpiInputs in;
  in.price = 200000;
  in.downPaymentPercent = 20;
  in.rate = 7.5;
  in.termInMonths = 360;
  in.left = MpiFieldLeft::DownPaymentPercent;
  const MpiResult r = CalcMonthlyPayment(in);
  EXPECT_DOUBLE_EQ(static_cast<double>(r.downPaymentSum), 40000);
  EXPECT_DOUBLE_EQ(r.loanAmount, 160000);
  EXPECT_NEAR(r.payment, 1118.74, 0.005);
}

TEST(MonthlyPayment, AmountIsTheMasterValue) {
  // The price changes to 400,000 with amount 40,000 and 20 % standing: the loan follows
  // the amount, the percentage stays until the amount or the percentage is left.
  MpiInputs in;
  in.price = 400000;
  in.downPaymentSum = 40000;
  in.downPaymentPercent = 20;
  in.left = MpiFieldLeft::Other;
  MpiResult r = CalcMonthlyPayment(in);
  EXPECT_DOUBLE_EQ(r.loanAmount, 360000);
  EXPECT_DOUBLE_EQ(static_cast<double>(r.downPaymentPercent), 20);
  in.left = MpiFieldLeft::DownPaymentSum;
  r = CalcMonthlyPayment(in);
  EXPECT_DOUBLE_EQ(static_cast<double>(r.downPaymentPercent), 10);
}

struct MpiPaymentCase {
  const char* name;
  long double rate;
  std::int32_t term;
  double expected;
};

TEST(MonthlyPayment, ZeroPriceTermOrRate) {
  const MpiPaymentCase cases[] = {
      {"term_0_gives_0", 7.5, 0, 0},
      {"rate_0_gives_loan_over_term", 0, 360, 160000.0 / 360},
  };
  for (const auto& c : cases) {
    MpiInputs in;
    in.price = 200000;
    in.downPaymentSum = 40000;
    in.rate = c.rate;
    in.termInMonths = c.term;
    EXPECT_DOUBLE_EQ(CalcMonthlyPayment(in).payment, c.expected) << c.name;
  }
  MpiInputs zero;
  zero.downPaymentSum = 5;
  zero.downPaymentPercent = 5;
  const MpiResult r = CalcMonthlyPayment(zero);
  EXPECT_TRUE(r.priceZero);
  EXPECT_EQ(r.downPaymentSum, 0);
  EXPECT_EQ(r.downPaymentPercent, 0);
  EXPECT_EQ(r.loanAmount, 0);
  EXPECT_EQ(r.payment, 0);
}

TEST(MonthlyPayment, RateOfMinus1200RaisesMathError) {
  MpiInputs in;
  in.price = 200000;
  in.rate = -1200;
  in.termInMonths = 360;
  EXPECT_THROW(CalcMonthlyPayment(in), EMathError);
}

}  // namespace
}  // namespace zeb

namespace zeb {
namespace {

// Every combination of the extremes a user can type (the money fields hold at most
// 9,999,999,999.99 and rates of 99,999,999.99999, the term field -32768..32767) ends in
// a finite answer or in EMathError, never in NaN, infinity or another exception.
TEST(QuickCalcExtremes, EveryTypedCombinationGivesAResultOrTheMathError) {
  const double amounts[] = {0, 0.01, -0.01, 1, 786.70, 100000, 9999999999.99, -9999999999.99};
  const double rates[] = {0, 0.00001, 8.75, -8.75, -1199.99999, -1200, -1300, 1200, 99999999.99999, -99999999.99999};
  const std::int32_t terms[] = {0, 1, -1, 12, 360, 32767, -32768};
  const QuickTarget targets[] = {QuickTarget::LoanAmount, QuickTarget::InterestRate, QuickTarget::Payment,
                                 QuickTarget::NumberOfPayments};
  int answers = 0, errors = 0;
  for (QuickTarget target : targets)
    for (double loan : amounts)
      for (double payment : amounts)
        for (double rate : rates)
          for (std::int32_t n : terms) {
            const QuickInputs in{loan, rate, payment, n};
            try {
              const double v = target == QuickTarget::NumberOfPayments ? SolveQuickPayments(in)
                                                                       : SolveQuickTarget(target, in);
              ASSERT_TRUE(std::isfinite(v));
              ++answers;
            } catch (const EMathError&) {
              ++errors;
            }
          }
  EXPECT_GT(answers, 0);
  EXPECT_GT(errors, 0);
  // A failed calculation leaves nothing behind for the next one.
  EXPECT_NEAR(SolveQuickTarget(QuickTarget::Payment, {100000, 8.75, 0, 360}), 786.7004, 5e-5);
}

TEST(MonthlyPaymentExtremes, TypedExtremesGiveAResultOrTheMathError) {
  const long double amounts[] = {0, 0.01L, 1, 200000, 9999999999.99L};
  const long double rates[] = {0, 8.75L, -1200, -1300, 99999999.99999L};
  const std::int32_t terms[] = {0, 1, -1, 360, 999999999, -999999999};
  const MpiFieldLeft lefts[] = {MpiFieldLeft::Other, MpiFieldLeft::DownPaymentSum, MpiFieldLeft::DownPaymentPercent};
  for (long double price : amounts)
    for (long double down : amounts)
      for (long double rate : rates)
        for (std::int32_t n : terms)
          for (MpiFieldLeft left : lefts) {
            MpiInputs in;
            in.price = price;
            in.downPaymentSum = down;
            in.downPaymentPercent = down;
            in.rate = rate;
            in.termInMonths = n;
            in.left = left;
            try {
              const MpiResult r = CalcMonthlyPayment(in);
              ASSERT_TRUE(std::isfinite(r.payment) && std::isfinite(r.loanAmount) &&
                          std::isfinite(static_cast<double>(r.downPaymentPercent)));
            } catch (const EMathError&) {
            }
          }
}

}  // namespace
}  // namespace zeb
