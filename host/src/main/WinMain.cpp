// Windows process entry: logging, COM, the dashboard window and its Direct3D 11 swap chain, the
// Application, the main loop, tear-down. The dashboard's own steps (its Windows back end) are
// not here yet: the loop clears the window and presents.

#include <windows.h>
#include <d3d11.h>
#include <dxgi1_2.h>
#include <wrl/client.h>

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include <ParvalonVersion.h>

#include "app/Application.h"
#include "app/HostCommandLine.h"
#include "logging/Log.h"
#include "logging/Logging.h"
#include "main/PresentPacer.h"
#include "platform/DataFolder.h"
#include "platform/windows/Win32Text.h"

namespace {

using Microsoft::WRL::ComPtr;
using parvalon::host::Application;

constexpr const wchar_t* kWindowClass = L"ParvalonHostClass";
constexpr const wchar_t* kWindowTitle = L"Parvalon Host";
constexpr int kWindowWidth = 1400;
constexpr int kWindowHeight = 900;
constexpr UINT kSwapChainBuffers = 2;
constexpr UINT kSyncInterval = 1;
constexpr WPARAM kSysCommandMask = 0xFFF0;
constexpr float kClearColour[4] = {0.06f, 0.06f, 0.10f, 1.0f};

HWND mainWindow = nullptr;
ComPtr<ID3D11Device> device;
ComPtr<ID3D11DeviceContext> context;
ComPtr<IDXGISwapChain1> swapChain;
ComPtr<ID3D11RenderTargetView> renderTarget;
std::unique_ptr<Application> application;
// Written by WindowProc and read by the loop, both on the main thread.
bool appRunning = true;
UINT pendingResizeWidth = 0;
UINT pendingResizeHeight = 0;

std::uint32_t hresultBits(HRESULT hr) { return static_cast<std::uint32_t>(hr); }

void createRenderTarget() {
  ComPtr<ID3D11Texture2D> backBuffer;
  if (SUCCEEDED(swapChain->GetBuffer(0, IID_PPV_ARGS(&backBuffer)))) {
    device->CreateRenderTargetView(backBuffer.Get(), nullptr, &renderTarget);
  }
}

void cleanupDeviceD3D() {
  renderTarget.Reset();
  swapChain.Reset();
  context.Reset();
  device.Reset();
}

bool CreateDeviceD3D(HWND window) {
  context.Reset();
  device.Reset();
  const D3D_FEATURE_LEVEL levels[] = {D3D_FEATURE_LEVEL_11_1, D3D_FEATURE_LEVEL_11_0};
  HRESULT hr = D3D11CreateDevice(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, D3D11_CREATE_DEVICE_BGRA_SUPPORT,
                                 levels, static_cast<UINT>(std::size(levels)), D3D11_SDK_VERSION, &device, nullptr,
                                 &context);
  if (FAILED(hr)) {
    PV_LOG_ERROR("Failed to create D3D11 device: {:#x}", hresultBits(hr));
    return false;
  }
  ComPtr<IDXGIDevice> dxgiDevice;
  ComPtr<IDXGIAdapter> adapter;
  ComPtr<IDXGIFactory2> factory;
  hr = device.As(&dxgiDevice);
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
    hr = factory->CreateSwapChainForHwnd(device.Get(), window, &desc, nullptr, nullptr, &swapChain);
  }
  if (FAILED(hr)) {
    PV_LOG_ERROR("Failed to create swap chain: {:#x}", hresultBits(hr));
    return false;
  }
  factory->MakeWindowAssociation(window, DXGI_MWA_NO_ALT_ENTER);
  createRenderTarget();
  return true;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) {
        pendingResizeWidth = LOWORD(lParam);
        pendingResizeHeight = HIWORD(lParam);
      }
      return 0;
    case WM_CLOSE:
      // The window is destroyed by the tear-down after the loop, not here.
      appRunning = false;
      return 0;
    case WM_DESTROY:
      appRunning = false;
      PostQuitMessage(0);
      return 0;
    case WM_DISPLAYCHANGE:
      if (application) application->onDisplayChange();
      PV_LOG_INFO("Display configuration changed");
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & kSysCommandMask) == SC_KEYMENU) return 0;  // Alt alone opens no window menu
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void pumpMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (message.message == WM_QUIT) appRunning = false;
  }
}

void applyPendingResize() {
  if (pendingResizeWidth == 0 || pendingResizeHeight == 0) return;
  renderTarget.Reset();
  swapChain->ResizeBuffers(0, pendingResizeWidth, pendingResizeHeight, DXGI_FORMAT_UNKNOWN, 0);
  pendingResizeWidth = pendingResizeHeight = 0;
  createRenderTarget();
}

void runMainLoop() {
  parvalon::host::PresentPacer pacer;
  while (true) {
    pumpMessages();
    if (!appRunning) break;
    applyPendingResize();
    application->update();
    ID3D11RenderTargetView* const targets[] = {renderTarget.Get()};
    context->OMSetRenderTargets(1, targets, nullptr);
    if (renderTarget) context->ClearRenderTargetView(renderTarget.Get(), kClearColour);
    swapChain->Present(kSyncInterval, 0);
    pacer.presented();
  }
}

int run(HINSTANCE instance, int showCommand) {
  PV_LOG_INFO("Parvalon Host starting...");
  PV_LOG_INFO("Version: {}", PARVALON_VERSION);

  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(com)) {
    PV_LOG_ERROR("Failed to initialize COM: {:#x}", hresultBits(com));
    return 1;
  }

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&windowClass)) {
    PV_LOG_ERROR("Failed to register window class");
    return 1;
  }

  mainWindow = CreateWindowExW(0, kWindowClass, kWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                               kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
  if (!mainWindow) {
    PV_LOG_ERROR("Failed to create window");
    return 1;
  }

  if (!CreateDeviceD3D(mainWindow)) {
    cleanupDeviceD3D();
    UnregisterClassW(kWindowClass, instance);
    PV_LOG_ERROR("Failed to create D3D11 device");
    return 1;
  }

  ShowWindow(mainWindow, showCommand);
  UpdateWindow(mainWindow);

  application = std::make_unique<Application>();
  if (!application->initialize()) {
    PV_LOG_ERROR("Failed to initialize application");
    return 1;
  }

  PV_LOG_INFO("Application initialized, entering main loop...");
  runMainLoop();

  application->shutdown();
  application.reset();
  cleanupDeviceD3D();
  DestroyWindow(mainWindow);
  mainWindow = nullptr;
  UnregisterClassW(kWindowClass, instance);
  CoUninitialize();
  PV_LOG_INFO("Parvalon Host exiting");
  return 0;
}

// A GUI program has no console of its own: the answer goes to the handles it was given (a pipe or
// file), else to the console of the program that started it.
void printAnswer(const parvalon::host::HostCommandLine::Answer& answer) {
  const DWORD which = answer.toStderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
  HANDLE out = GetStdHandle(which);
  if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    out = GetStdHandle(which);
  }
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, answer.text.data(), static_cast<DWORD>(answer.text.size()), &written, nullptr);
}

// The arguments after the program name, as UTF-8.
std::vector<std::string> arguments() {
  std::vector<std::string> args;
  for (int i = 1; i < __argc; ++i) args.push_back(parvalon::host::platform::win32::utf16ToUtf8(__wargv[i]));
  return args;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using parvalon::host::HostCommandLine;
  const HostCommandLine::Folders folders{parvalon::host::platform::localAppDataFolder(), parvalon::host::logFolder()};
  if (const auto answer = HostCommandLine::answer(arguments(), folders)) {
    printAnswer(*answer);
    return answer->exitCode;
  }
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  int code = 1;
  try {
    parvalon::host::initLogging("ParvalonHost", true, spdlog::level::debug);
    code = run(instance, showCommand);
  } catch (const std::exception& e) {
    PV_LOG_CRITICAL("Unhandled exception: {}", e.what());
    MessageBoxA(nullptr, e.what(), "Parvalon Host - Fatal Error", MB_OK | MB_ICONERROR);
    code = 1;
  }
  // After a failed start the objects made so far go in reverse order while logging still runs.
  application.reset();
  cleanupDeviceD3D();
  parvalon::host::shutdownLogging();
  return code;
}
