#pragma once

#include <memory>

#include "encode/SoftwareCodec.h"

namespace parvalon::host {

// H.264 through libx264, tuned for interactive streaming: no B pictures, one reference, no
// lookahead, a fixed slice count, constant rate with a one-frame buffer.
class X264Codec : public SoftwareCodec {
 public:
  X264Codec();
  ~X264Codec() override;

  bool open(const EncoderConfig& config) override;
  bool encode(const Picture& picture, std::vector<std::uint8_t>& out, Output& result) override;
  bool setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) override;

  // Whether libx264 accepts its default parameters (the library is usable).
  static bool isUsable();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace parvalon::host
