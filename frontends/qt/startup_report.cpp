#include "frontends/qt/startup_report.h"

#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using std::chrono::duration;
using std::chrono::microseconds;
using std::chrono::steady_clock;
using std::chrono::system_clock;

struct StartupReport {
  bool enabled = std::getenv("VANDREL_REPORT_STARTUP") != nullptr;
  steady_clock::time_point start = steady_clock::now();
  std::vector<const char*> reached;
};

StartupReport& Report() {
  static StartupReport report;
  return report;
}

double Milliseconds(const timespec& time) {
  return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) / 1e6;
}

}  // namespace

void MarkStartupStage(const char* stage) {
  StartupReport& report = Report();
  if (!report.enabled) return;
  for (const char* reached : report.reached) {
    if (std::strcmp(reached, stage) == 0) return;
  }
  report.reached.push_back(stage);
  const duration<double, std::milli> sinceMain = steady_clock::now() - report.start;
  const auto wall =
      std::chrono::duration_cast<microseconds>(system_clock::now().time_since_epoch());
  timespec cpu{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::fprintf(stderr, "vandrel start-up: %s %.1f ms, cpu %.1f ms, %ld page faults, wall %lld\n",
               stage, sinceMain.count(), Milliseconds(cpu), usage.ru_minflt + usage.ru_majflt,
               static_cast<long long>(wall.count()));
  std::fflush(stderr);
}
