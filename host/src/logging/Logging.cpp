#include "logging/Logging.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include <spdlog/sinks/dist_sink.h>
#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/sinks/stdout_color_sinks.h>
#include <spdlog/spdlog.h>

#include "logging/Log.h"
#include "platform/DataFolder.h"

namespace parvalon::host {

static_assert(std::is_same_v<spdlog::filename_t, std::filesystem::path::string_type>,
              "spdlog must take file names in the platform's native form (SPDLOG_WCHAR_FILENAMES on Windows)");

namespace {

// Guards the module state; taken by initLogging, addSink and shutdownLogging (any thread).
std::mutex stateMutex;
bool initialized = false;
std::shared_ptr<spdlog::logger> hostLogger;
// Sinks added after start-up go into this distributing sink, which has its own lock, so the
// logger's own sink list never changes while other threads log through it.
std::shared_ptr<spdlog::sinks::dist_sink_mt> addedSinks;

}  // namespace

std::filesystem::path logFolder() {
  if (const auto base = platform::logDataFolder()) {
    return *base / "Parvalon" / "logs";
  }
  return "logs";
}

void initLogging(const std::string& name, bool fileLogging, spdlog::level::level_enum level) {
  std::lock_guard lock(stateMutex);
  if (initialized) return;

  std::vector<spdlog::sink_ptr> sinks;
  // spdlog picks the console sink of the platform: wincolor_stdout_sink_mt on Windows, the ANSI
  // colour sink elsewhere; both serialise on spdlog's console mutex.
  auto console = std::make_shared<spdlog::sinks::stdout_color_sink_mt>(spdlog::color_mode::automatic);
  console->set_level(level);
  console->set_pattern(kConsolePattern);
  sinks.push_back(console);

  std::optional<std::string> fileError;
  if (fileLogging) {
    try {
      const auto folder = logFolder();
      std::filesystem::create_directories(folder);
      // The path's native string: wide on Windows (spdlog built with wide file names), bytes on
      // Linux. A narrow string would be read in the ANSI code page on Windows.
      const auto file = folder / (name + ".log");
      auto rotating = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(file.native(), kLogFileMaxBytes,
                                                                             kLogFileRotations, false);
      rotating->set_level(spdlog::level::debug);
      rotating->set_pattern(kFilePattern);
      sinks.push_back(rotating);
    } catch (const std::exception& e) {
      // After an earlier shutdownLogging spdlog has no default logger left to say this, so it
      // is said by the new logger, on the console sink.
      fileError = e.what();
    }
  }

  addedSinks = std::make_shared<spdlog::sinks::dist_sink_mt>();
  sinks.push_back(addedSinks);

  hostLogger = std::make_shared<spdlog::logger>(name, sinks.begin(), sinks.end());
  hostLogger->set_level(level);
  hostLogger->flush_on(spdlog::level::warn);
  spdlog::set_default_logger(hostLogger);
  // The registry's flusher thread flushes every registered logger, the default one included;
  // spdlog::shutdown ends it.
  spdlog::flush_every(kLogFlushInterval);
  initialized = true;
  if (fileError) PV_LOG_WARN("Failed to create file logger: {}", *fileError);
  PV_LOG_INFO("Logging initialized for {}", name);
}

void addSink(spdlog::sink_ptr sink) {
  std::lock_guard lock(stateMutex);
  if (!hostLogger || !addedSinks) return;
  addedSinks->add_sink(std::move(sink));
}

void shutdownLogging() {
  std::lock_guard lock(stateMutex);
  PV_LOG_INFO("Shutting down logging");
  spdlog::shutdown();
  hostLogger.reset();
  addedSinks.reset();
  initialized = false;
}

}  // namespace parvalon::host
