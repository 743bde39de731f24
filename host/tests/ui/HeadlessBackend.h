#pragma once

#include <functional>
#include <string>
#include <vector>

#include <imgui.h>

#include "ui/DashboardBackend.h"

namespace parvalon::host::testing {

// Runs the dashboard's Dear ImGui frames without a window or GPU: a fixed display size, the
// mouse the test scripts, and a clipboard the test reads.
class HeadlessBackend : public DashboardBackend {
 public:
  struct State {
    ImVec2 displaySize{1400, 900};
    ImVec2 mousePos{-1, -1};
    bool mouseDown = false;
    std::vector<std::string> clipboardWrites;
    std::function<void()> onClipboardWrite;  // runs inside the clipboard call
    int framesDrawn = 0;
    int texturesCreated = 0;
    int texturesDestroyed = 0;
    bool failTextures = false;
    std::string executableFolder;
    bool initialized = false;
  };

  explicit HeadlessBackend(State& state) : state_(state) {}

  bool initialize() override {
    ImGuiIO& io = ImGui::GetIO();
    io.ClipboardUserData = &state_;
    io.SetClipboardTextFn = [](void* user, const char* text) {
      auto* state = static_cast<State*>(user);
      state->clipboardWrites.emplace_back(text);
      if (state->onClipboardWrite) state->onClipboardWrite();
    };
    // Keyboard navigation needs a key map, as a platform back end installs one.
    for (int key = 0; key < ImGuiKey_COUNT; ++key) io.KeyMap[key] = key;
    // The renderer would upload the font atlas; here its pixels are only built.
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    state_.initialized = true;
    return true;
  }
  void shutdown() override { state_.initialized = false; }
  void newFrame() override {
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = state_.displaySize;
    io.DeltaTime = 1.0f / 60.0f;
    io.MousePos = state_.mousePos;
    io.MouseDown[0] = state_.mouseDown;
  }
  void renderDrawData(ImDrawData*) override { ++state_.framesDrawn; }
  ImTextureID createTexture(const unsigned char*, int, int) override {
    if (state_.failTextures) return nullptr;
    ++state_.texturesCreated;
    return reinterpret_cast<ImTextureID>(static_cast<std::uintptr_t>(state_.texturesCreated));
  }
  void destroyTexture(ImTextureID) override { ++state_.texturesDestroyed; }
  std::string executableFolder() override { return state_.executableFolder; }

 private:
  State& state_;
};

}  // namespace parvalon::host::testing
