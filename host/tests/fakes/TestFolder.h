#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

namespace parvalon::host::testing {

// An empty folder of the running test's own (named after the test and the process, so tests
// running side by side never share one), removed with everything in it afterwards.
class TestFolder {
 public:
  explicit TestFolder(const std::string& prefix)
      : path_(std::filesystem::temp_directory_path() /
              (prefix + "-" + std::to_string(::getpid()) + "-" + testName())) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  // One folder level even for a parameterised test ("Case/2"), so that nothing is left behind.
  static std::string testName() {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name) {
      if (c == '/' || c == '\\') c = '-';
    }
    return name;
  }

  std::filesystem::path path_;
};

}  // namespace parvalon::host::testing
