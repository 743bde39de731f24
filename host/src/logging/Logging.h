#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include <spdlog/common.h>

namespace parvalon::host {

inline constexpr std::size_t kLogFileMaxBytes = 5242880;
inline constexpr std::size_t kLogFileRotations = 3;
inline constexpr const char* kConsolePattern = "[%Y-%m-%d %H:%M:%S.%e] [%^%l%$] [%n] %v";
// Warnings flush at once; everything else reaches the file within this interval.
inline constexpr std::chrono::seconds kLogFlushInterval{1};
inline constexpr const char* kFilePattern = "[%Y-%m-%d %H:%M:%S.%e] [%l] [%n] [%t] %v";

// Builds the console, rotating-file and dashboard sinks and installs the logger as spdlog's
// default. A second call does nothing.
void initLogging(const std::string& name, bool fileLogging, spdlog::level::level_enum level);

// Adds a sink to the host logger while other threads may be logging. No-op without a logger.
void addSink(spdlog::sink_ptr sink);

void shutdownLogging();

// Folder of the log files: <local application data>/Parvalon/logs, or "logs" relative to the
// working directory when no such folder is known.
std::filesystem::path logFolder();

}  // namespace parvalon::host
