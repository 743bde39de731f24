#pragma once

#include <algorithm>
#include <cstdint>

namespace parvalon::host::platform {

// Virtual-desk coordinates: 0..65535 across the whole desktop, as absolute synthetic mouse input
// expects. `offset` is a pixel's distance from the desktop's left (or top) edge, `extent` the
// desktop's width (or height), at least 1. Divisions truncate toward zero.
inline constexpr std::int64_t kVirtualDeskMax = 65535;

constexpr std::int64_t toVirtualDesk(std::int64_t offset, std::int64_t extent) {
  return std::clamp<std::int64_t>((offset * kVirtualDeskMax + extent / 2) / extent, 0, kVirtualDeskMax);
}

// The exact inverse of toVirtualDesk on the desktop: the first pixel whose coordinate reaches
// `value`, so every pixel of a desktop up to 65535 wide comes back as itself; clamped to the desktop.
constexpr std::int64_t fromVirtualDesk(std::int64_t value, std::int64_t extent) {
  const std::int64_t numerator = std::clamp<std::int64_t>(value, 0, kVirtualDeskMax) * extent - extent / 2;
  const std::int64_t offset = numerator <= 0 ? 0 : (numerator + kVirtualDeskMax - 1) / kVirtualDeskMax;
  return std::clamp<std::int64_t>(offset, 0, extent - 1);
}

}  // namespace parvalon::host::platform
