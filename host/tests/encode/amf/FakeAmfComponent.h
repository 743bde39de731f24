#pragma once

#include <deque>

#include "FakeAmfObject.h"

namespace parvalon::host::testing {

class FakeAmfBuffer;

// An encoder component. Every submitted surface becomes one canned access unit: an IDR picture
// with its parameter sets for the first submission after Init and for a forced IDR, an intra
// picture for the time stamps the test names, else a P picture. Outputs wait the configured
// number of further submissions before QueryOutput hands them out.
class FakeAmfComponent final : public FakeAmfObject<amf::AMFComponent> {
 public:
  explicit FakeAmfComponent(bool hevc);
  ~FakeAmfComponent() override;

  amf::amf_size PV_AMF_STD_CALL GetPropertiesInfoCount() const override;
  amf::AMF_RESULT PV_AMF_STD_CALL GetPropertyInfoAt(amf::amf_size index, const amf::AMFPropertyInfo** ppInfo) const override;
  amf::AMF_RESULT PV_AMF_STD_CALL GetPropertyInfo(const wchar_t* name, const amf::AMFPropertyInfo** ppInfo) const override;
  amf::AMF_RESULT PV_AMF_STD_CALL ValidateProperty(const wchar_t* name, amf::AMFVariantStruct value,
                                                   amf::AMFVariantStruct* pOutValidated) const override;

  amf::AMF_RESULT PV_AMF_STD_CALL Init(amf::AMF_SURFACE_FORMAT format, amf::amf_int32 width, amf::amf_int32 height) override;
  amf::AMF_RESULT PV_AMF_STD_CALL ReInit(amf::amf_int32 width, amf::amf_int32 height) override;
  amf::AMF_RESULT PV_AMF_STD_CALL Terminate() override;
  amf::AMF_RESULT PV_AMF_STD_CALL Drain() override;
  amf::AMF_RESULT PV_AMF_STD_CALL Flush() override;
  amf::AMF_RESULT PV_AMF_STD_CALL SubmitInput(amf::AMFData* pData) override;
  amf::AMF_RESULT PV_AMF_STD_CALL QueryOutput(amf::AMFData** ppData) override;
  amf::AMFContext* PV_AMF_STD_CALL GetContext() override;
  amf::AMF_RESULT PV_AMF_STD_CALL SetOutputDataAllocatorCB(amf::AMFDataAllocatorCB* callback) override;
  amf::AMF_RESULT PV_AMF_STD_CALL GetCaps(amf::AMFCaps** ppCaps) override;
  amf::AMF_RESULT PV_AMF_STD_CALL Optimize(amf::AMFComponentOptimizationCallback* pCallback) override;

 private:
  struct Pending {
    FakeAmfBuffer* buffer;
    int readyAt;  // number of submissions after which QueryOutput may hand it out
  };
  void dropPending();

  bool hevc_;
  bool initialized_ = false;
  bool nextIsIdr_ = true;
  int submissions_ = 0;
  bool extraHandedOut_ = false;
  std::deque<Pending> pending_;
};

}  // namespace parvalon::host::testing
