#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "main/DashboardWindow.h"

struct HINSTANCE__;
struct HWND__;
struct ID3D11Device;
struct ID3D11DeviceContext;

namespace parvalon::host {

// The Windows dashboard window: the "ParvalonHostClass" window of 1400 × 900 with a Direct3D 11
// device and a flip-model swap chain of its own (capture uses the orchestrator's device). COM's
// apartment lives as long as the window, so start and stop keep their order: COM, class,
// window, device; then device, window, class, COM. Main thread only.
class Win32MainWindow : public DashboardWindow {
 public:
  static constexpr int kWidth = 1400;
  static constexpr int kHeight = 900;

  Win32MainWindow(HINSTANCE__* instance, int showCommand);
  ~Win32MainWindow() override;
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  // COM, the window class, the window, the device and swap chain, then shows the window; false
  // after logging the one line of the step that failed.
  bool create();
  void destroy();

  void pollEvents() override;
  bool closeRequested() const override { return !running_; }
  // Not while minimised: WM_SIZE then carries no size to draw at.
  bool applyPendingResize() override;
  bool takeContentsLost() override;
  void present() override;
  std::unique_ptr<DashboardBackend> createDashboardBackend() override;
  void setDisplayChangeCallback(std::function<void()> callback) override { displayChange_ = std::move(callback); }

  // Binds the back buffer as the one render target and clears it to `rgba`.
  void clearBackBuffer(const float rgba[4]);
  // The client area's size in pixels (0 × 0 while minimised).
  void clientSize(int& width, int& height) const;
  HWND__* handle() const { return window_; }

  // The dashboard device and its immediate context (null before create).
  ID3D11Device* device() const;
  ID3D11DeviceContext* context() const;

  // Offered every message first; true: handled, the window procedure returns 1.
  using MessageHook = std::function<bool(HWND__* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)>;
  void setMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }

  // The window procedure's work for this window; false leaves the message to DefWindowProcW.
  bool handleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result);

 private:
  struct Graphics;
  bool createDevice();
  void createRenderTarget();

  HINSTANCE__* instance_;
  int showCommand_;
  bool comReady_ = false;
  bool classRegistered_ = false;
  HWND__* window_ = nullptr;
  std::unique_ptr<Graphics> graphics_;
  // Written by the window procedure and read by the loop, both on the main thread.
  bool running_ = true;
  bool contentsLost_ = true;
  std::uint32_t pendingResizeWidth_ = 0;
  std::uint32_t pendingResizeHeight_ = 0;
  std::function<void()> displayChange_;
  MessageHook messageHook_;
};

}  // namespace parvalon::host
