#pragma once

#include <string>
#include <string_view>

namespace parvalon::host::platform::linux_x11 {

// Window titles arrive in three encodings; all leave here as valid UTF-8 so one odd title
// cannot make a whole window list unserialisable.

// Valid UTF-8 stays as it is; every byte that is not part of a valid sequence (stray
// continuation, overlong form, surrogate, beyond U+10FFFF, cut short) becomes U+FFFD.
std::string sanitizeUtf8(std::string_view text);

// ISO 8859-1 (the X STRING type) to UTF-8.
std::string latin1ToUtf8(std::string_view text);

// X compound text (ISO 2022 subset) to UTF-8: ASCII and Latin-1 halves, the UTF-8 segments
// (ESC % G ... ESC % @ and the "utf-8" extended segment); characters of other character sets
// become U+FFFD.
std::string compoundTextToUtf8(std::string_view text);

}  // namespace parvalon::host::platform::linux_x11
