#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/LogCapture.h"
#include "platform/windows/WgcCaptureSourceFactory.h"
#include "platform/windows/WgcFailureReport.h"
#include "platform/windows/WindowsBuild.h"

namespace parvalon::host::platform::win32 {
namespace {

using testing::kError;
using testing::LogCapture;

// The lines between the report's header (four lines) and its end line.
std::vector<std::string> rootCauseLines(const LogCapture& log) {
  const auto texts = log.texts();
  EXPECT_GE(texts.size(), 5u);
  if (texts.size() < 5) return {};
  EXPECT_EQ(texts.back(), "=== END ERROR DETAILS ===");
  return {texts.begin() + 4, texts.end() - 1};
}

TEST(WgcFailureReport, AccessDeniedPrintsHeaderCauseAndEndOnly) {
  LogCapture log;
  logWgcCaptureFailure(static_cast<HRESULT>(0x80070005u), "Access is denied.");
  const std::string build = std::to_string(readWindowsBuildNumber());
  EXPECT_EQ(log.texts(), (std::vector<std::string>{"=== CAPTURE FAILED ===", "  Error Code: 0x80070005",
                                                   "  Error Message: Access is denied.", "  Windows Build: " + build,
                                                   "ROOT CAUSE: Access Denied",
                                                   "  SOLUTION: Right-click ParvalonHost.exe > Run as administrator",
                                                   "=== END ERROR DETAILS ==="}));
  EXPECT_EQ(log.countAtLeast(kError), 7u);
}

TEST(WgcFailureReport, NoInterfaceDependsOnTheBuild) {
  LogCapture log;
  logWgcCaptureFailure(static_cast<HRESULT>(0x80004002u), "");
  const auto cause = rootCauseLines(log);
  if (readWindowsBuildNumber() >= kFirstCaptureBuild) {
    ASSERT_EQ(cause.size(), 33u);
    EXPECT_EQ(cause[0], "ROOT CAUSE: Windows Graphics Capture API blocked/unavailable");
    EXPECT_EQ(cause[1], "");
    EXPECT_EQ(cause[18],
              "   Get-AppxPackage *GraphicsCapture* | Foreach {Add-AppxPackage -DisableDevelopmentMode -Register "
              "\"$($_.InstallLocation)\\AppXManifest.xml\"}");
    EXPECT_EQ(cause[32], "Try: Windows Settings > System > Recovery > Reset this PC (keep files)");
  } else {
    ASSERT_EQ(cause.size(), 3u);
    EXPECT_EQ(cause[0], "ROOT CAUSE: Windows version too old!");
  }
  EXPECT_EQ(log.count(kError, "  Error Message: "), 1u);
}

TEST(WgcFailureReport, OtherCodesAreNamedByTheirRow) {
  struct Row {
    std::uint32_t code;
    const char* cause;
    std::size_t lines;
  };
  for (const Row& row : {Row{0x80070057u, "ROOT CAUSE: Invalid window or parameters", 3},
                         Row{0x887A0001u, "ROOT CAUSE: DirectX/DXGI error", 2},
                         Row{0x80004005u, "ROOT CAUSE: Unknown error", 2}}) {
    LogCapture log;
    logWgcCaptureFailure(static_cast<HRESULT>(row.code), "x");
    const auto cause = rootCauseLines(log);
    ASSERT_EQ(cause.size(), row.lines) << std::hex << row.code;
    EXPECT_EQ(cause[0], row.cause);
  }
}

// Wine has no Windows.Graphics.Capture: activation fails, and the factory says so.
TEST(WgcCaptureSourceFactory, ReportsTheServiceMissingUnderWine) {
  WgcCaptureSourceFactory factory;
  std::string reason;
  EXPECT_FALSE(factory.isSupported(reason));
  const int build = readWindowsBuildNumber();
  if (build == 0 || build >= kFirstCaptureBuild) {
    EXPECT_EQ(reason, "Windows Graphics Capture is not supported on this system. Windows Build: " +
                          std::to_string(build));
  }
  EXPECT_EQ(factory.diagnostics(), (std::vector<std::string>{"  Windows Build: " + std::to_string(build),
                                                              "  GraphicsCaptureSession::IsSupported(): NO"}));
}

TEST(WgcCaptureSourceFactory, NeedsTheDirect3DDevice) {
  WgcCaptureSourceFactory factory;
  std::string error;
  EXPECT_EQ(factory.create(0x1234, CaptureOptions{}, error), nullptr);
  EXPECT_EQ(error, "Windows Graphics Capture needs the Direct3D 11 device");
}

}  // namespace
}  // namespace parvalon::host::platform::win32
