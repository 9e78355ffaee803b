// The whole CalcDepreciation of the Depreciation page in a real main window (offscreen):
// read the inputs, build the schedule, write the total and fill the grid, then let the
// view catch up. The sample inputs (100,000.00 less 92,500.00) over 10 and 32,767 years.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/Main.h"
#include "bench/UiBenchApp.h"
#include "calculators/DepreciationPage.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Messages.h"
#include "widgets/RadioGroup.h"
#include "widgets/TextGrid.h"

namespace zeb {
namespace {

void BM_CalcDepreciation_Page(benchmark::State& state) {
  BenchApplication();
  MessageLog log;
  MessageRecorder recorder{log};
  auto window = std::make_unique<TfrmMain>();
  window->show();
  window->ShowPageByKey("Depreciation");
  DepreciationPage* page = window->Depreciation();
  window->SetDefaultValueSet(1);
  window->ResetCurrentPage();
  page->rgDepreciationMethod()->SetItemIndex(static_cast<int>(state.range(1)));
  page->edtDepreciationPeriod()->SetValue(static_cast<double>(state.range(0)));
  QApplication::processEvents();
  for (auto _ : state) {
    page->CalcDepreciation();
    QApplication::processEvents();
  }
  state.counters["rows"] = page->grdDepreciation()->RowCount();
  if (!log.entries.empty()) state.SkipWithError("a message was shown");
}
BENCHMARK(BM_CalcDepreciation_Page)
    ->ArgsProduct({{10, 32767}, {0, 1, 2}})
    ->ArgNames({"years", "method"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zeb
