// Writing and reading a calculator document with the longest schedule (32,767 rows):
// the bytes of the file from the values and rows, and back.
#include <benchmark/benchmark.h>

#include <string>

#include "document/CalculatorDocument.h"

namespace zeb {
namespace {

TCalculatorDocument longDocument() {
  TCalculatorDocument document;
  document.SetReal("edtMortAmt", 100000);
  document.SetReal("edtIRate", 6);
  document.SetInteger("edtNumPmts", kDocumentMaxScheduleRows);
  document.SetText("cbMonth", "Jan");
  document.schedule.reserve(kDocumentMaxScheduleRows);
  for (int n = 1; n <= kDocumentMaxScheduleRows; ++n)
    document.schedule.push_back({std::to_string(n), "Jan 2000", "$1.00", "$500.00", "$1,234.00", "$1,234,567.89",
                                 "$1.00", "$99,999.00"});
  return document;
}

void BM_WriteDocument_32767Rows(benchmark::State& state) {
  const TCalculatorDocument document = longDocument();
  for (auto _ : state) benchmark::DoNotOptimize(WriteDocument(document));
  state.SetLabel("target < 100 ms");
}
BENCHMARK(BM_WriteDocument_32767Rows)->Unit(benchmark::kMillisecond);

void BM_ReadDocument_32767Rows(benchmark::State& state) {
  const std::string bytes = WriteDocument(longDocument());
  for (auto _ : state) benchmark::DoNotOptimize(ReadDocument(bytes));
  state.SetLabel("target < 100 ms");
}
BENCHMARK(BM_ReadDocument_32767Rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zeb
