// The Rates of Return arithmetic: the worked example, the two zero guards, losses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calculators/RatesOfReturn.h"
#include "finance/Errors.h"

namespace zeb {
namespace {

struct RorCase {
  const char* name;
  double beginning, ending, dividends;
  double expected;
};

void PrintTo(const RorCase& c, std::ostream* os) { *os << c.name; }

class RateOfReturnTest : public ::testing::TestWithParam<RorCase> {};

TEST_P(RateOfReturnTest, GivesThePercentage) {
  const RorCase& c = GetParam();
  EXPECT_NEAR(RateOfReturn(c.beginning, c.ending, c.dividends), c.expected, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, RateOfReturnTest,
    ::testing::Values(RorCase{"row_1", 2500, 2600, 0, 4}, RorCase{"row_2", 2500, 2600, 50, 6},
                      RorCase{"row_3", 5000, 5500, 0, 10}, RorCase{"row_4", 5000, 5500, 150, 13},
                      RorCase{"row_5", 10000, 11000, 100, 11}, RorCase{"a_loss", 1000, 900, 0, -10},
                      RorCase{"dividends_alone", 1000, 1000, 50, 5},
                      RorCase{"beginning_0_whatever_else", 0, 5000, 100, 0},
                      RorCase{"ending_0_even_with_dividends", 1000, 0, 50, 0},
                      RorCase{"negative_amounts_go_in_unchanged", -1000, 500, 0, -150},
                      RorCase{"fields_at_their_maxima", 0.01, 9999999999.99, 9999999999.99, 199999999999700}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RateOfReturnFailure, AnAmountThatIsNoNumberRaisesMathError) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(RateOfReturn(nan, 100, 0), EMathError);
  EXPECT_THROW(RateOfReturn(100, nan, 0), EMathError);
  EXPECT_THROW(RateOfReturn(100, 200, nan), EMathError);
}

}  // namespace
}  // namespace zeb
