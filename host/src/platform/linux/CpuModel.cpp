#include "platform/CpuModel.h"

#include <fstream>
#include <sstream>

namespace parvalon::host::platform {

std::string cpuModelName() {
  std::ifstream in("/proc/cpuinfo");
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return cpuModelFromCpuinfo(text.str());
}

}  // namespace parvalon::host::platform
