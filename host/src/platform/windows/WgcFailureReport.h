#pragma once

#include <windows.h>

#include <string>

namespace parvalon::host::platform::win32 {

// The capture-failure report of a Windows.Graphics.Capture error: header lines with the code,
// message and build, the root cause and remedies of the first matching row, and the end line,
// every line at error level.
void logWgcCaptureFailure(HRESULT hr, const std::string& message);

}  // namespace parvalon::host::platform::win32
