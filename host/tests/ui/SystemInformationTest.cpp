#include <gtest/gtest.h>

#include "platform/CpuModel.h"
#include "platform/LocalAddress.h"
#include "ui/SystemInformation.h"

namespace parvalon::host {
namespace {

TEST(DashboardSystemInformation, SoftwareEncoderNamesTheProcessorAndNoVideoMemory) {
  const auto info = SystemInformation::describe("Software", "AMD EPYC 7B13", "llvmpipe", 512, true);
  EXPECT_EQ(info.gpuName, "AMD EPYC 7B13 (software encoding)");
  EXPECT_EQ(info.vramMB, 0u);
  EXPECT_EQ(info.encoderName, "Software");
  EXPECT_TRUE(info.wgcSupported);
}

TEST(DashboardSystemInformation, HardwareEncoderShowsTheAdapter) {
  const auto info = SystemInformation::describe("NVENC", "AMD EPYC 7B13", "NVIDIA GeForce RTX 4070", 12282, false);
  EXPECT_EQ(info.gpuName, "NVIDIA GeForce RTX 4070");
  EXPECT_EQ(info.vramMB, 12282u);
  EXPECT_FALSE(info.wgcSupported);
}

TEST(DashboardSystemInformation, UnknownProcessorStillSaysSoftwareEncoding) {
  EXPECT_EQ(SystemInformation::describe("Software", "", "", 0, true).gpuName, "CPU (software encoding)");
}

TEST(DashboardSystemInformation, DefaultsBeforeTheFirstPush) {
  const SystemInformation info;
  EXPECT_EQ(info.gpuName, "Detecting...");
  EXPECT_EQ(info.encoderName, "None");
  EXPECT_EQ(info.vramMB, 0u);
  EXPECT_FALSE(info.wgcSupported);
}

TEST(DashboardCpuModel, FirstModelNameOfCpuinfo) {
  const char* cpuinfo =
      "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel\t\t: 85\n"
      "model name\t: Intel(R) Xeon(R) CPU @ 2.20GHz  \nstepping\t: 7\n\n"
      "processor\t: 1\nmodel name\t: Something Else\n";
  EXPECT_EQ(platform::cpuModelFromCpuinfo(cpuinfo), "Intel(R) Xeon(R) CPU @ 2.20GHz");
  EXPECT_EQ(platform::cpuModelFromCpuinfo("processor\t: 0\nmodel\t\t: 85\n"), "");
  EXPECT_EQ(platform::cpuModelFromCpuinfo(""), "");
}

TEST(DashboardLocalAddress, FirstUpNonLoopbackIpv4) {
  using platform::InterfaceAddress;
  const std::vector<InterfaceAddress> interfaces{
      {true, true, true, "127.0.0.1"},         // loopback
      {false, false, true, "198.51.100.1"},     // down
      {true, false, false, ""},             // IPv6 or packet address
      {true, false, true, "198.51.100.20"},  // the one
      {true, false, true, "203.0.113.1"},
  };
  EXPECT_EQ(platform::pickLocalIpv4Address(interfaces), "198.51.100.20");
}

TEST(DashboardLocalAddress, NoneFallsBackToLoopback) {
  using platform::InterfaceAddress;
  EXPECT_EQ(platform::pickLocalIpv4Address({}), "127.0.0.1");
  EXPECT_EQ(platform::pickLocalIpv4Address({{true, true, true, "127.0.0.1"}, {false, false, true, "198.51.100.2"}}),
            "127.0.0.1");
}

TEST(DashboardLocalAddress, RealInterfacesGiveADottedAddress) {
  const std::string address = platform::detectLocalIpv4Address();
  int dots = 0;
  for (char c : address) dots += c == '.' ? 1 : 0;
  EXPECT_EQ(dots, 3) << address;
}

}  // namespace
}  // namespace parvalon::host
