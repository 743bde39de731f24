#pragma once

#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace parvalon::host::fakes {

// A scripted desktop. Tests add windows (topmost first) and read back the exact sequence of
// queries an algorithm made, as "operation(handle-in-hex)" strings.
class FakeWindowSystem : public platform::WindowSystem {
 public:
  struct Window {
    platform::WindowHandle handle = 0;
    bool visible = true;
    std::string title;
    platform::WindowStyle style;
    bool cloaked = false;
    std::string className;
    std::optional<platform::WindowRect> rect = platform::WindowRect{0, 0, 640, 480};
    // Unset: the client rectangle equals `rect`, and 0 × 0 when minimized.
    std::optional<platform::WindowRect> clientRect;
    bool minimized = false;
    bool maximized = false;
    std::string processImagePath;
    std::optional<platform::IconImage> icon;
  };

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
    return order_;
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
    return query(w, "windowRect", std::optional<platform::WindowRect>{}, [](const Window& x) { return x.rect; });
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
};

}  // namespace parvalon::host::fakes
