#include "platform/linux/DisplayGpu.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include <fmt/format.h>

namespace parvalon::host::platform::linux_x11 {
namespace {

constexpr std::uint64_t kBytesPerMB = 1024 * 1024;

struct Vendor {
  std::uint32_t id;
  const char* name;
  std::array<const char*, 2> rendererWords;  // how its renderer strings name it
};

constexpr Vendor kVendors[] = {
    {0x1002, "AMD", {"AMD", "Radeon"}},
    {0x10de, "NVIDIA", {"NVIDIA", "GeForce"}},
    {0x8086, "Intel", {"Intel", "Intel"}},
    {0x1af4, "Virtio", {"virgl", "Virtio"}},
    {0x15ad, "VMware", {"SVGA3D", "VMware"}},
};

const Vendor* findVendor(std::uint32_t id) {
  for (const Vendor& vendor : kVendors) {
    if (vendor.id == id) return &vendor;
  }
  return nullptr;
}

bool isSoftwareRenderer(std::string_view renderer) {
  for (const std::string_view word : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast", "SWR "}) {
    if (renderer.find(word) != std::string_view::npos) return true;
  }
  return false;
}

// The first line of a sysfs value as a number; "0x1002" and "1002" in `base` 16, decimal in 10.
std::uint64_t readNumber(const std::filesystem::path& file, int base) {
  std::ifstream in(file);
  std::string text;
  if (!in || !std::getline(in, text)) return 0;
  std::string_view digits = text;
  while (!digits.empty() && std::isspace(static_cast<unsigned char>(digits.back()))) digits.remove_suffix(1);
  if (base == 16 && digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
  }
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  return error == std::errc() && end == digits.data() + digits.size() ? value : 0;
}

bool isCardName(const std::string& name) {
  constexpr std::string_view kPrefix = "card";
  if (name.size() <= kPrefix.size() || name.compare(0, kPrefix.size(), kPrefix) != 0) return false;
  return std::all_of(name.begin() + kPrefix.size(), name.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// The card the renderer runs on: one whose vendor the renderer string names, else the
// firmware's primary adapter, else the first card.
const DrmCard* rendererCard(const std::string& renderer, const std::vector<DrmCard>& cards) {
  for (const DrmCard& card : cards) {
    const Vendor* vendor = findVendor(card.vendorId);
    if (vendor == nullptr) continue;
    for (const char* word : vendor->rendererWords) {
      if (renderer.find(word) != std::string::npos) return &card;
    }
  }
  for (const DrmCard& card : cards) {
    if (card.bootVga) return &card;
  }
  return cards.empty() ? nullptr : &cards.front();
}

std::string cardName(const DrmCard& card) {
  const Vendor* vendor = findVendor(card.vendorId);
  const std::string ids = fmt::format("[{:04x}:{:04x}]", card.vendorId, card.deviceId);
  return vendor != nullptr ? fmt::format("{} GPU {}", vendor->name, ids) : fmt::format("GPU {}", ids);
}

}  // namespace

std::vector<DrmCard> listDrmCards(const std::string& drmFolder) {
  std::vector<DrmCard> cards;
  std::error_code error;
  for (std::filesystem::directory_iterator it(drmFolder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!isCardName(name)) continue;
    const std::filesystem::path device = it->path() / "device";
    DrmCard card;
    card.name = name;
    card.vendorId = static_cast<std::uint32_t>(readNumber(device / "vendor", 16));
    card.deviceId = static_cast<std::uint32_t>(readNumber(device / "device", 16));
    card.bootVga = readNumber(device / "boot_vga", 10) == 1;
    card.vramBytes = readNumber(device / "mem_info_vram_total", 10);
    cards.push_back(std::move(card));
  }
  std::sort(cards.begin(), cards.end(), [](const DrmCard& a, const DrmCard& b) {
    // card2 before card10
    return a.name.size() != b.name.size() ? a.name.size() < b.name.size() : a.name < b.name;
  });
  return cards;
}

DisplayGpu describeDisplayGpu(const std::string& rendererName, const std::vector<DrmCard>& cards) {
  const DrmCard* card = rendererCard(rendererName, cards);
  DisplayGpu gpu;
  if (!rendererName.empty()) {
    gpu.name = rendererName;
    if (card != nullptr && !isSoftwareRenderer(rendererName)) gpu.vramMB = card->vramBytes / kBytesPerMB;
  } else if (card != nullptr) {
    gpu.name = cardName(*card);
    gpu.vramMB = card->vramBytes / kBytesPerMB;
  }
  return gpu;
}

}  // namespace parvalon::host::platform::linux_x11
