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

// The field read by its own rule and written in `form`. A field that holds no number to
// show (the stars of a result too wide for it) prints as the page shows it, rather than
// as a made-up figure or a failed print.
void setValue(TReport& report, const std::string& object, const QWidget* page, const std::string& field,
              std::string (*form)(double)) {
  std::optional<double> value;
  try {
    value = ReportFieldValue(page, field.c_str());
  } catch (const std::runtime_error&) {  // a text the field cannot read
  }
  if (value && std::isfinite(*value)) SetReportText(report, object.c_str(), form(*value));
  else if (const std::optional<std::string> text = shownText(page, field)) SetReportText(report, object.c_str(), *text);
}

// The whole-number form of a count field (terms and payments).
std::string wholeNumber(double value) {
  if (std::trunc(value) != value || std::fabs(value) > INT32_MAX) return ReportPlainNumber(value);
  return ReportWholeNumber(static_cast<std::int32_t>(value));
}

void setFieldText(TReport& report, const std::string& object, const QWidget* page, const std::string& field) {
  if (const std::optional<std::string> text = shownText(page, field)) SetReportText(report, object.c_str(), *text);
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
  const QWidget* page = Page("LC");
  CommonHeaderStep(report, "Loan Comparison");
  for (int k = 1; k <= 6; ++k) {
    setValue(report, numbered("lblLoanAmount", k), page, numbered("edtLCLoan", k), ReportCurrency);
    setValue(report, numbered("lblInterestRate", k), page, numbered("edtLCInterest", k), ReportPlainRate);
    setFieldText(report, numbered("lblNumberPayments", k), page, numbered("edtLCTerm", k));
    setValue(report, numbered("lblLCPoints", k), page, numbered("edtLCPoints", k), ReportPlainRate);
    setValue(report, numbered("lblPaymentAmount", k), page, numbered("edtLCPayment", k), ReportCurrency);
    setValue(report, numbered("lblTotalPaid", k), page, numbered("edtLCTotalPaid", k), ReportCurrency);
    setValue(report, numbered("lblLoanCost", k), page, numbered("edtLCLoanCost", k), ReportCurrency);
    setValue(report, numbered("lblLCPointsCost", k), page, numbered("edtLCPointsCost", k), ReportCurrency);
  }
  preview(*this, report, "LC");
}

void TfrmMain::PrintRefinancingCalc() {
  TReport& report = Reports().Get("frRefinancingCalc");
  const QWidget* page = Page("RC");
  CommonHeaderStep(report, "Refinancing Calculation");
  const struct {
    const char* object;
    const char* field;
    std::string (*form)(double);
  } figures[] = {
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
  for (const auto& f : figures) setValue(report, f.object, page, f.field, f.form);
  // The page's sentence ("If you sell in 240 months,") goes on with the report's own words.
  if (const std::optional<std::string> sell = ReportFieldText(page, "LblSell"))
    SetReportText(report, "lblWhenYouSell", *sell + " this refinancing scenario may save you money as indicated below:");
  preview(*this, report, "RC");
}

void TfrmMain::PrintFutureValues() {
  TReport& report = Reports().Get("frFutureValues");
  const QWidget* page = Page("FV");
  CommonHeaderStep(report, "Future Values");
  for (int k = 1; k <= 5; ++k) {
    setValue(report, numbered("lblP", k), page, numbered("edtFVp", k), ReportCurrency);
    setFieldText(report, numbered("lblct", k), page, numbered("cbCompounding", k));
    setValue(report, numbered("lblfvpmt", k), page, numbered("edtFVpmt", k), ReportCurrency);
    setValue(report, numbered("lblrate", k), page, numbered("edtFVir", k), ReportRate3);
    setFieldText(report, numbered("lblper", k), page, numbered("edtFVn", k));
    setValue(report, numbered("lblfvsi", k), page, numbered("edtFV", k), ReportCurrency);
  }
  preview(*this, report, "FV");
}

void TfrmMain::PrintRatesOfReturn() {
  TReport& report = Reports().Get("frRatesOfReturn");
  const QWidget* page = Page("ROR");
  CommonHeaderStep(report, "Rates of Return");
  for (int k = 1; k <= 5; ++k) {
    setValue(report, numbered("lblRorBV", k), page, numbered("edtRORBV", k), ReportCurrency);
    setValue(report, numbered("lblRorEV", k), page, numbered("edtROREV", k), ReportCurrency);
    setValue(report, numbered("lblRorDV", k), page, numbered("edtRORDV", k), ReportCurrency);
    setValue(report, numbered("lblRor", k), page, numbered("edtROR", k), ReportRate3);
  }
  preview(*this, report, "ROR");
}

void TfrmMain::PrintNPV() {
  TReport& report = Reports().Get("frNPV");
  const QWidget* page = Page("DCF");
  CommonHeaderStep(report, "Net Present Values");
  // Year 19's object is spelled "lblyear19"; the lookup ignores letter case.
  for (int k = 1; k <= 30; ++k)
    setValue(report, numbered("lblYear", k), page, numbered("edtDCFYear", k), ReportCurrency);
  for (int k = 1; k <= 5; ++k)
    setValue(report, numbered("lblDR", k), page, numbered("edtDiscountRate", k), ReportRate3);
  for (int k = 1; k <= 5; ++k) setValue(report, numbered("lblNPV", k), page, numbered("edtNPV", k), ReportCurrency);
  preview(*this, report, "DCF");
}

void TfrmMain::PrintCapRate() {
  TReport& report = Reports().Get("frCapRate");
  const QWidget* page = Page("pgCapRate");
  CommonHeaderStep(report, "Capitalization Rates");
  for (int k = 1; k <= 5; ++k) {
    setValue(report, numbered("lblNetOperatingIncome", k), page, numbered("edtCRNetOperatingIncome", k),
             ReportCurrency);
    setValue(report, numbered("lblValue", k), page, numbered("edtCRValue", k), ReportCurrency);
    setValue(report, numbered("lblCapRate", k), page, numbered("edtCRCapitalizationRate", k), ReportPlainRate);
  }
  preview(*this, report, "pgCapRate");
}

}  // namespace zeb
