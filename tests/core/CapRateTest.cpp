// The capitalization rate's three modes: the worked examples, the zero rules, and the
// failures that must leave every row unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calculators/CapRate.h"
#include "finance/Errors.h"
#include "finance/TextForms.h"

namespace zeb {
namespace {

struct SolveCase {
  const char* name;
  CapRateSolveFor solveFor;
  CapRateRow row;      // income, value, rate
  int decimals;        // of the computed column's field
  const char* shown;   // the computed field's text
};

TEST(CapRate, EachModeSolvesItsColumn) {
  using S = CapRateSolveFor;
  const SolveCase cases[] = {
      {"rate_from_90000_and_1000000", S::CapitalizationRate, {90000, 1000000, 0}, 5, "9.00000"},
      {"value_from_90000_at_9", S::Value, {90000, 0, 9}, 2, "1,000,000.00"},
      {"income_from_8_5_of_2000000", S::NetOperatingIncome, {0, 2000000, 8.5}, 2, "170,000.00"},
      {"rate_with_value_0_is_0", S::CapitalizationRate, {90000, 0, 7}, 5, "0.00000"},
      {"rate_with_value_0_and_income_0", S::CapitalizationRate, {0, 0, 0}, 5, "0.00000"},
      {"value_with_income_0_is_0_even_at_rate_0", S::Value, {0, 5, 0}, 2, "0.00"},
      {"value_with_income_0_at_a_rate", S::Value, {0, 5, 8}, 2, "0.00"},
      {"income_of_zero_row", S::NetOperatingIncome, {0, 0, 0}, 2, "0.00"},
      {"negative_rate_gives_negative_value", S::Value, {90000, 0, -9}, 2, "-1,000,000.00"},
      {"rate_of_minus_100", S::NetOperatingIncome, {0, 2000000, -100}, 2, "-2,000,000.00"},
      {"rate_below_minus_100", S::Value, {50000, 0, -250}, 2, "-20,000.00"},
      // The widest results the fields show whole.
      {"widest_income", S::NetOperatingIncome, {0, 9999999999.99, 100}, 2, "9,999,999,999.99"},
      {"widest_negative_value", S::Value, {-99999999.9999, 0, 1}, 2, "-9,999,999,999.99"},
      {"widest_rate", S::CapitalizationRate, {99999999.99999, 100, 0}, 5, "99,999,999.99999"},
  };
  for (const SolveCase& c : cases) {
    CapRateRows rows{};
    rows[2] = c.row;
    const auto results = SolveCapRates(c.solveFor, rows);
    EXPECT_EQ(FormatMoneyPicture(results[2], c.decimals), c.shown) << c.name;
    for (int i : {0, 1, 3, 4}) EXPECT_EQ(results[static_cast<size_t>(i)], 0.0) << c.name << ": zero row " << i;
  }
}

TEST(CapRate, RowsAreSolvedEachOnItsOwn) {
  const CapRateRows rows{{{90000, 1000000, 0}, {120000, 1500000, 0}, {0, 0, 0}, {85000, 1000000, 0}, {1, 3, 0}}};
  const auto r = SolveCapRates(CapRateSolveFor::CapitalizationRate, rows);
  const char* shown[] = {"9.00000", "8.00000", "0.00000", "8.50000", "33.33333"};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(FormatMoneyPicture(r[i], 5), shown[i]) << "row " << i + 1;
}

struct FailureCase {
  const char* name;
  CapRateSolveFor solveFor;
  CapRateRow row;
};

// Any failing row fails the whole calculation, so the page writes none of the five.
TEST(CapRate, FailuresRaiseMathError) {
  using S = CapRateSolveFor;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const FailureCase cases[] = {
      {"value_at_rate_0", S::Value, {90000, 0, 0}},
      {"value_at_rate_0_negative_income", S::Value, {-1, 0, 0}},
      {"income_overflows", S::NetOperatingIncome, {0, 1e300, 1e300}},
      // The typed maxima: 9,999,999,999.99 and 99,999,999.99999.
      {"income_at_the_fields_maxima", S::NetOperatingIncome, {0, 9999999999.99, 99999999.99999}},
      {"value_from_the_smallest_rate", S::Value, {9999999999.99, 0, 0.00001}},
      {"rate_from_the_smallest_value", S::CapitalizationRate, {9999999999.99, 0.01, 0}},
      {"income_one_cent_too_wide", S::NetOperatingIncome, {0, 10000000000, 100}},
      {"rate_too_wide", S::CapitalizationRate, {100000000, 100, 0}},
      {"income_from_a_field_showing_stars", S::NetOperatingIncome, {0, nan, 5}},
      {"rate_from_a_field_showing_stars", S::CapitalizationRate, {nan, 1000, 0}},
      {"value_from_a_field_showing_stars", S::Value, {90000, 0, nan}},
  };
  for (const FailureCase& c : cases) {
    for (size_t failing : {size_t{0}, size_t{4}}) {
      CapRateRows rows{{{90000, 1000000, 9}, {90000, 1000000, 9}, {90000, 1000000, 9}, {90000, 1000000, 9},
                        {90000, 1000000, 9}}};
      rows[failing] = c.row;
      EXPECT_THROW(SolveCapRates(c.solveFor, rows), EMathError) << c.name << " in row " << failing + 1;
    }
  }
}

}  // namespace
}  // namespace zeb
