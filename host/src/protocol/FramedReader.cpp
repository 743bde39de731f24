#include "protocol/FramedReader.h"

#include "protocol/PacketHeaders.h"

namespace parvalon::protocol {

FramedReader::FramedReader(std::uint32_t maxLength) : maxLength_(maxLength) {}

std::span<std::uint8_t> FramedReader::pending() {
  switch (phase_) {
    case Phase::Header:
      return header_;
    case Phase::Body:
      return body_;
    case Phase::Halted:
      break;
  }
  return {};
}

FramedReader::Outcome FramedReader::complete() {
  if (phase_ == Phase::Body) {
    phase_ = Phase::Header;
    return Outcome::Message;
  }
  if (phase_ == Phase::Halted) return Outcome::TooLarge;
  length_ = getU32(header_.data());
  if (length_ > maxLength_) {
    phase_ = Phase::Halted;
    body_.clear();
    return Outcome::TooLarge;
  }
  if (length_ == 0) return Outcome::Skipped;
  body_.resize(length_);
  phase_ = Phase::Body;
  return Outcome::ReadBody;
}

}  // namespace parvalon::protocol
