#include "platform/linux/DisplayGpu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace parvalon::host {
namespace {

using platform::linux_x11::describeDisplayGpu;
using platform::linux_x11::DrmCard;
using platform::linux_x11::listDrmCards;

// A /sys/class/drm of our own making, removed again at the end.
class FakeDrmFolder {
 public:
  FakeDrmFolder()
      : root_(std::filesystem::temp_directory_path() / ("parvalon-drm-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
  }
  ~FakeDrmFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  void write(const std::string& relative, const std::string& text) {
    const auto file = root_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << text;
  }
  std::string path() const { return root_.string(); }

 private:
  std::filesystem::path root_;
};

TEST(DashboardDrmCards, ReadsIdsPrimaryFlagAndVideoMemoryOfEachCard) {
  FakeDrmFolder drm;
  drm.write("card1/device/vendor", "0x1002\n");
  drm.write("card1/device/device", "0x73bf\n");
  drm.write("card1/device/boot_vga", "1\n");
  drm.write("card1/device/mem_info_vram_total", "17163091968\n");
  drm.write("card0/device/vendor", "0x8086\n");
  drm.write("card0/device/device", "0x9bc4\n");
  drm.write("card0/device/boot_vga", "0\n");
  drm.write("card10/device/vendor", "garbage\n");
  // Not cards: a connector and a render node.
  drm.write("card1-HDMI-A-1/status", "connected\n");
  drm.write("renderD128/device/vendor", "0x1002\n");

  const auto cards = listDrmCards(drm.path());
  ASSERT_EQ(cards.size(), 3u);
  EXPECT_EQ(cards[0].name, "card0");
  EXPECT_EQ(cards[0].vendorId, 0x8086u);
  EXPECT_EQ(cards[0].deviceId, 0x9bc4u);
  EXPECT_FALSE(cards[0].bootVga);
  EXPECT_EQ(cards[0].vramBytes, 0u);  // Intel's driver reports none
  EXPECT_EQ(cards[1].name, "card1");
  EXPECT_EQ(cards[1].vendorId, 0x1002u);
  EXPECT_EQ(cards[1].deviceId, 0x73bfu);
  EXPECT_TRUE(cards[1].bootVga);
  EXPECT_EQ(cards[1].vramBytes, 17163091968u);
  EXPECT_EQ(cards[2].name, "card10");
  EXPECT_EQ(cards[2].vendorId, 0u);  // unreadable values stay 0
}

TEST(DashboardDrmCards, MissingFolderGivesNoCards) {
  EXPECT_TRUE(listDrmCards("/nonexistent/parvalon-test/drm").empty());
}

const std::vector<DrmCard> kHybridLaptop{
    {"card0", 0x8086, 0x9bc4, true, 0},
    {"card1", 0x1002, 0x73bf, false, 8ull << 30},
};

TEST(DashboardDisplayGpu, RendererStringNamesTheGpuAndItsCardGivesTheMemory) {
  const auto gpu = describeDisplayGpu("AMD Radeon RX 6800 (navi21, LLVM 15.0.6, DRM 3.49)", kHybridLaptop);
  EXPECT_EQ(gpu.name, "AMD Radeon RX 6800 (navi21, LLVM 15.0.6, DRM 3.49)");
  EXPECT_EQ(gpu.vramMB, 8192u);  // the AMD card, although the Intel one is the primary adapter
}

TEST(DashboardDisplayGpu, SoftwareRendererUsesNoVideoMemory) {
  const auto gpu = describeDisplayGpu("llvmpipe (LLVM 15.0.6, 256 bits)", kHybridLaptop);
  EXPECT_EQ(gpu.name, "llvmpipe (LLVM 15.0.6, 256 bits)");
  EXPECT_EQ(gpu.vramMB, 0u);
  EXPECT_EQ(describeDisplayGpu("llvmpipe (LLVM 15.0.6, 256 bits)", {}).vramMB, 0u);
}

TEST(DashboardDisplayGpu, WithoutARendererThePrimaryCardIsNamedByItsIds) {
  EXPECT_EQ(describeDisplayGpu("", kHybridLaptop).name, "Intel GPU [8086:9bc4]");
  const auto amd = describeDisplayGpu("", {{"card0", 0x1002, 0x73bf, true, 512ull << 20}});
  EXPECT_EQ(amd.name, "AMD GPU [1002:73bf]");
  EXPECT_EQ(amd.vramMB, 512u);
  EXPECT_EQ(describeDisplayGpu("", {{"card0", 0x1a03, 0x2000, false, 0}}).name, "GPU [1a03:2000]");
  EXPECT_EQ(describeDisplayGpu("", {}).name, "");  // the dashboard then says "Unknown"
}

}  // namespace
}  // namespace parvalon::host
