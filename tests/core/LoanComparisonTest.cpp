// One loan of the comparison: the worked examples as the result fields show them, the
// edge cases of zero payments, zero rates and points, and a sweep over extreme inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calculators/LoanComparison.h"
#include "finance/Errors.h"
#include "widgets/model/PictureField.h"

namespace zeb {
namespace {

// The texts of the four result fields, leading blanks dropped.
std::string Shown(double value, const char* mask) {
  std::string text = PictureText(value, ParsePictureMask(mask));
  return text.substr(text.find_first_not_of(' '));
}

struct RowCase {
  const char* name;
  LoanComparisonInputs in;  // loan, rate, payments, points
  const char* payment;
  const char* totalPaid;
  const char* interestPaid;
  const char* pointsCost;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class CompareLoanTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(CompareLoanTest, ShowsTheFourResults) {
  const RowCase& c = GetParam();
  const LoanComparisonRow row = CompareLoan(c.in);
  EXPECT_EQ(Shown(row.payment, "$###,###,###.##"), c.payment);
  EXPECT_EQ(Shown(row.totalPaid, "$#,###,###,###.##"), c.totalPaid);
  EXPECT_EQ(Shown(row.interestPaid, "$#,###,###,###.##"), c.interestPaid);
  EXPECT_EQ(Shown(row.pointsCost, "$###,###,###.##"), c.pointsCost);
}

INSTANTIATE_TEST_SUITE_P(
    SampleRows, CompareLoanTest,
    ::testing::Values(
        RowCase{"row1_360_no_points", {100000, 8.75, 360, 0}, "$786.70", "$283,212.15", "$183,212.15", "$0.00"},
        RowCase{"row2_240_one_point", {100000, 8.75, 240, 1}, "$883.71", "$213,090.57", "$112,090.57", "$1,000.00"},
        RowCase{"row3", {100000, 9.25, 360, 2}, "$822.68", "$298,163.15", "$196,163.15", "$2,000.00"},
        RowCase{"row4", {100000, 9.25, 240, 2}, "$915.87", "$221,808.04", "$119,808.04", "$2,000.00"},
        RowCase{"row5", {100000, 8.75, 360, 1}, "$786.70", "$284,212.15", "$183,212.15", "$1,000.00"},
        RowCase{"row6", {95000, 8.75, 240, 2}, "$839.53", "$203,386.04", "$106,486.04", "$1,900.00"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CompareLoanTest,
    ::testing::Values(
        // No payments: nothing paid, the total is the points, the interest minus the loan.
        RowCase{"zero_payments", {100000, 8.75, 0, 2}, "$0.00", "$2,000.00", "-$100,000.00", "$2,000.00"},
        RowCase{"rate_zero_is_loan_over_payments", {120000, 0, 240, 0}, "$500.00", "$120,000.00", "$0.00", "$0.00"},
        RowCase{"all_zero", {0, 0, 0, 0}, "$0.00", "$0.00", "$0.00", "$0.00"},
        RowCase{"one_and_a_half_points", {200000, 0, 100, 1.5}, "$2,000.00", "$203,000.00", "$0.00", "$3,000.00"},
        // Negative payments counts repay nothing sensible but are computed as given.
        RowCase{"negative_payments_rate_zero", {1200, 0, -12, 0}, "-$100.00", "$1,200.00", "$0.00", "$0.00"}),
    [](const auto& info) { return std::string(info.param.name); });

// The payment is used unrounded: 360 x 786.7004 is 283,212.15, not 360 x 786.70.
TEST(CompareLoan, TotalPaidUsesTheUnroundedPayment) {
  const LoanComparisonRow row = CompareLoan({100000, 8.75, 360, 0});
  EXPECT_NE(Shown(row.totalPaid, "$#,###,###,###.##"), Shown(360 * 786.70, "$#,###,###,###.##"));
}

struct ExtremeCase {
  const char* name;
  LoanComparisonInputs in;
  bool mathError;
};

void PrintTo(const ExtremeCase& c, std::ostream* os) { *os << c.name; }

class CompareLoanExtremes : public ::testing::TestWithParam<ExtremeCase> {};

// Every extreme either gives four finite results or the math error; never NaN or inf.
TEST_P(CompareLoanExtremes, FiniteResultsOrMathError) {
  const ExtremeCase& c = GetParam();
  if (c.mathError) {
    EXPECT_THROW(CompareLoan(c.in), EMathError);
    return;
  }
  const LoanComparisonRow row = CompareLoan(c.in);
  for (double v : {row.payment, row.totalPaid, row.interestPaid, row.pointsCost}) EXPECT_TRUE(std::isfinite(v));
}

constexpr double kMaxLoan = 9999999999.99;      // the loan field's largest typed amount
constexpr double kMaxRate = 99999999.99999;     // the rate field's
constexpr double kMaxPoints = 999999999999;     // twelve digits of points
const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Sweep, CompareLoanExtremes,
    ::testing::Values(
        ExtremeCase{"rate_minus_1200", {100000, -1200, 360, 0}, true},
        ExtremeCase{"rate_below_minus_1200", {100000, -5000, 360, 0}, true},
        ExtremeCase{"rate_minus_1200_zero_payments", {100000, -1200, 0, 0}, false},
        ExtremeCase{"rate_just_above_minus_1200_overflows", {100000, -1199.99999, 360, 0}, true},
        ExtremeCase{"rate_just_above_minus_1200_short_term", {100000, -1199.99999, 12, 0}, false},
        ExtremeCase{"term_32767", {100000, 8.75, 32767, 0}, false},
        ExtremeCase{"term_minus_32768", {100000, 8.75, -32768, 0}, false},
        ExtremeCase{"term_minus_32768_max_rate", {100000, kMaxRate, -32768, 0}, true},
        ExtremeCase{"term_32767_max_rate_max_loan", {kMaxLoan, kMaxRate, 32767, kMaxPoints}, false},
        ExtremeCase{"max_loan_max_points", {kMaxLoan, 8.75, 360, kMaxPoints}, false},
        ExtremeCase{"negative_max_loan", {-kMaxLoan, 8.75, 32767, -kMaxPoints}, false},
        ExtremeCase{"tiny_rate", {100000, 1e-5, 360, 0}, false},
        ExtremeCase{"unshowable_loan_reads_nan", {kNaN, 8.75, 360, 0}, true},
        ExtremeCase{"unshowable_points_read_nan", {100000, 8.75, 360, kNaN}, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeb
