// Start-up figures of the program: the time from process start (fork and exec
// included) to the main window shown, and the resident memory once idle. The splash
// timer is not waited for. Runs the program several times on the offscreen platform
// and prints the median and the best run.
//
//   bench_startup <path to zebcalc> [runs]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A folder of this run for the desktop files the program writes at start.
const std::string& desktopFolder() {
  static const std::string folder = [] {
    std::string pattern = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/zeb-bench-XXXXXX";
    return std::string(mkdtemp(pattern.data()) ? pattern : "/tmp");
  }();
  return folder;
}

struct Run {
  double shownMs = -1;
  long idleRssKb = -1;
};

Run runOnce(const char* program) {
  int out[2];
  if (pipe(out) != 0) return {};
  const std::string& desktop = desktopFolder();
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ZEB_REPORT_STARTUP", "1", 1);
    setenv("ZEB_INSTANCE_NAME", "zeb startup benchmark", 1);
    setenv("XDG_DATA_HOME", desktop.c_str(), 1);  // never the user's own
    setenv("XDG_CONFIG_HOME", desktop.c_str(), 1);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  Run run;
  std::string buffer;
  char chunk[256];
  ssize_t n;
  while ((n = read(out[0], chunk, sizeof chunk)) > 0) {
    buffer.append(chunk, static_cast<size_t>(n));
    if (run.shownMs < 0 && buffer.find("startup_ms") != std::string::npos) {
      run.shownMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    const auto rss = buffer.find("idle_rss_kb ");
    if (rss != std::string::npos && buffer.find('\n', rss) != std::string::npos)
      run.idleRssKb = std::atol(buffer.c_str() + rss + 12);
  }
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <zebcalc> [runs]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
  std::vector<double> times;
  std::vector<long> rss;
  for (int i = 0; i < runs; ++i) {
    const Run r = runOnce(argv[1]);
    if (r.shownMs < 0) {
      std::fprintf(stderr, "run %d: the program reported nothing\n", i);
      return 1;
    }
    times.push_back(r.shownMs);
    rss.push_back(r.idleRssKb);
  }
  std::sort(times.begin(), times.end());
  std::sort(rss.begin(), rss.end());
  std::printf("start-up to main window shown: median %.1f ms, best %.1f ms (%d runs; target < 400 ms)\n",
              times[times.size() / 2], times.front(), runs);
  std::printf("resident memory when idle:     median %.1f MB (target < 120 MB)\n", rss[rss.size() / 2] / 1024.0);
  return 0;
}
