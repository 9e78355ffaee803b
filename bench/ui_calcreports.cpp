// The six single-page calculator reports over each page's sample values, in a real main
// window (offscreen). Argument: 0 loan comparisons, 1 refinancing, 2 future values,
// 3 rates of return, 4 net present values, 5 capitalization rates.
//
//   Print       the print routine: the header step, every figure read and written in
//               its form, the one page laid out.
//   ToPreview   from Print to the preview on screen: the routine, the preview window
//               built and shown, its page drawn (the preview's target: under 100 ms).
//   FirstPrint  the first Print of a run, which also loads the ten report templates.
#include <benchmark/benchmark.h>

#include <QAction>
#include <memory>

#include "app/Main.h"
#include "bench/UiBenchApp.h"
#include "reports/ReportPreviewQt.h"
#include "reports/ReportsQt.h"
#include "widgets/Messages.h"

namespace zeb {
namespace {

const char* const kPages[] = {"LC", "RC", "FV", "ROR", "DCF", "pgCapRate"};

struct CalculatorReport {
  MessageLog log;
  MessageRecorder recorder{log};
  ReportPreviewRecorder previews;
  std::unique_ptr<TfrmMain> window;

  explicit CalculatorReport(const char* key) {
    BenchApplication();
    window = std::make_unique<TfrmMain>();
    window->show();
    window->ShowPageByKey(key);
    window->Action("mnuResetSamples")->trigger();
    QApplication::processEvents();
  }
  // Print as the command does; the recorder keeps the built page instead of showing it.
  const TPreviewRequest& print() {
    previews.previews.clear();
    window->Print();
    return previews.previews.back();
  }
};

void BM_CalculatorReport_Print(benchmark::State& state) {
  const char* key = kPages[state.range(0)];
  CalculatorReport r(key);
  for (auto _ : state) benchmark::DoNotOptimize(r.print().pages.pages.size());
  state.SetLabel(key);
  if (r.print().pages.pages.size() != 1 || !r.log.entries.empty()) state.SkipWithError("not one page");
}
BENCHMARK(BM_CalculatorReport_Print)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_CalculatorReport_ToPreview(benchmark::State& state) {
  const char* key = kPages[state.range(0)];
  CalculatorReport r(key);
  for (auto _ : state) {
    const TPreviewRequest& request = r.print();
    TPreviewWindow preview(request.pages, request.options, r.window->Printer(), r.window.get());
    preview.show();
    QApplication::processEvents();
    preview.View()->viewport()->grab();  // the page drawn as on screen
  }
  state.SetLabel(key);
}
BENCHMARK(BM_CalculatorReport_ToPreview)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_CalculatorReport_FirstPrint(benchmark::State& state) {
  const char* key = kPages[state.range(0)];
  for (auto _ : state) {
    state.PauseTiming();
    auto r = std::make_unique<CalculatorReport>(key);
    state.ResumeTiming();
    benchmark::DoNotOptimize(r->print().pages.pages.size());
    state.PauseTiming();
    r.reset();
    state.ResumeTiming();
  }
  state.SetLabel(key);
}
BENCHMARK(BM_CalculatorReport_FirstPrint)->Arg(0)->Arg(4)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zeb
