// The schedule page's texts: month names, the prepayment list, the monthly rows and the
// annual rows built from them.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calculators/Amortization.h"
#include "calculators/MortLib.h"
#include "finance/Errors.h"
#include "finance/TextForms.h"

namespace zeb {
namespace {

// The monthly grid as the page fills it: heading row, then the shown rows, or one row of
// blanks when none is shown.
struct MonthlyGrid {
  std::vector<MonthlyRowTexts> rows;  // rows[0] is the heading row
  explicit MonthlyGrid(const TMortgage& m) {
    rows.push_back({});
    for (const TPayment& p : m.Payments) {
      MonthlyRowTexts r;
      if (!FormatMonthlyRow(p, r)) break;
      rows.push_back(r);
    }
    if (rows.size() == 1) rows.push_back({" ", " ", " ", " ", " ", " ", " ", " "});
  }
  int paymentRows() const { return static_cast<int>(rows.size()) - 1; }
  MonthlyCellReader reader() const {
    return [this](int col, int row) {
      return row < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(row)][static_cast<size_t>(col)]
                                                 : std::string();
    };
  }
  std::vector<AnnualRowTexts> annual() const { return BuildAnnualRows(paymentRows(), reader()); }
};

TMortgage build(std::int32_t n, double amount, double rate, std::int32_t month, std::int32_t year) {
  TMortgage m;
  m.Create(n, amount, rate, 12, month, year);
  return m;
}

TEST(AmortizationTexts, MonthNames) {
  EXPECT_EQ(AmortMonthNumber("Jan"), 1);
  EXPECT_EQ(AmortMonthNumber("Dec"), 12);
  EXPECT_EQ(AmortMonthNumber("jan"), 0);
  EXPECT_EQ(AmortMonthNumber("Jan "), 0);
  EXPECT_EQ(AmortMonthNumber(""), 0);
  struct {
    const char* text;
    int previous, month;
  } cases[] = {{"Mar", 0, 3}, {"Mar", 7, 3}, {"janv.", 7, 7}, {"janv.", 0, 1}, {"", 0, 1}, {"Foo", 13, 1}};
  for (const auto& c : cases) EXPECT_EQ(ResolveStartMonth(c.text, c.previous), c.month) << c.text << c.previous;
}

TEST(AmortizationTexts, PrepaymentLines) {
  EXPECT_EQ(PrepaymentLine("1", "$5,000.00"), "1 $5,000.00");
  EXPECT_EQ(PrepaymentLine("13", ""), "13 $0.00");
  EXPECT_EQ(PrepaymentLine("", ""), " $0.00");
}

struct LineCase {
  const char* name;
  const char* line;
  bool skipped;
  int pmt;
  double amount;
};

TEST(AmortizationTexts, ReadingPrepaymentLines) {
  const LineCase cases[] = {
      {"sample line", "1 $5,000.00", false, 1, 5000},
      {"zero amount", "13 $0.00", false, 13, 0},
      {"row not shown", " $0.00", true, 0, 0},
      {"no blank", "12$5.00", true, 0, 0},
      {"four decimals", "7 $1.2345", false, 7, 1.2345},
      {"trailing blanks", "8 $12.50   ", false, 8, 12.5},
      {"text after the amount", "9 $12.50 extra", false, 9, 12.5},
      {"leading zeros", "007 $1.00", false, 7, 1},
      {"large amount", "3 $99,999,999,999,999.99", false, 3, 99999999999999.99},
      {"no decimals", "4 $250", false, 4, 250},
      {"second decimal point ends the amount", "5 $1.234.56", false, 5, 1.234},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto entry = ParsePrepaymentLine(c.line);
    ASSERT_EQ(!entry.has_value(), c.skipped);
    if (!entry) continue;
    EXPECT_EQ(entry->PmtNo, c.pmt);
    EXPECT_EQ(entry->Amount, c.amount);
  }
}

TEST(AmortizationTexts, UnreadableLinesAreConversionErrors) {
  for (const char* line : {"abc $1.00", "1 $abc", "1 $", "1 $$5.00", "99999999999 $1.00", "1 x"}) {
    EXPECT_THROW(ParsePrepaymentLine(line), EConvertError) << line;
  }
}

TEST(AmortizationTexts, DirectAmountReadingMatchesTextToCurrency) {
  std::mt19937_64 rng(3);
  for (int i = 0; i < 20000; ++i) {
    const double v = static_cast<double>(rng() % 100000000000ULL) / 100.0;
    const std::string cell = FloatToText(v, FloatStyle::Currency, 15, 2);
    const auto entry = ParsePrepaymentLine("1 " + cell);
    ASSERT_TRUE(entry.has_value());
    ASSERT_EQ(entry->Amount, TextToCurrency(cell.substr(1)).ToDouble()) << cell;
  }
}

TEST(AmortizationTexts, ApplyingTheListEqualsOneSetPrepaymentPerLine) {
  const std::vector<std::string> lines = {"1 $5,000.00", "2 $0.00", " $0.00",    "3 $12.34",
                                          "1 $100.00",   "400 $1.00", "0 $2.00"};
  TMortgage single = build(360, 100000, 0.0875, 1, 2000);
  TMortgage batch = build(360, 100000, 0.0875, 1, 2000);
  int singleMessages = 0, batchMessages = 0;
  single.SetMessageSink([&](const std::string&) { ++singleMessages; });
  batch.SetMessageSink([&](const std::string&) { ++batchMessages; });
  for (const std::string& line : lines)
    if (auto e = ParsePrepaymentLine(line)) single.SetPrepayment(e->PmtNo, e->Amount);
  ApplyPrepaymentList(batch, lines);
  EXPECT_EQ(singleMessages, 2);
  EXPECT_EQ(batchMessages, 2);  // one message per line outside the schedule
  for (size_t i = 0; i < 360; ++i) {
    ASSERT_EQ(single.Payments[i].Prepayment, batch.Payments[i].Prepayment);
    ASSERT_EQ(single.Payments[i].Balance, batch.Payments[i].Balance);
  }
  EXPECT_EQ(batch.Payments[0].Prepayment, 100);
}

TEST(AmortizationTexts, AnUnreadableLineEndsTheListAfterTheLinesBeforeIt) {
  TMortgage m = build(360, 100000, 0.0875, 1, 2000);
  EXPECT_THROW(ApplyPrepaymentList(m, {"1 $10.00", "2 $oops", "3 $30.00"}), EConvertError);
  EXPECT_EQ(m.Payments[0].Prepayment, 10);
  EXPECT_EQ(m.Payments[2].Prepayment, 0);
  EXPECT_EQ(m.Payments[0].Principal, m.Payment - m.Payments[0].Interest + 10);  // recalculated
}

TEST(AmortizationTexts, MonthlyRowOfTheSampleLoan) {
  const TMortgage m = build(360, 100000, 0.0875, 1, 2000);
  MonthlyRowTexts r;
  ASSERT_TRUE(FormatMonthlyRow(m.Payments[0], r));
  EXPECT_EQ(r, (MonthlyRowTexts{"1", "Jan 2000", "$57.53", "$729.17", "$57.53", "$729.17", "$0.00", "$99,942.47"}));
  ASSERT_TRUE(FormatMonthlyRow(m.Payments[359], r));
  EXPECT_EQ(r[0], "360");
  EXPECT_EQ(r[1], "Dec 2029");
  EXPECT_EQ(r[7], "$0.97");
}

TEST(AmortizationTexts, MonthlyRowDateIsCutToEightCharacters) {
  const TMortgage m = build(2, 1000, 0.05, 1, 10000);
  MonthlyRowTexts r;
  ASSERT_TRUE(FormatMonthlyRow(m.Payments[0], r));
  EXPECT_EQ(r[1], "Jan 1000");
  const TMortgage zero = build(2, 1000, 0.05, 5, 0);
  ASSERT_TRUE(FormatMonthlyRow(zero.Payments[0], r));
  EXPECT_EQ(r[1], "May 0");
}

TEST(AmortizationTexts, MonthlyAmountCellsEqualTheCurrencyFormOfTheCentText) {
  std::mt19937_64 rng(5);
  std::vector<double> values = {0,    -0.0,  -0.001, 0.004,         0.005, -12.5, 999.995, 1e12, 123456789012.34,
                                1e13, -1e12, 1e15,   9.87654321e14, 5e20};
  for (int i = 0; i < 50000; ++i) {
    double v = static_cast<double>(rng() % 10000000000000ULL) / std::pow(10.0, static_cast<double>(rng() % 8));
    if (rng() % 5 == 0) v = -v;
    values.push_back(v);
  }
  for (int i = 0; i < 5000; ++i) {  // texts cut after 15 characters
    double v = static_cast<double>(rng() % 1000000000000ULL) * std::pow(10.0, static_cast<double>(rng() % 8));
    if (rng() % 3 == 0) v = -v;
    values.push_back(v + 0.25);
  }
  for (double v : values) {
    bool zero = false;
    const std::string cell = MonthlyAmountCell(v, zero);
    std::string text = FormatPaymentAmount(v);
    text.erase(0, text.find_first_not_of(' '));
    const double shown = StrToFloat(text);
    ASSERT_EQ(cell, FloatToText(shown, FloatStyle::Currency, 15, 2)) << v;
    ASSERT_EQ(zero, shown == 0.0) << v;
  }
}

TEST(AmortizationTexts, MonthlyGridEndsAtThePayoffRow) {
  TMortgage m = build(360, 100000, 0.0875, 1, 2000);
  m.SetPrepayment(10, 200000);
  const MonthlyGrid grid(m);
  EXPECT_EQ(grid.paymentRows(), 10);
  EXPECT_EQ(grid.rows[10][7], "$0.00");
  const auto annual = grid.annual();
  ASSERT_EQ(annual.size(), 1u);
  EXPECT_EQ(annual[0][1], "Jan - Dec 2000");
}

TEST(AmortizationTexts, LoanOfZeroShowsOneBlankRowAndNoAnnualRows) {
  const MonthlyGrid grid(build(360, 0, 0.0875, 1, 2000));
  EXPECT_EQ(grid.paymentRows(), 1);
  EXPECT_EQ(grid.rows[1][0], " ");
  EXPECT_TRUE(grid.annual().empty());
}

struct AnnualCase {
  const char* name;
  int term, month, year;
  size_t rows;
  std::vector<std::pair<size_t, std::string>> periods;  // annual row (1-based) -> period
};

TEST(AmortizationTexts, AnnualPeriods) {
  const AnnualCase cases[] = {
      {"January start", 360, 1, 2000, 30, {{1, "Jan - Dec 2000"}, {2, "Jan - Dec 2001"}, {30, "Jan - Dec 2029"}}},
      {"March start",
       360,
       3,
       2000,
       31,
       {{1, "Mar - Dec 2000"}, {2, "Jan - Dec 2001"}, {30, "Jan - Dec 2029"}, {31, "Jan - Feb 2030"}}},
      {"December start", 360, 12, 2000, 31, {{1, "Dec 2000"}, {2, "Jan - Dec 2001"}, {31, "Jan - Nov 2030"}}},
      {"one month left over", 12, 2, 2000, 2, {{1, "Feb - Dec 2000"}, {2, "Jan 2001"}}},
      {"February start, last period one month", 360, 2, 2000, 31, {{1, "Feb - Dec 2000"}, {31, "Jan 2030"}}},
      {"five payments", 5, 3, 2000, 1, {{1, "Mar - Dec 2000"}}},
      {"year of five digits", 24, 1, 10000, 2, {{1, "Jan - Dec 1000"}, {2, "Jan - Dec 1001"}}},
  };
  for (const AnnualCase& c : cases) {
    SCOPED_TRACE(c.name);
    const MonthlyGrid grid(build(c.term, 100000, 0.0875, c.month, c.year));
    const auto annual = grid.annual();
    ASSERT_EQ(annual.size(), c.rows);
    for (size_t i = 0; i < annual.size(); ++i) EXPECT_EQ(annual[i][0], std::to_string(i + 1));
    for (const auto& [row, period] : c.periods) EXPECT_EQ(annual[row - 1][1], period) << row;
  }
}

// The annual sums are sums of the cents on show, month by month.
TEST(AmortizationTexts, AnnualSumsAreSumsOfTheMonthlyCents) {
  TMortgage m = build(360, 100000, 0.0875, 3, 2000);
  m.SetPrepaymentRange(1, 12, 5000);
  const MonthlyGrid grid(m);
  const auto annual = grid.annual();
  const auto centsOf = [](const std::string& cell) { return std::llround(ChangeCurrencyStringToFloat(cell) * 100); };
  int next = 1;
  for (size_t y = 0; y < annual.size(); ++y) {
    const int months = y == 0 ? 10 : std::min(12, grid.paymentRows() - next + 1);
    long long principal = 0, interest = 0;
    for (int k = 0; k < months; ++k, ++next) {
      principal += centsOf(grid.rows[static_cast<size_t>(next)][2]);
      interest += centsOf(grid.rows[static_cast<size_t>(next)][3]);
    }
    ASSERT_EQ(centsOf(annual[y][2]), principal) << y;
    ASSERT_EQ(centsOf(annual[y][3]), interest) << y;
    ASSERT_EQ(centsOf(annual[y][4]), principal + interest) << y;
  }
  // The same doubles as summing the readings of the cells one by one.
  double principal = 0, interest = 0;
  for (int r = 1; r <= 10; ++r) {
    principal += ChangeCurrencyStringToFloat(grid.rows[static_cast<size_t>(r)][2]);
    interest += ChangeCurrencyStringToFloat(grid.rows[static_cast<size_t>(r)][3]);
  }
  EXPECT_EQ(annual[0][2], FloatToText(principal, FloatStyle::Currency, 10, 2));
  EXPECT_EQ(annual[0][3], FloatToText(interest, FloatStyle::Currency, 10, 2));
  EXPECT_EQ(annual[0][4], FloatToText(principal + interest, FloatStyle::Currency, 10, 2));
  EXPECT_EQ(next, grid.paymentRows() + 1);
}

// Cells restored from a document are read the general way: the sums follow the
// reading of each cell, whatever its form.
TEST(AmortizationTexts, AnnualSumsOfCellsInOtherForms) {
  MonthlyGrid grid(build(3, 1000, 0.05, 1, 2000));
  grid.rows[1][2] = "$1,000";
  grid.rows[2][2] = "$,5.5";
  grid.rows[3][2] = "$0.125";
  grid.rows[1][3] = "x12.345";
  grid.rows[2][3] = "$0.00";
  grid.rows[3][3] = "$1e2";
  const auto annual = grid.annual();
  ASSERT_EQ(annual.size(), 1u);
  const double principal = 1000 + 5.5 + 0.125, interest = 12.345 + 0 + 100;
  EXPECT_EQ(annual[0][2], FloatToText(principal, FloatStyle::Currency, 10, 2));
  EXPECT_EQ(annual[0][3], FloatToText(interest, FloatStyle::Currency, 10, 2));
}

TEST(AmortizationTexts, UnreadableMonthlyCellsAreConversionErrors) {
  MonthlyGrid grid(build(12, 1000, 0.05, 1, 2000));
  grid.rows[3][2] = "garbage";
  EXPECT_THROW(grid.annual(), EConvertError);
  MonthlyGrid badDate(build(12, 1000, 0.05, 1, 2000));
  badDate.rows[1][1] = "Jan x";
  EXPECT_THROW(badDate.annual(), EConvertError);
}

}  // namespace
}  // namespace zeb
