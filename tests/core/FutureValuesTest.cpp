// The Future Values arithmetic: the worked examples, rate 0, and what fails.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calculators/FutureValues.h"
#include "finance/Errors.h"

namespace zeb {
namespace {

double Cents(double v) { return std::round(v * 100) / 100; }

struct FvCase {
  const char* name;
  const char* compounding;
  double balance, rate, months, payment;
  double expected;  // in cents, as the result field shows it
};

void PrintTo(const FvCase& c, std::ostream* os) { *os << c.name; }

class FutureValueTest : public ::testing::TestWithParam<FvCase> {};

TEST_P(FutureValueTest, GivesTheValueShown) {
  const FvCase& c = GetParam();
  EXPECT_DOUBLE_EQ(Cents(FutureValue(c.compounding, c.balance, c.rate, c.months, c.payment)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, FutureValueTest,
    ::testing::Values(FvCase{"monthly_12", "Monthly", 10000, 8.75, 12, 100, 12160.27},
                      FvCase{"monthly_24", "Monthly", 10000, 8.75, 24, 100, 14517.34},
                      FvCase{"monthly_36", "Monthly", 10000, 8.75, 36, 100, 17089.12},
                      FvCase{"monthly_48", "Monthly", 10000, 8.75, 48, 100, 19895.18},
                      FvCase{"monthly_60", "Monthly", 10000, 8.75, 60, 100, 22956.86},
                      FvCase{"daily_12", "Daily", 10000, 8.75, 12, 100, 12168.22},
                      FvCase{"quarterly_12", "Quarterly", 10000, 8.75, 12, 100, 12144.08},
                      FvCase{"annually_12", "Annually", 10000, 8.75, 12, 100, 12075.00},
                      FvCase{"months_0_keeps_the_balance", "Monthly", 10000, 8.75, 0, 100, 10000},
                      FvCase{"withdrawals_lower_the_result", "Monthly", 10000, 8.75, 12, -100, 9661.64},
                      FvCase{"a_fraction_of_a_year_annually", "Annually", 10000, 10, 6, 0, 10488.09},
                      FvCase{"rate_minus_100_monthly_still_has_a_logarithm", "Monthly", 1000, -100, 12, 0, 352.00}),
    [](const auto& info) { return std::string(info.param.name); });

// Rate 0 compounds nothing, whatever the text says, even a text that is no entry.
INSTANTIATE_TEST_SUITE_P(
    RateZero, FutureValueTest,
    ::testing::Values(FvCase{"daily", "Daily", 10000, 0, 12, 100, 11200},
                      FvCase{"monthly", "Monthly", 10000, 0, 12, 100, 11200},
                      FvCase{"quarterly", "Quarterly", 10000, 0, 12, 100, 11200},
                      FvCase{"annually", "Annually", 10000, 0, 12, 100, 11200},
                      FvCase{"other_letter_case", "monthly", 10000, 0, 12, 100, 11200},
                      FvCase{"empty_text", "", 10000, 0, 12, 100, 11200},
                      FvCase{"fields_at_their_maxima", "Weekly", 9999999999.99, 0, 999999999, 9999999999.99,
                             9999999999.99 * 999999999 + 9999999999.99}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompoundingPeriods, ComparesTheTextExactly) {
  const struct {
    const char* text;
    int periods;
  } rows[] = {{"Daily", 365}, {"Monthly", 12}, {"Quarterly", 4}, {"Annually", 1},   {"monthly", 0},
              {"MONTHLY", 0}, {" Monthly", 0}, {"Monthly ", 0},  {"Weekly", 0},     {"", 0}};
  for (const auto& r : rows) EXPECT_EQ(CompoundingPeriodsPerYear(r.text), r.periods) << '"' << r.text << '"';
}

struct FailureCase {
  const char* name;
  const char* compounding;
  double balance, rate, months, payment;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class FutureValueFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FutureValueFailure, RaisesMathError) {
  const FailureCase& c = GetParam();
  EXPECT_THROW(FutureValue(c.compounding, c.balance, c.rate, c.months, c.payment), EMathError);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    NoValidResult, FutureValueFailure,
    ::testing::Values(FailureCase{"unknown_text_with_a_rate", "Weekly", 10000, 8.75, 12, 100},
                      FailureCase{"other_letter_case_with_a_rate", "monthly", 10000, 8.75, 12, 100},
                      FailureCase{"unknown_text_months_0", "Biweekly", 10000, 8.75, 0, 100},
                      FailureCase{"annual_rate_minus_100", "Annually", 10000, -100, 12, 100},
                      FailureCase{"annual_rate_below_minus_100", "Annually", 10000, -250, 12, 100},
                      FailureCase{"monthly_rate_minus_1200", "Monthly", 10000, -1200, 12, 100},
                      FailureCase{"quarterly_rate_minus_400", "Quarterly", 10000, -400, 12, 100},
                      FailureCase{"huge_month_count", "Monthly", 10000, 8.75, 999999999, 100},
                      FailureCase{"maximal_rate_and_months", "Daily", 9999999999.99, 99999999.99999, 999999999,
                                  9999999999.99},
                      FailureCase{"balance_not_a_number", "Monthly", kNaN, 8.75, 12, 100},
                      FailureCase{"balance_not_a_number_rate_0", "Monthly", kNaN, 0, 12, 100}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeb
