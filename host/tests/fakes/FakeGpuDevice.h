#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/CpuFrame.h"
#include "platform/GpuDevice.h"
#include "platform/GpuTexture.h"

namespace parvalon::host::fakes {

class FakeGpuDevice;

// A device texture that keeps its pixels in memory, tagged with the device that made it.
class FakeGpuTexture : public platform::GpuTexture {
 public:
  FakeGpuTexture(const FakeGpuDevice* owner, std::uint32_t width, std::uint32_t height,
                 platform::GpuDevice::TextureUse use)
      : owner_(owner), use_(use) {
    // Fresh textures hold a marker colour, not black, so a missing clear shows in the bands.
    pixels.resize(width, height);
    for (std::uint32_t y = 0; y < height; ++y) {
      for (std::uint32_t x = 0; x < width; ++x) {
        std::uint8_t* p = pixels.row(y) + 4 * x;
        p[0] = 0xAB, p[1] = 0xCD, p[2] = 0xEF, p[3] = 0x11;
      }
    }
  }

  std::uint32_t width() const override { return pixels.width(); }
  std::uint32_t height() const override { return pixels.height(); }
  const FakeGpuDevice* owner() const { return owner_; }
  platform::GpuDevice::TextureUse use() const { return use_; }

  // Fills every pixel with one BGRA colour.
  void fill(std::uint8_t b, std::uint8_t g, std::uint8_t r) {
    for (std::uint32_t y = 0; y < height(); ++y) {
      for (std::uint32_t x = 0; x < width(); ++x) {
        std::uint8_t* p = pixels.row(y) + 4 * x;
        p[0] = b, p[1] = g, p[2] = r, p[3] = 0xFF;
      }
    }
  }

  platform::CpuImage pixels;

 private:
  const FakeGpuDevice* owner_;
  platform::GpuDevice::TextureUse use_;
};

// A graphics device whose textures live in memory. Records its calls ("createTextureLike(WxH)",
// "createTexture(WxH)", "createStaging(WxH)", "clearToBlack(WxH)", "copyRegion(WxH)",
// "readBack(WxH)", "upload(WxH)", "sharpen(WxH)") and refuses, as the real device would, textures of another
// device or of the wrong use. Its sharpening pass stands in for the real one with a picture no
// other step makes: each colour channel inverted (255 - value), alpha opaque, in the region.
class FakeGpuDevice : public platform::GpuDevice {
 public:
  // Settings (set before the code under test runs, or under no concurrent use).
  bool failCreate = false;
  bool failReadBack = false;
  bool sharpeningReady = true;  // what initializeSharpening answers
  bool failSharpen = false;

  std::string adapterName() const override { return "Fake Adapter"; }
  std::uint64_t dedicatedMemoryMB() const override { return 2048; }
  std::uint32_t vendorId() const override { return 0x1234; }

  std::unique_ptr<platform::GpuTexture> createTextureLike(const platform::GpuTexture& like, std::uint32_t width,
                                                          std::uint32_t height) override {
    record("createTextureLike", width, height);
    if (failCreate || !mine(like)) return nullptr;
    return std::make_unique<FakeGpuTexture>(this, width, height, TextureUse::Render);
  }
  std::unique_ptr<platform::GpuTexture> createTexture(std::uint32_t width, std::uint32_t height,
                                                      TextureUse use) override {
    record(use == TextureUse::Render ? "createTexture" : "createStaging", width, height);
    if (failCreate) return nullptr;
    return std::make_unique<FakeGpuTexture>(this, width, height, use);
  }
  bool clearToBlack(platform::GpuTexture& texture) override {
    record("clearToBlack", texture.width(), texture.height());
    auto* fake = render(texture);
    if (fake == nullptr) return false;
    fake->pixels.resize(fake->width(), fake->height());  // opaque black
    return true;
  }
  bool copyRegion(const platform::GpuTexture& source, platform::GpuTexture& target, std::uint32_t width,
                  std::uint32_t height) override {
    record("copyRegion", width, height);
    auto* to = render(target);
    if (!mine(source) || to == nullptr || width > source.width() || height > source.height() ||
        width > target.width() || height > target.height()) {
      return false;
    }
    const auto& from = static_cast<const FakeGpuTexture&>(source).pixels;
    for (std::uint32_t y = 0; y < height; ++y) std::memcpy(to->pixels.row(y), from.data() + y * from.stride(), width * 4u);
    return true;
  }
  bool initializeSharpening() override {
    std::lock_guard lock(mutex_);
    ++sharpeningInitializations_;
    sharpeningInitialized_ = sharpeningReady;
    return sharpeningReady;
  }
  bool sharpen(const platform::GpuTexture& input, platform::GpuTexture& output, std::uint32_t width,
               std::uint32_t height, float sharpness) override {
    record("sharpen", width, height);
    {
      std::lock_guard lock(mutex_);
      sharpnesses_.push_back(sharpness);
      if (!sharpeningInitialized_) return false;
    }
    auto* to = render(output);
    if (failSharpen || !mine(input) || to == nullptr || width > input.width() || height > input.height() ||
        width > output.width() || height > output.height()) {
      return false;
    }
    const auto& from = static_cast<const FakeGpuTexture&>(input).pixels;
    for (std::uint32_t y = 0; y < height; ++y) {
      const std::uint8_t* in = from.data() + static_cast<std::size_t>(y) * from.stride();
      std::uint8_t* out = to->pixels.row(y);
      for (std::uint32_t x = 0; x < 4 * width; x += 4) {
        out[x] = 255 - in[x], out[x + 1] = 255 - in[x + 1], out[x + 2] = 255 - in[x + 2], out[x + 3] = 0xFF;
      }
    }
    return true;
  }
  bool readBack(const platform::GpuTexture& source, platform::GpuTexture& staging,
                platform::CpuImage& target) override {
    record("readBack", source.width(), source.height());
    if (failReadBack || !mine(source) || !mine(staging)) return false;
    auto& stage = static_cast<FakeGpuTexture&>(staging);
    if (stage.use() != TextureUse::Readback || stage.width() != source.width() || stage.height() != source.height()) {
      return false;
    }
    stage.pixels = static_cast<const FakeGpuTexture&>(source).pixels;
    if (target.width() != stage.width() || target.height() != stage.height()) {
      target.resize(stage.width(), stage.height());
    }
    std::memcpy(target.data(), stage.pixels.data(), static_cast<std::size_t>(stage.pixels.stride()) * stage.height());
    return true;
  }
  bool upload(const platform::CpuFrame& source, platform::GpuTexture& target) override {
    record("upload", source.width, source.height);
    auto* to = render(target);
    if (to == nullptr || source.data == nullptr || source.width > to->width() || source.height > to->height()) {
      return false;
    }
    for (std::uint32_t y = 0; y < source.height; ++y) std::memcpy(to->pixels.row(y), source.row(y), source.width * 4u);
    return true;
  }

  // A texture of this device, as a capture delivers it.
  std::unique_ptr<FakeGpuTexture> makeTexture(std::uint32_t width, std::uint32_t height) {
    return std::make_unique<FakeGpuTexture>(this, width, height, TextureUse::Render);
  }

  std::vector<std::string> calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
  }
  std::size_t callCount(const std::string& call) const {
    std::lock_guard lock(mutex_);
    std::size_t n = 0;
    for (const auto& c : calls_) n += c == call;
    return n;
  }
  // The sharpness of every sharpen call, in order.
  std::vector<float> sharpnesses() const {
    std::lock_guard lock(mutex_);
    return sharpnesses_;
  }
  int sharpeningInitializations() const {
    std::lock_guard lock(mutex_);
    return sharpeningInitializations_;
  }
  void clearCalls() {
    std::lock_guard lock(mutex_);
    calls_.clear();
  }

 private:
  bool mine(const platform::GpuTexture& texture) const {
    const auto* fake = dynamic_cast<const FakeGpuTexture*>(&texture);
    return fake != nullptr && fake->owner() == this;
  }
  FakeGpuTexture* render(platform::GpuTexture& texture) const {
    auto* fake = dynamic_cast<FakeGpuTexture*>(&texture);
    return fake != nullptr && fake->owner() == this && fake->use() == TextureUse::Render ? fake : nullptr;
  }
  void record(const char* what, std::uint32_t width, std::uint32_t height) {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::string(what) + "(" + std::to_string(width) + "x" + std::to_string(height) + ")");
  }

  // Guards everything below; taken by the test and the capture threads of the code under test.
  mutable std::mutex mutex_;
  std::vector<std::string> calls_;
  std::vector<float> sharpnesses_;
  int sharpeningInitializations_ = 0;
  bool sharpeningInitialized_ = false;
};

}  // namespace parvalon::host::fakes
