#pragma once

#include <functional>
#include <mutex>
#include <string>

#include <spdlog/details/null_mutex.h>
#include <spdlog/sinks/base_sink.h>

namespace parvalon::host {

// Forwards every formatted log line to the dashboard's log view. The callback runs on the
// logging thread with the sink's mutex held: it must not log.
template <class Mutex>
class UISink : public spdlog::sinks::base_sink<Mutex> {
 public:
  using Callback = std::function<void(int level, const std::string& line)>;

  void setCallback(Callback callback) {
    std::lock_guard<Mutex> lock(this->mutex_);
    callback_ = std::move(callback);
  }

 protected:
  void sink_it_(const spdlog::details::log_msg& msg) override {
    if (!callback_) return;
    spdlog::memory_buf_t formatted;
    this->formatter_->format(msg, formatted);
    std::string line(formatted.data(), formatted.size());
    if (!line.empty() && line.back() == '\n') line.pop_back();
    callback_(static_cast<int>(msg.level), line);
  }

  void flush_() override {}

 private:
  Callback callback_;
};

using UISinkMt = UISink<std::mutex>;

}  // namespace parvalon::host
