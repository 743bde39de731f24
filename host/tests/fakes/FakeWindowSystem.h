#pragma once

#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace parvalon::host::fakes {

// A scripted desktop, every slice of the window system in one fake. Tests add windows (topmost
// first) and read back the exact sequence of queries an algorithm made, as
// "operation(handle-in-hex)" strings.
class FakeWindowSystem : public platform::WindowSystem {
 public:
  struct Window {
    platform::WindowHandle handle = 0;
    bool visible = true;
    std::string title{};
    platform::WindowStyle style{};
    bool cloaked = false;
    std::string className{};
    std::optional<platform::WindowRect> rect = platform::WindowRect{0, 0, 640, 480};
    // Unset: the client rectangle equals `rect`, and 0 × 0 when minimized.
    std::optional<platform::WindowRect> clientRect{};
    // Unset: the capture shows the whole of `rect` (as on X11).
    std::optional<platform::WindowRect> shownRect{};
    bool minimized = false;
    bool maximized = false;
    std::string processImagePath{};
    std::optional<platform::IconImage> icon{};
    // Input side.
    platform::WindowHandle parent = platform::kNoWindow;  // set: a child window, not listed as top-level
    platform::WindowSize minimumSize{};
    std::uint64_t threadId = 0;
    bool frontOnRestore = false;        // showWindow(Restore) brings it to the front
    int frontAfterSetForeground = 1;    // the n-th setForegroundWindow brings it to the front; 0 never
    int setForegroundCalls = 0;
    // A window manager's part in a resize: an accepted size shows in `rect` after this many
    // reads of it; kNeverResized: it never does (a maximised window under a manager).
    int resizeShowsAfterReads = 0;
    std::optional<platform::WindowRect> pendingRect{};
    int pendingReads = 0;
  };
  static constexpr int kNeverResized = -1;

  // Appends a window below the ones added before (the first added is topmost).
  void addWindow(const Window& window) {
    std::lock_guard lock(mutex_);
    windows_[window.handle] = window;
    order_.push_back(window.handle);
  }
  // Destroys a window: every query on it answers as for a handle that names nothing.
  void removeWindow(platform::WindowHandle handle) {
    std::lock_guard lock(mutex_);
    windows_.erase(handle);
    std::erase(order_, handle);
  }
  // Changes a window in place (for example its size or its minimized flag).
  template <class F>
  void modifyWindow(platform::WindowHandle handle, F&& change) {
    std::lock_guard lock(mutex_);
    auto it = windows_.find(handle);
    if (it != windows_.end()) change(it->second);
  }

  std::vector<std::string> calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
  }
  // The queries made on one window only, without the handle: {"isVisible", "title", ...}.
  std::vector<std::string> callsFor(platform::WindowHandle handle) const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> result;
    const std::string suffix = "(" + hex(handle) + ")";
    for (const auto& call : calls_) {
      if (call.size() > suffix.size() && call.compare(call.size() - suffix.size(), suffix.size(), suffix) == 0) {
        result.push_back(call.substr(0, call.size() - suffix.size()));
      }
    }
    return result;
  }
  void clearCalls() {
    std::lock_guard lock(mutex_);
    calls_.clear();
  }

  std::vector<platform::WindowHandle> topLevelWindows() override {
    std::lock_guard lock(mutex_);
    calls_.push_back("topLevelWindows()");
    std::vector<platform::WindowHandle> topLevel;
    for (auto handle : order_) {
      if (windows_.at(handle).parent == platform::kNoWindow) topLevel.push_back(handle);
    }
    return topLevel;
  }
  bool isWindow(platform::WindowHandle w) override {
    return query(w, "isWindow", false, [](const Window&) { return true; });
  }
  bool isVisible(platform::WindowHandle w) override {
    return query(w, "isVisible", false, [](const Window& x) { return x.visible; });
  }
  std::string title(platform::WindowHandle w) override {
    return query(w, "title", std::string{}, [](const Window& x) { return x.title; });
  }
  platform::WindowStyle style(platform::WindowHandle w) override {
    return query(w, "style", platform::WindowStyle{}, [](const Window& x) { return x.style; });
  }
  bool isCloaked(platform::WindowHandle w) override {
    return query(w, "isCloaked", false, [](const Window& x) { return x.cloaked; });
  }
  std::string className(platform::WindowHandle w) override {
    return query(w, "className", std::string{}, [](const Window& x) { return x.className; });
  }
  std::optional<platform::WindowRect> windowRect(platform::WindowHandle w) override {
    return query(w, "windowRect", std::optional<platform::WindowRect>{}, [](Window& x) {
      if (x.pendingRect && x.pendingReads > 0 && --x.pendingReads == 0) {
        x.rect = x.pendingRect;
        x.pendingRect.reset();
      }
      return x.rect;
    });
  }
  std::optional<platform::WindowRect> shownRect(platform::WindowHandle w) override {
    const auto shown =
        query(w, "shownRect", std::optional<platform::WindowRect>{}, [](const Window& x) { return x.shownRect; });
    return shown ? shown : windowRect(w);
  }
  std::optional<platform::WindowRect> clientRect(platform::WindowHandle w) override {
    return query(w, "clientRect", std::optional<platform::WindowRect>{}, [](const Window& x) {
      if (x.clientRect) return x.clientRect;
      if (!x.rect) return std::optional<platform::WindowRect>{};
      platform::WindowRect r = *x.rect;
      if (x.minimized) r.width = r.height = 0;
      return std::optional<platform::WindowRect>{r};
    });
  }
  bool isMinimized(platform::WindowHandle w) override {
    return query(w, "isMinimized", false, [](const Window& x) { return x.minimized; });
  }
  bool isMaximized(platform::WindowHandle w) override {
    return query(w, "isMaximized", false, [](const Window& x) { return x.maximized; });
  }
  std::string processImagePath(platform::WindowHandle w) override {
    return query(w, "processImagePath", std::string{}, [](const Window& x) { return x.processImagePath; });
  }
  std::optional<platform::IconImage> icon(platform::WindowHandle w) override {
    return query(w, "icon", std::optional<platform::IconImage>{}, [](const Window& x) { return x.icon; });
  }

  // ---- Input: foreground, focus, window-from-point, resize, screen metrics ----
  void setForeground(platform::WindowHandle w) {
    std::lock_guard lock(mutex_);
    foreground_ = w;
  }
  void setVirtualScreen(platform::WindowRect rect) {
    std::lock_guard lock(mutex_);
    virtualScreen_ = rect;
  }
  void setLastError(std::uint32_t code) {
    std::lock_guard lock(mutex_);
    lastError_ = code;
  }
  void setResizeFails(bool fails) {
    std::lock_guard lock(mutex_);
    resizeFails_ = fails;
  }
  static constexpr std::uint64_t kCurrentThread = 0x7001;

  platform::WindowHandle foregroundWindow() override {
    std::lock_guard lock(mutex_);
    calls_.push_back("foregroundWindow()");
    return foreground_;
  }
  bool setForegroundWindow(platform::WindowHandle w) override {
    return query(w, "setForegroundWindow", false, [&](Window& x) {
      ++x.setForegroundCalls;
      if (x.frontAfterSetForeground > 0 && x.setForegroundCalls >= x.frontAfterSetForeground) foreground_ = w;
      return true;
    });
  }
  bool bringWindowToTop(platform::WindowHandle w) override {
    return query(w, "bringWindowToTop", false, [&](Window&) {
      std::erase(order_, w);
      order_.insert(order_.begin(), w);
      return true;
    });
  }
  bool showWindow(platform::WindowHandle w, platform::ShowMode mode) override {
    const bool restore = mode == platform::ShowMode::Restore;
    return query(w, restore ? "restoreWindow" : "showWindow", false, [&](Window& x) {
      x.visible = true;
      if (restore && x.minimized) {
        x.minimized = false;
        if (x.frontOnRestore) foreground_ = w;
      }
      return true;
    });
  }
  bool setFocus(platform::WindowHandle w) override {
    return query(w, "setFocus", false, [](Window&) { return true; });
  }
  bool setActiveWindow(platform::WindowHandle w) override {
    return query(w, "setActiveWindow", false, [](Window&) { return true; });
  }
  std::uint64_t windowThreadId(platform::WindowHandle w) override {
    return query(w, "windowThreadId", std::uint64_t{0}, [](const Window& x) { return x.threadId; });
  }
  std::uint64_t currentThreadId() override { return kCurrentThread; }
  bool attachThreadInput(std::uint64_t thread, std::uint64_t toThread, bool attach) override {
    std::lock_guard lock(mutex_);
    calls_.push_back((attach ? "attachThreadInput(" : "detachThreadInput(") + hex(thread) + "," + hex(toThread) + ")");
    return attachSucceeds_;
  }
  void setAttachSucceeds(bool succeeds) {
    std::lock_guard lock(mutex_);
    attachSucceeds_ = succeeds;
  }
  std::uint32_t lastError() override {
    std::lock_guard lock(mutex_);
    return lastError_;
  }
  // The topmost shown window whose rectangle holds the point, or its child there.
  platform::WindowHandle windowFromPoint(std::int32_t x, std::int32_t y) override {
    std::lock_guard lock(mutex_);
    calls_.push_back("windowFromPoint(" + std::to_string(x) + "," + std::to_string(y) + ")");
    auto holds = [&](const Window& w) {
      return w.visible && !w.minimized && w.rect && x >= w.rect->x && x < w.rect->x + w.rect->width &&
             y >= w.rect->y && y < w.rect->y + w.rect->height;
    };
    for (auto handle : order_) {
      const Window& top = windows_.at(handle);
      if (top.parent != platform::kNoWindow || !holds(top)) continue;
      for (const auto& [childHandle, child] : windows_) {
        if (child.parent == handle && holds(child)) return childHandle;
      }
      return handle;
    }
    return platform::kNoWindow;
  }
  platform::WindowHandle rootAncestor(platform::WindowHandle w) override {
    std::lock_guard lock(mutex_);
    calls_.push_back("rootAncestor(" + hex(w) + ")");
    for (int depth = 0; depth < 16; ++depth) {
      auto it = windows_.find(w);
      if (it == windows_.end()) return platform::kNoWindow;
      if (it->second.parent == platform::kNoWindow) return w;
      w = it->second.parent;
    }
    return w;
  }
  std::optional<platform::WindowSize> windowSizeForClient(platform::WindowHandle w, std::int32_t width,
                                                          std::int32_t height) override {
    return query(w, "windowSizeForClient", std::optional<platform::WindowSize>{},
                 [&](const Window&) { return std::optional<platform::WindowSize>{platform::WindowSize{width, height}}; });
  }
  platform::WindowSize minimumSize(platform::WindowHandle w) override {
    return query(w, "minimumSize", platform::WindowSize{}, [](const Window& x) { return x.minimumSize; });
  }
  bool setWindowSize(platform::WindowHandle w, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, bool move) override {
    return query(w, "setWindowSize", false, [&](Window& window) {
      if (resizeFails_) return false;
      platform::WindowRect r = window.rect.value_or(platform::WindowRect{});
      if (move) {
        r.x = x;
        r.y = y;
      }
      r.width = width;
      r.height = height;
      if (window.resizeShowsAfterReads == 0) {
        window.rect = r;
      } else if (window.resizeShowsAfterReads > 0) {
        window.pendingRect = r;
        window.pendingReads = window.resizeShowsAfterReads;
      }
      return true;
    });
  }
  platform::WindowRect virtualScreen() override {
    std::lock_guard lock(mutex_);
    return virtualScreen_;
  }
  platform::WindowSize primaryScreenSize() override {
    std::lock_guard lock(mutex_);
    return platform::WindowSize{virtualScreen_.width, virtualScreen_.height};
  }

  static std::string hex(platform::WindowHandle handle) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%llx", static_cast<unsigned long long>(handle));
    return buffer;
  }

 private:
  template <class T, class F>
  T query(platform::WindowHandle w, const char* name, T missing, F&& read) {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::string(name) + "(" + hex(w) + ")");
    auto it = windows_.find(w);
    if (it == windows_.end()) return missing;
    return read(it->second);
  }

  // Guards every member; taken by the test thread and by any thread the code under test uses.
  mutable std::mutex mutex_;
  std::map<platform::WindowHandle, Window> windows_;
  std::vector<platform::WindowHandle> order_;
  std::vector<std::string> calls_;
  platform::WindowHandle foreground_ = platform::kNoWindow;
  platform::WindowRect virtualScreen_{0, 0, 1920, 1080};
  std::uint32_t lastError_ = 0;
  bool resizeFails_ = false;
  bool attachSucceeds_ = false;
};

}  // namespace parvalon::host::fakes
