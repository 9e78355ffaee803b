// The print routines of the four schedule reports: the monthly and annual amortization
// schedules, the Tabulon chart and the depreciation schedule. Each fills its template
// from the page's fields; its dataset (reports/ReportDatasetsQt.cpp) prints the page's
// grid row by row, as the grid shows it.
#include "app/Main.h"
#include "calculators/TabulonPage.h"
#include "help/HelpTopics.h"
#include "reports/ReportFieldsQt.h"
#include "reports/ReportForms.h"
#include "reports/ReportsQt.h"
#include "widgets/TextGrid.h"

namespace zeb {
namespace {

const TTextGrid* grid(const TfrmMain& window, const char* pageKey, const char* name) {
  const QWidget* page = window.Page(pageKey);
  return page ? page->findChild<const TTextGrid*>(name) : nullptr;
}

// The schedule reports fill their loan figures only from a computed monthly schedule,
// whose first payment row then reads "1".
bool monthlyScheduleComputed(const TfrmMain& window) {
  const TTextGrid* monthly = grid(window, "Amort", "grdAmortization");
  return monthly && monthly->RowCount() > 1 && monthly->CellUtf8(0, 1) == "1";
}

void fillAmortization(TfrmMain& window, TReport& report, const std::string& title) {
  const QWidget* page = window.Page("Amort");
  CommonHeaderStep(report, title);
  SetReportFieldText(report, "lblLoanAmount", page, "edtMortAmt");
  SetReportValue(report, "lblInterestRate", page, "edtIRate", ReportRate3);
  SetReportFieldText(report, "lblTerm", page, "edtNumPmts");
  SetReportFieldText(report, "lblPayment", page, "edtAmortPayment");
}

TPreviewOptions previewOptions(TfrmMain& window, bool help, std::vector<std::string> csvHeader = {}) {
  TPreviewOptions options;
  options.csv = true;
  options.csvHeader = std::move(csvHeader);
  options.help = help;
  options.pageSetup = !help;
  const TPageInfo* page = TfrmMain::FindPage(window.CurrentPageKey());
  const int context = page ? page->helpButtonContext : kHelpMainWindowContext;
  options.onHelp = [&window, context] { window.ShowHelpContext(context); };
  options.onPageSetup = [&window] { window.MnuFilePrintSetupClick(); };
  return options;
}

}  // namespace

void TfrmMain::PrintAmortizationMonthly() {
  TReport& report = Reports().Get("frAmortMonthly");
  if (monthlyScheduleComputed(*this)) fillAmortization(*this, report, "Loan Amortization Schedule - Monthly");
  PreviewReport(report, previewOptions(*this, true), Printer(), this);
}

void TfrmMain::PrintAnnualAmortization() {
  TReport& report = Reports().Get("frAmortAnnual");
  if (monthlyScheduleComputed(*this)) fillAmortization(*this, report, "Loan Amortization Schedule - Annual");
  PreviewReport(report, previewOptions(*this, true), Printer(), this);
}

void TfrmMain::PrintTBL() {
  TReport& report = Reports().Get("frTBL");
  const QWidget* page = Page("TB");
  CommonHeaderStep(report, "lblReportTitle");
  const int choice = ReportRadioIndex(page, "rgCalculate");
  static const char* const kTitles[] = {"Chart of Monthly Payments", "Chart of Loan Amounts",
                                        "Chart of Interest Rates", "Chart of Terms in Months"};
  if (choice >= 0 && choice < 4) SetReportText(report, "lblReportTitle", kTitles[choice]);

  auto valueText = [page](const char* field, std::string (*form)(double)) {
    const std::optional<double> v = ReportFieldValue(page, field);
    return v ? form(*v) : std::string();
  };
  const std::string loan = valueText("edtLoan", ReportShortCurrency);
  const std::string rate = valueText("edtInterest", ReportPlainRate);
  const std::string term = valueText("edtTerm", ReportPlainNumber) + " months";
  const std::string payment = valueText("edtPayment", ReportShortCurrency);
  const std::string loanStep = "Loan Amounts incremented by " + Tabulon()->LoanIncrementText().toStdString();
  const std::string rateStep = "Interest Rates incremented by " + Tabulon()->RateIncrementText().toStdString();
  const std::string paymentStep =
      "Payment Amounts incremented by " + Tabulon()->PaymentIncrementText().toStdString();
  struct Figures {
    std::string x, y, caption1, figure1, caption2, figure2, caption3, figure3;
  };
  std::optional<Figures> f;
  switch (choice) {
    case 0: f = Figures{loanStep, rateStep, "Loan Amount:", loan, "Interest Rate:", rate, "Term:", term}; break;
    case 1: f = Figures{paymentStep, rateStep, "Term:", term, "Interest Rate:", rate, "Payment:", payment}; break;
    case 2: f = Figures{loanStep, paymentStep, "Loan Amount:", loan, "Payment:", payment, "Term:", term}; break;
    case 3: f = Figures{loanStep, paymentStep, "Loan Amount:", loan, "Interest Rate:", rate, "Payment:", payment}; break;
    default: break;
  }
  if (f) {
    SetReportText(report, "lblX", f->x);
    SetReportText(report, "lblY", f->y);
    SetReportText(report, "lbl1", f->caption1);
    SetReportText(report, "lblOne", f->figure1);
    SetReportText(report, "lbl2", f->caption2);
    SetReportText(report, "lblTwo", f->figure2);
    SetReportText(report, "lbl3", f->caption3);
    SetReportText(report, "lblThree", f->figure3);
  }
  SetReportValue(report, "lblInterestPaid", page, "edtInterestPaid", ReportShortCurrency);
  SetReportValue(report, "lblTotalPaid", page, "edtTotalPaid", ReportShortCurrency);
  PreviewReport(report, previewOptions(*this, false), Printer(), this);
}

void TfrmMain::PrintDepreciation() {
  TReport& report = Reports().Get("frDepreciation");
  const QWidget* page = Page("Depreciation");
  const std::optional<double> cost = ReportFieldValue(page, "edtOriginalCost");
  const std::optional<double> salvage = ReportFieldValue(page, "edtSalvageValue");
  const std::optional<double> period = ReportFieldValue(page, "edtDepreciationPeriod");
  static const char* const kMethods[] = {"Straight Line", "Double Declining Balance", "Sum of Years Digits"};
  const int method = ReportRadioIndex(page, "rgDepreciationMethod");
  CommonHeaderStep(report, "Depreciation Schedule");
  if (cost) SetReportText(report, "lblOriginalCost", ReportShortCurrency(*cost));
  if (salvage) SetReportText(report, "lblSalvageValue", ReportShortCurrency(*salvage));
  if (period) SetReportText(report, "lblDepreciationPeriod", ReportPlainNumber(*period) + " years");
  SetReportText(report, "lblDepreciationMethod", method >= 0 && method < 3 ? kMethods[method] : "");
  // The depreciation grid has no heading row: the table's header comes from the captions.
  PreviewReport(report,
                previewOptions(*this, true, {"Year", "Beginning Book Value", "Annual Depreciation Expense",
                                             "Total Depreciation"}),
                Printer(), this);
}

}  // namespace zeb
