#pragma once

#include "platform/SystemInfo.h"

namespace parvalon::host::platform::win32 {

// Priority on Windows is a class of the whole process, so raising and restoring need no
// per-thread bookkeeping.
class Win32SystemInfo final : public SystemInfo {
 public:
  // GetComputerNameA's buffer: a NetBIOS name of at most 15 characters and its terminator.
  static constexpr unsigned long kComputerNameBuffer = 16;

  std::string hostName() override;
  bool raisePriority(std::string& error) override;
  void restorePriority() override;
  void beginTimerPeriod() override;
  void endTimerPeriod() override;
};

}  // namespace parvalon::host::platform::win32
