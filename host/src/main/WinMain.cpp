// Windows process entry: the command-line answers, DPI awareness, logging and the fatal path.
// Everything between the first log line and the last is the host loop's.

#include <windows.h>

#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/HostCommandLine.h"
#include "logging/Log.h"
#include "logging/Logging.h"
#include "main/HostLoop.h"
#include "main/Win32MainWindow.h"
#include "platform/DataFolder.h"
#include "platform/windows/Win32Text.h"

namespace {

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

std::filesystem::path folderOf(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::filesystem::path(path).parent_path();
}

std::string utf8(const std::filesystem::path& path) {
  return parvalon::host::platform::win32::utf16ToUtf8(path.wstring());
}

int run(HINSTANCE instance, int showCommand) {
  using namespace parvalon::host;
  HostLoop::Parts parts;
  parts.createWindow = [instance, showCommand]() -> std::unique_ptr<DashboardWindow> {
    auto window = std::make_unique<Win32MainWindow>(instance, showCommand);
    if (!window->create()) return nullptr;
    return window;
  };
  // The unpacked package (and the build tree) keeps the logo and the fallback font in the assets
  // folder beside the program; wine has no Segoe UI.
  const std::filesystem::path assets = folderOf(nullptr) / L"assets";
  parts.resources.installedLogoFile = utf8(assets / L"logo.png");
  parts.resources.fontFiles.clear();
  wchar_t windows[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    parts.resources.fontFiles.push_back(utf8(std::filesystem::path(windows) / L"Fonts" / L"segoeui.ttf"));
  }
  parts.resources.fontFiles.push_back(utf8(assets / L"DejaVuSans.ttf"));
  return HostLoop(std::move(parts)).run();
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
  parvalon::host::shutdownLogging();
  return code;
}
