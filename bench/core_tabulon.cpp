// The Tabulon grid's fills, the interest-rate fill at its worst: every one of the 77
// cells (and the centre) runs the rate iteration to its cap of 99 steps. With a
// 12-month term and payments that total just about the loan (1,000,000,000 against
// 12 x 83,333,333.33, steps $100 and $50) each iteration creeps and never settles.
#include <benchmark/benchmark.h>

#include "calculators/Tbl.h"
#include "finance/Tvm.h"

namespace zeb {
namespace {

const TabulonInputs kWorstRates{1e9, 0, 12, 83333333.33};
constexpr int kLoan100 = 0, kPayment50 = 0, kRateHalf = 3;

bool EveryCellAtTheCap() {
  for (int c = 1; c <= 7; ++c) {
    for (int r = 1; r <= 11; ++r) {
      int iterations = 0;
      SolveAnnualRate(kWorstRates.term, kWorstRates.loan + (r - 6) * 100.0, kWorstRates.payment + (c - 4) * 50.0,
                      iterations);
      if (iterations != 99) return false;
    }
  }
  return true;
}

void BM_FillTabulonRatesWorstCase(benchmark::State& state) {
  if (!EveryCellAtTheCap()) {
    state.SkipWithError("the inputs no longer drive every cell to 99 iterations");
    return;
  }
  for (auto _ : state) {
    TabulonGrid g = FillTabulon(TabulonCalculation::InterestRates, kWorstRates, kLoan100, kRateHalf, kPayment50);
    benchmark::DoNotOptimize(g);
    if (!g.Complete()) state.SkipWithError("the fill ended early");
  }
  state.SetLabel("77 cells x 99 iterations");
}
BENCHMARK(BM_FillTabulonRatesWorstCase)->Unit(benchmark::kMicrosecond);

void BM_FillTabulonPaymentsSample(benchmark::State& state) {
  const TabulonInputs sample{100000, 8.75, 360, 786.70};
  for (auto _ : state) {
    TabulonGrid g = FillTabulon(TabulonCalculation::Payments, sample, 3, kRateHalf, 3);
    benchmark::DoNotOptimize(g);
  }
}
BENCHMARK(BM_FillTabulonPaymentsSample)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zeb
