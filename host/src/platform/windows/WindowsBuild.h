#pragma once

namespace parvalon::host::platform::win32 {

// The first build with window capture (Windows 10 version 1903, May 2019 Update).
constexpr int kFirstCaptureBuild = 18362;

// The OS build from HKLM "SOFTWARE\Microsoft\Windows NT\CurrentVersion" "CurrentBuildNumber";
// 0 when it cannot be read.
int readWindowsBuildNumber();

}  // namespace parvalon::host::platform::win32
