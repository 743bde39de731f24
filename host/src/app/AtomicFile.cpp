#include "app/AtomicFile.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

#include "platform/DataFolder.h"

namespace parvalon::host {

void writeFileAtomically(const std::filesystem::path& path, std::string_view text) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    // The path itself, not text of it: on Windows that opens the file by its wide name.
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) throw AtomicFileOpenError("cannot open " + platform::pathText(temporary) + " for writing");
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw std::runtime_error("write to " + platform::pathText(temporary) + " failed");
    }
  }
  // Wide on Windows (MoveFileExW, replacing the old file), rename(2) on Linux.
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw std::filesystem::filesystem_error("rename failed", temporary, path, ec);
  }
}

}  // namespace parvalon::host
