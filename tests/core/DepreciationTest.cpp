// The depreciation schedule: the worked tables of the three methods, the edge cases of
// the period and the amounts, and the grid's amount texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calculators/Depreciation.h"
#include "finance/Errors.h"
#include "finance/TextForms.h"

namespace zeb {
namespace {

using M = DepreciationMethod;

// Every row as the grid shows it, "year|book value|depreciation|total".
std::vector<std::string> shownRows(double cost, double salvage, double period, M method) {
  const DepreciationSchedule s = BuildDepreciationSchedule(cost, salvage, period, method);
  std::vector<std::string> rows;
  for (size_t k = 0; k < s.years.size(); ++k) {
    const DepreciationRowTexts t = DepreciationRowText(static_cast<int>(k + 1), s.years[k]);
    rows.push_back(t[0] + "|" + t[1] + "|" + t[2] + "|" + t[3]);
  }
  return rows;
}

struct TableCase {
  const char* name;
  double cost, salvage, period;
  M method;
  std::vector<std::string> rows;
};

TEST(DepreciationSchedule, WorkedTables) {
  const TableCase cases[] = {
      {"straight_line_10000_1000_5", 10000, 1000, 5, M::StraightLine,
       {"1|$10,000.00|$1,800.00|$1,800.00", "2|$8,200.00|$1,800.00|$3,600.00", "3|$6,400.00|$1,800.00|$5,400.00",
        "4|$4,600.00|$1,800.00|$7,200.00", "5|$2,800.00|$1,800.00|$9,000.00"}},
      {"double_declining_10000_1000_5", 10000, 1000, 5, M::DoubleDecliningBalance,
       {"1|$10,000.00|$4,000.00|$4,000.00", "2|$6,000.00|$2,400.00|$6,400.00", "3|$3,600.00|$1,440.00|$7,840.00",
        "4|$2,160.00|$864.00|$8,704.00", "5|$1,296.00|$296.00|$9,000.00"}},
      {"sum_of_digits_10000_1000_5", 10000, 1000, 5, M::SumOfYearsDigits,
       {"1|$10,000.00|$3,000.00|$3,000.00", "2|$7,000.00|$2,400.00|$5,400.00", "3|$4,600.00|$1,800.00|$7,200.00",
        "4|$2,800.00|$1,200.00|$8,400.00", "5|$1,600.00|$600.00|$9,000.00"}},
      {"period_1_straight_line", 10000, 1000, 1, M::StraightLine, {"1|$10,000.00|$9,000.00|$9,000.00"}},
      {"period_1_double_declining_capped", 10000, 1000, 1, M::DoubleDecliningBalance,
       {"1|$10,000.00|$9,000.00|$9,000.00"}},
      {"period_1_sum_of_digits", 10000, 1000, 1, M::SumOfYearsDigits, {"1|$10,000.00|$9,000.00|$9,000.00"}},
      {"period_2_double_declining_takes_d_in_year_1", 10000, 1000, 2, M::DoubleDecliningBalance,
       {"1|$10,000.00|$9,000.00|$9,000.00", "2|$1,000.00|$0.00|$9,000.00"}},
      {"salvage_equal_to_cost_sum_of_digits", 5000, 5000, 3, M::SumOfYearsDigits,
       {"1|$5,000.00|$0.00|$0.00", "2|$5,000.00|$0.00|$0.00", "3|$5,000.00|$0.00|$0.00"}},
      {"salvage_equal_to_cost_double_declining", 5000, 5000, 2, M::DoubleDecliningBalance,
       {"1|$5,000.00|$0.00|$0.00", "2|$5,000.00|$0.00|$0.00"}},
      {"salvage_equal_to_cost_straight_line", 5000, 5000, 2, M::StraightLine,
       {"1|$5,000.00|$0.00|$0.00", "2|$5,000.00|$0.00|$0.00"}},
      {"fractional_period_uses_whole_years", 10000, 1000, 2.9, M::StraightLine,
       {"1|$10,000.00|$4,500.00|$4,500.00", "2|$5,500.00|$4,500.00|$9,000.00"}},
      {"salvage_above_cost_depreciates_negatively", 1000, 1600, 3, M::StraightLine,
       {"1|$1,000.00|($200.00)|($200.00)", "2|$1,200.00|($200.00)|($400.00)", "3|$1,400.00|($200.00)|($600.00)"}},
      {"salvage_above_cost_double_declining_caps_at_once", 1000, 1600, 2, M::DoubleDecliningBalance,
       {"1|$1,000.00|($600.00)|($600.00)", "2|$1,600.00|$0.00|($600.00)"}},
      // No switch to straight line: without salvage the declining amounts never reach D.
      {"double_declining_ends_below_d", 10000, 0, 5, M::DoubleDecliningBalance,
       {"1|$10,000.00|$4,000.00|$4,000.00", "2|$6,000.00|$2,400.00|$6,400.00", "3|$3,600.00|$1,440.00|$7,840.00",
        "4|$2,160.00|$864.00|$8,704.00", "5|$1,296.00|$518.40|$9,222.40"}},
      {"thirds_round_for_display_only", 100, 0, 3, M::StraightLine,
       {"1|$100.00|$33.33|$33.33", "2|$66.67|$33.33|$66.67", "3|$33.33|$33.33|$100.00"}},
      {"period_0_has_no_years", 10000, 1000, 0, M::StraightLine, {}},
      {"negative_period_has_no_years", 10000, 1000, -7, M::SumOfYearsDigits, {}},
      {"period_below_1_has_no_years", 10000, 1000, 0.9, M::DoubleDecliningBalance, {}},
      {"huge_negative_period_has_no_years", 10000, 1000, -1e300, M::StraightLine, {}},
  };
  for (const TableCase& c : cases) EXPECT_EQ(shownRows(c.cost, c.salvage, c.period, c.method), c.rows) << c.name;
}

TEST(DepreciationSchedule, SampleValues) {
  // 100,000.00 less 92,500.00 over 10 years.
  const auto straight = shownRows(100000, 92500, 10, M::StraightLine);
  ASSERT_EQ(straight.size(), 10u);
  EXPECT_EQ(straight.front(), "1|$100,000.00|$750.00|$750.00");
  EXPECT_EQ(straight.back(), "10|$93,250.00|$750.00|$7,500.00");
  const auto declining = shownRows(100000, 92500, 10, M::DoubleDecliningBalance);
  ASSERT_EQ(declining.size(), 10u);
  EXPECT_EQ(declining.front(), "1|$100,000.00|$7,500.00|$7,500.00");
  for (size_t k = 1; k < 10; ++k) EXPECT_EQ(declining[k], std::to_string(k + 1) + "|$92,500.00|$0.00|$7,500.00");
  EXPECT_EQ(BuildDepreciationSchedule(100000, 92500, 10, M::SumOfYearsDigits).depreciable, 7500);
}

TEST(DepreciationSchedule, LongestScheduleReachesTheDepreciableAmount) {
  for (M method : {M::StraightLine, M::SumOfYearsDigits}) {
    const DepreciationSchedule s = BuildDepreciationSchedule(9999999999.99, 0, 32767, method);
    ASSERT_EQ(s.years.size(), 32767u);
    EXPECT_EQ(DepreciationAmountText(s.years.back().totalDepreciation), "$9,999,999,999.99");
    EXPECT_EQ(DepreciationRowText(32767, s.years.back())[0], "32767");
  }
}

TEST(DepreciationSchedule, RefusedInputs) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    double cost, salvage, period;
  } cases[] = {
      {"period_32768", 10000, 1000, 32768},
      {"period_of_a_billion", 10000, 1000, 1e9},
      {"period_at_the_double_maximum", 10000, 1000, std::numeric_limits<double>::max()},
      {"period_infinite", 10000, 1000, std::numeric_limits<double>::infinity()},
      {"period_not_a_number", 10000, 1000, nan},
      {"cost_not_a_number", nan, 1000, 5},
      {"depreciable_amount_overflows", 1.7e308, -1.7e308, 5},
  };
  for (const Case& c : cases)
    for (M method : {M::StraightLine, M::DoubleDecliningBalance, M::SumOfYearsDigits})
      EXPECT_THROW(BuildDepreciationSchedule(c.cost, c.salvage, c.period, method), EMathError) << c.name;
  EXPECT_EQ(DepreciationYears(32767.9), 32767);
  EXPECT_EQ(DepreciationYears(5.9), 5);
}

// Amounts too large for the cents of the currency form take its scientific form.
TEST(DepreciationSchedule, HugeAmountsStayNumbers) {
  const auto rows = shownRows(1e300, 0, 2, M::StraightLine);
  EXPECT_EQ(rows, (std::vector<std::string>{"1|1E300|5E299|5E299", "2|5E299|5E299|1E300"}));
}

// The grid's quick amount texts are exactly the currency form of the text forms.
TEST(DepreciationAmountText, MatchesTheCurrencyForm) {
  std::vector<double> values = {0.0,   -0.0,    0.005,   -0.005,  0.004999, 2.675, 1.005, 0.125,
                                -2.675, 1e-300, -1e-300, 999.995, 1234.5,  1e12,  9999999999999.99,
                                9999999999999.995, -9999999999999.995, 1e13, 1e13 + 0.01, 123456789012345.67,
                                1e15, 4.5e15, 1e300, -1e300, std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::denorm_min()};
  for (int cents = -100000; cents <= 100000; cents += 7) values.push_back(cents / 100.0 + 0.005);
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> exponent(-3, 14);
  for (int i = 0; i < 20000; ++i) {
    const double v = std::pow(10.0, exponent(random)) * (i % 2 ? -1 : 1);
    values.push_back(v);
    values.push_back(std::round(v * 100) / 100 + 0.005);  // near a tie
  }
  for (double v : values)
    ASSERT_EQ(DepreciationAmountText(v), FloatToText(v, FloatStyle::Currency, 15, 2)) << "value " << v;
}

}  // namespace
}  // namespace zeb
