#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace parvalon::host::testing {

// The variable the log folder comes from on this platform.
#ifdef _WIN32
inline constexpr const char* kLogFolderVariable = "LOCALAPPDATA";
#else
inline constexpr const char* kLogFolderVariable = "XDG_DATA_HOME";
#endif

// Sets and clears environment variables for one test; every variable it touched is put back
// as it was when the object goes.
class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) apply(it->first, it->second);
  }

  void set(const std::string& name, const std::string& value) {
    remember(name);
    apply(name, value);
  }
  void unset(const std::string& name) {
    remember(name);
    apply(name, std::nullopt);
  }

 private:
  void remember(const std::string& name) {
    for (const auto& entry : saved_) {
      if (entry.first == name) return;
    }
    const char* value = std::getenv(name.c_str());
    saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
  }
  static void apply(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
    // An empty value removes the variable.
    _putenv_s(name.c_str(), value ? value->c_str() : "");
#else
    if (value) {
      ::setenv(name.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name.c_str());
    }
#endif
  }

  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace parvalon::host::testing
