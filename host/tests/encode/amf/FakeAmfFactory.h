#pragma once

#include "encode/amf/AmfApi.h"

namespace parvalon::host::testing {

// The runtime's factory: one per loaded library, never reference-counted.
class FakeAmfFactory final : public amf::AMFFactory {
 public:
  static FakeAmfFactory& instance();

  amf::AMF_RESULT PV_AMF_STD_CALL CreateContext(amf::AMFContext** ppContext) override;
  amf::AMF_RESULT PV_AMF_STD_CALL CreateComponent(amf::AMFContext* pContext, const wchar_t* id,
                                                  amf::AMFComponent** ppComponent) override;
  amf::AMF_RESULT PV_AMF_STD_CALL SetCacheFolder(const wchar_t* path) override;
  const wchar_t* PV_AMF_STD_CALL GetCacheFolder() override;
  amf::AMF_RESULT PV_AMF_STD_CALL GetDebug(amf::AMFDebug** ppDebug) override;
  amf::AMF_RESULT PV_AMF_STD_CALL GetTrace(amf::AMFTrace** ppTrace) override;
  amf::AMF_RESULT PV_AMF_STD_CALL GetPrograms(amf::AMFPrograms** ppPrograms) override;
};

}  // namespace parvalon::host::testing
