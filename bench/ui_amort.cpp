// The whole "Create or Refresh Schedule" action on the Amortization page of a real main
// window (offscreen): read the inputs, capture the prepayment list from the grid,
// rebuild, re-apply the list, fill the monthly grid and build the annual grid.
//
//   Page       the page's own action (a click on btnCalculate).
//   LineByLine the same steps through the page's public operations, with the list
//              re-applied the direct way, one SetPrepayment and full recalculation per
//              line (quadratic: run at smaller terms, 32,767 extrapolated).
// Loans: the sample loan (100,000.00 at 8.75 %) for 360 payments with $1.00 prepaid on
// every payment; 100,000.00 at 6 % (payment 500.00, every row shown) for the long terms,
// where the list holds one line per payment. The resident memory is read after the
// 32,767-payment schedule is on show.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "bench/BenchSchedule.h"
#include "bench/UiBenchApp.h"
#include "app/Main.h"
#include "calculators/Amortization.h"
#include "calculators/AmortizationPage.h"
#include "calculators/MortLib.h"
#include "widgets/Messages.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/TextGrid.h"

namespace zeb {
namespace {

double residentMb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return -1;
}

struct AmortWindow {
  MessageLog log;
  MessageRecorder recorder{log};
  std::unique_ptr<TfrmMain> window;
  AmortizationPage* page = nullptr;

  explicit AmortWindow(int n) {
    BenchApplication();
    window = std::make_unique<TfrmMain>();
    window->show();
    page = window->Amortization();
    const bool sample = n == 360;
    BuildBenchSchedule(*window, sample ? 8.75 : 6, n);
    if (sample) {
      for (int r = 1; r < page->grdAmortization()->RowCount(); ++r) page->grdAmortization()->SetCell(6, r, "$1.00");
      page->CalcAmortization();
    }
    QApplication::processEvents();
  }
  ~AmortWindow() { window.reset(); }
};

void BM_CreateOrRefreshSchedule_Page(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  AmortWindow w(n);
  auto* button = w.window->findChild<QPushButton*>("btnCalculate");
  for (auto _ : state) {
    button->click();
    QApplication::processEvents();
  }
  state.counters["shown_rows"] = w.page->grdAmortization()->RowCount() - 1;
  state.counters["annual_rows"] = w.page->grdAnnualAmortization()->RowCount() - 1;
  state.counters["rss_MB"] = residentMb();
  if (!w.log.entries.empty()) state.SkipWithError("a message was shown");
}
BENCHMARK(BM_CreateOrRefreshSchedule_Page)->Arg(360)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_CreateOrRefreshSchedule_LineByLine(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  AmortWindow w(n);
  for (auto _ : state) {
    state.PauseTiming();
    w.page->CalcAmortization();
    state.ResumeTiming();
    // the capture, rebuild, direct re-apply and both fills
    w.page->CreatePrepaymentList();
    TMortgage& m = *w.window->Mortgage();
    m.Create(m.NumPayments, m.Amount, m.Rate, 12, m.StartMonth, m.StartYear);
    for (const QString& line : w.page->PrepaymentText().split("\r\n", Qt::SkipEmptyParts))
      if (auto entry = ParsePrepaymentLine(line.toStdString())) m.SetPrepayment(entry->PmtNo, entry->Amount);
    w.page->FillGrdAmortization();
    w.page->FillGrdAnnualAmortization();
    QApplication::processEvents();
  }
  state.counters["shown_rows"] = w.page->grdAmortization()->RowCount() - 1;
}
BENCHMARK(BM_CreateOrRefreshSchedule_LineByLine)->Arg(360)->Arg(2048)->Arg(4096)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zeb
