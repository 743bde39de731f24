#include <gtest/gtest.h>

#include <wrl/client.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "capture/CASProcessor.h"
#include "platform/CpuFrame.h"
#include "platform/windows/D3D11Device.h"

namespace parvalon::host::platform::win32 {
namespace {

using Microsoft::WRL::ComPtr;

constexpr std::uint32_t padded(std::uint32_t size) { return (size + 15u) & ~15u; }

// Noise on the left (every neighbourhood differs), a smooth ramp crossed by a hard edge on the
// right, and some fully black and fully white blocks: the flat, soft and extreme cases of the filter.
CpuImage testPicture(std::uint32_t width, std::uint32_t height, std::uint32_t seed) {
  CpuImage image(width, height);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      std::uint8_t* p = image.row(y) + 4 * x;
      if (x < width / 2) {
        for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>(byte(random));
      } else {
        const bool edge = (x + y) % 23 < 11;
        p[0] = static_cast<std::uint8_t>(x * 255 / width);
        p[1] = static_cast<std::uint8_t>(edge ? 30 : 220);
        p[2] = static_cast<std::uint8_t>(y * 255 / height);
      }
      if ((x / 8 + y / 8) % 7 == 3) p[0] = p[1] = p[2] = (x / 8) % 2 == 0 ? 0 : 255;
      p[3] = static_cast<std::uint8_t>(byte(random));  // the pass must ignore input alpha
    }
  }
  return image;
}

// The CPU pass's picture of the width × height region of `input`.
CpuImage cpuSharpened(const CpuFrame& input, std::uint32_t width, std::uint32_t height, float sharpness) {
  CASProcessor cpu;
  EXPECT_TRUE(cpu.initialize());
  cpu.setEnabled(true);
  cpu.setSharpness(sharpness);
  CpuImage out(width, height);
  EXPECT_TRUE(cpu.apply(input, out, width, height));
  return out;
}

struct Difference {
  int most = 0;
  double mean = 0.0;
  int wrongAlpha = 0;
};

// Colour channels of the width × height region; alpha must be opaque.
Difference compare(const CpuImage& gpu, const CpuImage& cpu, std::uint32_t width, std::uint32_t height) {
  Difference d;
  std::uint64_t sum = 0;
  for (std::uint32_t y = 0; y < height; ++y) {
    const std::uint8_t* g = gpu.data() + static_cast<std::size_t>(y) * gpu.stride();
    const std::uint8_t* c = cpu.data() + static_cast<std::size_t>(y) * cpu.stride();
    for (std::uint32_t x = 0; x < width; ++x) {
      for (int k = 0; k < 3; ++k) {
        const int diff = std::abs(int{g[4 * x + k]} - int{c[4 * x + k]});
        d.most = std::max(d.most, diff);
        sum += static_cast<std::uint64_t>(diff);
      }
      d.wrongAlpha += g[4 * x + 3] != 0xFF;
    }
  }
  d.mean = static_cast<double>(sum) / (3.0 * width * height);
  return d;
}

// Pixels outside the width × height corner that are not opaque black.
int nonBlackBands(const CpuImage& picture, std::uint32_t width, std::uint32_t height) {
  int wrong = 0;
  for (std::uint32_t y = 0; y < picture.height(); ++y) {
    const std::uint8_t* row = picture.data() + static_cast<std::size_t>(y) * picture.stride();
    for (std::uint32_t x = 0; x < picture.width(); ++x) {
      if (x < width && y < height) continue;
      const std::uint8_t* p = row + 4 * x;
      wrong += (p[0] | p[1] | p[2]) != 0 || p[3] != 0xFF;
    }
  }
  return wrong;
}

class D3D11CasTest : public ::testing::Test {
 protected:
  // One device for the suite: under wine each new one takes seconds to set up.
  static void SetUpTestSuite() {
    shared = D3D11Device::create();
    if (shared) shared->initializeSharpening();
  }
  static void TearDownTestSuite() { shared.reset(); }
  void SetUp() override {
    device = shared;
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(device->initializeSharpening());
  }

  std::unique_ptr<GpuTexture> uploaded(const CpuImage& picture) {
    auto texture = device->createTexture(picture.width(), picture.height(), GpuDevice::TextureUse::Render);
    EXPECT_NE(texture, nullptr);
    if (texture) {
      EXPECT_TRUE(device->upload(picture.view(), *texture));
    }
    return texture;
  }
  // A Render texture of width × height cleared to black, as the frame path makes its target.
  std::unique_ptr<GpuTexture> blackTarget(std::uint32_t width, std::uint32_t height) {
    auto texture = device->createTexture(width, height, GpuDevice::TextureUse::Render);
    EXPECT_NE(texture, nullptr);
    if (texture) {
      EXPECT_TRUE(device->clearToBlack(*texture));
    }
    return texture;
  }
  CpuImage readBack(const GpuTexture& texture) {
    auto staging = device->createTexture(texture.width(), texture.height(), GpuDevice::TextureUse::Readback);
    CpuImage back;
    EXPECT_NE(staging, nullptr);
    if (staging) {
      EXPECT_TRUE(device->readBack(texture, *staging, back));
    }
    return back;
  }

  static inline std::shared_ptr<D3D11Device> shared;
  std::shared_ptr<D3D11Device> device;
};

struct CasCase {
  std::uint32_t width, height;
  float sharpness;
};

class D3D11CasAgainstCpu : public D3D11CasTest, public ::testing::WithParamInterface<CasCase> {};

// The GPU pass into an encoder-sized target against the CPU pass on the same picture: within
// two levels per channel, alpha opaque, the bands left black.
TEST_P(D3D11CasAgainstCpu, MatchesTheCpuPass) {
  const auto [width, height, sharpness] = GetParam();
  const CpuImage picture = testPicture(width, height, width * 31 + height);
  auto input = uploaded(picture);
  auto output = blackTarget(padded(width), padded(height));
  ASSERT_TRUE(input && output);

  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(device->sharpen(*input, *output, width, height, sharpness));
  const CpuImage gpu = readBack(*output);
  const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
  ASSERT_EQ(gpu.width(), padded(width));

  const CpuImage cpu = cpuSharpened(picture.view(), width, height, sharpness);
  const Difference d = compare(gpu, cpu, width, height);
  std::printf("CAS %ux%u sharpness %.1f: max difference %d, mean %.4f, device pass and read-back (first use included) %.1f ms\n", width, height,
              static_cast<double>(sharpness), d.most, d.mean, elapsed.count());
  RecordProperty("maxDifference", d.most);
  RecordProperty("meanDifference", std::to_string(d.mean));
  EXPECT_LE(d.most, 2);
  EXPECT_EQ(d.wrongAlpha, 0);
  EXPECT_EQ(nonBlackBands(gpu, width, height), 0);
  // The comparison can fail: the pass changed the picture.
  EXPECT_GT(compare(gpu, picture, width, height).most, 2);
}

INSTANTIATE_TEST_SUITE_P(Pictures, D3D11CasAgainstCpu,
                         ::testing::Values(CasCase{71, 37, 0.0f}, CasCase{71, 37, 0.5f}, CasCase{71, 37, 1.0f},
                                           CasCase{1920, 1080, 0.0f}, CasCase{1366, 767, 0.5f},
                                           CasCase{1920, 1080, 1.0f}),
                         [](const auto& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height) + "at" +
                                  std::to_string(static_cast<int>(info.param.sharpness * 10));
                         });

// A frame pool larger than the window: only the content region is sharpened, clamped at its own
// edges, not at the texture's (whose outside holds stale pixels).
TEST_F(D3D11CasTest, SharpensOnlyTheContentOfALargerTexture) {
  const CpuImage content = testPicture(71, 37, 5);
  CpuImage pool = testPicture(100, 60, 9);
  for (std::uint32_t y = 0; y < 37; ++y) std::copy_n(content.view().row(y), 71 * 4, pool.row(y));
  auto input = uploaded(pool);
  auto output = blackTarget(80, 48);
  ASSERT_TRUE(input && output);
  ASSERT_TRUE(device->sharpen(*input, *output, 71, 37, 1.0f));
  const CpuImage gpu = readBack(*output);
  const Difference d = compare(gpu, cpuSharpened(content.view(), 71, 37, 1.0f), 71, 37);
  EXPECT_LE(d.most, 2);
  EXPECT_EQ(nonBlackBands(gpu, 71, 37), 0);
}

TEST_F(D3D11CasTest, RefusesRegionsLargerThanEitherTexture) {
  auto input = uploaded(testPicture(32, 32, 1));
  auto small = blackTarget(16, 16);
  auto large = blackTarget(48, 48);
  ASSERT_TRUE(input && small && large);
  EXPECT_FALSE(device->sharpen(*input, *small, 32, 32, 0.5f));
  EXPECT_FALSE(device->sharpen(*input, *large, 48, 48, 0.5f));
  EXPECT_TRUE(device->sharpen(*input, *large, 32, 32, 0.5f));
}

// The context is shared with the encoders: what they bound is there again after a pass.
TEST_F(D3D11CasTest, RestoresTheBoundTargetAndViewport) {
  ID3D11Device* native = device->native();
  ComPtr<ID3D11DeviceContext> context;
  native->GetImmediateContext(context.GetAddressOf());
  // What an encoder might have bound: a render target of its own and a viewport.
  D3D11_TEXTURE2D_DESC desc{};
  desc.Width = desc.Height = 20;
  desc.MipLevels = desc.ArraySize = 1;
  desc.Format = DXGI_FORMAT_B8G8R8A8_UNORM;
  desc.SampleDesc.Count = 1;
  desc.BindFlags = D3D11_BIND_RENDER_TARGET;
  ComPtr<ID3D11Texture2D> texture;
  ASSERT_TRUE(SUCCEEDED(native->CreateTexture2D(&desc, nullptr, texture.GetAddressOf())));
  ComPtr<ID3D11RenderTargetView> bound;
  ASSERT_TRUE(SUCCEEDED(native->CreateRenderTargetView(texture.Get(), nullptr, bound.GetAddressOf())));
  ID3D11RenderTargetView* const targets[] = {bound.Get()};
  context->OMSetRenderTargets(1, targets, nullptr);
  const D3D11_VIEWPORT viewport{2.0f, 3.0f, 15.0f, 11.0f, 0.0f, 1.0f};
  context->RSSetViewports(1, &viewport);

  auto input = uploaded(testPicture(40, 30, 3));
  auto output = blackTarget(48, 32);
  ASSERT_TRUE(input && output);
  ASSERT_TRUE(device->sharpen(*input, *output, 40, 30, 0.5f));

  ComPtr<ID3D11RenderTargetView> after;
  context->OMGetRenderTargets(1, after.GetAddressOf(), nullptr);
  EXPECT_EQ(after.Get(), bound.Get());
  UINT count = 1;
  D3D11_VIEWPORT afterViewport{};
  context->RSGetViewports(&count, &afterViewport);
  ASSERT_EQ(count, 1u);
  EXPECT_EQ(afterViewport.TopLeftX, 2.0f);
  EXPECT_EQ(afterViewport.Width, 15.0f);
  EXPECT_EQ(afterViewport.Height, 11.0f);
  ID3D11RenderTargetView* const none[] = {nullptr};
  context->OMSetRenderTargets(1, none, nullptr);
}

TEST(D3D11CasStart, PassRefusesUntilInitializedAndInitializesOnce) {
  auto device = D3D11Device::create();
  ASSERT_NE(device, nullptr);
  auto input = device->createTexture(16, 16, GpuDevice::TextureUse::Render);
  auto output = device->createTexture(16, 16, GpuDevice::TextureUse::Render);
  ASSERT_TRUE(input && output);
  EXPECT_FALSE(device->sharpen(*input, *output, 16, 16, 0.5f));
  EXPECT_TRUE(device->initializeSharpening());
  EXPECT_TRUE(device->initializeSharpening());
  EXPECT_TRUE(device->sharpen(*input, *output, 16, 16, 0.5f));
}

}  // namespace
}  // namespace parvalon::host::platform::win32
