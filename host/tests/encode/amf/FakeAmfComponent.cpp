#include "FakeAmfComponent.h"

#include <cstdint>
#include <string>
#include <vector>

#include "FakeAmfBuffer.h"
#include "FakeAmfSurface.h"

namespace parvalon::host::testing {

namespace {

using Bytes = std::vector<std::uint8_t>;

// Canned access units; the last byte of each picture's slice is its time stamp.
Bytes h264Idr(std::uint8_t pts) {
  return {0, 0, 0, 1, 0x67, 0x42, 0xC0, 0x1F, 0xDA, 0, 0, 0, 1, 0x68, 0xCE, 0x3C, 0x80,
          0, 0, 1, 0x65, 0x88, 0x84, pts};
}
Bytes h264Intra(std::uint8_t pts) {
  // An intra picture that repeats other parameter sets: taking it for a key frame would show.
  return {0, 0, 0, 1, 0x67, 0x4D, 0x00, 0x28, 0xEE, 0, 0, 0, 1, 0x68, 0xEF, 0x01, 0x02,
          0, 0, 1, 0x41, 0x9A, 0x01, pts};
}
Bytes h264P(std::uint8_t pts) { return {0, 0, 0, 1, 0x41, 0x9A, 0x02, pts}; }
Bytes hevcIdr(std::uint8_t pts) {
  return {0, 0, 0, 1, 0x40, 0x01, 0x0C, 0x01, 0, 0, 0, 1, 0x42, 0x01, 0x01, 0x60,
          0, 0, 0, 1, 0x44, 0x01, 0xC1, 0x73, 0, 0, 1, 0x26, 0x01, 0xAF, pts};
}
Bytes hevcIntra(std::uint8_t pts) {
  return {0, 0, 0, 1, 0x42, 0x01, 0x02, 0x70, 0, 0, 0, 1, 0x44, 0x01, 0xD0, 0x11,
          0, 0, 1, 0x2A, 0x01, 0xAB, pts};
}
Bytes hevcP(std::uint8_t pts) { return {0, 0, 0, 1, 0x02, 0x01, 0xD0, pts}; }

constexpr amf::amf_int64 kOutputIdr = 0;
constexpr amf::amf_int64 kOutputIntra = 1;
constexpr amf::amf_int64 kOutputP = 2;

}  // namespace

FakeAmfComponent::FakeAmfComponent(bool hevc) : FakeAmfObject("Component"), hevc_(hevc) {}

FakeAmfComponent::~FakeAmfComponent() { dropPending(); }

void FakeAmfComponent::dropPending() {
  for (const Pending& p : pending_) p.buffer->Release();
  pending_.clear();
}

amf::amf_size FakeAmfComponent::GetPropertiesInfoCount() const {
  unexpected("GetPropertiesInfoCount");
  return 0;
}
amf::AMF_RESULT FakeAmfComponent::GetPropertyInfoAt(amf::amf_size, const amf::AMFPropertyInfo**) const {
  return unexpected("GetPropertyInfoAt");
}
amf::AMF_RESULT FakeAmfComponent::GetPropertyInfo(const wchar_t*, const amf::AMFPropertyInfo**) const {
  return unexpected("GetPropertyInfo");
}
amf::AMF_RESULT FakeAmfComponent::ValidateProperty(const wchar_t*, amf::AMFVariantStruct, amf::AMFVariantStruct*) const {
  return unexpected("ValidateProperty");
}

amf::AMF_RESULT FakeAmfComponent::Init(amf::AMF_SURFACE_FORMAT format, amf::amf_int32 width, amf::amf_int32 height) {
  log("Init format=" + std::to_string(static_cast<int>(format)) + " size=" + std::to_string(width) + "x" +
      std::to_string(height));
  if (const amf::AMF_RESULT failure = fail("Init"); failure != amf::AMF_OK) return failure;
  initialized_ = true;
  nextIsIdr_ = true;
  return amf::AMF_OK;
}
amf::AMF_RESULT FakeAmfComponent::ReInit(amf::amf_int32, amf::amf_int32) { return unexpected("ReInit"); }
amf::AMF_RESULT FakeAmfComponent::Terminate() {
  log("Terminate");
  initialized_ = false;
  dropPending();
  return fail("Terminate");
}
amf::AMF_RESULT FakeAmfComponent::Drain() { return unexpected("Drain"); }
amf::AMF_RESULT FakeAmfComponent::Flush() { return unexpected("Flush"); }

amf::AMF_RESULT FakeAmfComponent::SubmitInput(amf::AMFData* pData) {
  // Only our own surfaces exist in this process.
  auto* surface = static_cast<FakeAmfSurface*>(pData);
  std::string line = "SubmitInput";
  amf::AMFVariantStruct force{};
  bool forced = false;
  if (surface != nullptr) {
    line += " texture=" + fakeAmfPointer(surface->texture()) + " pts=" + std::to_string(surface->storedPts());
    const wchar_t* forceName =
        hevc_ ? amf::AMF_VIDEO_ENCODER_HEVC_FORCE_PICTURE_TYPE : amf::AMF_VIDEO_ENCODER_FORCE_PICTURE_TYPE;
    forced = surface->storedProperty(forceName, force);
    line += forced ? " force=" + fakeAmfDescribe(force) : " force=none";
  }
  const amf::AMF_RESULT failure = fail("SubmitInput");
  log(line + " -> " + std::to_string(static_cast<int>(failure)));
  if (failure == amf::AMF_INPUT_FULL) {
    // Full because its outputs wait to be taken: they are all ready now.
    for (Pending& p : pending_) p.readyAt = 0;
  }
  if (failure != amf::AMF_OK) return failure;
  if (surface == nullptr) return amf::AMF_INVALID_POINTER;
  if (!initialized_) return amf::AMF_NOT_INITIALIZED;

  const amf::amf_pts pts = surface->storedPts();
  const auto tag = static_cast<std::uint8_t>(pts);
  const bool idr = nextIsIdr_ || (forced && force.int64Value == amf::AMF_VIDEO_ENCODER_PICTURE_TYPE_IDR);
  const bool intra = !idr && FakeAmfRecorder::instance().isIntra(pts);
  nextIsIdr_ = false;
  Bytes bytes = idr ? (hevc_ ? hevcIdr(tag) : h264Idr(tag))
                    : intra ? (hevc_ ? hevcIntra(tag) : h264Intra(tag)) : (hevc_ ? hevcP(tag) : h264P(tag));
  auto* buffer = new FakeAmfBuffer(std::move(bytes));
  buffer->storePts(pts);
  buffer->storeProperty(hevc_ ? amf::AMF_VIDEO_ENCODER_HEVC_OUTPUT_DATA_TYPE : amf::AMF_VIDEO_ENCODER_OUTPUT_DATA_TYPE,
                        amf::amfVariant(idr ? kOutputIdr : intra ? kOutputIntra : kOutputP));
  ++submissions_;
  pending_.push_back({buffer, submissions_ + FakeAmfRecorder::instance().outputLag()});
  return amf::AMF_OK;
}

amf::AMF_RESULT FakeAmfComponent::QueryOutput(amf::AMFData** ppData) {
  if (ppData != nullptr) *ppData = nullptr;
  if (const amf::AMF_RESULT failure = fail("QueryOutput"); failure != amf::AMF_OK) {
    log("QueryOutput -> " + std::to_string(static_cast<int>(failure)));
    return failure;
  }
  if (ppData == nullptr) return amf::AMF_INVALID_POINTER;
  if (pending_.empty() || pending_.front().readyAt > submissions_) {
    log("QueryOutput none");
    return amf::AMF_REPEAT;
  }
  if (FakeAmfRecorder::instance().extraDataFirst() && !extraHandedOut_) {
    extraHandedOut_ = true;
    log("QueryOutput extra surface");
    *ppData = new FakeAmfSurface(nullptr);
    return amf::AMF_OK;
  }
  extraHandedOut_ = false;
  FakeAmfBuffer* buffer = pending_.front().buffer;
  pending_.pop_front();
  log("QueryOutput pts=" + std::to_string(buffer->storedPts()));
  *ppData = buffer;
  return amf::AMF_OK;
}

amf::AMFContext* FakeAmfComponent::GetContext() {
  unexpected("GetContext");
  return nullptr;
}
amf::AMF_RESULT FakeAmfComponent::SetOutputDataAllocatorCB(amf::AMFDataAllocatorCB*) {
  return unexpected("SetOutputDataAllocatorCB");
}
amf::AMF_RESULT FakeAmfComponent::GetCaps(amf::AMFCaps**) { return unexpected("GetCaps"); }
amf::AMF_RESULT FakeAmfComponent::Optimize(amf::AMFComponentOptimizationCallback*) { return unexpected("Optimize"); }

}  // namespace parvalon::host::testing
