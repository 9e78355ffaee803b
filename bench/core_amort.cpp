// The schedule rebuild with its prepayment list re-applied, and the monthly row texts.
//
// Rebuild: Create on the engine, then the list with a prepayment on every payment.
//   Batch      ApplyPrepaymentList: every line read, one recalculation.
//   LineByLine the direct way: one SetPrepayment, a full recalculation, per line; the
//              work grows with the square of the term (32,767 lines x 32,767 rows is
//              about a billion row steps); it runs at smaller terms and once at
//              32,767.
// Loans: the sample loan (100,000.00 at 8.75 %) for 360 payments; 100,000.00 at 6 % for
// the long terms, whose payment (500.00) never pays the loan off, so every row is shown.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calculators/Amortization.h"
#include "calculators/MortLib.h"
#include "finance/TextForms.h"

namespace zeb {
namespace {

struct Loan {
  double amount, rate;
};
Loan loanFor(int n) { return n == 360 ? Loan{100000, 0.0875} : Loan{100000, 0.06}; }

// The list the page captures from a grid with $1.00 prepaid on every payment.
std::vector<std::string> everyPaymentList(int n) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(n));
  for (int i = 1; i <= n; ++i) lines.push_back(PrepaymentLine(std::to_string(i), "$1.00"));
  return lines;
}

// The schedule whose monthly texts the text benchmarks format: every payment prepaid.
void buildWithEveryPaymentPrepaid(TMortgage& m, int n) {
  const Loan loan = loanFor(n);
  m.Create(n, loan.amount, loan.rate, 12, 1, 2000);
  ApplyPrepaymentList(m, everyPaymentList(n));
}

void BM_RebuildWithList_Batch(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Loan loan = loanFor(n);
  const std::vector<std::string> lines = everyPaymentList(n);
  TMortgage m;
  for (auto _ : state) {
    m.Create(n, loan.amount, loan.rate, 12, 1, 2000);
    ApplyPrepaymentList(m, lines);
    benchmark::DoNotOptimize(m.Payments.back().Balance);
  }
  state.counters["rows"] = n;
  state.counters["row_steps"] = 2.0 * n;
}
BENCHMARK(BM_RebuildWithList_Batch)->Arg(360)->Arg(32767)->Unit(benchmark::kMicrosecond);

void BM_RebuildWithList_LineByLine(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Loan loan = loanFor(n);
  const std::vector<std::string> lines = everyPaymentList(n);
  TMortgage m;
  for (auto _ : state) {
    m.Create(n, loan.amount, loan.rate, 12, 1, 2000);
    for (const std::string& line : lines)
      if (auto entry = ParsePrepaymentLine(line)) m.SetPrepayment(entry->PmtNo, entry->Amount);
    benchmark::DoNotOptimize(m.Payments.back().Balance);
  }
  state.counters["rows"] = n;
  state.counters["row_steps"] = (n + 1.0) * n;
}
BENCHMARK(BM_RebuildWithList_LineByLine)->Arg(360)->Arg(2048)->Arg(4096)->Unit(benchmark::kMillisecond);
// The full size once (about half a minute), so the extrapolation has a measured check.
BENCHMARK(BM_RebuildWithList_LineByLine)->Arg(32767)->Iterations(1)->Unit(benchmark::kSecond);

// Both ways end in the same schedule (checked here once so the figures compare like
// with like).
void BM_SameScheduleBothWays(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Loan loan = loanFor(n);
  const std::vector<std::string> lines = everyPaymentList(n);
  TMortgage a, b;
  a.Create(n, loan.amount, loan.rate, 12, 1, 2000);
  b.Create(n, loan.amount, loan.rate, 12, 1, 2000);
  ApplyPrepaymentList(a, lines);
  for (const std::string& line : lines)
    if (auto entry = ParsePrepaymentLine(line)) b.SetPrepayment(entry->PmtNo, entry->Amount);
  for (size_t i = 0; i < a.Payments.size(); ++i)
    if (a.Payments[i].Balance != b.Payments[i].Balance || a.Payments[i].Prepayment != b.Payments[i].Prepayment) {
      state.SkipWithError("the two ways differ");
      return;
    }
  for (auto _ : state) benchmark::DoNotOptimize(a.Payment);
}
BENCHMARK(BM_SameScheduleBothWays)->Arg(2048)->Iterations(1);

void BM_Calculate(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Loan loan = loanFor(n);
  TMortgage m;
  m.Create(n, loan.amount, loan.rate, 12, 1, 2000);
  for (auto _ : state) {
    m.Calculate();
    benchmark::DoNotOptimize(m.Payments.back().Balance);
  }
}
BENCHMARK(BM_Calculate)->Arg(360)->Arg(32767)->Unit(benchmark::kMicrosecond);

// The monthly grid's texts: ours (one cent text per amount, currency form from its
// digits) against the direct composition of FormatPayment, the number reading and the
// currency style.
void BM_MonthlyTexts(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  TMortgage m;
  buildWithEveryPaymentPrepaid(m, n);
  MonthlyRowTexts texts;
  for (auto _ : state) {
    for (const TPayment& p : m.Payments)
      if (!FormatMonthlyRow(p, texts)) break;
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_MonthlyTexts)->Arg(360)->Arg(32767)->Unit(benchmark::kMicrosecond);

void BM_MonthlyTexts_Direct(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  TMortgage m;
  buildWithEveryPaymentPrepaid(m, n);
  const auto currency = [](const std::string& fixed) {
    return FloatToText(StrToFloat(fixed.substr(fixed.find_first_not_of(' '))), FloatStyle::Currency, 15, 2);
  };
  MonthlyRowTexts texts;
  for (auto _ : state) {
    for (const TPayment& p : m.Payments) {
      const TPaymentTexts t = FormatPayment(p);
      const auto shown = [](const std::string& fixed) { return StrToFloat(fixed.substr(fixed.find_first_not_of(' '))); };
      if (shown(t.Principal) == 0 && shown(t.Balance) == 0) break;  // the same stop rule
      texts[0] = t.PmtNum;
      texts[2] = currency(t.Principal);
      texts[3] = currency(t.Interest);
      texts[4] = currency(t.TotalPrincipal);
      texts[5] = currency(t.TotalInterest);
      texts[6] = currency(t.Prepayment);
      texts[7] = currency(t.Balance);
    }
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_MonthlyTexts_Direct)->Arg(360)->Arg(32767)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zeb
