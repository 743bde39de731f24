#include <gtest/gtest.h>

#include "platform/CpuModel.h"
#include "platform/LocalAddress.h"
#include "ui/SystemInformation.h"

namespace parvalon::host {
namespace {

constexpr platform::CaptureMethodNames kXComposite{"Capture:", "Window Capture:", "XComposite"};
constexpr platform::CaptureMethodNames kWgc{"WGC:", "Windows Graphics Capture:", "Supported"};

TEST(DashboardSystemInformation, SoftwareEncoderStillNamesTheGraphicsAdapter) {
  // The GPU line used to show the processor's model whenever the software encoder ran.
  const auto info = SystemInformation::describe("Software", "llvmpipe (LLVM 15.0.6, 256 bits)", 0, kXComposite, true);
  EXPECT_EQ(info.gpuName, "llvmpipe (LLVM 15.0.6, 256 bits)");
  EXPECT_EQ(info.vramMB, 0u);
  EXPECT_EQ(info.encoderName, "Software");
}

TEST(DashboardSystemInformation, AdapterNameAndVideoMemoryAreShownAsGiven) {
  const auto info = SystemInformation::describe("NVENC", "NVIDIA GeForce RTX 4070", 12282, kWgc, false);
  EXPECT_EQ(info.gpuName, "NVIDIA GeForce RTX 4070");
  EXPECT_EQ(info.vramMB, 12282u);
  EXPECT_EQ(SystemInformation::describe("Software", "", 0, kWgc, true).gpuName, "Unknown");
  EXPECT_EQ(SystemInformation::describe("Software", "x", std::uint64_t{1} << 40, kWgc, true).vramMB, 0xFFFFFFFFu);
}

TEST(DashboardSystemInformation, CaptureRowsUseThePlatformsNames) {
  const auto xcomposite = SystemInformation::describe("Software", "llvmpipe", 0, kXComposite, true);
  EXPECT_EQ(xcomposite.captureLabel, "Capture:");
  EXPECT_EQ(xcomposite.captureAboutLabel, "Window Capture:");
  EXPECT_EQ(xcomposite.captureValue(), "XComposite");
  EXPECT_EQ(SystemInformation::describe("Software", "llvmpipe", 0, kXComposite, false).captureValue(),
            "Not Available");

  const auto wgc = SystemInformation::describe("NVENC", "RTX", 8, kWgc, true);
  EXPECT_EQ(wgc.captureLabel, "WGC:");
  EXPECT_EQ(wgc.captureAboutLabel, "Windows Graphics Capture:");
  EXPECT_EQ(wgc.captureValue(), "Supported");
  EXPECT_EQ(SystemInformation::describe("NVENC", "RTX", 8, kWgc, false).captureValue(), "Not Available");
}

TEST(DashboardSystemInformation, ThisPlatformNamesItsCaptureMethod) {
  const platform::CaptureMethodNames names = platform::captureMethodNames();
#ifdef _WIN32
  // Wine has no Windows.Graphics.Capture: the chosen method is GDI.
  EXPECT_STREQ(names.label, "Capture:");
  EXPECT_STREQ(names.availableValue, "GDI");
#else
  EXPECT_STREQ(names.label, "Capture:");
  EXPECT_STREQ(names.availableValue, "XComposite");
#endif
}

TEST(DashboardSystemInformation, DefaultsBeforeTheFirstPush) {
  const SystemInformation info;
  EXPECT_EQ(info.gpuName, "Detecting...");
  EXPECT_EQ(info.encoderName, "None");
  EXPECT_EQ(info.vramMB, 0u);
  EXPECT_FALSE(info.wgcSupported);
  EXPECT_EQ(info.captureValue(), "Not Available");
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
