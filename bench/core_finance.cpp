// The loan functions and the number text forms at the rates the grids call them.
// Targets: SolveAnnualRate at its 99-iteration worst case under 20 us; one currency
// grid cell (currency 15, 2) under 1 us.
#include <benchmark/benchmark.h>

#include <string>

#include "finance/TextForms.h"
#include "finance/Tvm.h"

namespace zeb {
namespace {

void BM_PeriodicPayment(benchmark::State& state) {
  double principal = 100000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(principal);
    benchmark::DoNotOptimize(PeriodicPayment(360, principal, 8.75 / 1200));
  }
}
BENCHMARK(BM_PeriodicPayment);

void BM_NumberOfPayments(benchmark::State& state) {
  double loan = 100000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(loan);
    benchmark::DoNotOptimize(NumberOfPayments(loan, 786.70, 8.75));
  }
}
BENCHMARK(BM_NumberOfPayments);

void BM_LoanFromPayment(benchmark::State& state) {
  double payment = 786.70;
  for (auto _ : state) {
    benchmark::DoNotOptimize(payment);
    benchmark::DoNotOptimize(LoanFromPayment(360, 8.75, payment));
  }
}
BENCHMARK(BM_LoanFromPayment);

void BM_SolveAnnualRate_6Iterations(benchmark::State& state) {
  double loan = 100000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(loan);
    benchmark::DoNotOptimize(SolveAnnualRate(360, loan, 786.70));
  }
}
BENCHMARK(BM_SolveAnnualRate_6Iterations);

// Payments totalling the loan: the iteration runs all 99 steps.
void BM_SolveAnnualRate_99Iterations(benchmark::State& state) {
  double loan = 1200;
  for (auto _ : state) {
    benchmark::DoNotOptimize(loan);
    benchmark::DoNotOptimize(SolveAnnualRate(12, loan, 100));
  }
}
BENCHMARK(BM_SolveAnnualRate_99Iterations);

void BM_FloatToText_Currency15_2(benchmark::State& state) {
  double value = 94942.4679;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::string text = FloatToText(value, FloatStyle::Currency, 15, 2);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FloatToText_Currency15_2);

// An exact tie (0.125) takes the exact-expansion path.
void BM_FloatToText_Currency15_2_ExactTie(benchmark::State& state) {
  double value = 1234.125;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::string text = FloatToText(value, FloatStyle::Currency, 15, 2);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FloatToText_Currency15_2_ExactTie);

void BM_FloatToStrGeneral(benchmark::State& state) {
  double value = 786.7004;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::string text = FloatToStrGeneral(value);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FloatToStrGeneral);

void BM_FormatMoneyPicture(benchmark::State& state) {
  long double value = 123456.789;  // a double, as the entry fields hold it
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::string text = FormatMoneyPicture(value, 2);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatMoneyPicture);

void BM_FormatMoneyPicture_Extended(benchmark::State& state) {
  long double value = 123456.789L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::string text = FormatMoneyPicture(value, 2);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatMoneyPicture_Extended);

void BM_TextToCurrency(benchmark::State& state) {
  const std::string line = "  1,234.56 extra";
  for (auto _ : state) {
    benchmark::DoNotOptimize(line.data());
    benchmark::DoNotOptimize(TextToCurrency(line));
  }
}
BENCHMARK(BM_TextToCurrency);

void BM_StrToFloat(benchmark::State& state) {
  const std::string text = "786.7";
  for (auto _ : state) {
    benchmark::DoNotOptimize(text.data());
    benchmark::DoNotOptimize(StrToFloat(text));
  }
}
BENCHMARK(BM_StrToFloat);

}  // namespace
}  // namespace zeb
