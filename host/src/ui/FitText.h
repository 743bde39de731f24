#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace parvalon::host {

// Past this many bytes a text is never measured: no list line shows that much of it.
inline constexpr std::size_t kMaxFittedTextBytes = 1024;

// `text` shortened so that it fits `maxWidth` as `measure` reports it: the longest prefix of
// whole characters that fits followed by "...". A text longer than kMaxFittedTextBytes is
// always shortened, to at most that many bytes. Measures O(log n) times.
std::string fitText(const std::string& text, float maxWidth, const std::function<float(std::string_view)>& measure);

}  // namespace parvalon::host
