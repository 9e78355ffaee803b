// The amortization engine: the worked schedule, the calendar, the prepayment operations
// with their drop pass and messages, the cent rule and the row texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "calculators/MortLib.h"
#include "finance/Errors.h"

namespace zeb {
namespace {

// An engine whose messages are collected.
struct Engine {
  TMortgage m;
  std::vector<std::string> messages;
  Engine() {
    m.SetMessageSink([this](const std::string& text) { messages.push_back(text); });
  }
  Engine(std::int32_t n, double amount, double rate, std::int32_t month, std::int32_t year) : Engine() {
    m.Create(n, amount, rate, 12, month, year);
  }
  const TPayment& row(int pmtNum) const { return m.Payments.at(static_cast<size_t>(pmtNum - 1)); }
};

std::string cents(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

Engine sampleLoan(std::int32_t month = 1, std::int32_t year = 2000) { return Engine(360, 100000, 0.0875, month, year); }

TEST(MortLib, SampleLoanPaymentFirstRowAndFinalBalance) {
  Engine e = sampleLoan();
  EXPECT_EQ(e.m.Payment, 786.70);
  ASSERT_EQ(e.m.Payments.size(), 360u);
  EXPECT_EQ(cents(e.row(1).Principal), "57.53");
  EXPECT_EQ(cents(e.row(1).Interest), "729.17");
  EXPECT_EQ(cents(e.row(1).Balance), "99942.47");
  EXPECT_EQ(cents(e.row(360).Balance), "0.97");
  EXPECT_EQ(FormatPayment(e.row(360)).Balance, "        0.97");
}

struct TableRow {
  int pmt, month, year;
  const char *principal, *interest, *totalPrincipal, *totalInterest, *prepayment, *balance;
};

TEST(MortLib, RangePrepaymentGivesTheWorkedTable) {
  const TableRow table[] = {
      {1, 1, 2000, "5057.53", "729.17", "5057.53", "729.17", "5000.00", "94942.47"},
      {2, 2, 2000, "5094.41", "692.29", "10151.94", "1421.46", "5000.00", "89848.06"},
      {12, 12, 2000, "5478.31", "308.39", "63184.48", "6255.92", "5000.00", "36815.52"},
      {13, 1, 2001, "518.25", "268.45", "63702.73", "6524.37", "0.00", "36297.27"},
  };
  Engine e = sampleLoan();
  ASSERT_TRUE(e.m.SetPrepaymentRange(1, 12, 5000));
  EXPECT_EQ(e.m.Payment, 786.70);
  for (const TableRow& t : table) {
    SCOPED_TRACE(t.pmt);
    const TPayment& p = e.row(t.pmt);
    EXPECT_EQ(p.PmtNum, t.pmt);
    EXPECT_EQ(p.Month, t.month);
    EXPECT_EQ(p.Year, t.year);
    EXPECT_EQ(cents(p.Principal), t.principal);
    EXPECT_EQ(cents(p.Interest), t.interest);
    EXPECT_EQ(cents(p.TotalPrincipal), t.totalPrincipal);
    EXPECT_EQ(cents(p.TotalInterest), t.totalInterest);
    EXPECT_EQ(cents(p.Prepayment), t.prepayment);
    EXPECT_EQ(cents(p.Balance), t.balance);
  }
  EXPECT_TRUE(e.messages.empty());
}

struct CalendarCase {
  const char* name;
  int startMonth, startYear, pmt, month, year;
};

TEST(MortLib, Calendar) {
  const CalendarCase cases[] = {
      {"January start, row 1", 1, 2000, 1, 1, 2000},
      {"January start, row 12", 1, 2000, 12, 12, 2000},
      {"January start, row 13 a year later", 1, 2000, 13, 1, 2001},
      {"December start, row 1", 12, 2000, 1, 12, 2000},
      {"December start, row 2 in the next year", 12, 2000, 2, 1, 2001},
      {"March start, row 360", 3, 2000, 360, 2, 2030},
      {"year 0 stays 0", 1, 0, 13, 1, 0},
      {"negative year shows 0", 6, -5, 30, 11, 0},
  };
  for (const CalendarCase& c : cases) {
    SCOPED_TRACE(c.name);
    Engine e(360, 100000, 0.0875, c.startMonth, c.startYear);
    EXPECT_EQ(e.row(c.pmt).Month, c.month);
    EXPECT_EQ(e.row(c.pmt).Year, c.year);
  }
}

TEST(MortLib, CalculationsRestartTheCalendarFromTheStart) {
  Engine e = sampleLoan(11, 1999);
  e.m.SetPrepayment(3, 10);
  e.m.ClearPrepayments();
  EXPECT_EQ(e.row(1).Month, 11);
  EXPECT_EQ(e.row(1).Year, 1999);
  EXPECT_EQ(e.row(3).Year, 2000);
}

TEST(MortLib, ZeroRateSplitsTheAmountEvenly) {
  Engine e(3, 100, 0, 1, 2000);
  EXPECT_EQ(e.m.Payment, 33.33);
  for (const TPayment& p : e.m.Payments) EXPECT_EQ(p.Interest, 0);
  EXPECT_EQ(cents(e.row(3).Balance), "0.01");  // the small residual

  Engine up(3, 200, 0, 1, 2000);  // 66.666... rounds up: the last payment is cut
  EXPECT_EQ(up.m.Payment, 66.67);
  EXPECT_EQ(cents(up.row(3).Principal), "66.66");
  EXPECT_EQ(up.row(3).Balance, 0);
}

TEST(MortLib, NoPaymentsNoRows) {
  Engine e(0, 100000, 0.0875, 1, 2000);
  EXPECT_EQ(e.m.Payment, 0);
  EXPECT_TRUE(e.m.Payments.empty());
  EXPECT_EQ(e.m.NumPayments, 0);
}

TEST(MortLib, PayoffRowAndZeroRowsAfterIt) {
  Engine e = sampleLoan();
  e.m.SetPrepayment(10, 200000);
  const TPayment& before = e.row(9);
  const TPayment& payoff = e.row(10);
  EXPECT_EQ(payoff.Principal, before.Balance);
  EXPECT_EQ(payoff.Balance, 0);
  EXPECT_GT(payoff.Interest, 0);  // the interest of the final payment is still charged
  for (int i = 11; i <= 360; ++i) {
    const TPayment& p = e.row(i);
    ASSERT_EQ(p.Principal, 0) << i;
    ASSERT_EQ(p.Interest, 0) << i;
    ASSERT_EQ(p.Balance, 0) << i;
    ASSERT_EQ(p.TotalPrincipal, payoff.TotalPrincipal) << i;
    ASSERT_EQ(p.TotalInterest, payoff.TotalInterest) << i;
  }
  EXPECT_EQ(cents(payoff.TotalPrincipal), "100000.00");
}

TEST(MortLib, SetPrepaymentOutOfRangeReportsAndChangesNothing) {
  for (int pmt : {0, -1, 361, 100000}) {
    SCOPED_TRACE(pmt);
    Engine e = sampleLoan();
    const std::vector<TPayment> before = e.m.Payments;
    EXPECT_FALSE(e.m.SetPrepayment(pmt, 100));
    ASSERT_EQ(e.messages.size(), 1u);
    EXPECT_EQ(e.messages[0],
              "This amortization cannot be calculated with these values.\n\r\n\r"
              "Please use the edit boxes and radio buttons to\n\r"
              "indicate the amount of your extra payments.");
    EXPECT_EQ(e.m.Payments.back().Balance, before.back().Balance);
    for (const TPayment& p : e.m.Payments) ASSERT_EQ(p.Prepayment, 0);
  }
}

TEST(MortLib, RangeLeavingTheScheduleWritesUpToTheEndWithoutRecalculating) {
  Engine e = sampleLoan();
  const double principal350 = e.row(350).Principal;
  EXPECT_FALSE(e.m.SetPrepaymentRange(350, 400, 100));
  EXPECT_EQ(e.messages.size(), 1u);
  EXPECT_EQ(e.row(349).Prepayment, 0);
  for (int i = 350; i <= 360; ++i) EXPECT_EQ(e.row(i).Prepayment, 100) << i;
  EXPECT_EQ(e.row(350).Principal, principal350);  // not recalculated
}

TEST(MortLib, RangeBelowItsStartWritesTheStartAlone) {
  Engine e = sampleLoan();
  EXPECT_TRUE(e.m.SetPrepaymentRange(5, 2, 50));
  EXPECT_EQ(e.row(4).Prepayment, 0);
  EXPECT_EQ(e.row(5).Prepayment, 50);
  EXPECT_EQ(e.row(6).Prepayment, 0);
  EXPECT_EQ(cents(e.row(5).Principal), cents(e.m.Payment - e.row(5).Interest + 50));
}

TEST(MortLib, PrepaymentsFromOneDropsThoseAboveTheBalanceWithoutRecalculating) {
  Engine e = sampleLoan();
  e.m.SetPrepaymentsFrom(1, 5000);
  int payoff = 0;
  for (const TPayment& p : e.m.Payments)
    if (p.Balance == 0) {
      payoff = p.PmtNum;
      break;
    }
  ASSERT_GT(payoff, 1);
  for (const TPayment& p : e.m.Payments) {
    const bool dropped = !(p.Balance > 0) || p.Balance < 5000;
    ASSERT_EQ(p.Prepayment, dropped ? 0 : 5000) << p.PmtNum;
  }
  // The row before the payoff kept its principal of payment plus prepayment.
  const TPayment& last = e.row(payoff - 1);
  EXPECT_LT(last.Balance, 5000);
  EXPECT_EQ(last.Prepayment, 0);
  EXPECT_EQ(cents(last.Principal), cents(e.m.Payment - last.Interest + 5000));
  EXPECT_TRUE(e.messages.empty());
}

TEST(MortLib, PrepaymentsFromOutsideTheScheduleIsAnError) {
  Engine empty(0, 100000, 0.0875, 1, 2000);
  EXPECT_THROW(empty.m.SetPrepaymentsFrom(1, 100), ERangeError);
  Engine e = sampleLoan();
  EXPECT_THROW(e.m.SetPrepaymentsFrom(361, 100), ERangeError);
  EXPECT_TRUE(e.messages.empty());
}

TEST(MortLib, ClearPrepaymentsRestoresThePlainSchedule) {
  Engine e = sampleLoan();
  e.m.SetPrepaymentRange(1, 12, 5000);
  e.m.ClearPrepayments();
  EXPECT_EQ(cents(e.row(360).Balance), "0.97");
  for (const TPayment& p : e.m.Payments) ASSERT_EQ(p.Prepayment, 0);
}

TEST(MortLib, BadBuildsThrowAndKeepTheSchedule) {
  Engine e = sampleLoan();
  EXPECT_THROW(e.m.Create(-1, 100000, 0.0875, 12, 1, 2000), ERangeError);
  EXPECT_THROW(e.m.Create(12, 100000, 0.0875, 12, 0, 2000), ERangeError);
  EXPECT_THROW(e.m.Create(12, 100000, 0.0875, 12, 13, 2000), ERangeError);
  EXPECT_EQ(e.m.NumPayments, 360);
  EXPECT_EQ(e.m.Payments.size(), 360u);
  EXPECT_EQ(cents(e.row(360).Balance), "0.97");
}

TEST(MortLib, RatesAtOrBelowMinusOneHundredPercentPerMonthAreMathErrors) {
  for (double rate : {-12.0, -24.0}) {
    TMortgage m;
    EXPECT_THROW(m.Create(360, 100000, rate, 12, 1, 2000), EMathError) << rate;
  }
}

TEST(MortLib, RebuildReplacesTheRows) {
  Engine e = sampleLoan();
  e.m.SetPrepayment(1, 1000);
  e.m.Create(12, 1200, 0, 12, 1, 2000);
  ASSERT_EQ(e.m.Payments.size(), 12u);
  for (const TPayment& p : e.m.Payments) EXPECT_EQ(p.Prepayment, 0);
  EXPECT_EQ(e.m.Payment, 100);
}

// The batch gives exactly what one SetPrepayment per entry gives.
TEST(MortLib, BatchOfPrepaymentsEqualsOneCallPerEntry) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    const int n = 1 + static_cast<int>(rng() % 400);
    Engine single(n, 1000 + rng() % 500000, (rng() % 2000) / 10000.0, 1 + rng() % 12, 1990 + rng() % 40);
    Engine batch(single.m.NumPayments, single.m.Amount, single.m.Rate, single.m.StartMonth, single.m.StartYear);
    std::vector<TPrepaymentEntry> entries;
    const int k = static_cast<int>(rng() % 60);
    for (int i = 0; i < k; ++i)
      entries.push_back({static_cast<std::int32_t>(rng() % (n + 3)) - 1, (rng() % 300000) / 100.0});
    int outside = 0;
    for (const TPrepaymentEntry& en : entries)
      if (!single.m.SetPrepayment(en.PmtNo, en.Amount)) ++outside;
    EXPECT_EQ(batch.m.SetPrepayments(entries), outside);
    EXPECT_EQ(batch.messages, single.messages);  // one message per entry outside
    EXPECT_EQ(batch.m.Payment, single.m.Payment);
    for (int i = 0; i < n; ++i) {
      const TPayment& a = single.m.Payments[static_cast<size_t>(i)];
      const TPayment& b = batch.m.Payments[static_cast<size_t>(i)];
      ASSERT_EQ(a.Principal, b.Principal);
      ASSERT_EQ(a.Interest, b.Interest);
      ASSERT_EQ(a.TotalPrincipal, b.TotalPrincipal);
      ASSERT_EQ(a.TotalInterest, b.TotalInterest);
      ASSERT_EQ(a.Prepayment, b.Prepayment);
      ASSERT_EQ(a.Balance, b.Balance);
      ASSERT_EQ(a.Month, b.Month);
      ASSERT_EQ(a.Year, b.Year);
    }
  }
}

// A negative prepayment (a document may hold one) can make the balance grow until a
// recalculation overflows. One call per entry fails at such an entry even when a later
// entry would pay the loan off; the batch fails the same way.
TEST(MortLib, BatchFailsWhereOneCallPerEntryFails) {
  const std::vector<TPrepaymentEntry> entries = {{1, -1.0}, {2, 1e9}};
  Engine single(360, 100000, 120, 1, 2000);  // 1,000 % a month: the payment is the interest
  EXPECT_THROW(
      {
        for (const TPrepaymentEntry& en : entries) single.m.SetPrepayment(en.PmtNo, en.Amount);
      },
      EMathError);
  Engine batch(360, 100000, 120, 1, 2000);
  EXPECT_THROW(batch.m.SetPrepayments(entries), EMathError);

  // Without the negative entry both ways pay the loan off at payment 2.
  Engine plain(360, 100000, 120, 1, 2000);
  plain.m.SetPrepayments(std::vector<TPrepaymentEntry>{{2, 1e9}});
  EXPECT_EQ(plain.row(2).Balance, 0);
}

struct CentCase {
  const char* name;
  long double x;
  double cents;
};

TEST(MortLib, CentRule) {
  const CentCase cases[] = {
      {"half up", 0.125L, 0.13},
      {"below half", 0.1249L, 0.12},
      {"negative half moves toward zero", -0.125L, -0.12},
      {"negative moves toward zero", -1.234L, -1.22},
      {"extended product of the sample loan", 100000.0L * (0.0875 / 12), 729.17},
      {"whole cents stay", 786.70L, 786.70},
  };
  for (const CentCase& c : cases) EXPECT_EQ(CentRound(c.x), c.cents) << c.name;
}

struct AmountTextCase {
  const char* name;
  double value;
  const char* text;
};

TEST(MortLib, FormatPaymentAmountTexts) {
  const AmountTextCase cases[] = {
      {"right-aligned in 12", 5057.53, "     5057.53"},
      {"zero", 0, "        0.00"},
      {"negative", -12.5, "      -12.50"},
      {"12 characters fill the field", 123456789.01, "123456789.01"},
      {"13 characters keep their length", 1234567890.12, "1234567890.12"},
      {"15 characters keep their length", 123456789012.34, "123456789012.34"},
      {"longer texts are cut after the 15th", 1e15, "100000000000000"},
  };
  for (const AmountTextCase& c : cases) EXPECT_EQ(FormatPaymentAmount(c.value), c.text) << c.name;
}

TEST(MortLib, FormatPaymentAmountIsPrintfFixedTwo) {
  std::mt19937_64 rng(11);
  std::vector<double> values = {0.005, 0.015, 0.125, 1.005, 2.675, -0.001, -0.0, 0.0, 1e17, -1e20, 9.995, 1e300};
  for (int i = 0; i < 200000; ++i) {
    const double scale = std::pow(10.0, static_cast<double>(rng() % 16));
    double v = static_cast<double>(rng() % 100000000) / 100000000.0 * scale;
    if (rng() % 4 == 0) v = -v;
    if (rng() % 3 == 0) v = std::round(v * 1000) / 1000;  // near ties
    values.push_back(v);
  }
  for (double v : values) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%12.2f", v);
    std::string expected(buf);
    if (expected.size() > 15) expected.resize(15);
    ASSERT_EQ(FormatPaymentAmount(v), expected) << v;
  }
}

TEST(MortLib, FormatPaymentRowTexts) {
  Engine e = sampleLoan(1, 2000);
  const TPaymentTexts t = FormatPayment(e.row(12));
  EXPECT_EQ(t.PmtNum, "12");
  EXPECT_EQ(t.Month, "12");
  EXPECT_EQ(t.Year, "2000");
  EXPECT_EQ(t.Interest.size(), 12u);
  EXPECT_EQ(t.Prepayment, "        0.00");
}

}  // namespace
}  // namespace zeb
