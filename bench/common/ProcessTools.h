#pragma once

// CPU time of this and other processes, as the benchmarks measure it. The programs a benchmark
// drives run as test::ChildProcess (host/tests/support).

#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace parvalon::bench {

inline double cpuSecondsOf(const rusage& r) {
  return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
         static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

inline double selfCpuSeconds() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return cpuSecondsOf(r);
}

// utime + stime of another process, from /proc; 0 when unknown.
inline double processCpuSeconds(long pid) {
  if (pid <= 0) return 0;
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto close = stat.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream rest(stat.substr(close + 2));
  std::string field;
  double utime = 0, stime = 0;
  for (int i = 3; i <= 15 && rest >> field; ++i) {
    if (i == 14) utime = std::atof(field.c_str());
    if (i == 15) stime = std::atof(field.c_str());
  }
  return (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace parvalon::bench
