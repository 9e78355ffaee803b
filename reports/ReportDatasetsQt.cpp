// The datasets of the four data-driven reports and their handlers. A dataset stands for
// the rows of one grid of its page: record N is grid row N (row 0 first, so the grids
// with a heading row print their headings as the table's first row), and "Cell1" to
// "CellN" are the row's columns 0 to N-1, N being the report's number of cells. The
// texts go out exactly as the grid shows them.
#include <cctype>
#include <string_view>

#include "app/Main.h"
#include "calculators/AmortizationPage.h"
#include "calculators/DepreciationPage.h"
#include "calculators/TabulonPage.h"
#include "reports/ReportsQt.h"
#include "widgets/TextGrid.h"

namespace zeb {
namespace {

// The end is reached once the record number reaches the grid's current row count; with
// no grid there are no records.
bool gridRecordsEnded(const TTextGrid* grid, std::int32_t recNo) { return !grid || recNo >= grid->RowCount(); }

// The column a variable name stands for: "Cell1".."Cell<columns>", letter case ignored,
// as 0..columns-1; -1 for any other name ("Cell01", "Cell0", "Cell", "Cell1 ").
int cellColumn(std::string_view name, int columns) {
  static constexpr std::string_view kCell = "cell";
  if (name.size() <= kCell.size()) return -1;
  for (std::size_t i = 0; i < kCell.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(name[i])) != kCell[i]) return -1;
  const std::string_view digits = name.substr(kCell.size());
  if (digits.front() == '0' || digits.size() > 9) return -1;
  int n = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n <= columns ? n - 1 : -1;
}

void gridCellValue(const TTextGrid* grid, int columns, std::int32_t recNo, const std::string& name,
                   std::string& value, bool& assigned) {
  if (!grid || recNo < 0 || recNo >= grid->RowCount()) return;
  const int column = cellColumn(name, columns);
  if (column < 0 || column >= grid->ColCount()) return;
  value = grid->CellUtf8(column, recNo);
  assigned = true;
}

const TTextGrid* monthlyGrid(const TfrmMain& w) { return w.Amortization() ? w.Amortization()->grdAmortization() : nullptr; }
const TTextGrid* annualGrid(const TfrmMain& w) {
  return w.Amortization() ? w.Amortization()->grdAnnualAmortization() : nullptr;
}
const TTextGrid* tabulonGrid(const TfrmMain& w) { return w.Tabulon() ? w.Tabulon()->grdTB() : nullptr; }
const TTextGrid* depreciationGrid(const TfrmMain& w) { return w.Depreciation() ? w.Depreciation()->grdDepreciation() : nullptr; }

}  // namespace

bool TfrmMain::frAmortMonthlyDatasetCheckEOF() const {
  return gridRecordsEnded(monthlyGrid(*this), frAmortMonthlyDataset.RecNo);
}

void TfrmMain::frAmortMonthlyGetValue(const std::string& name, std::string& value, bool& assigned) {
  gridCellValue(monthlyGrid(*this), Reports().Get("frAmortMonthly").ColumnCount(), frAmortMonthlyDataset.RecNo,
                name, value, assigned);
}

bool TfrmMain::frAmortAnnualDatasetCheckEOF() const {
  return gridRecordsEnded(annualGrid(*this), frAmortAnnualDataset.RecNo);
}

void TfrmMain::frAmortAnnualGetValue(const std::string& name, std::string& value, bool& assigned) {
  gridCellValue(annualGrid(*this), Reports().Get("frAmortAnnual").ColumnCount(), frAmortAnnualDataset.RecNo, name,
                value, assigned);
}

bool TfrmMain::frTBLDatasetCheckEOF() const { return gridRecordsEnded(tabulonGrid(*this), frTBLDataset.RecNo); }

void TfrmMain::frTBLGetValue(const std::string& name, std::string& value, bool& assigned) {
  gridCellValue(tabulonGrid(*this), Reports().Get("frTBL").ColumnCount(), frTBLDataset.RecNo, name, value,
                assigned);
}

bool TfrmMain::frDepreciationDatasetCheckEOF() const {
  return gridRecordsEnded(depreciationGrid(*this), frDepreciationDataset.RecNo);
}

void TfrmMain::frDepreciationGetValue(const std::string& name, std::string& value, bool& assigned) {
  gridCellValue(depreciationGrid(*this), Reports().Get("frDepreciation").ColumnCount(), frDepreciationDataset.RecNo,
                name, value, assigned);
}

// The templates are loaded once; each data-driven report names its dataset and value
// handler, as it does whenever it is printed.
TReportSet& TfrmMain::Reports() {
  if (reports_) return *reports_;
  reports_ = std::make_unique<TReportSet>();
  struct Binding {
    const char* report;
    TUserDataset TfrmMain::*dataset;
    bool (TfrmMain::*checkEOF)() const;
    void (TfrmMain::*getValue)(const std::string&, std::string&, bool&);
  };
  static const Binding kBindings[] = {
      {"frAmortMonthly", &TfrmMain::frAmortMonthlyDataset, &TfrmMain::frAmortMonthlyDatasetCheckEOF,
       &TfrmMain::frAmortMonthlyGetValue},
      {"frAmortAnnual", &TfrmMain::frAmortAnnualDataset, &TfrmMain::frAmortAnnualDatasetCheckEOF,
       &TfrmMain::frAmortAnnualGetValue},
      {"frTBL", &TfrmMain::frTBLDataset, &TfrmMain::frTBLDatasetCheckEOF, &TfrmMain::frTBLGetValue},
      {"frDepreciation", &TfrmMain::frDepreciationDataset, &TfrmMain::frDepreciationDatasetCheckEOF,
       &TfrmMain::frDepreciationGetValue},
  };
  for (const Binding& b : kBindings) {
    if (!reports_->Has(b.report)) continue;
    TUserDataset& dataset = this->*b.dataset;
    dataset.OnCheckEOF = [this, check = b.checkEOF] { return (this->*check)(); };
    TReport& report = reports_->Get(b.report);
    report.Dataset = &dataset;
    report.OnGetValue = [this, get = b.getValue](const std::string& name, std::string& value, bool& assigned) {
      (this->*get)(name, value, assigned);
    };
  }
  return *reports_;
}

}  // namespace zeb
