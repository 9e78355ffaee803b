// The Net Present Values arithmetic: the sample cash flows at five rates, single
// cash flows, and the rates that leave no logarithm.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "calculators/NetPresentValues.h"
#include "finance/Errors.h"

namespace zeb {
namespace {

using Flows = std::array<double, kCashFlowYears>;

double Cents(double v) { return std::round(v * 100) / 100; }

Flows SampleFlows() {
  Flows f{};
  const double first[] = {9000, 0, -3000, 8000, 8200, 9000, 9350, 12500, 137580};
  for (size_t i = 0; i < 9; ++i) f[i] = first[i];
  return f;
}

Flows Single(int year, double amount) {
  Flows f{};
  f[static_cast<size_t>(year - 1)] = amount;
  return f;
}

Flows All(double amount) {
  Flows f;
  f.fill(amount);
  return f;
}

struct PvCase {
  const char* name;
  Flows flows;
  double rate;
  double expected;  // in cents
};

void PrintTo(const PvCase& c, std::ostream* os) { *os << c.name; }

class PresentValueTest : public ::testing::TestWithParam<PvCase> {};

TEST_P(PresentValueTest, GivesTheValueShown) {
  const PvCase& c = GetParam();
  EXPECT_DOUBLE_EQ(Cents(PresentValue(c.flows, c.rate)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, PresentValueTest,
    ::testing::Values(PvCase{"sample_at_5", SampleFlows(), 5, 129493.05},
                      PvCase{"sample_at_6", SampleFlows(), 6, 120274.95},
                      PvCase{"sample_at_7", SampleFlows(), 7, 111841.28},
                      PvCase{"sample_at_8", SampleFlows(), 8, 104117.63},
                      PvCase{"sample_at_9", SampleFlows(), 9, 97037.33},
                      PvCase{"year_1_at_10", Single(1, 1000), 10, 909.09},
                      PvCase{"year_30_at_10", Single(30, 1000), 10, 57.31},
                      PvCase{"rate_0_is_the_plain_sum", SampleFlows(), 0, 190630},
                      PvCase{"all_flows_0", Flows{}, 7.5, 0},
                      PvCase{"negative_rate_above_minus_100", Single(1, 1000), -50, 2000},
                      PvCase{"fields_at_their_maxima", All(9999999999.99), 99999999.99999, 10000.00}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PresentValueFailure, RatesOfMinus100AndBelowRaiseMathError) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* name;
    Flows flows;
    double rate;
  } rows[] = {{"minus_100", SampleFlows(), -100},
              {"minus_100_no_flows", Flows{}, -100},
              {"below_minus_100", SampleFlows(), -150},
              {"most_negative_rate", SampleFlows(), -99999999.99999},
              {"rate_not_a_number", SampleFlows(), nan},
              {"flow_not_a_number", Single(3, nan), 5}};
  for (const auto& r : rows) EXPECT_THROW(PresentValue(r.flows, r.rate), EMathError) << r.name;
}

}  // namespace
}  // namespace zeb
