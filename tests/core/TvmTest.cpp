// The loan functions: the worked examples, the zero divisors and the iteration counts.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "finance/Errors.h"
#include "finance/FpuScope.h"
#include "finance/Tvm.h"

namespace zeb {
namespace {

TEST(PeriodicPayment, WorkedExamples) {
  EXPECT_NEAR(PeriodicPayment(360, 100000, 8.75 / 1200), 786.7004, 0.00005);
  EXPECT_EQ(PeriodicPayment(0, 12345, 0.01), 0);
  EXPECT_EQ(PeriodicPayment(12, 1200, 0), 100);
}

// One row per worked example: the call, the expected value and how close it must be.
struct TvmCase {
  std::string name;
  std::function<double()> call;
  double expected;
  double tolerance;
};
void PrintTo(const TvmCase& c, std::ostream* os) { *os << c.name; }

std::string RowName(const testing::TestParamInfo<TvmCase>& info) { return info.param.name; }

class LoanFunctionExamples : public testing::TestWithParam<TvmCase> {};

TEST_P(LoanFunctionExamples, GiveTheWorkedValue) {
  const TvmCase& c = GetParam();
  EXPECT_NEAR(c.call(), c.expected, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Tvm, LoanFunctionExamples,
    testing::Values(
        TvmCase{"Payment_100000_at_8_75_over_360", [] { return PeriodicPayment(360, 100000, 8.75 / 1200); },
                786.7004, 0.00005},
        TvmCase{"Payment_of_no_periods_is_zero", [] { return PeriodicPayment(0, 100000, 8.75 / 1200); }, 0, 0},
        TvmCase{"Payment_at_zero_rate_divides", [] { return PeriodicPayment(12, 1200, 0); }, 100, 0},
        TvmCase{"Payments_repaying_100000", [] { return NumberOfPayments(100000, 786.70, 8.75); }, 360.0009,
                0.00005},
        TvmCase{"Payments_when_500_misses_the_interest", [] { return NumberOfPayments(100000, 500, 8.75); }, 0,
                0},
        // 18.75 % a year is 2^-6 a month exactly: the interest on 64000 is exactly 1000.
        TvmCase{"Payments_when_payment_equals_interest",
                [] { return NumberOfPayments(64000, 1000, 18.75); }, 0, 0},
        // 8.2 / 1200 is no exact double: the interest on 3000 misses 20.50 by a unit in
        // the last place, and the payment must still count as interest-only.
        TvmCase{"Payments_when_payment_equals_the_binary_interest",
                [] { return NumberOfPayments(3000, 20.50, 8.2); }, 0, 0},
        TvmCase{"Payments_when_payment_is_a_cent_above_the_interest",
                [] { return NumberOfPayments(3000, 20.51, 8.2); }, 1119.82, 0.005},
        TvmCase{"Payments_of_zero_payment", [] { return NumberOfPayments(1000, 0, 5); }, 0, 0},
        TvmCase{"Payments_at_zero_rate", [] { return NumberOfPayments(1200, 100, 0); }, 12, 0},
        TvmCase{"Loan_from_786_70", [] { return LoanFromPayment(360, 8.75, 786.70); }, 99999.948, 0.0005},
        TvmCase{"Loan_at_zero_rate", [] { return LoanFromPayment(12, 0, 100); }, 1200, 0}),
    RowName);

// SolveAnnualRate reports the iteration's own result, which is not the exact root.
struct RateCase {
  std::string name;
  std::int32_t periods;
  double loan;
  double payment;
  double rate;
  int iterations;
};
void PrintTo(const RateCase& c, std::ostream* os) { *os << c.name; }

class SolveAnnualRateIteration : public testing::TestWithParam<RateCase> {};

TEST_P(SolveAnnualRateIteration, StopsWhereTheIterationStops) {
  const RateCase& c = GetParam();
  int iterations = -1;
  const double rate = SolveAnnualRate(c.periods, c.loan, c.payment, iterations);
  EXPECT_NEAR(rate, c.rate, 0.000005);
  EXPECT_EQ(iterations, c.iterations);
  EXPECT_EQ(SolveAnnualRate(c.periods, c.loan, c.payment), rate);
}

INSTANTIATE_TEST_SUITE_P(
    Tvm, SolveAnnualRateIteration,
    testing::Values(RateCase{"Loan_100000_paid_786_70_root_8_74999", 360, 100000, 786.70, 8.75022, 6},
                    RateCase{"Loan_10000_paid_200_root_7_42010", 60, 10000, 200, 7.42549, 36},
                    RateCase{"Loan_1000_paid_90_root_14_45215", 12, 1000, 90, 14.46594, 87},
                    RateCase{"Slow_convergence_root_0_51846", 360, 100000, 300, 0.53184, 45},
                    RateCase{"Payments_equal_the_loan_creep_to_zero", 12, 1200, 100, 1.82794, 99},
                    RateCase{"Payments_below_the_loan_creep_to_zero", 12, 1000, 80, 0.12507, 99},
                    RateCase{"No_periods", 0, 100000, 786.70, 0, 0},
                    RateCase{"No_loan", 360, 0, 786.70, 0, 0}),
    [](const testing::TestParamInfo<RateCase>& info) { return info.param.name; });

// Each of these ends in a floating-point error that must surface as EMathError.
class LoanFunctionMathErrors : public testing::TestWithParam<TvmCase> {};

TEST_P(LoanFunctionMathErrors, ThrowEMathError) {
  EXPECT_THROW(GetParam().call(), EMathError);
  EXPECT_FALSE(FpuErrorPending()) << "the flags are cleared with the throw";
}

INSTANTIATE_TEST_SUITE_P(
    Tvm, LoanFunctionMathErrors,
    testing::Values(
        TvmCase{"Payment_at_minus_1200_percent", [] { return PeriodicPayment(360, 100000, -1.0); }, 0, 0},
        TvmCase{"Payment_at_minus_1800_percent", [] { return PeriodicPayment(360, 100000, -1.5); }, 0, 0},
        TvmCase{"Payment_at_a_rate_too_small_to_count", [] { return PeriodicPayment(12, 1000, 1e-300); }, 0,
                0},
        TvmCase{"Payment_power_overflows", [] { return PeriodicPayment(-2000000000, 1000, 0.5); }, 0, 0},
        TvmCase{"Payments_at_minus_1200_percent", [] { return NumberOfPayments(100000, 786.70, -1200); }, 0,
                0},
        TvmCase{"Payments_at_minus_1500_percent", [] { return NumberOfPayments(100000, 786.70, -1500); }, 0,
                0},
        TvmCase{"Loan_at_minus_1200_percent", [] { return LoanFromPayment(360, -1200, 786.70); }, 0, 0},
        TvmCase{"Loan_at_minus_1500_percent", [] { return LoanFromPayment(360, -1500, 786.70); }, 0, 0},
        TvmCase{"Loan_huge_term_overflows", [] { return LoanFromPayment(2000000000, 1200, 100); }, 0, 0},
        TvmCase{"Loan_long_term_at_large_rate_overflows", [] { return LoanFromPayment(100000, 120000, 100); },
                0, 0},
        TvmCase{"Rate_negative_loan_drives_guess_below_minus_1",
                [] { return SolveAnnualRate(12, -1000, 2000); }, 0, 0},
        TvmCase{"Rate_negative_payment_drives_guess_below_minus_1",
                [] { return SolveAnnualRate(12, 1000, -1500); }, 0, 0}),
    RowName);

// A negative loan or payment that keeps the guess above -1 is no error: the iteration
// runs its course and returns whatever it reached.
TEST(SolveAnnualRate, NegativeInputsAboveMinusOneRunTheirCourse) {
  int iterations = 0;
  const double rate = SolveAnnualRate(12, -1000, 90, iterations);
  EXPECT_TRUE(std::isfinite(rate));
  EXPECT_EQ(iterations, 99);
  EXPECT_EQ(SolveAnnualRate(12, 1000, -90), rate) << "only the sign of P / L matters";
}

}  // namespace
}  // namespace zeb
