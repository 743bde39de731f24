#include "platform/windows/WgcFailureReport.h"

#include <cstdint>

#include "logging/Log.h"
#include "platform/windows/WindowsBuild.h"

namespace parvalon::host::platform::win32 {

namespace {

constexpr std::uint32_t kNoInterface = 0x80004002u;
constexpr std::uint32_t kAccessDenied = 0x80070005u;
constexpr std::uint32_t kInvalidArgument = 0x80070057u;
constexpr std::uint32_t kDxgiInvalidCall = 0x887A0001u;

// E_NOINTERFACE on a build that has the service: it is blocked or the driver lacks it.
void logBlockedApi() {
  PV_LOG_ERROR("ROOT CAUSE: Windows Graphics Capture API blocked/unavailable");
  PV_LOG_ERROR("");
  PV_LOG_ERROR("This error (E_NOINTERFACE) on a supported Windows version usually means");
  PV_LOG_ERROR("the Graphics Capture API is disabled or your GPU driver doesn't support it.");
  PV_LOG_ERROR("");
  PV_LOG_ERROR("=== TRY THESE SOLUTIONS (in order) ===");
  PV_LOG_ERROR("");
  PV_LOG_ERROR("1. ENABLE HARDWARE GPU SCHEDULING (most likely fix):");
  PV_LOG_ERROR("   Settings > System > Display > Graphics settings");
  PV_LOG_ERROR("   Turn ON 'Hardware-accelerated GPU scheduling'");
  PV_LOG_ERROR("   >>> RESTART YOUR PC <<<");
  PV_LOG_ERROR("");
  PV_LOG_ERROR("2. ADD APP TO HIGH PERFORMANCE GPU:");
  PV_LOG_ERROR("   Settings > System > Display > Graphics settings");
  PV_LOG_ERROR("   Click 'Browse' > Select ParvalonHost.exe");
  PV_LOG_ERROR("   Click 'Options' > Select 'High performance' > Save");
  PV_LOG_ERROR("");
  PV_LOG_ERROR("3. RE-REGISTER GRAPHICS CAPTURE (run in Admin PowerShell):");
  PV_LOG_ERROR("{}", "   Get-AppxPackage *GraphicsCapture* | Foreach {Add-AppxPackage -DisableDevelopmentMode -Register "
                     "\"$($_.InstallLocation)\\AppXManifest.xml\"}");
  PV_LOG_ERROR("");
  PV_LOG_ERROR("4. REINSTALL GPU DRIVER:");
  PV_LOG_ERROR("   Download latest driver from AMD/NVIDIA website");
  PV_LOG_ERROR("   Use DDU (Display Driver Uninstaller) for clean install");
  PV_LOG_ERROR("");
  PV_LOG_ERROR("5. RUN SYSTEM FILE CHECKER:");
  PV_LOG_ERROR("   Open Admin Command Prompt, run: sfc /scannow");
  PV_LOG_ERROR("");
  PV_LOG_ERROR("6. CHECK WINDOWS OPTIONAL FEATURES:");
  PV_LOG_ERROR("   Settings > Apps > Optional Features");
  PV_LOG_ERROR("   Make sure 'Graphics Tools' is installed");
  PV_LOG_ERROR("");
  PV_LOG_ERROR("If none of these work, there may be a deeper Windows/driver issue.");
  PV_LOG_ERROR("Try: Windows Settings > System > Recovery > Reset this PC (keep files)");
}

}  // namespace

void logWgcCaptureFailure(HRESULT hr, const std::string& message) {
  const auto code = static_cast<std::uint32_t>(hr);
  const int build = readWindowsBuildNumber();
  PV_LOG_ERROR("=== CAPTURE FAILED ===");
  PV_LOG_ERROR("  Error Code: 0x{:08x}", code);
  PV_LOG_ERROR("  Error Message: {}", message);
  PV_LOG_ERROR("  Windows Build: {}", build);
  if (code == kNoInterface && build >= kFirstCaptureBuild) {
    logBlockedApi();
  } else if (code == kNoInterface) {
    PV_LOG_ERROR("ROOT CAUSE: Windows version too old!");
    PV_LOG_ERROR("  You have Build {}, but 18362+ (Windows 10 1903) is required.", build);
    PV_LOG_ERROR("  SOLUTION: Update Windows via Settings > Update & Security");
  } else if (code == kAccessDenied) {
    PV_LOG_ERROR("ROOT CAUSE: Access Denied");
    PV_LOG_ERROR("  SOLUTION: Right-click ParvalonHost.exe > Run as administrator");
  } else if (code == kInvalidArgument) {
    PV_LOG_ERROR("ROOT CAUSE: Invalid window or parameters");
    PV_LOG_ERROR("  The window may be invalid, minimized, or a special system window.");
    PV_LOG_ERROR("  SOLUTION: Try capturing a different window (like Notepad or Chrome)");
  } else if (code == kDxgiInvalidCall) {
    PV_LOG_ERROR("ROOT CAUSE: DirectX/DXGI error");
    PV_LOG_ERROR("  SOLUTION: Update GPU drivers and restart PC");
  } else {
    PV_LOG_ERROR("ROOT CAUSE: Unknown error");
    PV_LOG_ERROR("  Please report this error code to the developers.");
  }
  PV_LOG_ERROR("=== END ERROR DETAILS ===");
}

}  // namespace parvalon::host::platform::win32
