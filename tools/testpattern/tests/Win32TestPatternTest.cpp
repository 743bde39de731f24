// parvalon-testpattern.exe under wine: found by its title, its pixels read back from its window
// DC, and the input log it writes for posted mouse, key and WM_CHAR messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "PatternStamp.h"

namespace parvalon::testpattern {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kWidth = 640;
constexpr int kHeight = 400;

// Checks `done` every 20 ms until it holds or `timeout` has passed.
template <class F>
bool waitUntil(F done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (done()) return true;
    std::this_thread::sleep_for(20ms);
  }
  return done();
}

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgra;
  Rgb at(int x, int y) const {
    const std::uint8_t* p = bgra.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
    return Rgb{p[2], p[1], p[0]};
  }
  std::optional<Stamp> stamp() const { return decodeStampBgra(bgra.data(), static_cast<std::size_t>(width) * 4, width, height); }
};

// The client area as the window's DC shows it (what a BitBlt capture of it reads).
Picture capture(HWND window) {
  Picture picture;
  RECT client{};
  if (!GetClientRect(window, &client)) return picture;
  picture.width = client.right;
  picture.height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC source = GetDC(window);
  HDC memory = CreateCompatibleDC(source);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const std::uint8_t*>(bits);
    picture.bgra.assign(p, p + static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 4);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(window, source);
  return picture;
}

fs::path patternExe() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path().parent_path() / L"parvalon-testpattern.exe";
}

class Win32TestPattern : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring unique = std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(std::chrono::steady_clock::now().time_since_epoch().count());
    folder_ = fs::temp_directory_path() / (L"parvalon-pattern-" + unique);
    fs::create_directories(folder_);
    log_ = folder_ / L"input.jsonl";
    title_ = L"Parvalon Pattern Test " + unique;
  }

  void TearDown() override {
    if (process_.hProcess != nullptr) {
      if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // Starts the pattern in the desktop's lower right, away from other tests' windows, and finds
  // its window by title.
  void start(const std::wstring& extra = L"") {
    const fs::path exe = patternExe();
    ASSERT_TRUE(fs::exists(exe)) << exe.string();
    std::wstring command = L"\"" + exe.wstring() + L"\" --title \"" + title_ + L"\" --width " + std::to_wstring(kWidth) +
                           L" --height " + std::to_wstring(kHeight) + L" --x 1200 --y 600 --input-log \"" +
                           log_.wstring() + L"\" " + extra;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ASSERT_TRUE(CreateProcessW(exe.wstring().c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process_))
        << GetLastError();
    ASSERT_TRUE(waitUntil([&] { return (window_ = FindWindowW(nullptr, title_.c_str())) != nullptr; }, 30s));
  }

  // The log's lines without their time, which the test cannot know.
  std::vector<nlohmann::json> logLines() const {
    std::ifstream in(log_, std::ios::binary);
    std::vector<nlohmann::json> out;
    for (std::string line; std::getline(in, line);) {
      auto j = nlohmann::json::parse(line, nullptr, false);
      if (j.is_discarded() || !j.contains("timeUs")) continue;
      j.erase("timeUs");
      out.push_back(j);
    }
    return out;
  }

  fs::path folder_;
  fs::path log_;
  std::wstring title_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

TEST_F(Win32TestPattern, ShowsPatchesAndAStampOnTheSteadyClock) {
  const std::uint64_t before = steadyMicros();
  start();
  RECT client{};
  ASSERT_TRUE(GetClientRect(window_, &client));
  EXPECT_EQ(client.right, kWidth);
  EXPECT_EQ(client.bottom, kHeight);

  Picture first;
  ASSERT_TRUE(waitUntil([&] { return (first = capture(window_)).stamp().has_value(); }, 20s))
      << "no readable stamp in the window";
  for (std::size_t i = 0; i < kPatches.size(); ++i) {
    EXPECT_EQ(first.at(patchLeft(i) + kPatchSize / 2, kPatchY + kPatchSize / 2), kPatches[i]) << "patch " << i;
  }
  EXPECT_EQ(first.at(kWidth - 10, 20), kBackground);
  const Stamp stamp = *first.stamp();
  EXPECT_GE(stamp.timeUs, before);
  EXPECT_LE(stamp.timeUs, steadyMicros());

  // It animates: a later picture carries a later frame.
  Picture later;
  EXPECT_TRUE(waitUntil([&] {
    later = capture(window_);
    return later.stamp() && later.stamp()->frame > stamp.frame && later.stamp()->timeUs > stamp.timeUs;
  }, 10s));
}

TEST_F(Win32TestPattern, LogsPostedMouseKeyAndCharMessages) {
  start(L"--static");
  POINT wheelAt{10, 20};
  ClientToScreen(window_, &wheelAt);
  PostMessageW(window_, WM_MOUSEMOVE, 0, MAKELPARAM(100, 50));
  PostMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 50));
  PostMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(100, 50));
  PostMessageW(window_, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(7, 9));
  PostMessageW(window_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
               MAKELPARAM(wheelAt.x, wheelAt.y));
  PostMessageW(window_, WM_KEYDOWN, VK_F5, 1 | (0x3F << 16));
  PostMessageW(window_, WM_CHAR, L'a', 1);
  PostMessageW(window_, WM_CHAR, 0xE9, 1);
  PostMessageW(window_, WM_CHAR, 0xD83D, 1);  // U+1F600 as its two units
  PostMessageW(window_, WM_CHAR, 0xDE00, 1);
  PostMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process_.hProcess, &code);
  EXPECT_EQ(code, 0u);

  // The desktop's own pointer may pass over the window: only the posted move is kept.
  std::vector<nlohmann::json> lines;
  for (const auto& line : logLines()) {
    if (line.at("type") == "motion" && line != nlohmann::json{{"type", "motion"}, {"x", 100}, {"y", 50}}) continue;
    lines.push_back(line);
  }
  const std::vector<nlohmann::json> expected{
      {{"type", "motion"}, {"x", 100}, {"y", 50}},
      {{"type", "button"}, {"button", 1}, {"pressed", true}, {"x", 100}, {"y", 50}},
      {{"type", "button"}, {"button", 1}, {"pressed", false}, {"x", 100}, {"y", 50}},
      {{"type", "button"}, {"button", 3}, {"pressed", true}, {"x", 7}, {"y", 9}},
      {{"type", "button"}, {"button", 5}, {"pressed", true}, {"x", 10}, {"y", 20}},
      {{"type", "button"}, {"button", 5}, {"pressed", false}, {"x", 10}, {"y", 20}},
      {{"type", "key"}, {"keycode", 0x3F}, {"vk", VK_F5}, {"pressed", true}},
      {{"type", "text"}, {"text", "a"}},
      {{"type", "text"}, {"text", "\xC3\xA9"}},
      {{"type", "text"}, {"text", "\xF0\x9F\x98\x80"}}};
  EXPECT_EQ(nlohmann::json(lines).dump(), nlohmann::json(expected).dump());
}

}  // namespace
}  // namespace parvalon::testpattern
