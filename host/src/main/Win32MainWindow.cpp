#include "main/Win32MainWindow.h"

#include <windows.h>
#include <d3d11.h>
#include <dxgi1_2.h>
#include <wrl/client.h>

#include <iterator>

#include "logging/Log.h"
#include "main/D3D11ImGuiBackend.h"

namespace parvalon::host {
namespace {

using Microsoft::WRL::ComPtr;

constexpr const wchar_t* kWindowClass = L"ParvalonHostClass";
constexpr const wchar_t* kWindowTitle = L"Parvalon Host";
constexpr UINT kSwapChainBuffers = 2;
constexpr UINT kSyncInterval = 1;
constexpr WPARAM kSysCommandMask = 0xFFF0;

std::uint32_t hresultBits(HRESULT hr) { return static_cast<std::uint32_t>(hr); }

// Messages that arrive before WM_NCCREATE (WM_GETMINMAXINFO) find no window object yet.
LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  std::intptr_t result = 0;
  if (self != nullptr && self->handleMessage(message, wParam, lParam, result)) return static_cast<LRESULT>(result);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

struct Win32MainWindow::Graphics {
  ComPtr<ID3D11Device> device;
  ComPtr<ID3D11DeviceContext> context;
  ComPtr<IDXGISwapChain1> swapChain;
  ComPtr<ID3D11RenderTargetView> renderTarget;

  // Render target, swap chain, context, device: in this order.
  void release() {
    renderTarget.Reset();
    swapChain.Reset();
    context.Reset();
    device.Reset();
  }
};

Win32MainWindow::Win32MainWindow(HINSTANCE__* instance, int showCommand)
    : instance_(instance), showCommand_(showCommand), graphics_(std::make_unique<Graphics>()) {}

Win32MainWindow::~Win32MainWindow() { destroy(); }

bool Win32MainWindow::create() {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(com)) {
    PV_LOG_ERROR("Failed to initialize COM: {:#x}", hresultBits(com));
    return false;
  }
  comReady_ = true;

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&windowClass)) {
    PV_LOG_ERROR("Failed to register window class");
    return false;
  }
  classRegistered_ = true;

  window_ = CreateWindowExW(0, kWindowClass, kWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, kWidth,
                            kHeight, nullptr, nullptr, instance_, this);
  if (window_ == nullptr) {
    PV_LOG_ERROR("Failed to create window");
    return false;
  }

  if (!createDevice()) {
    graphics_->release();
    PV_LOG_ERROR("Failed to create D3D11 device");
    return false;
  }

  ShowWindow(window_, showCommand_);
  UpdateWindow(window_);
  return true;
}

void Win32MainWindow::destroy() {
  displayChange_ = nullptr;
  messageHook_ = nullptr;
  graphics_->release();
  if (window_ != nullptr) {
    DestroyWindow(window_);
    window_ = nullptr;
  }
  if (classRegistered_) {
    UnregisterClassW(kWindowClass, instance_);
    classRegistered_ = false;
  }
  if (comReady_) {
    CoUninitialize();
    comReady_ = false;
  }
}

bool Win32MainWindow::createDevice() {
  Graphics& g = *graphics_;
  g.context.Reset();
  g.device.Reset();
  const D3D_FEATURE_LEVEL levels[] = {D3D_FEATURE_LEVEL_11_1, D3D_FEATURE_LEVEL_11_0};
  HRESULT hr = D3D11CreateDevice(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, D3D11_CREATE_DEVICE_BGRA_SUPPORT, levels,
                                 static_cast<UINT>(std::size(levels)), D3D11_SDK_VERSION, &g.device, nullptr,
                                 &g.context);
  if (FAILED(hr)) {
    PV_LOG_ERROR("Failed to create D3D11 device: {:#x}", hresultBits(hr));
    return false;
  }
  ComPtr<IDXGIDevice> dxgiDevice;
  ComPtr<IDXGIAdapter> adapter;
  ComPtr<IDXGIFactory2> factory;
  hr = g.device.As(&dxgiDevice);
  if (SUCCEEDED(hr)) hr = dxgiDevice->GetAdapter(&adapter);
  if (SUCCEEDED(hr)) hr = adapter->GetParent(IID_PPV_ARGS(&factory));
  if (SUCCEEDED(hr)) {
    DXGI_SWAP_CHAIN_DESC1 desc{};
    desc.Width = 0;  // both taken from the window
    desc.Height = 0;
    desc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    desc.Stereo = FALSE;
    desc.SampleDesc.Count = 1;
    desc.SampleDesc.Quality = 0;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.BufferCount = kSwapChainBuffers;
    desc.Scaling = DXGI_SCALING_STRETCH;
    desc.SwapEffect = DXGI_SWAP_EFFECT_FLIP_DISCARD;
    desc.AlphaMode = DXGI_ALPHA_MODE_UNSPECIFIED;
    desc.Flags = DXGI_SWAP_CHAIN_FLAG_ALLOW_MODE_SWITCH;
    hr = factory->CreateSwapChainForHwnd(g.device.Get(), window_, &desc, nullptr, nullptr, &g.swapChain);
  }
  if (FAILED(hr)) {
    PV_LOG_ERROR("Failed to create swap chain: {:#x}", hresultBits(hr));
    return false;
  }
  factory->MakeWindowAssociation(window_, DXGI_MWA_NO_ALT_ENTER);  // Alt+Enter is no full screen
  createRenderTarget();
  return true;
}

void Win32MainWindow::createRenderTarget() {
  Graphics& g = *graphics_;
  ComPtr<ID3D11Texture2D> backBuffer;
  if (SUCCEEDED(g.swapChain->GetBuffer(0, IID_PPV_ARGS(&backBuffer)))) {
    g.device->CreateRenderTargetView(backBuffer.Get(), nullptr, &g.renderTarget);
  }
}

void Win32MainWindow::pollEvents() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (message.message == WM_QUIT) running_ = false;
  }
}

bool Win32MainWindow::applyPendingResize() {
  if (pendingResizeWidth_ == 0 || pendingResizeHeight_ == 0) return false;
  Graphics& g = *graphics_;
  g.renderTarget.Reset();
  g.swapChain->ResizeBuffers(0, pendingResizeWidth_, pendingResizeHeight_, DXGI_FORMAT_UNKNOWN, 0);
  pendingResizeWidth_ = 0;
  pendingResizeHeight_ = 0;
  createRenderTarget();
  return true;
}

bool Win32MainWindow::takeContentsLost() {
  const bool lost = contentsLost_;
  contentsLost_ = false;
  return lost;
}

void Win32MainWindow::present() { graphics_->swapChain->Present(kSyncInterval, 0); }

std::unique_ptr<DashboardBackend> Win32MainWindow::createDashboardBackend() {
  return std::make_unique<D3D11ImGuiBackend>(*this);
}

void Win32MainWindow::clearBackBuffer(const float rgba[4]) {
  Graphics& g = *graphics_;
  ID3D11RenderTargetView* const targets[] = {g.renderTarget.Get()};
  g.context->OMSetRenderTargets(1, targets, nullptr);
  if (g.renderTarget) g.context->ClearRenderTargetView(g.renderTarget.Get(), rgba);
}

ID3D11Device* Win32MainWindow::device() const { return graphics_->device.Get(); }

ID3D11DeviceContext* Win32MainWindow::context() const { return graphics_->context.Get(); }

void Win32MainWindow::clientSize(int& width, int& height) const {
  RECT rect{};
  if (window_ == nullptr || !GetClientRect(window_, &rect)) {
    width = height = 0;
    return;
  }
  width = rect.right - rect.left;
  height = rect.bottom - rect.top;
}

bool Win32MainWindow::handleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                    std::intptr_t& result) {
  if (messageHook_ && messageHook_(window_, message, wParam, lParam)) {
    result = 1;
    return true;
  }
  result = 0;
  switch (message) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) {
        pendingResizeWidth_ = LOWORD(lParam);
        pendingResizeHeight_ = HIWORD(lParam);
      }
      return true;
    case WM_PAINT:
      // Exposed: the next frame is drawn whole. The default handler validates the area.
      contentsLost_ = true;
      return false;
    case WM_CLOSE:
      // The window is destroyed by the tear-down after the loop, not here.
      running_ = false;
      return true;
    case WM_DESTROY:
      running_ = false;
      PostQuitMessage(0);
      return true;
    case WM_DPICHANGED: {
      // Per-monitor aware: take the size Windows suggests for the new monitor's DPI; the
      // WM_SIZE that follows resizes the swap chain.
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return true;
    }
    case WM_DISPLAYCHANGE:
      if (displayChange_) displayChange_();
      return true;
    case WM_SYSCOMMAND:
      // Alt alone opens no window menu; other system commands take their default course.
      return (wParam & kSysCommandMask) == SC_KEYMENU;
    default:
      return false;
  }
}

}  // namespace parvalon::host
