#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace parvalon::host {

// The sibling file could not be opened (no write access to the folder, say); nothing was changed.
struct AtomicFileOpenError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Replaces `path` with `text` through a sibling ".tmp" file renamed over it, so that a failed or
// interrupted write never leaves a truncated file behind. Throws AtomicFileOpenError, or another
// std::exception naming the failing step, and removes the sibling when the write or the rename fails.
void writeFileAtomically(const std::filesystem::path& path, std::string_view text);

}  // namespace parvalon::host
