#pragma once

#include <cstdlib>
#include <string>

namespace parvalon::host::testing {

// Loads an XKB layout on the test's X display for the scope's lifetime and puts the US layout
// back afterwards, so a failing test leaves the desktop as the next test expects it.
class ScopedKeyboardLayout {
 public:
  explicit ScopedKeyboardLayout(const std::string& layout)
      : loaded_(std::system(("setxkbmap " + layout).c_str()) == 0) {}
  ~ScopedKeyboardLayout() { [[maybe_unused]] const int r = std::system("setxkbmap us"); }
  ScopedKeyboardLayout(const ScopedKeyboardLayout&) = delete;
  ScopedKeyboardLayout& operator=(const ScopedKeyboardLayout&) = delete;

  bool loaded() const { return loaded_; }

 private:
  bool loaded_;
};

}  // namespace parvalon::host::testing
