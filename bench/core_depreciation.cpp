// The depreciation schedule and its grid texts, for the sample period of 10 years and
// the longest of 32,767, in each method.
#include <benchmark/benchmark.h>

#include "calculators/Depreciation.h"

namespace zeb {
namespace {

void BM_DepreciationScheduleWithTexts(benchmark::State& state) {
  const double years = static_cast<double>(state.range(0));
  const auto method = static_cast<DepreciationMethod>(state.range(1));
  for (auto _ : state) {
    const DepreciationSchedule s = BuildDepreciationSchedule(100000, 92500, years, method);
    for (size_t k = 0; k < s.years.size(); ++k) {
      DepreciationRowTexts texts = DepreciationRowText(static_cast<int>(k + 1), s.years[k]);
      benchmark::DoNotOptimize(texts);
    }
  }
}
BENCHMARK(BM_DepreciationScheduleWithTexts)
    ->ArgsProduct({{10, 32767}, {0, 1, 2}})
    ->ArgNames({"years", "method"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zeb
