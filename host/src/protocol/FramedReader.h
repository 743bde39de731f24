#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace parvalon::protocol {

// Read state of one length-prefixed client connection: a 4-byte little-endian length, then
// that many body bytes. The connection reads exactly `pending().size()` bytes into
// `pending()` and then calls `complete()`. One reader per connection, never shared.
class FramedReader {
 public:
  enum class Phase { Header, Body, Halted };
  enum class Outcome {
    ReadBody,   // a length was read; the body is pending now
    Skipped,    // length 0: the next header is pending
    TooLarge,   // length over the limit: the reader halts, nothing more is to be read
    Message,    // a body is complete in body(); the next header is pending
  };

  explicit FramedReader(std::uint32_t maxLength);

  Phase phase() const { return phase_; }
  std::span<std::uint8_t> pending();
  Outcome complete();

  std::uint32_t length() const { return length_; }
  std::span<const std::uint8_t> body() const { return body_; }

 private:
  std::uint32_t maxLength_;
  Phase phase_ = Phase::Header;
  std::array<std::uint8_t, 4> header_{};
  std::uint32_t length_ = 0;
  std::vector<std::uint8_t> body_;
};

}  // namespace parvalon::protocol
