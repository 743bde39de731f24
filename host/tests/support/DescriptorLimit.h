#pragma once

#include <sys/resource.h>
#include <unistd.h>

namespace parvalon::host::testing {

// Lowers the descriptor limit to the descriptors now open while alive, so that the next
// accept fails with EMFILE; restores the limit when released. (Linux: Windows has no such limit.)
class DescriptorLimit {
 public:
  DescriptorLimit() {
    ::getrlimit(RLIMIT_NOFILE, &saved_);
    const int probe = ::dup(0);  // the lowest free descriptor
    ::close(probe);
    rlimit low = saved_;
    low.rlim_cur = static_cast<rlim_t>(probe);
    ::setrlimit(RLIMIT_NOFILE, &low);
  }
  ~DescriptorLimit() { release(); }
  void release() {
    if (active_) ::setrlimit(RLIMIT_NOFILE, &saved_);
    active_ = false;
  }

 private:
  rlimit saved_{};
  bool active_ = true;
};

}  // namespace parvalon::host::testing
