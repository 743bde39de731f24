#include <gtest/gtest.h>

#include <windows.h>
#include <d3d11.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <imgui.h>

#include "main/D3D11ImGuiBackend.h"
#include "main/Win32MainWindow.h"
#include "platform/windows/Win32Text.h"
#include "ui/UIManager.h"

// The dashboard on the Windows window: Dear ImGui's Win32 and Direct3D 11 back ends drawing into
// the flip-model swap chain, read back from the back buffer before each present, under wine on
// the virtual desktop. (Wine's GDI does not see what the swap chain presents: the Linux side
// checks the display with its screenshot tool.)
namespace parvalon::host {
namespace {

using Microsoft::WRL::ComPtr;

struct Rgb {
  int r, g, b;
};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct Area {
  int x, y, width, height;
};

bool isNear(Rgb actual, Rgb expected, int tolerance) {
  return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
         std::abs(actual.b - expected.b) <= tolerance;
}

::testing::AssertionResult closeTo(Rgb actual, Rgb expected, int tolerance = 3) {
  if (isNear(actual, expected, tolerance)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << actual.r << ", " << actual.g << ", " << actual.b
                                       << ") expected (" << expected.r << ", " << expected.g << ", " << expected.b
                                       << ")";
}

int countColour(const Picture& picture, Area area, Rgb colour, int tolerance = 6) {
  int count = 0;
  for (int y = area.y; y < std::min(area.y + area.height, picture.height); ++y) {
    for (int x = area.x; x < std::min(area.x + area.width, picture.width); ++x) {
      if (isNear(picture.at(x, y), colour, tolerance)) ++count;
    }
  }
  return count;
}

constexpr Rgb kBackground{15, 15, 26};
constexpr Rgb kSidebar{13, 13, 20};
constexpr Rgb kAccent{115, 89, 230};
constexpr Rgb kTextPrimary{242, 242, 250};
// The selected "  Dashboard" button and, one button (48 px and 4 px) below, "  Streaming".
constexpr Area kDashboardButton{15, 175, 230, 48};
constexpr int kStreamingButtonY = kDashboardButton.y + 52 + 24;
// The logo: 60 x 60 at x = 100, 25 px from the top.
constexpr Area kLogo{100, 25, 60, 60};
// The page title "Dashboard" at (30, 25) in the content child.
constexpr Area kTitle{290, 25, 200, 40};

std::filesystem::path executableFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

// Copies the bound render target (the swap chain's back buffer) to the CPU.
Picture readBackBuffer(Win32MainWindow& window) {
  Picture picture;
  ComPtr<ID3D11RenderTargetView> target;
  window.context()->OMGetRenderTargets(1, &target, nullptr);
  if (!target) return picture;
  ComPtr<ID3D11Resource> resource;
  target->GetResource(&resource);
  ComPtr<ID3D11Texture2D> texture;
  if (FAILED(resource.As(&texture))) return picture;
  D3D11_TEXTURE2D_DESC desc{};
  texture->GetDesc(&desc);
  desc.Usage = D3D11_USAGE_STAGING;
  desc.BindFlags = 0;
  desc.CPUAccessFlags = D3D11_CPU_ACCESS_READ;
  desc.MiscFlags = 0;
  ComPtr<ID3D11Texture2D> staging;
  if (FAILED(window.device()->CreateTexture2D(&desc, nullptr, &staging))) return picture;
  window.context()->CopyResource(staging.Get(), texture.Get());
  D3D11_MAPPED_SUBRESOURCE mapped{};
  if (FAILED(window.context()->Map(staging.Get(), 0, D3D11_MAP_READ, 0, &mapped))) return picture;
  picture.width = static_cast<int>(desc.Width);
  picture.height = static_cast<int>(desc.Height);
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(mapped.pData) + static_cast<std::size_t>(y) * mapped.RowPitch;
    for (int x = 0; x < picture.width; ++x) picture.pixels.push_back({row[4 * x], row[4 * x + 1], row[4 * x + 2]});
  }
  window.context()->Unmap(staging.Get(), 0);
  return picture;
}

class Win32Dashboard : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<Win32MainWindow>(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    ASSERT_TRUE(window_->create());
    // Above whatever else the desktop shows, so that the display reads back our pixels.
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const auto assets = executableFolder() / L"assets";
    DashboardResources resources;
    resources.fontFiles = {platform::win32::utf16ToUtf8((assets / L"DejaVuSans.ttf").wstring())};
    resources.logoFile = platform::win32::utf16ToUtf8((assets / L"logo.png").wstring());
    resources.localAddress = [] { return std::string("127.0.0.1"); };
    dashboard_ = std::make_unique<UIManager>(window_->createDashboardBackend(), resources);
    ASSERT_TRUE(dashboard_->initialize());
  }

  void TearDown() override {
    if (dashboard_) dashboard_->shutdown();
    dashboard_.reset();
    window_.reset();
  }

  HWND hwnd() const { return window_->handle(); }

  // One iteration of the host loop's drawing part; true when the dashboard drew (and presented).
  // `beforePresent` sees the back buffer of a drawn frame.
  bool iterate(const std::function<void()>& beforePresent = {}) {
    window_->pollEvents();
    const bool resized = window_->applyPendingResize();
    if (window_->takeContentsLost() || resized) dashboard_->invalidateFrame();
    dashboard_->render();
    if (!dashboard_->frameDrawn()) return false;
    if (beforePresent) beforePresent();
    window_->present();
    return true;
  }

  // Frames drawn in `count` iterations.
  int framesDrawn(int count) {
    int drawn = 0;
    for (int i = 0; i < count; ++i) drawn += iterate() ? 1 : 0;
    return drawn;
  }

  // Iterates until three in a row draw nothing (wine may expose the window again after a
  // present); false when it never settles.
  bool settle() {
    int quiet = 0;
    for (int i = 0; i < 60 && quiet < 3; ++i) quiet = iterate() ? 0 : quiet + 1;
    return quiet == 3;
  }

  void movePointerTo(int x, int y) {
    SetForegroundWindow(hwnd());
    POINT point{x, y};
    ClientToScreen(hwnd(), &point);
    SetCursorPos(point.x, point.y);
  }

  // Iterates until a frame is drawn (at most `count` iterations) and returns its back buffer.
  Picture drawnFrame(int count = 20) {
    Picture picture;
    for (int i = 0; i < count && picture.width == 0; ++i) iterate([&] { picture = readBackBuffer(*window_); });
    return picture;
  }

  // The window manager answers a minimise after ShowWindow returns, and a restore made before its
  // answer is undone by it: messages are pumped until the state has held for 300 ms (5 s at most).
  bool holdsIconic(bool iconic) {
    int held = 0;
    for (int i = 0; i < 250 && held < 15; ++i) {
      window_->pollEvents();
      held = (IsIconic(hwnd()) != 0) == iconic ? held + 1 : 0;
      Sleep(20);
    }
    return held >= 15;
  }

  void setClientSize(int width, int height) {
    RECT rect{0, 0, width, height};
    AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
    SetWindowPos(hwnd(), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER);
  }

  std::unique_ptr<Win32MainWindow> window_;
  std::unique_ptr<UIManager> dashboard_;
};

TEST_F(Win32Dashboard, DrawsTheThemeFontAndLogoIntoTheSwapChain) {
  EXPECT_TRUE(dashboard_->hasOwnFont());
  EXPECT_TRUE(dashboard_->hasLogo());
  const Picture frame = drawnFrame();
  ASSERT_GT(frame.width, 0) << "no frame drawn";
  int width = 0;
  int height = 0;
  window_->clientSize(width, height);
  EXPECT_EQ(frame.width, width);
  EXPECT_EQ(frame.height, height);

  EXPECT_TRUE(closeTo(frame.at(130, 600), kSidebar));
  EXPECT_TRUE(closeTo(frame.at(width - 10, height - 10), kSidebar));  // status bar
  EXPECT_TRUE(closeTo(frame.at(width - 20, height - 120), kBackground));
  // The selected page's button in the accent colour, the title's glyphs, the logo's own colours.
  EXPECT_GT(countColour(frame, kDashboardButton, kAccent), 3000);
  EXPECT_GT(countColour(frame, kTitle, kTextPrimary, 20), 100);
  const int logoBackground = countColour(frame, kLogo, kSidebar, 2);
  EXPECT_LT(logoBackground, kLogo.width * kLogo.height / 2);

}

TEST_F(Win32Dashboard, DrawsOnlyWhenTheFrameChanges) {
  // The pointer over the sidebar's empty part, where it changes nothing.
  movePointerTo(130, 600);
  ASSERT_GT(drawnFrame().width, 0);
  ASSERT_TRUE(settle());
  // Nothing happens: nothing is drawn or presented, however many iterations run.
  EXPECT_EQ(framesDrawn(30), 0);

  // The pointer over "  Streaming" highlights it; a click there, through the window's messages,
  // opens its page.
  movePointerTo(kDashboardButton.x + 100, kStreamingButtonY);
  EXPECT_GE(framesDrawn(5), 1);
  const LPARAM at = MAKELPARAM(kDashboardButton.x + 100, kStreamingButtonY);
  PostMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  iterate();
  PostMessageW(hwnd(), WM_LBUTTONUP, 0, at);
  iterate();
  EXPECT_EQ(dashboard_->currentPage(), UIManager::kStreaming);
  // Idle again once the new page is on screen.
  ASSERT_TRUE(settle());
  EXPECT_EQ(framesDrawn(30), 0);
}

TEST_F(Win32Dashboard, LostContentsAreDrawnAgain) {
  movePointerTo(130, 600);
  ASSERT_GT(drawnFrame().width, 0);
  ASSERT_TRUE(settle());
  EXPECT_EQ(framesDrawn(10), 0);
  // Exposed (WM_PAINT): the unchanged dashboard is drawn and presented once more, whole.
  InvalidateRect(hwnd(), nullptr, FALSE);
  const Picture frame = drawnFrame(1);
  ASSERT_GT(frame.width, 0) << "the exposed window was not drawn";
  EXPECT_GT(countColour(frame, kDashboardButton, kAccent), 3000);
  ASSERT_TRUE(settle());
  EXPECT_EQ(framesDrawn(10), 0);
}

TEST_F(Win32Dashboard, ResizesTheSwapChainWithTheWindowButNotWhenMinimised) {
  ASSERT_GT(drawnFrame().width, 0);
  setClientSize(1000, 700);
  const Picture smaller = drawnFrame(1);
  ASSERT_EQ(smaller.width, 1000) << "the resize was not drawn at once";
  EXPECT_EQ(smaller.height, 700);
  // The layout follows: the status bar along the new bottom edge, the sidebar beside the content.
  EXPECT_TRUE(closeTo(smaller.at(990, 690), kSidebar));
  EXPECT_TRUE(closeTo(smaller.at(990, 600), kBackground));
  EXPECT_TRUE(closeTo(smaller.at(130, 500), kSidebar));

  ShowWindow(hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(holdsIconic(true));
  EXPECT_FALSE(window_->applyPendingResize());
  ShowWindow(hwnd(), SW_RESTORE);
  ASSERT_TRUE(holdsIconic(false));
  EXPECT_TRUE(window_->applyPendingResize());
  const Picture restored = drawnFrame(1);
  ASSERT_EQ(restored.width, 1000);
  EXPECT_EQ(restored.height, 700);
  EXPECT_GT(countColour(restored, kDashboardButton, kAccent), 3000);
}

TEST(D3D11ImGuiBackendScale, AFrameLaidOutAt96DpiCoversThePixelsOfTheScaledWindow) {
  ImGui::CreateContext();
  ImGuiIO& io = ImGui::GetIO();
  unsigned char* pixels = nullptr;
  int width = 0;
  int height = 0;
  io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
  io.DisplaySize = ImVec2(800, 600);
  io.DeltaTime = 1.0f / 60.0f;
  ImGui::NewFrame();
  ImDrawList* list = ImGui::GetForegroundDrawList();
  list->PushClipRect(ImVec2(100, 50), ImVec2(300, 250));
  list->AddRectFilled(ImVec2(100, 50), ImVec2(300, 250), IM_COL32(255, 0, 0, 255));
  list->PopClipRect();
  ImGui::Render();
  ImDrawData* data = ImGui::GetDrawData();
  ASSERT_EQ(data->CmdListsCount, 1);

  D3D11ImGuiBackend::scaleDrawData(*data, 1.5f);
  EXPECT_FLOAT_EQ(data->DisplaySize.x, 1200.0f);
  EXPECT_FLOAT_EQ(data->DisplaySize.y, 900.0f);
  float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
  for (const ImDrawVert& vertex : data->CmdLists[0]->VtxBuffer) {
    minX = std::min(minX, vertex.pos.x);
    minY = std::min(minY, vertex.pos.y);
    maxX = std::max(maxX, vertex.pos.x);
    maxY = std::max(maxY, vertex.pos.y);
  }
  EXPECT_FLOAT_EQ(minX, 150.0f);
  EXPECT_FLOAT_EQ(minY, 75.0f);
  EXPECT_FLOAT_EQ(maxX, 450.0f);
  EXPECT_FLOAT_EQ(maxY, 375.0f);
  bool clipFound = false;
  for (const ImDrawCmd& command : data->CmdLists[0]->CmdBuffer) {
    if (command.ElemCount == 0) continue;
    clipFound = true;
    EXPECT_FLOAT_EQ(command.ClipRect.x, 150.0f);
    EXPECT_FLOAT_EQ(command.ClipRect.y, 75.0f);
    EXPECT_FLOAT_EQ(command.ClipRect.z, 450.0f);
    EXPECT_FLOAT_EQ(command.ClipRect.w, 375.0f);
  }
  EXPECT_TRUE(clipFound);
  ImGui::DestroyContext();
}

}  // namespace
}  // namespace parvalon::host
