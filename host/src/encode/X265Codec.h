#pragma once

#include <memory>

#include "encode/SoftwareCodec.h"

namespace parvalon::host {

// HEVC through libx265 with the same streaming tuning as the H.264 path. A rate change re-opens
// the library encoder (its live reconfiguration does not move the rate target).
class X265Codec : public SoftwareCodec {
 public:
  X265Codec();
  ~X265Codec() override;

  bool open(const EncoderConfig& config) override;
  bool encode(const Picture& picture, std::vector<std::uint8_t>& out, Output& result) override;
  bool setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) override;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace parvalon::host
