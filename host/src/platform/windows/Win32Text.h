#pragma once

#include <string>
#include <string_view>

namespace parvalon::host::platform::win32 {

// UTF-16 text of the window functions to UTF-8. An unpaired surrogate becomes U+FFFD, so one
// odd title never breaks the JSON of a whole window list. Empty input gives empty output.
std::string utf16ToUtf8(std::wstring_view text);

// UTF-8 to UTF-16 (invalid bytes become U+FFFD).
std::wstring utf8ToUtf16(std::string_view text);

}  // namespace parvalon::host::platform::win32
