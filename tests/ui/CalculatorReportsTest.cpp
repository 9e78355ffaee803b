// The six single-page calculator reports: what each print routine puts on its one page
// (through the page description the preview would show), where it goes, and the PDF
// that the preview saves.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "UiFixture.h"
#include "calculators/CapRatePage.h"
#include "calculators/FutureValuesPage.h"
#include "calculators/LoanComparisonPage.h"
#include "calculators/RatesOfReturnPage.h"
#include "calculators/RefinancingPage.h"
#include "reports/ReportPreviewQt.h"
#include "reports/ReportsQt.h"
#include "reports/TextMetrics.h"
#include "widgets/ComboBox.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Guarded.h"
#include "widgets/Mneyedit.h"
#include "widgets/NumCtrl.h"
#include "widgets/PictureField.h"

namespace zeb::test {
namespace {

std::string text(const TPageDescription& d, const std::string& object) {
  const auto items = d.Find(0, object);
  return items.empty() ? std::string("<missing>") : items.front()->text;
}

// Every text fits its object's width (cut with "…" when it must), inside the sheet;
// no two objects' boxes meet.
void expectTidyPage(const TPageDescription& d) {
  ASSERT_EQ(d.pages.size(), 1u);
  const std::vector<TPageItem>& items = d.pages[0].items;
  for (const TPageItem& item : items) {
    if (item.kind != TPageItem::Kind::Text) continue;
    EXPECT_LE(TextWidthPx(item.text, item.fontPt, item.bold), item.width - 2 * kTextInset)
        << item.object << ": " << item.text;
    EXPECT_LE(item.x + item.width, TPageDescription::kPageWidth) << item.object;
    EXPECT_LE(item.y + item.height, TPageDescription::kPageHeight) << item.object;
  }
  for (std::size_t i = 0; i < items.size(); ++i)
    for (std::size_t j = i + 1; j < items.size(); ++j) {
      const TPageItem& a = items[i];
      const TPageItem& b = items[j];
      if (a.kind != TPageItem::Kind::Text || b.kind != TPageItem::Kind::Text || a.object == b.object) continue;
      const bool meet = a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
      EXPECT_FALSE(meet) << a.object << " and " << b.object;
    }
}

// Every entry and result text of a page, to show that printing leaves the page alone.
QStringList fieldTexts(const QWidget* page) {
  QStringList texts;
  for (const QLineEdit* edit : page->findChildren<const QLineEdit*>()) texts << edit->objectName() + "=" + edit->text();
  return texts;
}

QString pdfText(const QString& file) {
  QProcess p;
  p.start("pdftotext", {"-layout", file, "-"});
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

class CalculatorReports : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    // Each page's sample values, whose results are stored, not computed.
    for (const char* key : {"LC", "RC", "FV", "ROR", "DCF", "pgCapRate"}) {
      window->ShowPageByKey(key);
      window->Action("mnuResetSamples")->trigger();
    }
  }
  // Prints the page of `key` as the Print command does and gives the one page built.
  TPageDescription print(const char* key) {
    window->ShowPageByKey(key);
    previews.previews.clear();
    window->Print();
    EXPECT_EQ(previews.previews.size(), 1u) << log.informationTexts().join("|").toStdString();
    if (previews.previews.empty()) throw std::runtime_error("no preview");
    return previews.previews.back().pages;
  }
  template <class T>
  T* field(const std::string& name) const {
    return find<T>(name.c_str());
  }
  ReportPreviewRecorder previews;
};

struct Expected {
  const char* object;
  const char* text;
};

struct SampleCase {
  const char* name;
  const char* key;
  const char* report;
  const char* title;
  std::vector<Expected> figures;
};

// The sample values of each page print as the page shows them.
const std::vector<SampleCase>& sampleCases() {
  static const std::vector<SampleCase> cases = {
      {"loan_comparison", "LC", "frLoanComparison", "Loan Comparison",
       {{"lblLoanAmount1", "$100,000.00"},  {"lblInterestRate1", "8.75%"},   {"lblNumberPayments1", "360"},
        {"lblLCPoints1", "0%"},             {"lblPaymentAmount1", "$786.70"}, {"lblTotalPaid1", "$283,212.15"},
        {"lblLoanCost1", "$183,212.15"},    {"lblLCPointsCost1", "$0.00"},    {"lblLCPoints2", "1%"},
        {"lblPaymentAmount3", "$822.68"},   {"lblInterestRate4", "9.25%"},    {"lblTotalPaid5", "$284,212.15"},
        {"lblLoanAmount6", "$95,000.00"},   {"lblNumberPayments6", "240"},    {"lblLCPoints6", "2%"},
        {"lblPaymentAmount6", "$839.53"},   {"lblTotalPaid6", "$203,386.04"}, {"lblLoanCost6", "$106,486.04"},
        {"lblLCPointsCost6", "$1,900.00"}}},
      {"refinancing", "RC", "frRefinancingCalc", "Refinancing Calculation",
       {{"lblOldBalance", "$100,000.00"},
        {"lblOldTerm", "360"},
        {"lblOldInterestRate", "8.75%"},
        {"lblOldPaymentsMade", "0"},
        {"lblOldPayment", "$786.70"},
        {"lblNewLoan", "$100,000.00"},
        {"lblNewTerm", "240"},
        {"lblNewInterestRate", "7.25%"},
        {"lblRefiClosingCosts", "$0.00"},
        {"lblNewPayment", "$790.38"},
        {"lblWhenYouSell", "If you sell in 240 months, this refinancing scenario may save you money as indicated below:"},
        {"lblOldPaymentsRemaining", "360"},
        {"lblMonthsUntilSell", "240"},
        {"lblPaymentSaved", "($3.68)"},
        {"lblTotalPaymentSaved", "($882.14)"},
        {"lblOldEquity", "$37,228.05"},
        {"lblNewEquity", "$100,000.00"},
        {"lblEquitySavings", "$62,771.95"},
        {"lblTotalSaved", "$61,889.81"}}},
      {"future_values", "FV", "frFutureValues", "Future Values",
       {{"lblP1", "$10,000.00"}, {"lblct1", "Monthly"},     {"lblfvpmt1", "$100.00"}, {"lblrate1", "8.750%"},
        {"lblper1", "12"},       {"lblfvsi1", "$12,160.27"}, {"lblper3", "36"},        {"lblfvsi3", "$17,089.12"},
        {"lblP5", "$10,000.00"}, {"lblct5", "Monthly"},     {"lblper5", "60"},        {"lblfvsi5", "$22,956.86"}}},
      {"rates_of_return", "ROR", "frRatesOfReturn", "Rates of Return",
       {{"lblRorBV1", "$2,500.00"},
        {"lblRorEV1", "$2,600.00"},
        {"lblRorDV1", "$0.00"},
        {"lblRor1", "4.000%"},
        {"lblRorDV4", "$150.00"},
        {"lblRor4", "13.000%"},
        {"lblRorBV5", "$10,000.00"},
        {"lblRorEV5", "$11,000.00"},
        {"lblRorDV5", "$100.00"},
        {"lblRor5", "11.000%"}}},
      {"net_present_values", "DCF", "frNPV", "Net Present Values",
       {{"lblYear1", "$9,000.00"},   {"lblYear2", "$0.00"},       {"lblYear3", "($3,000.00)"},
        {"lblYear9", "$137,580.00"}, {"lblyear19", "$0.00"},      {"lblYear30", "$0.00"},
        {"lblDR1", "5.000%"},        {"lblDR5", "9.000%"},        {"lblNPV1", "$129,493.05"},
        {"lblNPV3", "$111,841.28"},  {"lblNPV5", "$97,037.33"},   {"Memo1", "1"},
        {"Memo4", "4"},              {"Memo6", "5"},              {"Memo31", "30"}}},
      {"capitalization_rates", "pgCapRate", "frCapRate", "Capitalization Rates",
       {{"lblNetOperatingIncome1", "$0.00"}, {"lblValue1", "$0.00"}, {"lblCapRate1", "0%"}, {"lblCapRate5", "0%"}}},
  };
  return cases;
}

TEST_F(CalculatorReports, SampleValuesPrintAsThePageShowsThemOnOnePage) {
  for (const SampleCase& c : sampleCases()) {
    SCOPED_TRACE(c.name);
    const QStringList before = fieldTexts(window->Page(c.key));
    const TPageDescription d = print(c.key);
    EXPECT_EQ(d.report, c.report);
    EXPECT_EQ(d.title, c.title);
    EXPECT_EQ(text(d, "lblHeader1"), "Quorvane       www.quorvane.example");
    EXPECT_EQ(text(d, "lblHeader2"), "Financing for Commercial Real Estate, Coast to Coast");
    EXPECT_EQ(text(d, "lblApplicationTitle"), "ZEB Devovederi Dunmarrow, 2.1.02");
    EXPECT_EQ(text(d, "lblURL"), "www.quorvane.example");
    EXPECT_EQ(d.Find(0, "lblDisclaimer").size(), 3u);
    EXPECT_TRUE(d.rows.empty());
    for (const Expected& e : c.figures) EXPECT_EQ(text(d, e.object), e.text) << e.object;
    expectTidyPage(d);
    EXPECT_EQ(fieldTexts(window->Page(c.key)), before) << "printing changes nothing on the page";
    EXPECT_EQ(print(c.key).PageText(0), d.PageText(0)) << "a second print is the same";
  }
}

TEST_F(CalculatorReports, TheRefinancingSentenceFollowsThePagesLabel) {
  field<TOvcPictureField>("edtMonthsUntilSell")->SetAsInteger(60);
  window->Refinancing()->CalcRefi();
  const std::string label = field<QLabel>("LblSell")->text().toStdString();
  EXPECT_EQ(label, "If you sell in 60 months,");
  const TPageDescription d = print("RC");
  EXPECT_EQ(text(d, "lblWhenYouSell"), label + " this refinancing scenario may save you money as indicated below:");
  EXPECT_EQ(text(d, "lblMonthsUntilSell"), "60");
}

// The forms of the edge cases: a rate of 7.25 is a plain rate on three reports and has
// three decimals on the other three; points of 1.5 print as 1.5%; a zero row prints
// $0.00 and 0%; the thirtieth year's zero cash flow prints and every year number does.
TEST_F(CalculatorReports, RatesPointsAndZerosInTheirForms) {
  struct Case {
    const char* name;
    const char* key;
    const char* field;
    double value;
    std::vector<Expected> expected;
  } cases[] = {
      {"loan_comparison_rate", "LC", "edtLCInterest1", 7.25, {{"lblInterestRate1", "7.25%"}}},
      {"refinancing_rate", "RC", "edtNewInterestRate", 7.25, {{"lblNewInterestRate", "7.25%"}}},
      {"capitalization_rate", "pgCapRate", "edtCRCapitalizationRate1", 7.25, {{"lblCapRate1", "7.25%"}}},
      {"future_value_rate", "FV", "edtFVir2", 7.25, {{"lblrate2", "7.250%"}}},
      {"rate_of_return", "ROR", "edtROR3", 7.25, {{"lblRor3", "7.250%"}}},
      {"discount_rate", "DCF", "edtDiscountRate4", 7.25, {{"lblDR4", "7.250%"}}},
      {"five_decimals", "RC", "edtOldInterestRate", 8.12345, {{"lblOldInterestRate", "8.12345%"}}},
      {"points", "LC", "edtLCPoints2", 1.5, {{"lblLCPoints2", "1.5%"}}},
      {"year_19", "DCF", "edtDCFYear19", 1234.5, {{"lblyear19", "$1,234.50"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget* f = window->Page(c.key)->findChild<QWidget*>(c.field);
    ASSERT_NE(f, nullptr);
    if (auto* money = qobject_cast<TMoneyEdit*>(f)) money->SetTextAsFloat(c.value);
    else if (auto* picture = qobject_cast<TOvcPictureField*>(f)) picture->SetAsFloat(c.value);
    else if (auto* points = qobject_cast<TNumEdit*>(f)) points->SetValue(c.value);
    const TPageDescription d = print(c.key);
    for (const Expected& e : c.expected) EXPECT_EQ(text(d, e.object), e.text) << e.object;
  }

  // A loan row of zeros, and a thirtieth year of zero after twenty-nine others.
  window->LoanComparisons()->WriteValues(false);
  const TPageDescription zeros = print("LC");
  for (const char* object : {"lblLoanAmount3", "lblPaymentAmount3", "lblTotalPaid3", "lblLoanCost3", "lblLCPointsCost3"})
    EXPECT_EQ(text(zeros, object), "$0.00") << object;
  EXPECT_EQ(text(zeros, "lblInterestRate3"), "0%");
  EXPECT_EQ(text(zeros, "lblLCPoints3"), "0%");
  EXPECT_EQ(text(zeros, "lblNumberPayments3"), "0");

  for (int k = 1; k <= 29; ++k) field<TMoneyEdit>("edtDCFYear" + std::to_string(k))->SetTextAsFloat(1000 * k);
  field<TMoneyEdit>("edtDCFYear30")->SetTextAsFloat(0);
  const TPageDescription years = print("DCF");
  EXPECT_EQ(text(years, "lblYear29"), "$29,000.00");
  EXPECT_EQ(text(years, "lblYear30"), "$0.00");
  const char* memos[] = {"Memo1", "Memo2", "Memo3", "Memo4"};
  for (int k = 1; k <= 30; ++k) {
    const std::string memo = k <= 4 ? memos[k - 1] : "Memo" + std::to_string(k + 1);
    EXPECT_EQ(text(years, memo), std::to_string(k)) << memo;
    EXPECT_EQ(years.Find(0, memo)[0]->y, years.Find(0, k == 19 ? "lblyear19" : "lblYear" + std::to_string(k))[0]->y);
  }
}

// Results print as they stand: an input changed without recalculating prints beside the
// results of the previous calculation.
TEST_F(CalculatorReports, ResultsPrintAsTheyStandWithoutRecalculation) {
  field<TMoneyEdit>("edtLCLoan1")->SetTextAsFloat(50000);
  field<TMoneyEdit>("edtFVp2")->SetTextAsFloat(0);
  field<TMoneyEdit>("edtRORBV1")->SetTextAsFloat(1000);
  const TPageDescription lc = print("LC");
  EXPECT_EQ(text(lc, "lblLoanAmount1"), "$50,000.00");
  EXPECT_EQ(text(lc, "lblPaymentAmount1"), "$786.70");
  const TPageDescription fv = print("FV");
  EXPECT_EQ(text(fv, "lblP2"), "$0.00");
  EXPECT_EQ(text(fv, "lblfvsi2"), "$14,517.34");
  const TPageDescription ror = print("ROR");
  EXPECT_EQ(text(ror, "lblRorBV1"), "$1,000.00");
  EXPECT_EQ(text(ror, "lblRor1"), "4.000%");
}

// An object the template lacks is skipped and the rest is filled; a field the page lacks
// leaves its object's text as it was.
TEST_F(CalculatorReports, MissingObjectsAndFieldsAreSkipped) {
  TReport& report = window->Reports().Get("frLoanComparison");
  TBand& title = report.bands.front();
  const auto erased = std::erase_if(title.objects, [](const TReportObject& o) { return o.name == "lblLoanAmount3"; });
  ASSERT_EQ(erased, 1u);
  delete field<TOvcPictureField>("edtLCTotalPaid2");
  const TPageDescription d = print("LC");
  EXPECT_TRUE(d.Find(0, "lblLoanAmount3").empty());
  EXPECT_EQ(text(d, "lblTotalPaid2"), "$0.00") << "the placeholder";
  EXPECT_EQ(text(d, "lblLoanAmount2"), "$100,000.00");
  EXPECT_EQ(text(d, "lblInterestRate3"), "9.25%");
  EXPECT_EQ(text(d, "lblLCPointsCost6"), "$1,900.00");
  EXPECT_EQ(d.pages.size(), 1u);
}

// Where the objects stand on the sheet: the title band starts 60 pixels down (48 for
// future values, 56 for refinancing), captions sit over their columns, rows are 22
// pixels apart, and the footer closes the one page.
TEST_F(CalculatorReports, ObjectsStandWhereTheLayoutPutsThem) {
  struct Place {
    const char* key;
    const char* object;
    int x, y, width;
    double pt;
    bool bold;
    TAlign align;
  } places[] = {
      {"LC", "lblReportTitle", 40, 64, 696, 14, true, TAlign::Left},
      {"LC", "Memo19", 660, 166, 85, 9, true, TAlign::Center},
      {"LC", "lblLoanAmount1", 36, 196, 80, 9, false, TAlign::Center},
      {"LC", "lblLCPointsCost6", 663, 306, 80, 9, false, TAlign::Center},
      {"RC", "lbl1", 313, 168, 152, 12, true, TAlign::Center},
      {"RC", "lblOldPayment", 584, 230, 120, 9, true, TAlign::Center},
      {"RC", "lbl3", 265, 464, 248, 12, true, TAlign::Center},
      {"RC", "lblWhenYouSell", 123, 516, 532, 8, false, TAlign::Center},
      {"RC", "lblDR1", 115, 556, 270, 9, true, TAlign::Right},
      {"RC", "Memo14", 209, 772, 176, 9, true, TAlign::Right},
      {"RC", "lblTotalSaved", 392, 772, 150, 9, true, TAlign::Right},
      {"FV", "Memo32", 295, 147, 100, 9, true, TAlign::Center},
      {"FV", "Memo5", 611, 159, 100, 9, true, TAlign::Center},
      {"FV", "lblP1", 55, 201, 125, 9, true, TAlign::Center},
      {"FV", "lblfvsi5", 599, 289, 125, 9, true, TAlign::Center},
      {"ROR", "lbl3", 414, 172, 112, 9, true, TAlign::Center},
      {"ROR", "lblRor5", 559, 307, 150, 9, true, TAlign::Center},
      {"DCF", "lbl3", 438, 160, 100, 9, true, TAlign::Center},
      {"DCF", "Memo31", 115, 834, 58, 9, true, TAlign::Center},
      {"DCF", "lblyear19", 179, 592, 150, 9, true, TAlign::Right},
      {"DCF", "lblDR5", 438, 284, 102, 9, true, TAlign::Center},
      {"DCF", "lblNPV5", 547, 284, 150, 9, true, TAlign::Right},
      {"pgCapRate", "lbl1", 157, 186, 136, 9, true, TAlign::Center},
      {"pgCapRate", "lblCapRate5", 478, 307, 150, 9, true, TAlign::Center},
      {"pgCapRate", "lblApplicationTitle", 32, 946, 352, 8, false, TAlign::Left},
  };
  for (const Place& p : places) {
    SCOPED_TRACE(std::string(p.key) + " " + p.object);
    const TPageDescription d = print(p.key);
    const auto items = d.Find(0, p.object);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0]->x, p.x);
    EXPECT_EQ(items[0]->y, p.y);
    EXPECT_EQ(items[0]->width, p.width);
    EXPECT_EQ(items[0]->fontPt, p.pt);
    EXPECT_EQ(items[0]->bold, p.bold);
    EXPECT_EQ(items[0]->align, p.align);
  }

  // The rules: Line1 of 2 points below the header lines; Line2 under the captions (none
  // in the refinancing report, 2 points in the present values).
  struct Rules {
    const char* key;
    int top;     // the title band's
    int line2;   // 0: none
    double pen2;
  } rules[] = {{"LC", 60, 128, 1}, {"RC", 56, 0, 0},    {"FV", 48, 132, 1},
               {"ROR", 60, 150, 1}, {"DCF", 60, 128, 2}, {"pgCapRate", 60, 150, 1}};
  for (const Rules& r : rules) {
    SCOPED_TRACE(r.key);
    const TPageDescription d = print(r.key);
    ASSERT_EQ(d.Find(0, "Line1").size(), 1u);
    const TPageItem* line1 = d.Find(0, "Line1")[0];
    EXPECT_EQ(line1->y, r.top + 91);
    EXPECT_EQ(line1->x, 32);
    EXPECT_EQ(line1->width, 712);
    EXPECT_EQ(line1->penPt, 2);
    const auto line2 = d.Find(0, "Line2");
    ASSERT_EQ(line2.size(), r.line2 ? 1u : 0u);
    if (r.line2) {
      EXPECT_EQ(line2[0]->y, r.top + r.line2);
      EXPECT_EQ(line2[0]->penPt, r.pen2);
      EXPECT_EQ(line2[0]->width, 712);
    }
    EXPECT_EQ(d.Find(0, "Line3")[0]->y, TPageDescription::kPageHeight - TPageBuilder::kFooterBottomMargin - 74);
  }
}

// Values at the fields' maxima, results too wide for their page fields and negative
// results: every text stays in its box, negatives in their forms, and printing never
// fails.
TEST_F(CalculatorReports, ExtremeAndNegativeValuesStayInsideTheirBoxes) {
  // Every money entry at the most its field takes, terms and counts at their limits.
  for (TMoneyEdit* money : window->findChildren<TMoneyEdit*>())
    money->SetTextAsFloat(money->Decimals() == 2 ? 9999999999.99L : 99999999.99999L);
  for (const char* term : {"edtLCTerm1", "edtOldTerm", "edtNewTerm"}) field<TOvcPictureField>(term)->SetAsInteger(32767);
  field<TOvcPictureField>("edtOldPaymentsMade")->SetAsInteger(-32768);
  field<TNumEdit>("edtLCPoints1")->SetValue(999999999.999);
  field<TFnpNumericEdit>("edtFVn1")->SetValue(999999999);
  // Recalculate where the page can; a failing calculation ends in the error message.
  Guarded([this] { window->LoanComparisons()->CalcLC(); });
  Guarded([this] { window->Refinancing()->CalcRefi(); });
  Guarded([this] { window->FutureValues()->CalcFV(nullptr); });
  Guarded([this] { window->RatesOfReturn()->CalcROR(nullptr); });
  for (const char* key : {"LC", "RC", "FV", "ROR", "DCF", "pgCapRate"}) {
    SCOPED_TRACE(key);
    expectTidyPage(print(key));
  }
  const TPageDescription lc = print("LC");
  EXPECT_TRUE(text(lc, "lblLoanAmount1").starts_with("$9,999,999")) << text(lc, "lblLoanAmount1");
  EXPECT_EQ(text(lc, "lblNumberPayments1"), "32767");
  EXPECT_EQ(text(print("RC"), "lblOldPaymentsMade"), "-32768");

  // Results beyond what their fields show, and negative savings and returns, set while
  // their page is on show (leaving a field would recalculate them).
  struct Case {
    const char* key;
    const char* field;
    double value;
    const char* object;
    const char* starts;  // what the printed text begins with
  } cases[] = {
      {"LC", "edtLCTotalPaid2", 1e17, "lblTotalPaid2", "1E17"},  // the value the starred field holds
      {"LC", "edtLCPayment2", -9999999.99, "lblPaymentAmount2", "($9,999,999"},
      {"RC", "edtTotalSaved", -1234567.5, "lblTotalSaved", "($1,234,567.50)"},
      {"RC", "edtPaymentSaved", -999999999.99, "lblPaymentSaved", "($999,999,999.99)"},
      {"ROR", "edtROR2", -99.5, "lblRor2", "-99.500%"},
      {"DCF", "edtNPV1", -12345678.9, "lblNPV1", "($12,345,678.90)"},
      {"DCF", "edtDCFYear30", -9999999999.99, "lblYear30", "($9,999,999,999"},
      {"pgCapRate", "edtCRNetOperatingIncome2", -2500, "lblNetOperatingIncome2", "($2,500.00)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.object);
    window->ShowPageByKey(c.key);
    QWidget* f = window->Page(c.key)->findChild<QWidget*>(c.field);
    if (auto* money = qobject_cast<TMoneyEdit*>(f)) money->SetTextAsFloat(c.value);
    else if (auto* picture = qobject_cast<TOvcPictureField*>(f)) picture->SetAsFloat(c.value);
    else FAIL() << "no field " << c.field;
    const TPageDescription d = print(c.key);
    EXPECT_TRUE(text(d, c.object).starts_with(c.starts)) << text(d, c.object);
    expectTidyPage(d);
  }
}

// Each report saved as a PDF from its preview reads back, through pdftotext, with its
// title, header, footer and a line of its figures in the page's order.
TEST_F(CalculatorReports, EachReportSavesAsAPdfThatReadsBack) {
  struct Case {
    const char* key;
    const char* title;
    QStringList line;  // figures that stand on one line, left to right
  } cases[] = {
      {"LC", "Loan Comparison",
       {"$100,000.00", "8.75%", "240", "1%", "$883.71", "$213,090.57", "$112,090.57", "$1,000.00"}},
      {"RC", "Refinancing Calculation", {"$100,000.00", "240", "7.25%", "$0.00", "$790.38"}},
      {"FV", "Future Values", {"$10,000.00", "Monthly", "$100.00", "8.750%", "48", "$19,895.18"}},
      {"ROR", "Rates of Return", {"$5,000.00", "$5,500.00", "$150.00", "13.000%"}},
      {"DCF", "Net Present Values", {"3", "($3,000.00)", "7.000%", "$111,841.28"}},
      {"pgCapRate", "Capitalization Rates", {"$0.00", "$0.00", "0%"}},
  };
  QTemporaryDir dir(QDir::tempPath() + "/calcreports-XXXXXX");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    TPreviewRequest request{print(c.key), {}};
    TPreviewWindow preview(request.pages, request.options, window->Printer(), window.get());
    const QString file = dir.filePath(QString(c.key) + ".pdf");
    ASSERT_TRUE(preview.SavePdfTo(file));
    const QString pdf = pdfText(file);
    for (const char* expected :
         {c.title, "Quorvane", "www.quorvane.example", "ZEB Devovederi Dunmarrow, 2.1.02", "NO WARRANTY,"})
      EXPECT_TRUE(pdf.contains(expected)) << expected << "\n" << pdf.toStdString();
    QStringList escaped;
    for (const QString& figure : c.line) escaped << QRegularExpression::escape(figure);
    const QRegularExpression line("(^|\\s)" + escaped.join("\\s+") + "(\\s|$)", QRegularExpression::MultilineOption);
    EXPECT_TRUE(line.match(pdf).hasMatch()) << c.line.join(" ").toStdString() << "\n" << pdf.toStdString();
    if (QString(c.key) == "RC")
      EXPECT_TRUE(pdf.contains("If you sell in 240 months, this refinancing scenario may save you money as indicated"))
          << pdf.toStdString();
    EXPECT_EQ(pdf.count('\f'), 1) << "one page";
  }
}

}  // namespace
}  // namespace zeb::test
