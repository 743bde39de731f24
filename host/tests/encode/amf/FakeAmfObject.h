#pragma once

#include <map>
#include <string>
#include <utility>

#include "FakeAmfRecorder.h"
#include "FakeAmfText.h"
#include "encode/amf/AmfApi.h"

namespace parvalon::host::testing {

// What every fake runtime object shares: the reference count (the last Release logs
// "<Name>.Destroy" and deletes), QueryInterface and the property store. Calls are logged as
// "<Name>.<Method> ..." and fail when the test configured a result for "<Name>.<Method>".
// Methods the encoder has no business calling log their name and return AMF_NOT_IMPLEMENTED,
// so a call through the wrong slot shows in the log.
template <class Interface>
class FakeAmfObject : public Interface {
 public:
  explicit FakeAmfObject(std::string name) : name_(std::move(name)) {}
  virtual ~FakeAmfObject() = default;
  FakeAmfObject(const FakeAmfObject&) = delete;
  FakeAmfObject& operator=(const FakeAmfObject&) = delete;

  amf::amf_long PV_AMF_STD_CALL Acquire() override { return ++references_; }
  amf::amf_long PV_AMF_STD_CALL Release() override {
    const amf::amf_long left = --references_;
    if (left == 0) {
      log("Destroy");
      delete this;
    }
    return left;
  }
  amf::AMF_RESULT PV_AMF_STD_CALL QueryInterface(const amf::AMFGuid& interfaceId, void** ppInterface) override {
    const bool buffer = interfaceId == amf::AMFBuffer::kIid;
    log(std::string("QueryInterface ") + (buffer ? "AMFBuffer" : "other"));
    if (ppInterface == nullptr) return amf::AMF_INVALID_POINTER;
    *ppInterface = nullptr;
    if (!buffer || !isBuffer()) return amf::AMF_NO_INTERFACE;
    Acquire();
    *ppInterface = static_cast<Interface*>(this);
    return amf::AMF_OK;
  }

  amf::AMF_RESULT PV_AMF_STD_CALL SetProperty(const wchar_t* name, amf::AMFVariantStruct value) override {
    log("SetProperty " + fakeAmfNarrow(name) + "=" + fakeAmfDescribe(value));
    if (const amf::AMF_RESULT failure = fail("SetProperty"); failure != amf::AMF_OK) return failure;
    properties_[name] = value;
    return amf::AMF_OK;
  }
  amf::AMF_RESULT PV_AMF_STD_CALL GetProperty(const wchar_t* name, amf::AMFVariantStruct* pValue) const override {
    log("GetProperty " + fakeAmfNarrow(name));
    if (const amf::AMF_RESULT failure = fail("GetProperty"); failure != amf::AMF_OK) return failure;
    if (pValue == nullptr) return amf::AMF_INVALID_POINTER;
    const auto it = properties_.find(name);
    if (it == properties_.end()) return amf::AMF_NOT_FOUND;
    *pValue = it->second;
    return amf::AMF_OK;
  }
  amf::amf_bool PV_AMF_STD_CALL HasProperty(const wchar_t* name) const override {
    log("HasProperty " + fakeAmfNarrow(name));
    return properties_.count(name) != 0;
  }
  amf::amf_size PV_AMF_STD_CALL GetPropertyCount() const override {
    log("GetPropertyCount");
    return properties_.size();
  }
  amf::AMF_RESULT PV_AMF_STD_CALL GetPropertyAt(amf::amf_size, wchar_t*, amf::amf_size,
                                                amf::AMFVariantStruct*) const override {
    return unexpected("GetPropertyAt");
  }
  amf::AMF_RESULT PV_AMF_STD_CALL Clear() override { return unexpected("Clear"); }
  amf::AMF_RESULT PV_AMF_STD_CALL AddTo(amf::AMFPropertyStorage*, amf::amf_bool, amf::amf_bool) const override {
    return unexpected("AddTo");
  }
  amf::AMF_RESULT PV_AMF_STD_CALL CopyTo(amf::AMFPropertyStorage*, amf::amf_bool) const override {
    return unexpected("CopyTo");
  }
  void PV_AMF_STD_CALL AddObserver(amf::AMFPropertyStorageObserver*) override { unexpected("AddObserver"); }
  void PV_AMF_STD_CALL RemoveObserver(amf::AMFPropertyStorageObserver*) override { unexpected("RemoveObserver"); }

  // The fake's own view of a property, without a log line.
  bool storedProperty(const wchar_t* name, amf::AMFVariantStruct& value) const {
    const auto it = properties_.find(name);
    if (it == properties_.end()) return false;
    value = it->second;
    return true;
  }
  void storeProperty(const wchar_t* name, amf::AMFVariantStruct value) { properties_[name] = value; }

 protected:
  virtual bool isBuffer() const { return false; }
  void log(const std::string& text) const { FakeAmfRecorder::instance().record(name_ + "." + text); }
  amf::AMF_RESULT fail(const std::string& method) const {
    return FakeAmfRecorder::instance().result(name_ + "." + method);
  }
  amf::AMF_RESULT unexpected(const std::string& method) const {
    log(method + " (unexpected)");
    return amf::AMF_NOT_IMPLEMENTED;
  }

 private:
  std::string name_;
  amf::amf_long references_ = 1;
  std::map<std::wstring, amf::AMFVariantStruct> properties_;
};

}  // namespace parvalon::host::testing
