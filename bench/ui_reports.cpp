// The monthly schedule report over a schedule of the Amortization page of a real main
// window (offscreen), 100,000.00 at 6 % for 360 (361 table rows) or 32,767 payments
// (32,768 rows, about 730 pages):
//
//   Layout        the report laid out into its page description (what Print does
//                 before the preview opens).
//   FirstPage     from Print to the first page on screen: layout, the preview window
//                 built and shown, its visible pages drawn.
//   Pdf           the whole report written as a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <memory>

#include "bench/BenchSchedule.h"
#include "bench/UiBenchApp.h"
#include "app/Main.h"
#include "calculators/AmortizationPage.h"
#include "reports/ReportFieldsQt.h"
#include "reports/ReportPreviewQt.h"
#include "reports/ReportsQt.h"
#include "widgets/Messages.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/TextGrid.h"

namespace zeb {
namespace {

struct ScheduleReport {
  MessageLog log;
  MessageRecorder recorder{log};
  std::unique_ptr<TfrmMain> window;
  TReport* report = nullptr;

  explicit ScheduleReport(int payments) {
    BenchApplication();
    window = std::make_unique<TfrmMain>();
    window->show();
    BuildBenchSchedule(*window, 6, payments);
    report = &window->Reports().Get("frAmortMonthly");
    QApplication::processEvents();
  }
};

void BM_MonthlyReport_Layout(benchmark::State& state) {
  ScheduleReport s(static_cast<int>(state.range(0)));
  std::size_t pages = 0;
  for (auto _ : state) pages = BuildReport(*s.report).pages.size();
  state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_MonthlyReport_Layout)->Arg(360)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_MonthlyReport_FirstPage(benchmark::State& state) {
  ScheduleReport s(static_cast<int>(state.range(0)));
  int drawn = 0;
  for (auto _ : state) {
    TPreviewWindow preview(BuildReport(*s.report), TPreviewOptions{}, s.window->Printer(), s.window.get());
    preview.show();
    QApplication::processEvents();
    preview.View()->viewport()->grab();  // the pages in sight, drawn as on screen
    drawn = preview.View()->PagesDrawn();
  }
  state.counters["pages_drawn"] = drawn;
}
BENCHMARK(BM_MonthlyReport_FirstPage)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_MonthlyReport_Pdf(benchmark::State& state) {
  ScheduleReport s(static_cast<int>(state.range(0)));
  const TPageDescription pages = BuildReport(*s.report);
  QTemporaryDir dir;
  for (auto _ : state)
    if (SaveReportPdf(pages, dir.filePath("monthly.pdf"), nullptr) != TOutputResult::Done)
      state.SkipWithError("the PDF was not written");
  state.counters["pages"] = static_cast<double>(pages.pages.size());
}
BENCHMARK(BM_MonthlyReport_Pdf)->Arg(32767)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zeb
