#pragma once

#include <cstdint>

#include <imgui.h>

namespace parvalon::host {

// A 64-bit digest of everything a renderer reads from a finished Dear ImGui frame: display
// size and scale, vertices, indices, clip rectangles, textures and element counts. Two frames
// with the same digest put the same pixels on screen, so the second need not be drawn.
std::uint64_t drawDataDigest(const ImDrawData& data);

}  // namespace parvalon::host
