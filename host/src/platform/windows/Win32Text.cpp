#include "platform/windows/Win32Text.h"

#include <windows.h>

#include <climits>

namespace parvalon::host::platform::win32 {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// WideCharToMultiByte's handling of unpaired surrogates differs between Windows versions (and
// wine); replacing them first makes the output valid UTF-8 everywhere.
std::wstring withPairedSurrogates(std::wstring_view text) {
  std::wstring out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (isHighSurrogate(out[i])) {
      if (i + 1 < out.size() && isLowSurrogate(out[i + 1])) {
        ++i;
      } else {
        out[i] = kReplacement;
      }
    } else if (isLowSurrogate(out[i])) {
      out[i] = kReplacement;
    }
  }
  return out;
}

}  // namespace

std::string utf16ToUtf8(std::wstring_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const std::wstring clean = withPairedSurrogates(text);
  const int length = static_cast<int>(clean.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, clean.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, clean.data(), length, out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring utf8ToUtf16(std::string_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), length, out.data(), size);
  return out;
}

}  // namespace parvalon::host::platform::win32
