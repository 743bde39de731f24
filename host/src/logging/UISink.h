#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include <spdlog/details/null_mutex.h>
#include <spdlog/details/os.h>
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
    // The formatter's own line ending goes ("\r\n" on Windows); the message keeps its characters.
    const std::string_view eol = spdlog::details::os::default_eol;
    if (line.size() >= eol.size() && line.compare(line.size() - eol.size(), eol.size(), eol) == 0) {
      line.resize(line.size() - eol.size());
    }
    callback_(static_cast<int>(msg.level), line);
  }

  void flush_() override {}

 private:
  Callback callback_;
};

using UISinkMt = UISink<std::mutex>;

}  // namespace parvalon::host
