// The refinancing computation: its worked example, the horizon rules, the steps it
// stops at, the equity build-up and the closing-cost sum, with a sweep over extremes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calculators/Refinancing.h"
#include "finance/Errors.h"
#include "widgets/model/PictureField.h"

namespace zeb {
namespace {

std::string Shown(double value) {
  std::string text = PictureText(value, ParsePictureMask("$#,###,###,###.##"));
  return text.substr(text.find_first_not_of(' '));
}

// The sample refinance: 100,000 at 8.75 % over 360 (none paid) into 100,000 at 7.25 %
// over 240, sale in 240 months.
RefiInputs Sample() {
  RefiInputs in;
  in.oldTerm = 360;
  in.paymentsMade = 0;
  in.currentBalance = 100000;
  in.oldRate = 8.75;
  in.newTerm = 240;
  in.newBalance = 100000;
  in.monthsUntilSale = 240;
  in.newRate = 7.25;
  in.closingCosts = 0;
  return in;
}

TEST(ComputeRefi, SampleRefinance) {
  const RefiResults r = ComputeRefi(Sample());
  EXPECT_FALSE(r.error);
  EXPECT_EQ(r.reached, RefiStep::SellText);
  EXPECT_EQ(r.paymentsRemaining, 360);
  EXPECT_EQ(r.horizon, 240);
  EXPECT_EQ(Shown(r.oldPayment), "$786.70");
  EXPECT_EQ(Shown(r.newPayment), "$790.38");
  EXPECT_EQ(Shown(r.paymentSaved), "-$3.68");
  // 240 times the unrounded saving, not 240 x -3.68 (-883.20).
  EXPECT_EQ(Shown(r.totalPaymentSaved), "-$882.14");
  EXPECT_EQ(Shown(r.oldEquity), "$37,228.05");
  EXPECT_EQ(Shown(r.newEquity), "$100,000.00");
  EXPECT_EQ(Shown(r.equitySavings), "$62,771.95");
  EXPECT_EQ(Shown(r.totalSaved), "$61,889.81");
  EXPECT_EQ(r.sellText, "If you sell in 240 months,");
}

struct HorizonCase {
  const char* name;
  std::int32_t oldTerm, paymentsMade, newTerm, monthsUntilSale;
  double closingCosts;
  std::int32_t remaining, horizon, oldHorizon;
  const char* oldEquity;
  const char* newEquity;
  const char* totalPaymentSaved;
  const char* totalSaved;
  const char* sellText;
};

void PrintTo(const HorizonCase& c, std::ostream* os) { *os << c.name; }

class RefiHorizonTest : public ::testing::TestWithParam<HorizonCase> {};

TEST_P(RefiHorizonTest, HorizonsEquitiesAndTotals) {
  const HorizonCase& c = GetParam();
  RefiInputs in = Sample();
  in.oldTerm = c.oldTerm;
  in.paymentsMade = c.paymentsMade;
  in.newTerm = c.newTerm;
  in.monthsUntilSale = c.monthsUntilSale;
  in.closingCosts = c.closingCosts;
  const RefiResults r = ComputeRefi(in);
  ASSERT_FALSE(r.error);
  EXPECT_EQ(r.paymentsRemaining, c.remaining);
  EXPECT_EQ(r.horizon, c.horizon);
  EXPECT_EQ(r.oldHorizon, c.oldHorizon);
  EXPECT_EQ(Shown(r.oldEquity), c.oldEquity);
  EXPECT_EQ(Shown(r.newEquity), c.newEquity);
  EXPECT_EQ(Shown(r.totalPaymentSaved), c.totalPaymentSaved);
  EXPECT_EQ(Shown(r.totalSaved), c.totalSaved);
  EXPECT_EQ(r.sellText, c.sellText);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, RefiHorizonTest,
    ::testing::Values(
        // The new term caps the horizon: a fully repaid new loan shows its whole balance.
        HorizonCase{"sale_after_the_new_term", 360, 0, 240, 300, 0, 360, 240, 240, "$37,228.05", "$100,000.00",
                    "-$882.14", "$61,889.81", "If you sell in 240 months,"},
        // The old loan stops at its remaining payments; the new loan still runs the horizon.
        HorizonCase{"sale_after_the_old_loan_ends", 360, 300, 360, 120, 0, 60, 120, 60, "$100,000.00",
                    "$13,689.65", "$82,892.82", "-$3,417.53", "If you sell in 120 months,"},
        HorizonCase{"sale_now", 360, 0, 240, 0, 1500, 360, 0, 0, "$0.00", "$0.00", "$0.00", "-$1,500.00",
                    "If you sell in 0 months,"},
        HorizonCase{"new_term_zero", 360, 0, 0, 240, 0, 360, 0, 0, "$0.00", "$0.00", "$0.00", "$0.00",
                    "If you sell in 0 months,"},
        // More payments made than the term: a negative remaining count, shown and used
        // (a negative old payment over -40 months; no old equity).
        HorizonCase{"payments_made_above_the_term", 360, 400, 240, 240, 0, -40, 240, -40, "$0.00", "$100,000.00",
                    "$118,101.20", "$218,101.20", "If you sell in 240 months,"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeRefi, NewTermZeroGivesNoNewPayment) {
  RefiInputs in = Sample();
  in.newTerm = 0;
  const RefiResults r = ComputeRefi(in);
  EXPECT_EQ(r.newPayment, 0);
  EXPECT_EQ(Shown(r.paymentSaved), "$786.70");
}

struct StopCase {
  const char* name;
  double oldRate, newRate, closingCosts;
  std::int32_t oldTerm, newTerm;
  RefiStep reached;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class RefiStopTest : public ::testing::TestWithParam<StopCase> {};

// A math error stops the computation at its step: the results before it stand.
TEST_P(RefiStopTest, StopsAtTheFailingStep) {
  const StopCase& c = GetParam();
  RefiInputs in = Sample();
  in.oldRate = c.oldRate;
  in.newRate = c.newRate;
  in.closingCosts = c.closingCosts;
  in.oldTerm = c.oldTerm;
  in.newTerm = c.newTerm;
  const RefiResults r = ComputeRefi(in);
  EXPECT_EQ(r.reached, c.reached);
  if (c.reached == RefiStep::SellText) {
    EXPECT_FALSE(r.error);
    for (double v : {r.oldPayment, r.oldEquity, r.newPayment, r.newEquity, r.paymentSaved, r.totalPaymentSaved,
                     r.equitySavings, r.totalSaved})
      EXPECT_TRUE(std::isfinite(v));
    return;
  }
  ASSERT_TRUE(r.error);
  EXPECT_THROW(std::rethrow_exception(r.error), EMathError);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMaxRate = 99999999.99999;

INSTANTIATE_TEST_SUITE_P(
    Sweep, RefiStopTest,
    ::testing::Values(
        StopCase{"old_rate_minus_1200", -1200, 7.25, 0, 360, 240, RefiStep::PaymentsRemaining},
        StopCase{"new_rate_minus_1200", 8.75, -1200, 0, 360, 240, RefiStep::OldEquity},
        StopCase{"new_rate_far_below", 8.75, -99999999, 0, 360, 240, RefiStep::OldEquity},
        StopCase{"unshowable_closing_costs", 8.75, 7.25, kNaN, 360, 240, RefiStep::EquitySavings},
        StopCase{"old_term_minus_32768_max_rate", kMaxRate, 7.25, 0, -32768, 240, RefiStep::PaymentsRemaining},
        StopCase{"old_term_32767", 8.75, 7.25, 0, 32767, 240, RefiStep::SellText},
        StopCase{"terms_at_32767_max_rates", kMaxRate, kMaxRate, 0, 32767, 32767, RefiStep::SellText},
        StopCase{"terms_at_minus_32768", 8.75, 7.25, 0, -32768, -32768, RefiStep::SellText}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeRefi, RemainingBeyondTheTermRangeIsComputed) {
  RefiInputs in = Sample();
  in.oldTerm = 32767;
  in.paymentsMade = -32768;
  const RefiResults r = ComputeRefi(in);
  EXPECT_EQ(r.paymentsRemaining, 65535);
  EXPECT_FALSE(r.error);
}

struct EquityCase {
  const char* name;
  std::int32_t months;
  double balance, rate, payment;
  const char* expected;
};

void PrintTo(const EquityCase& c, std::ostream* os) { *os << c.name; }

class EquityBuildUpTest : public ::testing::TestWithParam<EquityCase> {};

TEST_P(EquityBuildUpTest, PrincipalRepaid) {
  const EquityCase& c = GetParam();
  EXPECT_EQ(Shown(EquityBuildUp(c.months, c.balance, c.rate, c.payment)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EquityBuildUpTest,
    ::testing::Values(EquityCase{"first_month", 1, 100000, 8.75, 786.7004, "$57.53"},
                      EquityCase{"no_months", 0, 100000, 8.75, 786.70, "$0.00"},
                      EquityCase{"negative_months", -5, 100000, 8.75, 786.70, "$0.00"},
                      EquityCase{"rate_zero", 12, 1200, 0, 100, "$1,200.00"},
                      // Full precision, not cents: twelve months of 0.004 add to 0.05.
                      EquityCase{"fractions_of_cents_add_up", 12, 0, 0, 0.004, "$0.05"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EquityBuildUp, OverflowIsAMathError) {
  EXPECT_THROW(EquityBuildUp(32767, 1e300, kMaxRate, -1e300), EMathError);
}

TEST(ClosingCostsTotal, AddsTheTwelveFees) {
  EXPECT_EQ(ClosingCostsTotal({}), 0);
  const long double total = ClosingCostsTotal({100, 200.5L, 0, 0, 0, 0, 0, 0, 0, 0, 0.25L, 1000});
  EXPECT_EQ(total, 1300.75L);
}

}  // namespace
}  // namespace zeb
