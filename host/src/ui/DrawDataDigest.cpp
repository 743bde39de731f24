#include "ui/DrawDataDigest.h"

#include <cstring>

namespace parvalon::host {
namespace {

// Word-wise multiply-rotate mixing: fast enough for every frame (a busy dashboard is well under
// a megabyte of vertices) and sensitive to every byte.
class Digest {
 public:
  void add(const void* bytes, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(bytes);
    while (size >= 8) {
      std::uint64_t word = 0;
      std::memcpy(&word, p, 8);
      mix(word);
      p += 8;
      size -= 8;
    }
    std::uint64_t tail = size;  // the length keeps short tails apart
    std::memcpy(&tail, p, size);
    mix(tail ^ (static_cast<std::uint64_t>(size) << 56));
  }
  template <typename T>
  void addValue(const T& value) {
    add(&value, sizeof value);
  }
  std::uint64_t value() const { return state_; }

 private:
  void mix(std::uint64_t word) {
    state_ ^= word * 0x9E3779B97F4A7C15ull;
    state_ = ((state_ << 31) | (state_ >> 33)) * 0xBF58476D1CE4E5B9ull;
  }
  std::uint64_t state_ = 0xCBF29CE484222325ull;
};

}  // namespace

std::uint64_t drawDataDigest(const ImDrawData& data) {
  Digest digest;
  digest.addValue(data.Valid);
  digest.addValue(data.DisplayPos);
  digest.addValue(data.DisplaySize);
  digest.addValue(data.FramebufferScale);
  digest.addValue(data.CmdListsCount);
  for (int n = 0; n < data.CmdListsCount; ++n) {
    const ImDrawList& list = *data.CmdLists[n];
    digest.addValue(list.VtxBuffer.Size);
    digest.add(list.VtxBuffer.Data, static_cast<std::size_t>(list.VtxBuffer.Size) * sizeof(ImDrawVert));
    digest.addValue(list.IdxBuffer.Size);
    digest.add(list.IdxBuffer.Data, static_cast<std::size_t>(list.IdxBuffer.Size) * sizeof(ImDrawIdx));
    digest.addValue(list.CmdBuffer.Size);
    for (const ImDrawCmd& cmd : list.CmdBuffer) {
      digest.addValue(cmd.ClipRect);
      digest.addValue(cmd.TextureId);
      digest.addValue(cmd.VtxOffset);
      digest.addValue(cmd.IdxOffset);
      digest.addValue(cmd.ElemCount);
      // A user callback draws something the vertices do not show.
      digest.addValue(cmd.UserCallback != nullptr);
    }
  }
  return digest.value();
}

}  // namespace parvalon::host
