#include "encode/X264Codec.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <thread>

#include <stdint.h>  // x264.h needs the C integer types first
#include <x264.h>

#include "logging/Log.h"

namespace parvalon::host {

namespace {

// The fastest preset that still has the Main-profile tools; the tuning removes every source of
// delay so each picture comes out of the call that submitted it.
constexpr const char* kPreset = "ultrafast";
constexpr const char* kTune = "zerolatency";

constexpr std::uint8_t kNalTypeMask = 0x1F;

const char* profileFor(const std::string& profile) {
  if (profile == "baseline") return "baseline";
  if (profile == "high") return "high";
  return "main";
}

void forwardLog(void*, int level, const char* format, va_list args) {
  if (level > X264_LOG_WARNING) return;
  char line[512];
  std::vsnprintf(line, sizeof(line), format, args);
  std::size_t length = std::strlen(line);
  while (length > 0 && (line[length - 1] == '\n' || line[length - 1] == '\r')) line[--length] = 0;
  if (level == X264_LOG_ERROR) {
    PV_LOG_ERROR("x264: {}", line);
  } else {
    PV_LOG_WARN("x264: {}", line);
  }
}

bool droppedNal(int type) { return type == NAL_SEI || type == NAL_AUD || type == NAL_FILLER; }

}  // namespace

struct X264Codec::State {
  x264_param_t param{};
  x264_t* encoder = nullptr;
  x264_picture_t input{};
  std::uint32_t fps = 1;

  ~State() {
    if (encoder != nullptr) x264_encoder_close(encoder);
  }
};

X264Codec::X264Codec() : state_(std::make_unique<State>()) {}
X264Codec::~X264Codec() = default;

bool X264Codec::isUsable() {
  x264_param_t param;
  return x264_param_default_preset(&param, kPreset, kTune) == 0;
}

bool X264Codec::open(const EncoderConfig& config) {
  x264_param_t& p = state_->param;
  if (x264_param_default_preset(&p, kPreset, kTune) != 0) {
    PV_LOG_ERROR("x264: preset {} / {} rejected", kPreset, kTune);
    return false;
  }
  p.pf_log = forwardLog;
  p.i_log_level = X264_LOG_WARNING;
  p.i_csp = X264_CSP_I420;
  p.i_width = static_cast<int>(config.width);
  p.i_height = static_cast<int>(config.height);
  p.i_fps_num = config.fps;
  p.i_fps_den = 1;
  p.i_timebase_num = 1;
  p.i_timebase_den = config.fps;
  p.b_vfr_input = 0;

  // Picture structure: IDR every gopLength pictures and on request only.
  p.i_keyint_max = std::max(1, config.gopLength);
  p.i_keyint_min = p.i_keyint_max;
  p.i_scenecut_threshold = 0;
  p.b_intra_refresh = 0;
  p.i_bframe = 0;
  p.i_frame_reference = 1;

  // Main really Main: ultrafast switches CABAC and AQ off, which leaves Constrained Baseline.
  p.b_cabac = 1;
  p.rc.i_aq_mode = X264_AQ_VARIANCE;
  p.rc.f_aq_strength = 1.0f;

  // Exactly sliceCount slices, output synchronous either way. With sliced threads x264 makes
  // one slice per thread whatever i_slice_count says, so threads = slices; that only pays when
  // every slice gets a core beside the capture thread and the X server. On fewer cores one
  // thread encoding all slices took as long per picture (1440p: 8.5 ms both ways) for 15 % less
  // CPU, because the slice threads only waited for each other.
  const int slices = std::clamp(config.sliceCount, 1, kMaxSlices);
  const bool sliced = slices > 1 && std::thread::hardware_concurrency() > static_cast<unsigned>(slices);
  p.i_slice_count = slices;
  p.i_slice_count_max = slices;
  p.b_sliced_threads = sliced ? 1 : 0;
  p.i_threads = sliced ? slices : 1;
  p.i_lookahead_threads = 1;

  // Constant rate as the hardware encoders run it, without filler or HRD timing.
  p.rc.i_rc_method = X264_RC_ABR;
  p.rc.i_bitrate = static_cast<int>(config.bitrateKbps);
  p.rc.i_vbv_max_bitrate = static_cast<int>(config.bitrateKbps);
  p.rc.i_vbv_buffer_size = static_cast<int>(vbvBufferKbit(config.maxBitrateKbps, config.fps));
  p.rc.b_filler = 0;
  p.i_nal_hrd = X264_NAL_HRD_NONE;

  p.b_repeat_headers = 1;
  p.b_annexb = 1;
  p.b_aud = 0;

  p.vui.i_vidformat = kVuiVideoFormat;
  p.vui.b_fullrange = config.fullRange ? 1 : 0;
  p.vui.i_colorprim = kVuiColourPrimaries;
  p.vui.i_transfer = kVuiTransfer;
  p.vui.i_colmatrix = kVuiMatrix;

  if (x264_param_apply_profile(&p, profileFor(config.profile)) != 0) {
    PV_LOG_ERROR("x264: profile {} cannot be applied", profileFor(config.profile));
    return false;
  }
  state_->encoder = x264_encoder_open(&p);
  if (state_->encoder == nullptr) {
    PV_LOG_ERROR("x264: encoder could not be opened for {}x{}", config.width, config.height);
    return false;
  }
  x264_encoder_parameters(state_->encoder, &p);
  state_->fps = config.fps;
  x264_picture_init(&state_->input);
  state_->input.img.i_csp = X264_CSP_I420;
  state_->input.img.i_plane = 3;
  return true;
}

bool X264Codec::encode(const Picture& picture, std::vector<std::uint8_t>& out, Output& result) {
  out.clear();
  result = Output{};
  x264_picture_t& in = state_->input;
  for (int i = 0; i < 3; ++i) {
    in.img.plane[i] = const_cast<std::uint8_t*>(picture.planes[i]);
    in.img.i_stride[i] = picture.strides[i];
  }
  in.i_pts = picture.pts;
  in.i_type = picture.forceIdr ? X264_TYPE_IDR : X264_TYPE_AUTO;

  x264_nal_t* nals = nullptr;
  int nalCount = 0;
  x264_picture_t output;
  const int bytes = x264_encoder_encode(state_->encoder, &nals, &nalCount, &in, &output);
  if (bytes < 0) {
    PV_LOG_ERROR("x264: encoding failed ({})", bytes);
    return false;
  }
  if (bytes == 0) return true;
  out.reserve(static_cast<std::size_t>(bytes));
  for (int i = 0; i < nalCount; ++i) {
    const x264_nal_t& nal = nals[i];
    if (droppedNal(nal.i_type)) continue;  // the version SEI of the first picture among them
    out.insert(out.end(), nal.p_payload, nal.p_payload + nal.i_payload);
  }
  result.isKeyframe = output.i_type == X264_TYPE_IDR;
  result.pts = output.i_pts;
  return true;
}

bool X264Codec::setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) {
  x264_param_t p = state_->param;
  p.rc.i_bitrate = static_cast<int>(targetKbps);
  p.rc.i_vbv_max_bitrate = static_cast<int>(targetKbps);
  p.rc.i_vbv_buffer_size = static_cast<int>(vbvBufferKbit(maxKbps, state_->fps));
  if (x264_encoder_reconfig(state_->encoder, &p) < 0) return false;
  state_->param = p;
  return true;
}

}  // namespace parvalon::host
