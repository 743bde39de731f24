#include "FakeAmfFactory.h"

#include <string>

#include "FakeAmfComponent.h"
#include "FakeAmfContext.h"
#include "FakeAmfRecorder.h"
#include "FakeAmfText.h"

namespace parvalon::host::testing {

namespace {

void log(const std::string& text) { FakeAmfRecorder::instance().record("Factory." + text); }
amf::AMF_RESULT fail(const std::string& method) { return FakeAmfRecorder::instance().result("Factory." + method); }
amf::AMF_RESULT unexpected(const std::string& method) {
  log(method + " (unexpected)");
  return amf::AMF_NOT_IMPLEMENTED;
}

}  // namespace

FakeAmfFactory& FakeAmfFactory::instance() {
  static FakeAmfFactory factory;
  return factory;
}

amf::AMF_RESULT FakeAmfFactory::CreateContext(amf::AMFContext** ppContext) {
  log("CreateContext");
  if (ppContext == nullptr) return amf::AMF_INVALID_POINTER;
  *ppContext = nullptr;
  if (const amf::AMF_RESULT failure = fail("CreateContext"); failure != amf::AMF_OK) return failure;
  *ppContext = new FakeAmfContext();
  return amf::AMF_OK;
}

amf::AMF_RESULT FakeAmfFactory::CreateComponent(amf::AMFContext* pContext, const wchar_t* id,
                                                amf::AMFComponent** ppComponent) {
  const std::string name = fakeAmfNarrow(id);
  log("CreateComponent context=" + std::string(pContext == nullptr ? "null" : "set") + " id=" + name);
  if (ppComponent == nullptr) return amf::AMF_INVALID_POINTER;
  *ppComponent = nullptr;
  if (const amf::AMF_RESULT failure = fail("CreateComponent"); failure != amf::AMF_OK) return failure;
  if (pContext == nullptr) return amf::AMF_INVALID_ARG;
  if (name == "AMFVideoEncoderVCE_AVC") {
    *ppComponent = new FakeAmfComponent(false);
  } else if (name == "AMFVideoEncoderHW_HEVC") {
    *ppComponent = new FakeAmfComponent(true);
  } else {
    return amf::AMF_NOT_SUPPORTED;
  }
  return amf::AMF_OK;
}

amf::AMF_RESULT FakeAmfFactory::SetCacheFolder(const wchar_t*) { return unexpected("SetCacheFolder"); }
const wchar_t* FakeAmfFactory::GetCacheFolder() {
  unexpected("GetCacheFolder");
  return nullptr;
}
amf::AMF_RESULT FakeAmfFactory::GetDebug(amf::AMFDebug**) { return unexpected("GetDebug"); }
amf::AMF_RESULT FakeAmfFactory::GetTrace(amf::AMFTrace**) { return unexpected("GetTrace"); }
amf::AMF_RESULT FakeAmfFactory::GetPrograms(amf::AMFPrograms**) { return unexpected("GetPrograms"); }

}  // namespace parvalon::host::testing
