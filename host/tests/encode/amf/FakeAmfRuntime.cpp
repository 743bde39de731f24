// The exports of the fake "amfrt64.dll": the two entry points AMD's runtime has.

#include <cstdio>
#include <string>

#include "FakeAmfFactory.h"
#include "FakeAmfRecorder.h"

using parvalon::host::testing::FakeAmfFactory;
using parvalon::host::testing::FakeAmfRecorder;
namespace amf = parvalon::host::amf;

namespace {

std::string hex(amf::amf_uint64 value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(value));
  return text;
}

}  // namespace

extern "C" __declspec(dllexport) amf::AMF_RESULT PV_AMF_CDECL_CALL AMFInit(amf::amf_uint64 version,
                                                                           amf::AMFFactory** ppFactory) {
  FakeAmfRecorder& recorder = FakeAmfRecorder::instance();
  recorder.configure();
  recorder.record("AMFInit version=" + hex(version));
  if (ppFactory == nullptr) return amf::AMF_INVALID_POINTER;
  *ppFactory = nullptr;
  if (const amf::AMF_RESULT failure = recorder.result("AMFInit"); failure != amf::AMF_OK) return failure;
  // A runtime older than the version asked for refuses it.
  if (version > recorder.version()) return amf::AMF_NOT_SUPPORTED;
  *ppFactory = &FakeAmfFactory::instance();
  return amf::AMF_OK;
}

extern "C" __declspec(dllexport) amf::AMF_RESULT PV_AMF_CDECL_CALL AMFQueryVersion(amf::amf_uint64* pVersion) {
  FakeAmfRecorder& recorder = FakeAmfRecorder::instance();
  recorder.configure();
  recorder.record("AMFQueryVersion");
  if (pVersion == nullptr) return amf::AMF_INVALID_POINTER;
  *pVersion = recorder.version();
  return amf::AMF_OK;
}
