#include "platform/CaptureMethodSelection.h"

#include <utility>

#include <fmt/format.h>

#include "logging/Log.h"

namespace parvalon::host::platform {

CaptureMethodSelection::CaptureMethodSelection(std::vector<Method> methods) : methods_(std::move(methods)) {}

const CaptureMethodSelection::Method* CaptureMethodSelection::choose() {
  std::lock_guard lock(mutex_);
  if (chosen_) return method_;
  chosen_ = true;
  std::vector<std::string> skipped;
  for (const Method& method : methods_) {
    std::string reason;
    if (method.factory && method.factory->isSupported(reason)) {
      method_ = &method;
      break;
    }
    if (!method.factory) reason = "not part of this build";
    skipped.push_back(fmt::format("{}: {}", method.name, reason.empty() ? "not supported" : reason));
  }
  std::string why;
  for (const std::string& item : skipped) why += (why.empty() ? "" : "; ") + item;
  if (!method_) {
    unsupportedReason_ = methods_.empty() ? std::string("no capture method in this build") : why;
    PV_LOG_ERROR("No window capture method available ({})", unsupportedReason_);
  } else if (skipped.empty()) {
    PV_LOG_INFO("Capture method: {}", method_->name);
  } else {
    PV_LOG_INFO("Capture method: {} (not available: {})", method_->name, why);
  }
  return method_;
}

std::string CaptureMethodSelection::chosenName() {
  const Method* method = choose();
  return method ? method->name : std::string();
}

bool CaptureMethodSelection::isSupported(std::string& reason) {
  if (choose()) return true;
  std::lock_guard lock(mutex_);
  reason = unsupportedReason_;
  return false;
}

std::vector<std::string> CaptureMethodSelection::diagnostics() {
  const Method* method = choose();
  if (!method) {
    std::lock_guard lock(mutex_);
    return {fmt::format("  Capture Method: none ({})", unsupportedReason_)};
  }
  std::vector<std::string> lines{fmt::format("  Capture Method: {}", method->name)};
  for (std::string& line : method->factory->diagnostics()) lines.push_back(std::move(line));
  return lines;
}

std::unique_ptr<CaptureSource> CaptureMethodSelection::create(WindowHandle window, const CaptureOptions& options,
                                                              std::string& error) {
  const Method* method = choose();
  if (!method) {
    std::lock_guard lock(mutex_);
    error = unsupportedReason_;
    return nullptr;
  }
  return method->factory->create(window, options, error);
}

}  // namespace parvalon::host::platform
