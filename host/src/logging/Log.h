#pragma once

// The project's log macros: every line goes to the default logger with its source file,
// line and qualified function name. Messages use fmt placeholders.

#include <spdlog/spdlog.h>

#include "logging/QualifiedName.h"

#define PV_LOG_AT(level, ...)                                                                   \
  do {                                                                                          \
    static constexpr ::parvalon::host::logging_detail::QualifiedName<sizeof(__PRETTY_FUNCTION__)> \
        pvFunctionName_{__PRETTY_FUNCTION__};                                                   \
    if (auto* pvLogger_ = ::spdlog::default_logger_raw()) {                                     \
      pvLogger_->log(::spdlog::source_loc{__FILE__, __LINE__, pvFunctionName_.c_str()}, level,  \
                     __VA_ARGS__);                                                              \
    }                                                                                           \
  } while (false)

#define PV_LOG_TRACE(...) PV_LOG_AT(::spdlog::level::trace, __VA_ARGS__)
#define PV_LOG_DEBUG(...) PV_LOG_AT(::spdlog::level::debug, __VA_ARGS__)
#define PV_LOG_INFO(...) PV_LOG_AT(::spdlog::level::info, __VA_ARGS__)
#define PV_LOG_WARN(...) PV_LOG_AT(::spdlog::level::warn, __VA_ARGS__)
#define PV_LOG_ERROR(...) PV_LOG_AT(::spdlog::level::err, __VA_ARGS__)
#define PV_LOG_CRITICAL(...) PV_LOG_AT(::spdlog::level::critical, __VA_ARGS__)
