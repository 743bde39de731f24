#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/FreePortSettings.h"
#include "fakes/Environment.h"
#include "fakes/LogCapture.h"
#include "fakes/TestFolder.h"
#include "app/Application.h"
#include "audio/AudioCapture.h"
#include "capture/CaptureOrchestrator.h"
#include "fakes/FakeAudioEndpoint.h"
#include "fakes/FakeCaptureSource.h"
#include "fakes/FakeInputSink.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/FakeWindowSystem.h"
#include "fakes/WaitUntil.h"
#include "fakes/WsTestClient.h"
#include "orchestrator/FakeEncoder.h"
#include "platform/ScreenChangeWatcher.h"

namespace parvalon::host {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using nlohmann::json;

inline constexpr std::uint32_t kWindow = 0x2001;

// A real Application with its real servers on free ports, over fakes of the desktop, the
// encoder and the audio device (48 kHz stereo float, scripted through audio_).
class ApplicationHarness : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.emplace("parvalon-appnet");
    root_ = folder_->path();
    environment_.emplace();
    environment_->set(testing::kLogFolderVariable, root_.string());
    fakes::FakeWindowSystem::Window w;
    w.handle = kWindow;
    w.title = "pattern";
    w.rect = platform::WindowRect{0, 0, 640, 480};
    windows_->addWindow(w);
    sources_->sourceSize = {640, 480};
  }
  void TearDown() override {
    app_.reset();
    environment_.reset();
    folder_.reset();
  }
  std::unique_ptr<Application> makeApp() {
    auto system = std::make_unique<test::FakeSystemInfo>();
    system_ = system.get();
    Application::Dependencies dependencies{
        .system = std::move(system),
        .orchestratorFactory =
            [this] {
              return std::make_unique<CaptureOrchestrator>(
                  windows_, sources_, testing::FakeEncoder::factory(journal_),
                  [] { return std::vector<EncoderType>{EncoderType::Software}; });
            },
        .discoveryPort = 0,
        .audioCaptureFactory =
            [this] { return std::make_unique<AudioCapture>(std::make_unique<test::FakeAudioEndpoint>(audio_)); },
        .clock =
            [this] {
              ++clockReadings_;
              return CongestionControl::Clock::time_point(std::chrono::hours(1) +
                                                          std::chrono::milliseconds(clockMs_.load()));
            },
        .input = {.windowSystem = windows_,
                  .sink = sink_,
                  .screenWatcher =
                      [this](std::function<void()> onChange) {
                        screenChanged_ = std::move(onChange);  // the test plays the desktop's change notice
                        return std::unique_ptr<platform::ScreenChangeWatcher>();
                      }},
    };
    return std::make_unique<Application>(std::move(dependencies));
  }
  void startApp() {
    ports_ = test::writeSettingsWithFreePorts(root_);
    app_ = makeApp();
    ASSERT_TRUE(app_->initialize());
  }
  // Subscribes to the window over signaling and returns the stream number.
  int subscribe(testing::WsTestClient& ws) {
    ws.send(R"({"type":"stream_start","windowId":8193})");
    const auto reply = ws.read();
    if (!reply) return -1;
    const auto j = json::parse(*reply);
    return j.at("type") == "stream_started" ? j.at("streamId").get<int>() : -1;
  }
  std::shared_ptr<fakes::FakeCaptureControl> source() { return sources_->sources().back(); }
  // Starts a client stream of `window` for the session `who` (the headset by default); its
  // number, or -1 when it was refused.
  int request(std::uint32_t window, const SignalingClient& who = kHeadset) {
    // As a real session would be: known to the host once connected, so that its address may use
    // the channels when it is trusted (the first client is).
    app_->onSessionOpened(who);
    const auto result = app_->onStreamRequest(window, who);
    return result.status == StreamStartResult::Status::Started ? result.streamId : -1;
  }
  // Far from the numbers the real server gives its sessions (1, 2, …), which tests also open.
  static inline const SignalingClient kHeadset{1000, "127.0.0.1"};

  testing::LogCapture log_;
  // The application's data folder (settings, logs), private to the test.
  std::optional<testing::TestFolder> folder_;
  std::optional<testing::ScopedEnvironment> environment_;
  fs::path root_;
  test::HostPorts ports_;
  std::shared_ptr<fakes::FakeWindowSystem> windows_ = std::make_shared<fakes::FakeWindowSystem>();
  std::shared_ptr<fakes::FakeCaptureSourceFactory> sources_ = std::make_shared<fakes::FakeCaptureSourceFactory>();
  std::shared_ptr<testing::FakeEncoderJournal> journal_ = std::make_shared<testing::FakeEncoderJournal>();
  std::shared_ptr<test::FakeAudioEndpoint::Device> audio_ = std::make_shared<test::FakeAudioEndpoint::Device>();
  // Where the application's synthetic input goes, and how a desktop size change reaches it.
  std::shared_ptr<fakes::FakeInputSink> sink_ = std::make_shared<fakes::FakeInputSink>();
  std::function<void()> screenChanged_;
  test::FakeSystemInfo* system_ = nullptr;  // owned by app_
  // Congestion control's clock: the test sets the time and counts the readings (one per feedback).
  std::atomic<std::int64_t> clockMs_{0};
  std::atomic<int> clockReadings_{0};
  std::unique_ptr<Application> app_;
};

}  // namespace parvalon::host
