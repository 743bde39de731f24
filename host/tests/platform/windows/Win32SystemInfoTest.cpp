// Process-level operations against the real (wine) system.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/SystemInfo.h"

namespace parvalon::host {
namespace {

// The NetBIOS form of the network host name, read through Winsock (another source than the
// one under test): first label, upper case, at most 15 characters.
std::string netbiosNameOfHost() {
  WSADATA data{};
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return {};
  char buffer[256] = {};
  const int rc = gethostname(buffer, sizeof(buffer) - 1);
  WSACleanup();
  if (rc != 0) return {};
  std::string name(buffer);
  name = name.substr(0, name.find('.'));
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return name.substr(0, 15);
}

TEST(Win32SystemInfo, HostNameIsTheComputerNameOfAtMost15Characters) {
  const auto system = platform::SystemInfo::create();
  const std::string name = system->hostName();
  ASSERT_FALSE(name.empty());
  EXPECT_LE(name.size(), 15u);
  EXPECT_EQ(name, netbiosNameOfHost());
}

TEST(Win32SystemInfo, RaisesToHighAndRestoresNormalPriorityClass) {
  const auto system = platform::SystemInfo::create();
  std::string error;
  ASSERT_TRUE(system->raisePriority(error)) << error;
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
  system->beginTimerPeriod();
  system->endTimerPeriod();
  system->restorePriority();
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
}

}  // namespace
}  // namespace parvalon::host
