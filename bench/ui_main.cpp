// The widget benchmarks' entry point. Each benchmark file makes sure an application
// object exists (offscreen) before it builds widgets. The desktop files a main window
// writes at its set-up go to a folder of the run, never the user's own.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

int main(int argc, char** argv) {
  QTemporaryDir desktop;
  qputenv("XDG_DATA_HOME", desktop.filePath("data").toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", desktop.filePath("config").toLocal8Bit());
  ::benchmark::Initialize(&argc, argv);
  if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
