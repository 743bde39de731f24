#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include <spdlog/sinks/ostream_sink.h>

#include "support/ReadFile.h"
#include "fakes/Environment.h"
#include "fakes/WaitUntil.h"
#include "logging/Log.h"
#include "logging/Logging.h"
#include "logging/UISink.h"

namespace fs = std::filesystem;

namespace parvalon::host {
namespace {

using test::readFile;

// Each test gets its own data folder and working directory and leaves logging shut down.
class LoggingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("parvalon-logging-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "cwd");
    oldCwd_ = fs::current_path();
    fs::current_path(root_ / "cwd");
  }
  void TearDown() override {
    shutdownLogging();
    fs::current_path(oldCwd_);
    fs::remove_all(root_);
  }

  fs::path root_;
  fs::path oldCwd_;
  testing::ScopedEnvironment env_;
};

TEST_F(LoggingTest, WritesToRelativeLogsFolderWithoutDataFolder) {
  env_.unset(testing::kLogFolderVariable);
  env_.unset("HOME");
  initLogging("ParvalonHost", true, spdlog::level::debug);
  PV_LOG_WARN("warned {}", 1);
  const auto file = root_ / "cwd" / "logs" / "ParvalonHost.log";
  ASSERT_TRUE(fs::exists(file));
  const auto text = readFile(file);
  EXPECT_NE(text.find("[info] [ParvalonHost] ["), std::string::npos) << text;
  EXPECT_NE(text.find("Logging initialized for ParvalonHost"), std::string::npos);
  EXPECT_NE(text.find("[warning] [ParvalonHost] ["), std::string::npos) << text;
  EXPECT_NE(text.find("] warned 1"), std::string::npos) << text;
}

#ifndef _WIN32
TEST_F(LoggingTest, UsesXdgDataHomeThenHome) {
  env_.set(testing::kLogFolderVariable, (root_ / "xdg").string());
  env_.set("HOME", (root_ / "home").string());
  EXPECT_EQ(logFolder(), root_ / "xdg" / "Parvalon" / "logs");
  env_.unset(testing::kLogFolderVariable);
  EXPECT_EQ(logFolder(), root_ / "home" / ".local" / "share" / "Parvalon" / "logs");
  initLogging("ParvalonHost", true, spdlog::level::debug);
  EXPECT_TRUE(fs::exists(root_ / "home" / ".local" / "share" / "Parvalon" / "logs" / "ParvalonHost.log"));
}
#else
// Logs follow the LOCALAPPDATA variable itself, not the shell's folder lookup.
TEST_F(LoggingTest, UsesLocalAppDataVariable) {
  env_.set("LOCALAPPDATA", (root_ / "local").string());
  EXPECT_EQ(logFolder(), root_ / "local" / "Parvalon" / "logs");
  initLogging("ParvalonHost", true, spdlog::level::debug);
  EXPECT_TRUE(fs::exists(root_ / "local" / "Parvalon" / "logs" / "ParvalonHost.log"));
}
#endif

TEST_F(LoggingTest, UnusableFolderFallsBackToConsoleOnly) {
  // A file where the folder should be makes create_directories fail.
  env_.set(testing::kLogFolderVariable, (root_ / "blocked").string());
  std::ofstream(root_ / "blocked") << "x";
  ::testing::internal::CaptureStdout();
  initLogging("ParvalonHost", true, spdlog::level::debug);
  PV_LOG_INFO("still logging");
  const auto out = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Failed to create file logger: "), std::string::npos) << out;
  EXPECT_NE(out.find("still logging"), std::string::npos) << out;
}

// The info line may or may not have met the periodic flush yet; the warning flushes both.
TEST_F(LoggingTest, WarningIsFlushedAtOnce) {
  env_.set(testing::kLogFolderVariable, root_.string());
  initLogging("ParvalonHost", true, spdlog::level::debug);
  const auto file = root_ / "Parvalon" / "logs" / "ParvalonHost.log";
  PV_LOG_INFO("buffered line");
  PV_LOG_WARN("flushed line");
  const auto text = readFile(file);
  EXPECT_NE(text.find("buffered line"), std::string::npos);
  EXPECT_NE(text.find("flushed line"), std::string::npos);
}

// Without the periodic flush a short info line sits in the file buffer until it fills, so a
// person tailing the log sees nothing for minutes.
TEST_F(LoggingTest, InfoLineReachesTheFileWithoutAWarning) {
  env_.set(testing::kLogFolderVariable, root_.string());
  initLogging("ParvalonHost", true, spdlog::level::debug);
  const auto file = root_ / "Parvalon" / "logs" / "ParvalonHost.log";
  PV_LOG_INFO("quiet progress line");
  EXPECT_TRUE(testing::waitUntil([&] { return readFile(file).find("quiet progress line") != std::string::npos; },
                                 std::chrono::seconds(10)))
      << readFile(file);
}

TEST_F(LoggingTest, RotatesAtFiveMebibytesKeepingThreeFiles) {
  env_.set(testing::kLogFolderVariable, root_.string());
  initLogging("ParvalonHost", true, spdlog::level::debug);
  spdlog::default_logger_raw()->sinks()[0]->set_level(spdlog::level::off);  // keep the console quiet
  const std::string payload(1000, 'x');
  for (int i = 0; i < 25000; ++i) PV_LOG_DEBUG("{} {}", i, payload);  // about 25 MB
  spdlog::default_logger_raw()->flush();
  const auto folder = root_ / "Parvalon" / "logs";
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) {
    names.push_back(e.path().filename().string());
    EXPECT_LE(fs::file_size(e.path()), kLogFileMaxBytes) << e.path();
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"ParvalonHost.1.log", "ParvalonHost.2.log", "ParvalonHost.3.log",
                                             "ParvalonHost.log"}));
}

TEST_F(LoggingTest, SecondInitIsIgnored) {
  env_.set(testing::kLogFolderVariable, root_.string());
  initLogging("ParvalonHost", true, spdlog::level::debug);
  auto* first = spdlog::default_logger_raw();
  initLogging("Other", false, spdlog::level::info);
  EXPECT_EQ(spdlog::default_logger_raw(), first);
  EXPECT_EQ(first->name(), "ParvalonHost");
}

struct QualifiedNameProbe {
  void logFromMember() { PV_LOG_INFO("member"); }
  void logFromLambda() {
    auto lambda = [](int v) { PV_LOG_INFO("lambda {}", v); };
    lambda(3);
  }
};

TEST_F(LoggingTest, EveryLineCarriesFileLineAndQualifiedFunction) {
  env_.unset(testing::kLogFolderVariable);
  initLogging("ParvalonHost", false, spdlog::level::debug);
  std::ostringstream out;
  auto sink = std::make_shared<spdlog::sinks::ostream_sink_mt>(out);
  sink->set_pattern("%s|%#|%!|%v");
  addSink(sink);
  QualifiedNameProbe probe;
  probe.logFromMember();
  probe.logFromLambda();
  const auto text = out.str();
  EXPECT_NE(text.find("LoggingTest.cpp|"), std::string::npos) << text;
  EXPECT_NE(text.find("|parvalon::host::{anonymous}::QualifiedNameProbe::logFromMember|member"), std::string::npos)
      << text;
  EXPECT_NE(text.find("|parvalon::host::{anonymous}::QualifiedNameProbe::logFromLambda|lambda 3"), std::string::npos)
      << text;
  // The sink writes into a local stream: shut down while it still exists.
  shutdownLogging();
}

// Adding a sink while other threads log must neither crash nor lose the added sink's lines.
TEST_F(LoggingTest, AddSinkIsSafeWhileThreadsLog) {
  env_.unset(testing::kLogFolderVariable);
  initLogging("ParvalonHost", false, spdlog::level::debug);
  spdlog::default_logger_raw()->sinks()[0]->set_level(spdlog::level::off);
  std::atomic<bool> stop{false};
  std::vector<std::thread> writers;
  for (int t = 0; t < 4; ++t) {
    writers.emplace_back([&stop, t] {
      for (int i = 0; i < 200000 && !stop.load(); ++i) PV_LOG_DEBUG("writer {} line {}", t, i);
    });
  }
  std::vector<std::shared_ptr<UISinkMt>> sinks;
  std::vector<std::shared_ptr<std::atomic<int>>> counts;
  for (int s = 0; s < 20; ++s) {
    auto count = std::make_shared<std::atomic<int>>(0);
    auto sink = std::make_shared<UISinkMt>();
    sink->setCallback([count](int, const std::string&) { count->fetch_add(1); });
    addSink(sink);
    sinks.push_back(sink);
    counts.push_back(count);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  PV_LOG_INFO("after all sinks");
  stop = true;
  for (auto& w : writers) w.join();
  for (const auto& c : counts) EXPECT_GE(c->load(), 1);
}

}  // namespace
}  // namespace parvalon::host
