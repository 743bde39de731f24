#pragma once

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace parvalon::host::test {

// A top-level window on a thread of its own that records the input messages it receives, as a
// program the host types into would see them: button presses at client pixels, WM_CHAR code
// units, key downs and ups. Its thread pumps messages until the object is destroyed, so input
// injected from the test thread reaches it the way it reaches another program.
class InputRecorderWindow {
 public:
  struct Event {
    UINT message = 0;
    std::int32_t x = 0;  // client pixel of a button message
    std::int32_t y = 0;
    std::uint32_t code = 0;  // WM_CHAR: the UTF-16 unit; key messages: the virtual key
    bool operator==(const Event&) const = default;
  };

  // A window of `style` whose client area is `clientWidth` × `clientHeight`; with `childControl`
  // a child window covers the client area's right half (clicks there belong to the top-level
  // window all the same).
  InputRecorderWindow(const std::wstring& className, DWORD style, int clientWidth, int clientHeight,
                      bool childControl = false)
      : className_(className) {
    thread_ = std::thread([=, this] { run(style, clientWidth, clientHeight, childControl); });
    std::unique_lock lock(mutex_);
    // Bounded: CreateWindowExW either returns or fails.
    created_.wait_for(lock, std::chrono::seconds(30), [&] { return ready_; });
  }
  ~InputRecorderWindow() {
    if (threadId_ != 0) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  InputRecorderWindow(const InputRecorderWindow&) = delete;
  InputRecorderWindow& operator=(const InputRecorderWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  HWND child() const { return child_; }
  DWORD threadId() const { return threadId_; }
  std::uint64_t handle() const { return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(hwnd_)); }

  std::vector<Event> events() const {
    std::lock_guard lock(mutex_);
    return events_;
  }
  // The recorded events of one message kind, in order.
  std::vector<Event> events(UINT message) const {
    std::vector<Event> out;
    for (const Event& e : events()) {
      if (e.message == message) out.push_back(e);
    }
    return out;
  }
  void clear() {
    std::lock_guard lock(mutex_);
    events_.clear();
  }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<InputRecorderWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
      self = static_cast<InputRecorderWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (self) self->record(hwnd, message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  void record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Event e{message};
    switch (message) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONUP:
      case WM_RBUTTONDOWN:
      case WM_RBUTTONUP: {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        // A press on the child control, in the top-level window's client pixels.
        if (hwnd != hwnd_) MapWindowPoints(hwnd, hwnd_, &p, 1);
        e.x = p.x;
        e.y = p.y;
        break;
      }
      case WM_CHAR:
      case WM_KEYDOWN:
      case WM_KEYUP:
      case WM_SYSKEYDOWN:
      case WM_SYSKEYUP:
        e.code = static_cast<std::uint32_t>(wParam);
        break;
      default:
        return;
    }
    std::lock_guard lock(mutex_);
    events_.push_back(e);
  }

  void run(DWORD style, int clientWidth, int clientHeight, bool childControl) {
    threadId_ = GetCurrentThreadId();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = className_.c_str();
    RegisterClassExW(&windowClass);
    RECT rect{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&rect, style, FALSE, 0);
    HWND hwnd = CreateWindowExW(0, className_.c_str(), className_.c_str(), style, 120, 90, rect.right - rect.left,
                                rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    HWND child = nullptr;
    if (hwnd && childControl) {
      // A child of the recorder's own class, so its presses are recorded too.
      child = CreateWindowExW(0, className_.c_str(), L"", WS_CHILD | WS_VISIBLE, clientWidth / 2, 0, clientWidth / 2,
                              clientHeight, hwnd, nullptr, GetModuleHandleW(nullptr), this);
    }
    {
      std::lock_guard lock(mutex_);
      hwnd_ = hwnd;
      child_ = child;
      ready_ = true;
    }
    created_.notify_all();
    if (hwnd) ShowWindow(hwnd, SW_SHOW);
    MSG message{};
    const DWORD start = GetTickCount();
    // Bounded like every test loop: ten minutes is far beyond any test of the suite.
    while (!stop_ && GetTickCount() - start < 10 * 60 * 1000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) stop_ = true;
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    if (child) DestroyWindow(child);
    if (hwnd) DestroyWindow(hwnd);
    UnregisterClassW(className_.c_str(), GetModuleHandleW(nullptr));
  }

  std::wstring className_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<DWORD> threadId_{0};
  // Guards the fields below; taken by the test thread and the window's thread.
  mutable std::mutex mutex_;
  std::condition_variable created_;
  bool ready_ = false;
  HWND hwnd_ = nullptr;
  HWND child_ = nullptr;
  std::vector<Event> events_;
};

}  // namespace parvalon::host::test
