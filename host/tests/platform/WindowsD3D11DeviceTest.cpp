#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/CpuFrame.h"
#include "platform/windows/D3D11Device.h"

namespace parvalon::host::platform::win32 {
namespace {

// A picture whose every pixel differs from its neighbours, so a shifted or cut copy shows.
CpuImage pattern(std::uint32_t width, std::uint32_t height) {
  CpuImage image(width, height);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      std::uint8_t* p = image.row(y) + 4 * x;
      p[0] = static_cast<std::uint8_t>(x * 3 + 1);
      p[1] = static_cast<std::uint8_t>(y * 5 + 2);
      p[2] = static_cast<std::uint8_t>((x ^ y) + 3);
      p[3] = 0xFF;
    }
  }
  return image;
}

class D3D11DeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device = D3D11Device::create();
    // Feature level 11_0 on llvmpipe under wine; a machine without it is not a test machine here.
    ASSERT_NE(device, nullptr);
  }
  std::shared_ptr<D3D11Device> device;
};

TEST_F(D3D11DeviceTest, DescribesItsAdapter) {
  EXPECT_FALSE(device->adapterName().empty());
  EXPECT_NE(device->vendorId(), 0u);
}

// The padding path of a texture frame: a captured 70 × 50 texture copied into an 80 × 64
// texture made like it and cleared to black once, then read back through a staging texture.
TEST_F(D3D11DeviceTest, PadsATextureAndReadsItBack) {
  const CpuImage picture = pattern(70, 50);
  auto captured = device->createTexture(70, 50, GpuDevice::TextureUse::Render);
  ASSERT_NE(captured, nullptr);
  ASSERT_TRUE(device->upload(picture.view(), *captured));

  auto padded = device->createTextureLike(*captured, 80, 64);
  ASSERT_NE(padded, nullptr);
  EXPECT_EQ(padded->width(), 80u);
  EXPECT_EQ(padded->height(), 64u);
  ASSERT_TRUE(device->clearToBlack(*padded));
  ASSERT_TRUE(device->copyRegion(*captured, *padded, 70, 50));

  auto staging = device->createTexture(80, 64, GpuDevice::TextureUse::Readback);
  ASSERT_NE(staging, nullptr);
  CpuImage back;
  ASSERT_TRUE(device->readBack(*padded, *staging, back));
  ASSERT_EQ(back.width(), 80u);
  ASSERT_EQ(back.height(), 64u);
  int wrongInside = 0;
  int wrongBand = 0;
  for (std::uint32_t y = 0; y < 64; ++y) {
    for (std::uint32_t x = 0; x < 80; ++x) {
      const std::uint8_t* p = back.row(y) + 4 * x;
      if (x < 70 && y < 50) {
        const std::uint8_t* q = picture.view().row(y) + 4 * x;
        wrongInside += p[0] != q[0] || p[1] != q[1] || p[2] != q[2];
      } else {
        wrongBand += (p[0] | p[1] | p[2]) != 0 || p[3] != 0xFF;
      }
    }
  }
  EXPECT_EQ(wrongInside, 0);
  EXPECT_EQ(wrongBand, 0);
}

TEST_F(D3D11DeviceTest, UploadHonoursTheSourceStride) {
  // A view of the left 30 columns of a wider picture: rows are 40 pixels apart.
  const CpuImage wide = pattern(40, 20);
  CpuFrame narrow = wide.view();
  narrow.width = 30;
  auto texture = device->createTexture(32, 32, GpuDevice::TextureUse::Render);
  ASSERT_NE(texture, nullptr);
  ASSERT_TRUE(device->clearToBlack(*texture));
  ASSERT_TRUE(device->upload(narrow, *texture));
  auto staging = device->createTexture(32, 32, GpuDevice::TextureUse::Readback);
  ASSERT_NE(staging, nullptr);
  CpuImage back;
  ASSERT_TRUE(device->readBack(*texture, *staging, back));
  EXPECT_EQ(back.row(19)[4 * 29 + 0], wide.view().row(19)[4 * 29 + 0]);
  EXPECT_EQ(back.row(19)[4 * 29 + 1], wide.view().row(19)[4 * 29 + 1]);
  EXPECT_EQ(back.row(5)[4 * 30 + 0] | back.row(5)[4 * 30 + 1] | back.row(5)[4 * 30 + 2], 0);
}

TEST_F(D3D11DeviceTest, RefusesWorkThatDoesNotFit) {
  auto small = device->createTexture(16, 16, GpuDevice::TextureUse::Render);
  auto large = device->createTexture(32, 32, GpuDevice::TextureUse::Render);
  auto staging = device->createTexture(16, 16, GpuDevice::TextureUse::Readback);
  ASSERT_TRUE(small && large && staging);
  EXPECT_FALSE(device->copyRegion(*small, *large, 17, 16));  // more than the source holds
  EXPECT_FALSE(device->copyRegion(*large, *small, 32, 32));  // more than the target holds
  CpuImage back;
  EXPECT_FALSE(device->readBack(*large, *staging, back));  // staging of another size
  EXPECT_EQ(device->createTexture(0, 16, GpuDevice::TextureUse::Render), nullptr);
  const CpuImage picture = pattern(20, 20);
  EXPECT_FALSE(device->upload(picture.view(), *small));
}

}  // namespace
}  // namespace parvalon::host::platform::win32
