// GDI capture of a window this test paints, on the wine desktop: pixels, rate, resize and close.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "capture/FramePacer.h"
#include "fakes/LogCapture.h"
#include "fakes/WaitUntil.h"
#include "platform/CaptureMethod.h"
#include "platform/windows/DxgiDisplayModes.h"
#include "platform/windows/GdiCaptureSourceFactory.h"
#include "platform/windows/Win32WindowSystem.h"

namespace parvalon::host {
namespace {

using testing::waitUntil;

// The window manager and wine's X11 driver answer resizes and maps on a loaded machine slowly.
constexpr std::chrono::milliseconds kLimit{20000};

// A borderless, topmost window on a thread of its own whose four quadrants are red, green, blue
// and a colour the test changes (all opaque GDI brushes: no anti-aliasing, exact bytes).
class PaintedWindow {
 public:
  PaintedWindow(int width, int height) {
    std::unique_lock lock(mutex_);
    thread_ = std::thread([this, width, height] { run(width, height); });
    created_.wait(lock, [this] { return ready_; });
  }
  ~PaintedWindow() {
    close();
    if (thread_.joinable()) thread_.join();
  }

  HWND hwnd() const { return hwnd_; }
  platform::WindowHandle handle() const { return platform::win32::Win32WindowSystem::fromHwnd(hwnd_); }

  void setFourthColour(COLORREF colour) {
    fourth_.store(colour);
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  void resize(int width, int height) {
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  void close() {
    if (hwnd_ && !closed_.exchange(true)) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  }

 private:
  static constexpr const wchar_t* kClass = L"ParvalonGdiCaptureTest";

  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PaintedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_PAINT && self) {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      RECT client{};
      GetClientRect(window, &client);
      const LONG midX = client.right / 2;
      const LONG midY = client.bottom / 2;
      const auto fill = [dc](RECT rect, COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
      };
      fill({0, 0, midX, midY}, RGB(255, 0, 0));
      fill({midX, 0, client.right, midY}, RGB(0, 255, 0));
      fill({0, midY, midX, client.bottom}, RGB(0, 0, 255));
      fill({midX, midY, client.right, client.bottom}, self->fourth_.load());
      EndPaint(window, &paint);
      return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
  }

  void run(int width, int height) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassExW(&windowClass);
    // Popup: the client area is the whole window. Topmost: nothing else on the desktop covers it.
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClass, L"GDI capture test", WS_POPUP, 20, 20,
                                  width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window) {
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      ShowWindow(window, SW_SHOWNOACTIVATE);
      UpdateWindow(window);
    }
    {
      std::lock_guard lock(mutex_);
      hwnd_ = window;
      ready_ = true;
    }
    created_.notify_all();
    MSG message{};
    while (window && GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    UnregisterClassW(kClass, GetModuleHandleW(nullptr));
  }

  std::mutex mutex_;
  std::condition_variable created_;
  bool ready_ = false;
  HWND hwnd_ = nullptr;
  std::atomic<COLORREF> fourth_{RGB(200, 100, 50)};
  std::atomic<bool> closed_{false};
  std::thread thread_;
};

// What the capture delivered: every frame's size, and the pixels of those that carried any.
class FrameLog {
 public:
  struct Frame {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> bgra;  // empty: a size announcement
    // B, G, R of the pixel at (x, y).
    std::array<int, 3> at(std::uint32_t x, std::uint32_t y) const {
      const std::uint8_t* p = &bgra[(static_cast<std::size_t>(y) * width + x) * 4];
      return {p[0], p[1], p[2]};
    }
  };

  void add(const platform::CpuFrame& frame) {
    Frame copy{frame.width, frame.height, {}};
    if (frame.data) {
      for (std::uint32_t y = 0; y < frame.height; ++y) {
        copy.bgra.insert(copy.bgra.end(), frame.row(y), frame.row(y) + frame.width * 4);
      }
    }
    std::lock_guard lock(mutex_);
    frames_.push_back(std::move(copy));
  }
  void closed() { ++closedCount_; }
  std::vector<Frame> frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
  }
  std::size_t count() const {
    std::lock_guard lock(mutex_);
    return frames_.size();
  }
  int closedCount() const { return closedCount_.load(); }
  // The newest frame with pixels that satisfies `accept`.
  template <class F>
  std::optional<Frame> lastPicture(F accept) const {
    std::lock_guard lock(mutex_);
    for (auto it = frames_.rbegin(); it != frames_.rend(); ++it) {
      if (!it->bgra.empty() && accept(*it)) return *it;
    }
    return std::nullopt;
  }

 private:
  // Guards frames_; taken by the capture thread and the test thread.
  mutable std::mutex mutex_;
  std::vector<Frame> frames_;
  std::atomic<int> closedCount_{0};
};

using Bgr = std::array<int, 3>;
constexpr Bgr kRed{0, 0, 255};
constexpr Bgr kGreen{0, 255, 0};
constexpr Bgr kBlue{255, 0, 0};
constexpr Bgr kFourth{50, 100, 200};

// The four quadrant centres of a width × height picture show the painted colours.
void expectQuadrants(const FrameLog::Frame& frame, const Bgr& fourth) {
  const std::uint32_t w = frame.width;
  const std::uint32_t h = frame.height;
  EXPECT_EQ(frame.at(w / 4, h / 4), kRed);
  EXPECT_EQ(frame.at(3 * w / 4, h / 4), kGreen);
  EXPECT_EQ(frame.at(w / 4, 3 * h / 4), kBlue);
  EXPECT_EQ(frame.at(3 * w / 4, 3 * h / 4), fourth);
  EXPECT_EQ(frame.at(0, 0), kRed);  // the client area's own corner, no frame or border
  EXPECT_EQ(frame.at(w - 1, h - 1), fourth);
}

class GdiCapture : public ::testing::Test {
 protected:
  void SetUp() override {
    // The pointer would be drawn into the picture: keep it away from the window.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  void TearDown() override {
    if (source) source->stop();  // before the log its callbacks write to goes
  }

  // Starts a capture of `window` at 50 frames a second; pixel-less frames get their pool.
  void startCapture(const PaintedWindow& window) {
    platform::CaptureOptions options;
    options.fps = 50;
    std::string error;
    source = factory.create(window.handle(), options, error);
    ASSERT_NE(source, nullptr) << error;
    platform::CaptureSource* raw = source.get();
    ASSERT_TRUE(source->start(
        [this, raw](const platform::CpuFrame& frame) {
          log.add(frame);
          if (!frame.data) raw->recreateFramePool(frame.width, frame.height);
        },
        [this] { log.closed(); }, error))
        << error;
  }

  platform::win32::GdiCaptureSourceFactory factory;
  FrameLog log;
  std::unique_ptr<platform::CaptureSource> source;
};

TEST_F(GdiCapture, DeliversThePaintedClientAreaPixelExact) {
  PaintedWindow window(320, 200);
  startCapture(window);
  EXPECT_EQ(source->size(), (platform::CaptureSize{320, 200}));
  ASSERT_TRUE(waitUntil([&] { return log.lastPicture([](const auto& f) { return f.at(0, 0) == kRed; }).has_value(); },
                        kLimit));
  const auto frame = *log.lastPicture([](const auto&) { return true; });
  ASSERT_EQ(frame.width, 320u);
  ASSERT_EQ(frame.height, 200u);
  expectQuadrants(frame, kFourth);
}

TEST_F(GdiCapture, DeliversChangesAndRequestedFramesOnly) {
  PaintedWindow window(240, 160);
  startCapture(window);
  ASSERT_TRUE(waitUntil(
      [&] { return log.lastPicture([](const auto& f) { return f.at(239, 159) == kFourth; }).has_value(); }, kLimit));

  // A window that shows nothing new delivers nothing: 25 capture turns pass without a frame.
  const std::size_t settled = log.count();
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(log.count(), settled);

  window.setFourthColour(RGB(10, 20, 30));
  ASSERT_TRUE(waitUntil(
      [&] { return log.lastPicture([](const auto& f) { return f.at(239, 159) == Bgr{30, 20, 10}; }).has_value(); },
      kLimit));
  expectQuadrants(*log.lastPicture([](const auto&) { return true; }), Bgr{30, 20, 10});

  // A requested frame repeats the unchanged picture.
  const std::size_t before = log.count();
  source->requestFrame();
  ASSERT_TRUE(waitUntil([&] { return log.count() > before; }, kLimit));
  expectQuadrants(log.frames().back(), Bgr{30, 20, 10});
}

TEST_F(GdiCapture, ResizeAnnouncesTheSizeThenDeliversPixelsAtIt) {
  PaintedWindow window(320, 200);
  startCapture(window);
  ASSERT_TRUE(waitUntil([&] { return log.lastPicture([](const auto&) { return true; }).has_value(); }, kLimit));

  window.resize(400, 260);
  const auto atNewSize = [](const auto& f) { return f.width == 400 && f.height == 260 && f.at(399, 259) == kFourth; };
  ASSERT_TRUE(waitUntil([&] { return log.lastPicture(atNewSize).has_value(); }, kLimit));
  expectQuadrants(*log.lastPicture(atNewSize), kFourth);

  // Before the first picture at the new size: an announcement of that size without pixels, and
  // no picture of any other size after it.
  const auto frames = log.frames();
  std::size_t announcement = frames.size();
  for (std::size_t i = 0; i < frames.size(); ++i) {
    if (frames[i].bgra.empty() && frames[i].width == 400 && frames[i].height == 260) {
      announcement = i;
      break;
    }
  }
  ASSERT_LT(announcement, frames.size());
  for (std::size_t i = 0; i < announcement; ++i) EXPECT_EQ(frames[i].width, 320u) << "frame " << i;
  for (std::size_t i = announcement; i < frames.size(); ++i) EXPECT_EQ(frames[i].width, 400u) << "frame " << i;
}

TEST_F(GdiCapture, DestroyedWindowIsReportedClosedOnce) {
  auto window = std::make_unique<PaintedWindow>(200, 120);
  startCapture(*window);
  ASSERT_TRUE(waitUntil([&] { return log.count() > 0; }, kLimit));
  window.reset();  // destroyed on its own thread
  ASSERT_TRUE(waitUntil([&] { return log.closedCount() > 0; }, kLimit));
  const std::size_t frames = log.count();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(log.closedCount(), 1);
  EXPECT_EQ(log.count(), frames);  // nothing after the close
  source->stop();
  source->stop();  // idempotent
}

TEST_F(GdiCapture, StopInsideTheFrameCallbackEndsTheCapture) {
  PaintedWindow window(200, 120);
  std::string error;
  source = factory.create(window.handle(), {}, error);
  ASSERT_NE(source, nullptr) << error;
  platform::CaptureSource* raw = source.get();
  std::atomic<int> calls{0};
  ASSERT_TRUE(source->start(
      [&calls, raw](const platform::CpuFrame&) {
        ++calls;
        raw->stop();  // returns at once on the capture thread
      },
      [] {}, error));
  ASSERT_TRUE(waitUntil([&] { return calls.load() > 0; }, kLimit));
  window.setFourthColour(RGB(1, 2, 3));
  source->stop();
  EXPECT_EQ(calls.load(), 1);
}

TEST(GdiCaptureFactory, RefusesWhatIsNotAWindowAndMinimizedWindows) {
  platform::win32::GdiCaptureSourceFactory factory;
  std::string reason;
  EXPECT_TRUE(factory.isSupported(reason));
  std::string error;
  EXPECT_EQ(factory.create(0x12345678, {}, error), nullptr);
  EXPECT_EQ(error, "12345678 is not a window");

  PaintedWindow window(200, 120);
  ShowWindow(window.hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(waitUntil([&] { return IsIconic(window.hwnd()) != FALSE; }, kLimit));
  auto source = factory.create(window.handle(), {}, error);
  ASSERT_NE(source, nullptr) << error;
  EXPECT_FALSE(source->start([](const platform::CpuFrame&) {}, [] {}, error));
  EXPECT_EQ(error, "the window is minimized (GDI reads nothing from it)");
}

// Wine has no Windows.Graphics.Capture: the host captures with GDI and says so.
TEST(WindowsCaptureMethod, DefaultFactoryChoosesGdiUnderWine) {
  testing::LogCapture logged;
  const auto factory = platform::CaptureSourceFactory::createDefault();
  std::string reason;
  EXPECT_TRUE(factory->isSupported(reason)) << reason;
  EXPECT_STREQ(platform::captureMethodNames().availableValue, "GDI");
  EXPECT_STREQ(platform::captureMethodNames().label, "Capture:");
  EXPECT_EQ(factory->diagnostics().front(), "  Capture Method: GDI");
}

// Wine reports 0 Hz for every DXGI mode; the pacer still gets DWM's rate, not 0.
TEST(WindowsDisplayModes, FirstOutputHasAKnownRate) {
  testing::LogCapture logged;
  auto modes = std::make_shared<platform::win32::DxgiDisplayModes>();
  const auto first = modes->outputModes(0);
  ASSERT_TRUE(first.has_value());
  ASSERT_FALSE(first->empty());
  EXPECT_GT(first->front().dotClockHz, 0u);
  EXPECT_GT(first->front().hTotal, 0u);
  FramePacer pacer(modes);
  EXPECT_TRUE(pacer.initialize());
  EXPECT_GE(pacer.refreshRate(), 24.0f);
  EXPECT_TRUE(logged.contains("Display refresh rate: "));
}

}  // namespace
}  // namespace parvalon::host
