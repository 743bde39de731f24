#pragma once

#include <memory>
#include <mutex>
#include <utility>

namespace parvalon::host {

// One installed callable, replaceable while another thread calls it: a caller takes a snapshot
// and calls that, so a replacement never frees the callable under a running call.
template <class F>
class HandlerSlot {
 public:
  void set(F handler) {
    auto installed = std::make_shared<const F>(std::move(handler));
    std::lock_guard lock(mutex_);
    handler_ = std::move(installed);
  }

  // Changes a copy of the installed value and installs the copy.
  template <class Edit>
  void update(Edit edit) {
    std::lock_guard lock(mutex_);
    auto changed = handler_ ? std::make_shared<F>(*handler_) : std::make_shared<F>();
    edit(*changed);
    handler_ = std::move(changed);
  }

  // The installed callable, or null; valid as long as the caller keeps it.
  std::shared_ptr<const F> get() const {
    std::lock_guard lock(mutex_);
    return handler_;
  }

 private:
  mutable std::mutex mutex_;  // guards handler_; the installing thread and every calling thread
  std::shared_ptr<const F> handler_;
};

}  // namespace parvalon::host
