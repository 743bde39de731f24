#pragma once

#include <utility>

namespace parvalon::host::amf {

// One counted reference to a runtime object (anything with Release), released when the holder
// goes. put() hands the runtime an out-parameter, dropping what was held before.
template <class T>
class AmfPtr {
 public:
  AmfPtr() = default;
  AmfPtr(const AmfPtr&) = delete;
  AmfPtr& operator=(const AmfPtr&) = delete;
  AmfPtr(AmfPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  AmfPtr& operator=(AmfPtr&& other) noexcept {
    if (this != &other) {
      reset();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  ~AmfPtr() { reset(); }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  T** put() {
    reset();
    return &object_;
  }
  void reset() {
    if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
  }

 private:
  T* object_ = nullptr;
};

}  // namespace parvalon::host::amf
