// The datasets of the data-driven reports: each stands for the rows of its page's grid,
// ends at the grid's row count, and answers "Cell1".."CellN" (N the report's cells) from
// the grid row of its record number; any other name stays unanswered.
#include <QPushButton>
#include <QToolButton>

#include "UiFixture.h"
#include "calculators/AmortizationPage.h"
#include "calculators/DepreciationPage.h"
#include "calculators/TabulonPage.h"
#include "reports/ReportsQt.h"
#include "widgets/TextGrid.h"

namespace zeb::test {
namespace {

struct DatasetOf {
  const char* report;
  TUserDataset TfrmMain::*dataset;
  bool (TfrmMain::*checkEOF)() const;
  void (TfrmMain::*getValue)(const std::string&, std::string&, bool&);
  TTextGrid* (*grid)(const TfrmMain&);
};

const DatasetOf kMonthly{"frAmortMonthly", &TfrmMain::frAmortMonthlyDataset, &TfrmMain::frAmortMonthlyDatasetCheckEOF,
                         &TfrmMain::frAmortMonthlyGetValue,
                         [](const TfrmMain& w) { return w.Amortization()->grdAmortization(); }};
const DatasetOf kAnnual{"frAmortAnnual", &TfrmMain::frAmortAnnualDataset, &TfrmMain::frAmortAnnualDatasetCheckEOF,
                        &TfrmMain::frAmortAnnualGetValue,
                        [](const TfrmMain& w) { return w.Amortization()->grdAnnualAmortization(); }};
const DatasetOf kTabulon{"frTBL", &TfrmMain::frTBLDataset, &TfrmMain::frTBLDatasetCheckEOF, &TfrmMain::frTBLGetValue,
                         [](const TfrmMain& w) { return w.Tabulon()->grdTB(); }};
const DatasetOf kDepreciation{"frDepreciation", &TfrmMain::frDepreciationDataset,
                              &TfrmMain::frDepreciationDatasetCheckEOF, &TfrmMain::frDepreciationGetValue,
                              [](const TfrmMain& w) { return w.Depreciation()->grdDepreciation(); }};
const DatasetOf* const kAll[] = {&kMonthly, &kAnnual, &kTabulon, &kDepreciation};

class ReportDatasets : public MainWindowTest {
protected:
  // Gives the dataset's grid three rows of nine columns, cell (c, r) reading "rRcC", so
  // a name beyond the report's cells would find a text if it were answered.
  TTextGrid* fill(const DatasetOf& d) {
    TTextGrid* grid = d.grid(*window);
    grid->SetColCount(9);
    grid->SetRowCount(3);
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 9; ++c) grid->SetCellUtf8(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
    return grid;
  }
};

TEST_F(ReportDatasets, ValuesAreTheCellsOfTheRecordsGridRow) {
  struct Case {
    const char* label;
    const DatasetOf& dataset;
    int recNo;
    const char* name;
    const char* expected;  // nullptr: left unanswered
  };
  const Case cases[] = {
      {"first cell of record 0", kMonthly, 0, "Cell1", "r0c0"},
      {"last monthly cell", kMonthly, 2, "Cell8", "r2c7"},
      {"letter case ignored", kMonthly, 1, "cELL3", "r1c2"},
      {"beyond the monthly report's 8 cells", kMonthly, 0, "Cell9", nullptr},
      {"leading zero", kMonthly, 0, "Cell01", nullptr},
      {"cell 0", kMonthly, 0, "Cell0", nullptr},
      {"no number", kMonthly, 0, "Cell", nullptr},
      {"trailing blank", kMonthly, 0, "Cell1 ", nullptr},
      {"sign", kMonthly, 0, "Cell+1", nullptr},
      {"another variable", kMonthly, 0, "PAGE#", nullptr},
      {"empty name", kMonthly, 0, "", nullptr},
      {"record past the rows", kMonthly, 3, "Cell1", nullptr},
      {"last annual cell", kAnnual, 2, "Cell5", "r2c4"},
      {"beyond the annual report's 5 cells", kAnnual, 2, "Cell6", nullptr},
      {"last Tabulon cell", kTabulon, 1, "Cell8", "r1c7"},
      {"beyond the Tabulon report's 8 cells", kTabulon, 1, "Cell9", nullptr},
      {"last depreciation cell", kDepreciation, 0, "Cell4", "r0c3"},
      {"beyond the depreciation report's 4 cells", kDepreciation, 0, "Cell5", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    fill(c.dataset);
    (window.get()->*c.dataset.dataset).RecNo = c.recNo;
    std::string value = "untouched";
    bool assigned = false;
    (window.get()->*c.dataset.getValue)(c.name, value, assigned);
    EXPECT_EQ(assigned, c.expected != nullptr);
    EXPECT_EQ(value, c.expected ? c.expected : "untouched");
  }
}

TEST_F(ReportDatasets, TheEndIsTheGridsCurrentRowCount) {
  for (const DatasetOf* d : kAll) {
    SCOPED_TRACE(d->report);
    TTextGrid* grid = fill(*d);
    TUserDataset& dataset = window.get()->*d->dataset;
    const auto ended = [&](int recNo) {
      dataset.RecNo = recNo;
      return (window.get()->*d->checkEOF)();
    };
    EXPECT_FALSE(ended(0));
    EXPECT_FALSE(ended(2));
    EXPECT_TRUE(ended(3));
    grid->SetRowCount(1);  // the count the grid has now, not the one it had
    EXPECT_FALSE(ended(0));
    EXPECT_TRUE(ended(1));
  }
}

// Each report prints through its named dataset, which ends on the last grid row.
TEST_F(ReportDatasets, EachReportPrintsThroughItsDataset) {
  struct Case {
    const DatasetOf& dataset;
    const char* page;
  };
  const Case cases[] = {{kMonthly, "Amort"}, {kTabulon, "TB"}, {kDepreciation, "Depreciation"}};
  ReportPreviewRecorder previews;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dataset.report);
    window->ShowPageByKey(c.page);
    window->Action("mnuResetSamples")->trigger();
    if (QString(c.page) == "Amort") find<QPushButton>("btnCalculate")->click();
    const TTextGrid* grid = c.dataset.grid(*window);
    previews.previews.clear();
    QTest::mouseClick(find<QToolButton>("btnPrint"), Qt::LeftButton);
    ASSERT_EQ(previews.previews.size(), 1u);
    const TPageDescription& d = previews.previews.back().pages;
    EXPECT_EQ(window->Reports().Get(c.dataset.report).Dataset, &(window.get()->*c.dataset.dataset));
    EXPECT_EQ((window.get()->*c.dataset.dataset).RecNo, grid->RowCount());
    ASSERT_EQ(d.rows.size(), static_cast<std::size_t>(grid->RowCount()));
    EXPECT_EQ(d.rows.back().front(), grid->CellUtf8(0, grid->RowCount() - 1));
  }
  EXPECT_EQ(window->Reports().Get("frAmortAnnual").Dataset, &window->frAmortAnnualDataset);
}

}  // namespace
}  // namespace zeb::test
