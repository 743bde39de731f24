#pragma once

#include <functional>
#include <string>
#include <vector>

#include <imgui.h>

namespace parvalon::host {

class DashboardBackend;

// Files and probes the dashboard uses at initialisation; tests replace them.
struct DashboardResources {
  std::vector<std::string> fontFiles{"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                     "/usr/share/fonts/dejavu/DejaVuSans.ttf"};
  std::string logoFile = "assets/logo.png";
  // Tried when logoFile fails, after the path beside the executable.
  std::string installedLogoFile;
  std::function<std::string()> localAddress;  // null: the first up, non-loopback IPv4 address
};

// The dashboard's three text sizes (all the same default font when no font file loads).
struct DashboardFonts {
  ImFont* body = nullptr;
  ImFont* heading = nullptr;
  ImFont* title = nullptr;
};

// The fonts, the logo texture and the theme of the dashboard, loaded into the current Dear
// ImGui context. Main thread only.
class DashboardAssets {
 public:
  static constexpr float kBodyFontPx = 18.0f;
  static constexpr float kHeadingFontPx = 24.0f;
  static constexpr float kTitleFontPx = 32.0f;
  // Relative to the executable's folder: the source tree's asset from a build folder.
  static constexpr const char* kLogoBesideExecutable = "/../../../host/assets/logo.png";

  // The first font file that loads, else Dear ImGui's own font; before the back end starts,
  // which uploads the atlas built here.
  void loadFonts(const std::vector<std::string>& fontFiles);
  // After the back end started: the logo from the first of the resources' files that loads.
  bool loadLogo(const DashboardResources& resources, DashboardBackend& backend);
  static void applyTheme();
  // Destroys the logo texture and forgets the fonts (the context that owns them goes next).
  void release(DashboardBackend& backend);

  const DashboardFonts& fonts() const { return fonts_; }
  bool hasOwnFont() const { return ownFont_; }
  // Null when no logo loaded.
  ImTextureID logo() const { return logoTexture_; }

 private:
  DashboardFonts fonts_;
  bool ownFont_ = false;
  ImTextureID logoTexture_ = nullptr;
};

}  // namespace parvalon::host
