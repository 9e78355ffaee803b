// The whole Save and Open commands on a real main window (offscreen) with the longest
// schedule, 32,767 rows (100,000.00 at 6 %: the payment of 500.00 never pays it off, so
// every row is shown): gather every page, write, replace the file; read, check, apply
// the values and the schedule, rebuild the annual grid and the prepayment list.
//
//   Save     btnSaveClick to the current document
//   Open/0   OpenDocumentFile with the welcome page on show
//   Open/1   the same with the monthly grid on show, which recomputes the schedule as
//            "Create or Refresh Schedule" does
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "app/Main.h"
#include "bench/BenchSchedule.h"
#include "bench/UiBenchApp.h"
#include "calculators/AmortizationPage.h"
#include "widgets/Messages.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/TextGrid.h"

namespace zeb {
namespace {

struct LongScheduleWindow {
  MessageLog log;
  MessageRecorder recorder{log};
  QTemporaryDir dir;
  std::unique_ptr<TfrmMain> window;

  LongScheduleWindow() {
    BenchApplication();
    window = std::make_unique<TfrmMain>();
    window->show();
    BuildBenchSchedule(*window, 6, 32767);
    window->SetCurrentFileName(dir.filePath("long.dmw"));
    window->btnSaveClick();
    QApplication::processEvents();
  }
  QString file() const { return dir.filePath("long.dmw"); }
  void check(benchmark::State& state) const {
    state.counters["schedule_rows"] = window->Amortization()->grdAmortization()->RowCount() - 1;
    if (!log.entries.empty()) state.SkipWithError("a message was shown");
  }
};

void BM_SaveCommand_32767Rows(benchmark::State& state) {
  LongScheduleWindow w;
  for (auto _ : state) w.window->btnSaveClick();
  w.check(state);
  state.SetLabel("target < 300 ms");
}
BENCHMARK(BM_SaveCommand_32767Rows)->Unit(benchmark::kMillisecond);

// Argument 0: the welcome page on show; 1: the monthly grid on show.
void BM_OpenCommand_32767Rows(benchmark::State& state) {
  LongScheduleWindow w;
  if (state.range(0) == 0) w.window->ShowPageByKey("Welcome");
  for (auto _ : state) {
    if (!w.window->OpenDocumentFile(w.file())) state.SkipWithError("not opened");
    QApplication::processEvents();
  }
  w.check(state);
  state.SetLabel(state.range(0) == 0 ? "other page, target < 300 ms" : "schedule page, target < 300 ms");
}
BENCHMARK(BM_OpenCommand_32767Rows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zeb
