// The widget benchmarks' entry point. Each benchmark file makes sure an application
// object exists (offscreen) before it builds widgets.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
