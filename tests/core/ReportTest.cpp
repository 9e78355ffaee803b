// The report engine's core: templates, object lookup, page layout, text fitting, the
// value text forms and the CSV of a report's table.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "reports/Report.h"
#include "reports/ReportForms.h"
#include "reports/TextMetrics.h"

namespace zeb {
namespace {

// A small schedule-like template: a title, a page header, two data cells, a footer.
const std::map<std::string, std::string> kParts = {
    {"title", "text lblReportTitle 4 40 696 30 14 bold left \"lblReportTitle\"\n"},
    {"footer",
     "band PageFooter1 footer 74\n"
     "rule Line3 0 32 712 2\n"
     "text lblDisclaimer 28 32 712 46 8 regular left wrap \"NOTE:  Though effort was made to ensure the "
     "accuracy of these calculations, there is  NO WARRANTY,  expressed or implied, for the accuracy or "
     "applicability of this information to your particular financial question.  Please consult your own "
     "financial advisor before making any financial decision based upon these results.\"\n"}};

const char* const kSchedule =
    "# a comment line\n"
    "report frSmall\n"
    "top 48\n"
    "band ReportTitle1 title 78\n"
    "include title\n"
    "band PageHeader1 header 78\n"
    "text lblLoanAmount 20 126 96 18 9 bold left \"$0.00\"\n"
    "text lblyear19 40 126 96 18 9 bold left \"\\\"quoted\\\"\"\n"
    "band MasterData1 data 18\n"
    "cell Cell1 46 50 18 8\n"
    "cell Cell2 96 90 18 8\n"
    "include footer\n";

std::string part(const std::string& name) { return kParts.at(name); }

// A schedule over `rows` records and the dataset that counts them.
struct Schedule {
  std::unique_ptr<TUserDataset> records = std::make_unique<TUserDataset>();
  std::unique_ptr<TReport> report;
  TReport* operator->() const { return report.get(); }
  TReport& operator*() const { return *report; }
};

Schedule schedule(int rows) {
  Schedule s;
  s.report = ParseReportTemplate(kSchedule, part);
  TUserDataset* r = s.records.get();
  r->OnCheckEOF = [r, rows] { return r->RecNo >= rows; };
  s.report->Dataset = r;
  s.report->OnGetValue = [r](const std::string& name, std::string& value, bool& assigned) {
    if (name == "Cell1") value = std::to_string(r->RecNo), assigned = true;
    if (name == "Cell2") value = "($1,234.50)", assigned = true;
  };
  return s;
}

int countItems(const TPageDescription& d, std::size_t page, std::string_view object) {
  return static_cast<int>(d.Find(page, object).size());
}

TEST(ReportTemplate, LocateObjectIgnoresLetterCase) {
  auto report = ParseReportTemplate(kSchedule, part);
  struct Case {
    const char* asked;
    const char* found;  // nullptr: none
  } cases[] = {
      {"lblYear19", "lblyear19"},
      {"LBLREPORTTITLE", "lblReportTitle"},
      {"lbldisclaimer", "lblDisclaimer"},
      {"Line3", nullptr},  // a rule is no text object
      {"lblMissing", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.asked);
    TReportObject* o = report->LocateObject(c.asked);
    if (!c.found) {
      EXPECT_EQ(o, nullptr);
      SetObjectText(o, "skipped without harm");
    } else {
      ASSERT_NE(o, nullptr);
      EXPECT_EQ(o->name, c.found);
    }
  }
  EXPECT_EQ(report->LocateObject("lblyear19")->text, "\"quoted\"");
  EXPECT_EQ(report->ColumnCount(), 2);
}

TEST(ReportTemplate, MalformedLinesNameTheirPlace) {
  struct Case {
    const char* name;
    std::string text;
    const char* message;
  } cases[] = {
      {"unknown line", "report r\nband B title 10\nlabel x\n", "template line 3: unknown line: label"},
      {"object before a band", "report r\nrule L 0 0 10 1\n", "template line 2: an object before the first band"},
      {"bad number", "report r\nband B title 1O\n", "template line 2: not a whole number: 1O"},
      {"text without quotes", "report r\nband B title 10\ntext t 0 0 9 9 8 bold left\n",
       "template line 3: 'text' takes 8 values and a quoted text"},
      {"unknown alignment", "report r\nband B title 10\ntext t 0 0 9 9 8 bold middle \"x\"\n",
       "template line 3: unknown alignment: middle"},
      {"error inside a part", "report r\nband B title 10\ninclude bad\n", "template line 3: bad line 1: unknown line: oops"},
      {"no report line", "band B title 10\n", "template: no 'report' line"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ParseReportTemplate(c.text, [](const std::string&) { return std::string("oops\n"); });
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(ReportLayout, RowsFlowOverPagesEachWithHeaderAndFooter) {
  struct Case {
    const char* name;
    int rows;
    std::vector<int> rowsPerPage;
  } cases[] = {
      // Page 1: title 48..126, header to 204, footer from 942: 41 rows; then 45 a page.
      {"empty grid", 0, {0}},
      {"two rows", 2, {2}},
      {"one page full", 41, {41}},
      {"one row more", 42, {41, 1}},
      {"361 rows", 361, {41, 45, 45, 45, 45, 45, 45, 45, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto report = schedule(c.rows);
    const TPageDescription d = BuildReport(*report);
    ASSERT_EQ(d.pages.size(), c.rowsPerPage.size());
    ASSERT_EQ(d.rows.size(), static_cast<std::size_t>(c.rows));
    int record = 0;
    for (std::size_t p = 0; p < d.pages.size(); ++p) {
      SCOPED_TRACE("page " + std::to_string(p + 1));
      EXPECT_EQ(countItems(d, p, "lblReportTitle"), p == 0 ? 1 : 0);
      EXPECT_EQ(countItems(d, p, "lblLoanAmount"), 1);
      EXPECT_EQ(countItems(d, p, "Line3"), 1);
      const auto firsts = d.Find(p, "Cell1");
      ASSERT_EQ(static_cast<int>(firsts.size()), c.rowsPerPage[p]);
      const int headerTop = p == 0 ? 48 + 78 : 48;
      EXPECT_EQ(d.Find(p, "lblLoanAmount")[0]->y, headerTop + 20);
      EXPECT_EQ(d.Find(p, "Line3")[0]->y, 942);
      for (std::size_t i = 0; i < firsts.size(); ++i, ++record) {
        EXPECT_EQ(firsts[i]->text, std::to_string(record));
        EXPECT_EQ(firsts[i]->y, headerTop + 78 + static_cast<int>(i) * 18);
        EXPECT_LE(firsts[i]->y + 18, 942);
        EXPECT_TRUE(firsts[i]->boxed);
      }
    }
    EXPECT_EQ(report.records->RecNo, c.rows);
  }
}

TEST(ReportLayout, RecordNumberRestartsOnEveryBuildAndUnknownVariablesPrintEmpty) {
  auto report = schedule(3);
  report.records->RecNo = 99;
  EXPECT_EQ(BuildReport(*report).rows.size(), 3u);
  EXPECT_EQ(BuildReport(*report).rows.size(), 3u);
  report->OnGetValue = [](const std::string&, std::string&, bool&) {};  // knows no name
  const TPageDescription d = BuildReport(*report);
  EXPECT_EQ(d.Find(0, "Cell1")[0]->text, "");
  EXPECT_EQ(d.rows[0], (std::vector<std::string>{"", ""}));
}

TEST(ReportLayout, ManualBuildEmitsTitleThenFooterAtTheFoot) {
  auto report = ParseReportTemplate(kSchedule, part);
  SetObjectText(report->LocateObject("lblReportTitle"), "Net Present Values");
  report->OnManualBuild = [](TPageBuilder& page) {
    page.EmitBand(TBandKind::ReportTitle);
    page.EmitBand(TBandKind::PageFooter);
  };
  const TPageDescription d = BuildReport(*report);
  ASSERT_EQ(d.pages.size(), 1u);
  EXPECT_EQ(d.title, "Net Present Values");
  EXPECT_EQ(d.Find(0, "lblReportTitle")[0]->y, 48 + 4);
  EXPECT_EQ(d.Find(0, "Line3")[0]->y, 942);
  EXPECT_EQ(countItems(d, 0, "Cell1"), 0);
  EXPECT_EQ(countItems(d, 0, "lblLoanAmount"), 0);
}

TEST(ReportLayout, DisclaimerWrapsOverThreeLinesKeepingItsDoubleBlanks) {
  auto report = schedule(0);
  const TPageDescription d = BuildReport(*report);
  const auto lines = d.Find(0, "lblDisclaimer");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0]->text.rfind("NOTE:  Though effort", 0), 0u) << lines[0]->text;
  std::string joined;
  for (const TPageItem* line : lines) {
    EXPECT_LE(TextWidthPx(line->text, 8, false), 712 - 2 * kTextInset);
    EXPECT_LE(line->y + line->height, 942 + 28 + 46);
    joined += (joined.empty() ? "" : " ") + line->text;
  }
  EXPECT_NE(joined.find("there is  NO WARRANTY,  expressed"), std::string::npos) << joined;
  EXPECT_NE(joined.find("question.  Please"), std::string::npos) << joined;
  EXPECT_EQ(joined.substr(joined.size() - 14), "these results.");
}

TEST(TextFitting, TextsWiderThanTheirObjectAreCutWithAnEllipsis) {
  struct Case {
    const char* name;
    std::string text;
    double width;
    double pt;
    bool bold;
    std::string expected;
  } cases[] = {
      {"fits", "$786.70", 94, 9, true, "$786.70"},
      {"empty", "", 10, 8, false, ""},
      {"loan of ten billions in the payment object", "$9,999,999,999.99", 94, 9, true, "$9,999,999,99\xE2\x80\xA6"},
      {"term of -32768 in the term object", "-32768", 35, 9, true, "-32\xE2\x80\xA6"},
      {"no room even for the ellipsis", "123", 5, 8, false, ""},
      {"characters beyond the table count as letters", "\xC3\xA9\xC3\xA9\xC3\xA9", 12, 8, false, "\xE2\x80\xA6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string fitted = FitText(c.text, c.width, c.pt, c.bold);
    EXPECT_EQ(fitted, c.expected);
    EXPECT_LE(TextWidthPx(fitted, c.pt, c.bold), c.width);
  }
  // "$0.00" in 8 pt: (1139 * 4 + 569) / 2048 em of 10.667 pixels.
  EXPECT_NEAR(TextWidthPx("$0.00", 8, false), 26.69, 0.01);
}

TEST(ReportForms, ValuesInEachTextForm) {
  struct Case {
    const char* name;
    std::string actual;
    std::string expected;
  } cases[] = {
      {"currency", ReportCurrency(1234.5), "$1,234.50"},
      {"negative currency in parentheses", ReportCurrency(-1234.5), "($1,234.50)"},
      {"currency keeps 15 digits", ReportCurrency(1234567890123.45), "$1,234,567,890,123.45"},
      {"short currency", ReportShortCurrency(250000), "$250,000.00"},
      {"short currency rounds to 10 digits", ReportShortCurrency(123456789.123), "$123,456,789.10"},
      {"rate with three decimals", ReportRate3(7.25), "7.250%"},
      {"rate with separators", ReportRate3(1234.5), "1,234.500%"},
      {"plain number", ReportPlainNumber(7.25), "7.25"},
      {"plain whole number", ReportPlainNumber(360), "360"},
      {"plain rate", ReportPlainRate(7.25), "7.25%"},
      {"plain rate of points", ReportPlainRate(1.5), "1.5%"},
      {"plain zero rate", ReportPlainRate(0), "0%"},
      {"whole number", ReportWholeNumber(-32768), "-32768"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(ReportCsv, AmountsBecomePlainNumbersAndFieldsAreQuotedWhenTheyMustBe) {
  struct Case {
    const char* text;
    const char* plain;
  } amounts[] = {
      {"$1,234.50", "1234.50"}, {"($1,234.50)", "-1234.50"}, {"$0.00", "0.00"},     {"$786", "786"},
      {"1,234.560", "1234.560"}, {"Jan 2000", "Jan 2000"},   {"360", "360"},       {"7.250%", "7.250%"},
      {"1,23", "1,23"},          {"(note)", "(note)"},       {"$", "$"},           {"", ""},
      {" $75,000", "75000"},     {" Loan / Rate", "Loan / Rate"},
  };
  for (const Case& c : amounts) EXPECT_EQ(PlainAmount(c.text), c.plain) << c.text;

  const std::string csv = TableToCsv({}, {{"PMT", "Month", "Balance"},
                                          {"1", "Jan 2000", "$99,942.47"},
                                          {"2", "say \"hi\", then\nbye", "($5.00)"}});
  EXPECT_EQ(csv,
            "PMT,Month,Balance\r\n"
            "1,Jan 2000,99942.47\r\n"
            "2,\"say \"\"hi\"\", then\nbye\",-5.00\r\n");
  EXPECT_EQ(TableToCsv({"Year", "Total Depreciation"}, {{"1", "$1,000.00"}}),
            "Year,Total Depreciation\r\n1,1000.00\r\n");
}

}  // namespace
}  // namespace zeb
