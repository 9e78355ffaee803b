// The print routines of the six single-page calculator reports: loan comparisons,
// refinancing, future values, rates of return, net present values and capitalization
// rates. Each runs the common header step, copies every figure of its page into the
// template's objects in the order of the report's table (nothing is computed here: a
// result prints as the page shows it, recalculated or not), and previews the one page
// that BuildSinglePageReport lays out: the title band, which holds every figure, and
// the footer.
//
// Example: the sample loan comparison prints its first loan as
//   $100,000.00   8.75%   360   0%   $786.70   $283,212.15   $183,212.15   $0.00
#include <QComboBox>
#include <cmath>
#include <cstdint>

#include "app/Main.h"
#include "help/HelpTopics.h"
#include "reports/ReportFieldsQt.h"
#include "reports/ReportForms.h"
#include "reports/ReportsQt.h"

namespace zeb {
namespace {

std::string numbered(const char* name, int k) { return name + std::to_string(k); }

// The text the field shows: an entry or result field, a label, or the chosen item of a
// drop-down box.
std::optional<std::string> shownText(const QWidget* page, const std::string& field) {
  if (const auto* box = page ? page->findChild<const QComboBox*>(QString::fromStdString(field)) : nullptr)
    return box->currentText().trimmed().toStdString();
  return ReportFieldText(page, field.c_str());
}

// The whole-number form of a count field (terms and payments).
std::string wholeNumber(double value) {
  if (std::trunc(value) != value || std::fabs(value) > INT32_MAX) return ReportPlainNumber(value);
  return ReportWholeNumber(static_cast<std::int32_t>(value));
}

// One figure of a report: its object, the field it is filled from and the form.
struct Figure {
  const char* object;
  const char* field;
  std::string (*form)(double);
};

// The field read by its own rule and written in `form`, or without a form the text the
// field shows. A field that holds no number to show (the stars of a result too wide for
// it) prints as the page shows it, rather than as a made-up figure or a failed print.
void fill(TReport& report, const std::string& object, const QWidget* page, const std::string& field,
          std::string (*form)(double)) {
  std::optional<double> value;
  try {
    if (form) value = ReportFieldValue(page, field.c_str());
  } catch (const std::runtime_error&) {  // a text the field cannot read
  }
  if (value && std::isfinite(*value)) SetReportText(report, object.c_str(), form(*value));
  else if (const std::optional<std::string> text = shownText(page, field)) SetReportText(report, object.c_str(), *text);
}

// A table of `rows` rows, filled row by row, left to right: row k's objects and fields
// are the columns' names followed by k.
void fillTable(TReport& report, const QWidget* page, std::initializer_list<Figure> columns, int rows) {
  for (int k = 1; k <= rows; ++k)
    for (const Figure& c : columns) fill(report, numbered(c.object, k), page, numbered(c.field, k), c.form);
}

// A report's page, its figures filled, goes to the preview with a help button that opens
// the page's own topic.
void preview(TfrmMain& window, TReport& report, const char* pageKey) {
  report.OnManualBuild = [&window](TPageBuilder& page) { window.BuildSinglePageReport(page); };
  TPreviewOptions options;
  const TPageInfo* page = TfrmMain::FindPage(pageKey);
  const int context = page ? page->helpButtonContext : kHelpMainWindowContext;
  options.onHelp = [&window, context] { window.ShowHelpContext(context); };
  PreviewReport(report, options, window.Printer(), &window);
}

}  // namespace

void TfrmMain::BuildSinglePageReport(TPageBuilder& page) {
  page.EmitBand(TBandKind::ReportTitle);
  page.EmitBand(TBandKind::PageFooter);
}

void TfrmMain::PrintLoanComparison() {
  TReport& report = Reports().Get("frLoanComparison");
  CommonHeaderStep(report, "Loan Comparison");
  fillTable(report, Page("LC"),
            {{"lblLoanAmount", "edtLCLoan", ReportCurrency},
             {"lblInterestRate", "edtLCInterest", ReportPlainRate},
             {"lblNumberPayments", "edtLCTerm", nullptr},
             {"lblLCPoints", "edtLCPoints", ReportPlainRate},
             {"lblPaymentAmount", "edtLCPayment", ReportCurrency},
             {"lblTotalPaid", "edtLCTotalPaid", ReportCurrency},
             {"lblLoanCost", "edtLCLoanCost", ReportCurrency},
             {"lblLCPointsCost", "edtLCPointsCost", ReportCurrency}},
            6);
  preview(*this, report, "LC");
}

void TfrmMain::PrintRefinancingCalc() {
  TReport& report = Reports().Get("frRefinancingCalc");
  const QWidget* page = Page("RC");
  CommonHeaderStep(report, "Refinancing Calculation");
  const Figure figures[] = {
      {"lblOldBalance", "edtOldLoan", ReportCurrency},
      {"lblOldTerm", "edtOldTerm", wholeNumber},
      {"lblOldInterestRate", "edtOldInterestRate", ReportPlainRate},
      {"lblOldPaymentsMade", "edtOldPaymentsMade", wholeNumber},
      {"lblOldPayment", "edtOldPayment", ReportCurrency},
      {"lblOldPaymentsRemaining", "edtOldPaymentsRemaining", wholeNumber},
      {"lblNewLoan", "edtNewLoan", ReportCurrency},
      {"lblNewTerm", "edtNewTerm", wholeNumber},
      {"lblNewInterestRate", "edtNewInterestRate", ReportPlainRate},
      {"lblRefiClosingCosts", "edtRefiClosingCosts", ReportCurrency},
      {"lblMonthsUntilSell", "edtMonthsUntilSell", wholeNumber},
      {"lblNewPayment", "edtNewPayment", ReportCurrency},
      {"lblPaymentSaved", "edtPaymentSaved", ReportCurrency},
      {"lblTotalPaymentSaved", "edtTotalPaymentSaved", ReportCurrency},
      {"lblOldEquity", "edtOldEquity", ReportCurrency},
      {"lblNewEquity", "edtNewEquity", ReportCurrency},
      {"lblEquitySavings", "edtEquitySavings", ReportCurrency},
      {"lblTotalSaved", "edtTotalSaved", ReportCurrency},
  };
  for (const Figure& f : figures) fill(report, f.object, page, f.field, f.form);
  // The page's sentence ("If you sell in 240 months,") goes on with the report's own words.
  if (const std::optional<std::string> sell = ReportFieldText(page, "LblSell"))
    SetReportText(report, "lblWhenYouSell", *sell + " this refinancing scenario may save you money as indicated below:");
  preview(*this, report, "RC");
}

void TfrmMain::PrintFutureValues() {
  TReport& report = Reports().Get("frFutureValues");
  CommonHeaderStep(report, "Future Values");
  fillTable(report, Page("FV"),
            {{"lblP", "edtFVp", ReportCurrency},
             {"lblct", "cbCompounding", nullptr},
             {"lblfvpmt", "edtFVpmt", ReportCurrency},
             {"lblrate", "edtFVir", ReportRate3},
             {"lblper", "edtFVn", nullptr},
             {"lblfvsi", "edtFV", ReportCurrency}},
            5);
  preview(*this, report, "FV");
}

void TfrmMain::PrintRatesOfReturn() {
  TReport& report = Reports().Get("frRatesOfReturn");
  CommonHeaderStep(report, "Rates of Return");
  fillTable(report, Page("ROR"),
            {{"lblRorBV", "edtRORBV", ReportCurrency},
             {"lblRorEV", "edtROREV", ReportCurrency},
             {"lblRorDV", "edtRORDV", ReportCurrency},
             {"lblRor", "edtROR", ReportRate3}},
            5);
  preview(*this, report, "ROR");
}

void TfrmMain::PrintNPV() {
  TReport& report = Reports().Get("frNPV");
  const QWidget* page = Page("DCF");
  CommonHeaderStep(report, "Net Present Values");
  // The thirty cash flows (year 19's object is spelled "lblyear19": the lookup ignores
  // letter case), then the five rates, then the five present values.
  fillTable(report, page, {{"lblYear", "edtDCFYear", ReportCurrency}}, 30);
  fillTable(report, page, {{"lblDR", "edtDiscountRate", ReportRate3}}, 5);
  fillTable(report, page, {{"lblNPV", "edtNPV", ReportCurrency}}, 5);
  preview(*this, report, "DCF");
}

void TfrmMain::PrintCapRate() {
  TReport& report = Reports().Get("frCapRate");
  CommonHeaderStep(report, "Capitalization Rates");
  fillTable(report, Page("pgCapRate"),
            {{"lblNetOperatingIncome", "edtCRNetOperatingIncome", ReportCurrency},
             {"lblValue", "edtCRValue", ReportCurrency},
             {"lblCapRate", "edtCRCapitalizationRate", ReportPlainRate}},
            5);
  preview(*this, report, "pgCapRate");
}

}  // namespace zeb
