#include "encode/X265Codec.h"

#include <algorithm>

#include <stdint.h>  // x265.h needs the C integer types first
#include <x265.h>

#include "logging/Log.h"

namespace parvalon::host {

namespace {

constexpr const char* kPreset = "ultrafast";
constexpr const char* kTune = "zerolatency";
constexpr const char* kProfile = "main";
constexpr int kLevelIdc = 51;  // level 5.1, main tier: up to 40 Mbit/s at 4K

bool droppedNal(std::uint32_t type) {
  return type == NAL_UNIT_PREFIX_SEI || type == NAL_UNIT_SUFFIX_SEI ||
         type == NAL_UNIT_ACCESS_UNIT_DELIMITER || type == NAL_UNIT_FILLER_DATA;
}

struct ParamDeleter {
  void operator()(x265_param* p) const { x265_param_free(p); }
};
struct PictureDeleter {
  void operator()(x265_picture* p) const { x265_picture_free(p); }
};

}  // namespace

struct X265Codec::State {
  std::unique_ptr<x265_param, ParamDeleter> param;
  std::unique_ptr<x265_picture, PictureDeleter> input;
  std::unique_ptr<x265_picture, PictureDeleter> output;
  x265_encoder* encoder = nullptr;
  EncoderConfig config;

  ~State() {
    if (encoder != nullptr) x265_encoder_close(encoder);
  }
};

X265Codec::X265Codec() : state_(std::make_unique<State>()) {}
X265Codec::~X265Codec() = default;

bool X265Codec::open(const EncoderConfig& config) {
  state_->param.reset(x265_param_alloc());
  state_->input.reset(x265_picture_alloc());
  state_->output.reset(x265_picture_alloc());
  x265_param* p = state_->param.get();
  if (p == nullptr || !state_->input || !state_->output ||
      x265_param_default_preset(p, kPreset, kTune) != 0) {
    PV_LOG_ERROR("x265: preset {} / {} rejected", kPreset, kTune);
    return false;
  }
  p->logLevel = X265_LOG_WARNING;
  p->internalCsp = X265_CSP_I420;
  p->sourceWidth = static_cast<int>(config.width);
  p->sourceHeight = static_cast<int>(config.height);
  p->fpsNum = config.fps;
  p->fpsDenom = 1;

  p->keyframeMax = std::max(1, config.gopLength);
  p->keyframeMin = p->keyframeMax;
  p->scenecutThreshold = 0;
  p->bOpenGOP = 0;
  p->bframes = 0;
  p->maxNumReferences = 1;
  p->lookaheadDepth = 0;
  // One frame thread and no lookahead. x265 still holds one picture back when a picture has more
  // than one slice (its multi-slice mode needs the wavefront pipeline), so HEVC output trails
  // the input by one picture then.
  p->frameNumThreads = 1;
  p->maxSlices = static_cast<unsigned>(std::clamp(config.sliceCount, 1, kMaxSlices));
  // A fixed minimum level: x265 refuses to change rates later when they would move the level.
  p->levelIdc = kLevelIdc;

  p->rc.rateControlMode = X265_RC_ABR;
  p->rc.bitrate = static_cast<int>(config.bitrateKbps);
  p->rc.vbvMaxBitrate = static_cast<int>(config.bitrateKbps);
  p->rc.vbvBufferSize = static_cast<int>(vbvBufferKbit(config.maxBitrateKbps, config.fps));

  p->bRepeatHeaders = 1;
  p->bAnnexB = 1;
  p->bEnableAccessUnitDelimiters = 0;
  p->bEmitInfoSEI = 0;
  p->bEmitHRDSEI = 0;
  p->decodedPictureHashSEI = 0;
  p->bEmitIDRRecoverySEI = 0;

  p->vui.bEnableVideoSignalTypePresentFlag = 1;
  p->vui.videoFormat = kVuiVideoFormat;
  p->vui.bEnableVideoFullRangeFlag = config.fullRange ? 1 : 0;
  p->vui.bEnableColorDescriptionPresentFlag = 1;
  p->vui.colorPrimaries = kVuiColourPrimaries;
  p->vui.transferCharacteristics = kVuiTransfer;
  p->vui.matrixCoeffs = kVuiMatrix;

  if (x265_param_apply_profile(p, kProfile) != 0) {
    PV_LOG_ERROR("x265: profile {} cannot be applied", kProfile);
    return false;
  }
  state_->encoder = x265_encoder_open(p);
  if (state_->encoder == nullptr) {
    PV_LOG_ERROR("x265: encoder could not be opened for {}x{}", config.width, config.height);
    return false;
  }
  x265_encoder_parameters(state_->encoder, p);
  x265_picture_init(p, state_->input.get());
  x265_picture_init(p, state_->output.get());
  state_->config = config;
  return true;
}

bool X265Codec::encode(const Picture& picture, std::vector<std::uint8_t>& out, Output& result) {
  out.clear();
  result = Output{};
  x265_picture* in = state_->input.get();
  for (int i = 0; i < 3; ++i) {
    in->planes[i] = const_cast<std::uint8_t*>(picture.planes[i]);
    in->stride[i] = picture.strides[i];
  }
  in->bitDepth = 8;
  in->colorSpace = X265_CSP_I420;
  in->pts = picture.pts;
  in->sliceType = picture.forceIdr ? X265_TYPE_IDR : X265_TYPE_AUTO;

  x265_nal* nals = nullptr;
  std::uint32_t nalCount = 0;
  const int status = x265_encoder_encode(state_->encoder, &nals, &nalCount, in, state_->output.get());
  if (status < 0) {
    PV_LOG_ERROR("x265: encoding failed ({})", status);
    return false;
  }
  if (status == 0) return true;
  for (std::uint32_t i = 0; i < nalCount; ++i) {
    if (droppedNal(nals[i].type)) continue;
    out.insert(out.end(), nals[i].payload, nals[i].payload + nals[i].sizeBytes);
  }
  result.isKeyframe = state_->output->sliceType == X265_TYPE_IDR;
  result.pts = state_->output->pts;
  return true;
}

bool X265Codec::setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) {
  // x265's live reconfiguration moves only the VBV limits in average-bitrate mode and leaves the
  // rate target where it was, so the encoder is opened again with the new rates; the stream
  // continues with an IDR picture carrying fresh parameter sets.
  EncoderConfig config = state_->config;
  config.bitrateKbps = targetKbps;
  config.maxBitrateKbps = maxKbps;
  auto previous = std::move(state_);
  state_ = std::make_unique<State>();
  if (!open(config)) {
    state_ = std::move(previous);
    return false;
  }
  return true;
}

}  // namespace parvalon::host
