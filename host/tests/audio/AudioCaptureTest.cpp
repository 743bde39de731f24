#include "audio/AudioCapture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "fakes/FakeAudioEndpoint.h"
#include "fakes/LogCapture.h"
#include "fakes/WaitUntil.h"

namespace parvalon::host {
namespace {

using namespace std::chrono_literals;
using platform::AudioEndpoint;
using platform::AudioMixFormat;
using test::FakeAudioEndpoint;
using testing::kError;
using testing::kInfo;
using testing::kWarn;
using Step = AudioEndpoint::OpenStep;

constexpr platform::AudioStatus kFail = 0x88890001;  // the fake's default failure

struct Delivery {
  int tag = 0;
  std::vector<std::int16_t> samples;
  std::uint32_t frames = 0;
  std::uint32_t rate = 0;
  std::uint32_t channels = 0;
};

// Collects what the callbacks receive on the capture thread.
class Recorder {
 public:
  AudioCallback callback(int tag = 1) {
    return [this, tag](const std::int16_t* samples, std::uint32_t frames, std::uint32_t rate, std::uint32_t channels) {
      Delivery d{tag, std::vector<std::int16_t>(samples, samples + static_cast<std::size_t>(frames) * channels), frames,
                 rate, channels};
      std::lock_guard lock(mutex_);
      deliveries_.push_back(std::move(d));
    };
  }
  std::vector<Delivery> deliveries() {
    std::lock_guard lock(mutex_);
    return deliveries_;
  }
  std::size_t size() {
    std::lock_guard lock(mutex_);
    return deliveries_.size();
  }

 private:
  std::mutex mutex_;  // guards deliveries_; capture thread and test thread
  std::vector<Delivery> deliveries_;
};

class AudioCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override { capture = std::make_unique<AudioCapture>(std::make_unique<FakeAudioEndpoint>(device)); }

  void useFormat(AudioMixFormat format) { device->openResult.format = format; }
  void initializeAndStart(int tag = 1) {
    ASSERT_TRUE(capture->initialize({}));
    ASSERT_TRUE(capture->start(recorder.callback(tag)));
  }

  testing::LogCapture log;
  std::shared_ptr<FakeAudioEndpoint::Device> device = std::make_shared<FakeAudioEndpoint::Device>();
  Recorder recorder;  // outlives capture: its callback runs until capture stops
  std::unique_ptr<AudioCapture> capture;
};

// --- conversion ---------------------------------------------------------------------------

struct ConversionCase {
  float in;
  std::int16_t out;
};

class AudioCaptureConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(AudioCaptureConversion, TruncatesClampedSampleTimes32767) {
  EXPECT_EQ(AudioCapture::floatToInt16(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, AudioCaptureConversion,
    ::testing::Values(ConversionCase{1.5f, 32767}, ConversionCase{1.0f, 32767}, ConversionCase{-1.0f, -32767},
                      ConversionCase{-1.5f, -32767},  // never -32768
                      ConversionCase{0.49999f, 16383}, ConversionCase{-0.49999f, -16383},
                      ConversionCase{0.00002f, 0},  // truncation, not rounding (0.655)
                      ConversionCase{0.99999f, 32766}, ConversionCase{0.0f, 0},
                      ConversionCase{std::numeric_limits<float>::infinity(), 32767},
                      ConversionCase{-std::numeric_limits<float>::infinity(), -32767},
                      ConversionCase{std::numeric_limits<float>::quiet_NaN(), 0}));

TEST_F(AudioCaptureTest, FloatPacketArrivesConvertedWithTheMixFormat) {
  useFormat({44100, 2, 32, true});
  initializeAndStart();
  device->push(FakeAudioEndpoint::floatPacket({1.5f, -1.0f, 0.49999f, 0.25f, -0.75f, 0.0f}, 2));
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.size() == 1; }));
  const Delivery d = recorder.deliveries()[0];
  EXPECT_EQ(d.samples, (std::vector<std::int16_t>{32767, -32767, 16383, 8191, -24575, 0}));
  EXPECT_EQ(d.frames, 3u);
  EXPECT_EQ(d.rate, 44100u);
  EXPECT_EQ(d.channels, 2u);
}

TEST_F(AudioCaptureTest, SixteenBitPacketPassesThroughUnchanged) {
  useFormat({16000, 1, 16, false});
  initializeAndStart();
  device->push(FakeAudioEndpoint::int16Packet({-32768, -1, 0, 1, 32767}, 1));
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.size() == 1; }));
  const Delivery d = recorder.deliveries()[0];
  EXPECT_EQ(d.samples, (std::vector<std::int16_t>{-32768, -1, 0, 1, 32767}));
  EXPECT_EQ(d.frames, 5u);
  EXPECT_EQ(d.rate, 16000u);
  EXPECT_EQ(d.channels, 1u);
}

// --- formats that are not delivered -------------------------------------------------------

struct UndeliveredCase {
  const char* name;
  AudioMixFormat format;
};

class AudioCaptureUndelivered : public AudioCaptureTest, public ::testing::WithParamInterface<UndeliveredCase> {};

TEST_P(AudioCaptureUndelivered, PacketsAreReleasedButNeverDelivered) {
  const AudioMixFormat format = GetParam().format;
  useFormat(format);
  initializeAndStart();
  const std::uint32_t bytesPerFrame = format.channels * format.bitsPerSample / 8;
  FakeAudioEndpoint::Packet packet;
  packet.frames = 4;
  packet.bytes.assign(packet.frames * bytesPerFrame, 0x40);
  if (format.bitsPerSample == 24) packet = FakeAudioEndpoint::int24Packet({1, -1, 8388607, -8388608, 0, 2, 3, 4}, 2);
  device->push(packet);
  device->push(packet);
  ASSERT_TRUE(testing::waitUntil([&] { return device->released().size() == 2; }));
  capture->stop();
  EXPECT_EQ(recorder.size(), 0u);
  EXPECT_EQ(device->released(), (std::vector<std::uint32_t>{4, 4}));
}

INSTANTIATE_TEST_SUITE_P(Formats, AudioCaptureUndelivered,
                         ::testing::Values(UndeliveredCase{"Int24", {48000, 2, 24, false}},
                                           UndeliveredCase{"Int32", {48000, 2, 32, false}},
                                           UndeliveredCase{"Int8", {48000, 2, 8, false}},
                                           UndeliveredCase{"Float64", {48000, 2, 64, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- packet loop --------------------------------------------------------------------------

TEST_F(AudioCaptureTest, SilentPacketIsReleasedWithoutCallback) {
  initializeAndStart();
  device->push(FakeAudioEndpoint::silentPacket(480));
  device->push(FakeAudioEndpoint::floatPacket({0.5f, 0.5f}, 2));
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.size() == 1; }));
  EXPECT_EQ(recorder.deliveries()[0].frames, 1u);  // the audible packet, not the silent one
  EXPECT_EQ(device->released(), (std::vector<std::uint32_t>{480, 1}));
}

TEST_F(AudioCaptureTest, OneWakeUpDrainsEveryQueuedPacketInOrder) {
  // Queued before start: the event is signalled once for all three.
  device->push(FakeAudioEndpoint::floatPacket({0.1f, 0.1f}, 2));
  device->push(FakeAudioEndpoint::floatPacket({0.2f, 0.2f, 0.2f, 0.2f}, 2));
  device->push(FakeAudioEndpoint::floatPacket({0.3f, 0.3f}, 2));
  initializeAndStart();
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.size() == 3; }));
  const auto d = recorder.deliveries();
  EXPECT_EQ(d[0].samples, (std::vector<std::int16_t>{3276, 3276}));
  EXPECT_EQ(d[1].samples, (std::vector<std::int16_t>{6553, 6553, 6553, 6553}));
  EXPECT_EQ(d[2].samples, (std::vector<std::int16_t>{9830, 9830}));
  EXPECT_EQ(device->released(), (std::vector<std::uint32_t>{1, 2, 1}));
}

TEST_F(AudioCaptureTest, GetBufferFailureIsLoggedAndCaptureGoesOn) {
  device->getBufferFailures = 1;
  initializeAndStart();
  device->push(FakeAudioEndpoint::floatPacket({0.1f, 0.1f}, 2));
  ASSERT_TRUE(testing::waitUntil([&] { return log.has(kError, "GetBuffer failed: 0x88890001"); }));
  EXPECT_EQ(recorder.size(), 0u);
  EXPECT_TRUE(device->released().empty());  // nothing to release after a failed GetBuffer
  device->push(FakeAudioEndpoint::floatPacket({0.2f, 0.2f}, 2));
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.size() == 2; }));
  EXPECT_EQ(recorder.deliveries()[0].samples[0], 3276);  // the packet that failed once comes first
  EXPECT_EQ(recorder.deliveries()[1].samples[0], 6553);
  EXPECT_TRUE(capture->isCapturing());
}

TEST_F(AudioCaptureTest, ReleaseBufferFailureIsLoggedAndCaptureGoesOn) {
  device->releaseBufferFailures = 1;
  initializeAndStart();
  device->push(FakeAudioEndpoint::floatPacket({0.1f, 0.1f}, 2));
  ASSERT_TRUE(testing::waitUntil([&] { return log.has(kError, "ReleaseBuffer failed: 0x88890001"); }));
  device->push(FakeAudioEndpoint::floatPacket({0.2f, 0.2f}, 2));
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.size() == 2; }));
  EXPECT_EQ(log.count(kError, "ReleaseBuffer failed: 0x88890001"), 1u);
}

TEST_F(AudioCaptureTest, PacketSizeFailureSkipsTheWakeUpSilently) {
  device->nextPacketSizeFailures = 1;
  initializeAndStart();
  device->push(FakeAudioEndpoint::floatPacket({0.1f, 0.1f}, 2));
  ASSERT_TRUE(testing::waitUntil([&] {
    std::lock_guard lock(device->mutex);
    return device->nextPacketSizeFailures == 0;
  }));
  EXPECT_EQ(device->count("getBuffer"), 0u);
  device->push(FakeAudioEndpoint::floatPacket({0.2f, 0.2f}, 2));
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.size() == 2; }));
  EXPECT_EQ(log.countAtLeast(kError), 0u);
}

// --- initialize ---------------------------------------------------------------------------

struct OpenFailureCase {
  const char* name;
  Step step;
  platform::AudioStatus status;
  const char* line;
  bool nameKnown;  // the friendly name is read before this step
};

class AudioCaptureOpenFailure : public AudioCaptureTest, public ::testing::WithParamInterface<OpenFailureCase> {};

TEST_P(AudioCaptureOpenFailure, LogsTheStepsLineAndFails) {
  const OpenFailureCase& c = GetParam();
  device->openResult.failedStep = c.step;
  device->openResult.status = c.status;
  EXPECT_FALSE(capture->initialize({}));
  EXPECT_TRUE(log.has(kError, c.line)) << c.line;
  EXPECT_EQ(log.countAtLeast(kError), 1u);
  EXPECT_EQ(log.has(kInfo, "Using audio device: Fake Speakers"), c.nameKnown);
  EXPECT_FALSE(log.contains("Audio capture initialized"));
  // Without a mix format the configured values are reported.
  std::uint32_t rate = 0, channels = 0, bits = 0;
  capture->getFormat(rate, channels, bits);
  EXPECT_EQ(rate, 48000u);
  EXPECT_EQ(channels, 2u);
  EXPECT_EQ(bits, 16u);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AudioCaptureOpenFailure,
    ::testing::Values(
        OpenFailureCase{"Enumerator", Step::CreateEnumerator, 0x80040154,
                        "Failed to create device enumerator: 0x80040154", false},
        OpenFailureCase{"Endpoint", Step::GetDefaultEndpoint, 0x80070490,
                        "Failed to get default audio endpoint: 0x80070490", false},
        OpenFailureCase{"Activate", Step::ActivateClient, 0x6, "Failed to activate audio client: 0x6", true},
        OpenFailureCase{"MixFormat", Step::GetMixFormat, 0x8007000e, "Failed to get mix format: 0x8007000e", true},
        OpenFailureCase{"Initialize", Step::InitializeClient, 0x88890008,
                        "Failed to initialize audio client: 0x88890008", true},
        OpenFailureCase{"EventHandle", Step::SetEventHandle, 0x80070057, "Failed to set event handle: 0x80070057",
                        true},
        OpenFailureCase{"CaptureClient", Step::GetCaptureClient, 0x80004002,
                        "Failed to get capture client: 0x80004002", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AudioCaptureTest, EventFailureStopsBeforeTheDeviceIsOpened) {
  device->createEventOk = false;
  EXPECT_FALSE(capture->initialize({}));
  EXPECT_TRUE(log.has(kError, "Failed to create capture event"));
  EXPECT_EQ(device->calls(), (std::vector<std::string>{"createEvent"}));
}

TEST_F(AudioCaptureTest, InitializeReportsTheMixFormatNotTheRequest) {
  useFormat({44100, 6, 32, true});
  AudioCaptureConfig config;
  config.sampleRate = 22050;
  config.channels = 1;
  config.bitsPerSample = 24;

  std::uint32_t rate = 0, channels = 0, bits = 0;
  capture->getFormat(rate, channels, bits);  // before: nothing configured yet, the defaults
  EXPECT_EQ(rate, 48000u);
  EXPECT_EQ(channels, 2u);
  EXPECT_EQ(bits, 16u);

  ASSERT_TRUE(capture->initialize(config));
  EXPECT_EQ(log.texts(), (std::vector<std::string>{"Using audio device: Fake Speakers",
                                                   "Audio capture initialized: 44100 Hz, 6 channels"}));
  capture->getFormat(rate, channels, bits);
  EXPECT_EQ(rate, 44100u);
  EXPECT_EQ(channels, 6u);
  EXPECT_EQ(bits, 16u);  // what the callback delivers
}

TEST_F(AudioCaptureTest, LoopbackFlagChoosesTheEndpoint) {
  AudioCaptureConfig microphone;
  microphone.loopback = false;
  ASSERT_TRUE(capture->initialize(microphone));
  AudioCapture second(std::make_unique<FakeAudioEndpoint>(device));
  ASSERT_TRUE(second.initialize({}));
  EXPECT_EQ(device->calls(), (std::vector<std::string>{"createEvent", "open capture", "createEvent", "open loopback"}));
}

// --- start and stop -----------------------------------------------------------------------

TEST_F(AudioCaptureTest, SecondStartWarnsAndKeepsTheFirstCallback) {
  initializeAndStart(1);
  EXPECT_TRUE(capture->isCapturing());
  EXPECT_TRUE(log.has(kInfo, "Audio capture started"));
  EXPECT_TRUE(capture->start(recorder.callback(2)));
  EXPECT_TRUE(log.has(kWarn, "Audio capture already started"));
  EXPECT_EQ(device->count("start"), 1u);
  device->push(FakeAudioEndpoint::floatPacket({0.5f, 0.5f}, 2));
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.size() == 1; }));
  EXPECT_EQ(recorder.deliveries()[0].tag, 1);
}

TEST_F(AudioCaptureTest, StartFailureLeavesCaptureStopped) {
  device->startStatus = 0x88890004;
  ASSERT_TRUE(capture->initialize({}));
  EXPECT_FALSE(capture->start(recorder.callback()));
  EXPECT_TRUE(log.has(kError, "Failed to start audio client: 0x88890004"));
  EXPECT_FALSE(capture->isCapturing());
  EXPECT_FALSE(log.contains("Audio capture started"));
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(device->count("raiseThreadPriority"), 0u);  // no thread was started
}

TEST_F(AudioCaptureTest, StartBeforeInitializeFails) {
  EXPECT_FALSE(capture->start(recorder.callback()));
  EXPECT_TRUE(log.has(kError, "Failed to start audio client: 0x88890001"));
  EXPECT_FALSE(capture->isCapturing());
}

TEST_F(AudioCaptureTest, StopReturnsPromptlyWhileNothingArrives) {
  initializeAndStart();
  // Let the thread settle into its 100 ms wait.
  ASSERT_TRUE(testing::waitUntil([&] { return device->count("raiseThreadPriority") == 1; }));
  capture->stop();
  EXPECT_FALSE(capture->isCapturing());
  EXPECT_TRUE(log.has(kInfo, "Audio capture stopped"));
  const auto calls = device->calls();
  ASSERT_GE(calls.size(), 2u);
  // The thread is woken out of its wait (not left to time out), joined, and only then the
  // stream stopped.
  EXPECT_EQ(std::vector<std::string>(calls.end() - 2, calls.end()), (std::vector<std::string>{"wake", "stop"}));
}

TEST_F(AudioCaptureTest, StopWhenNotRunningDoesNothing) {
  ASSERT_TRUE(capture->initialize({}));
  capture->stop();
  EXPECT_EQ(device->count("stop"), 0u);
  EXPECT_FALSE(log.contains("Audio capture stopped"));
}

TEST_F(AudioCaptureTest, RestartsWithANewCallback) {
  initializeAndStart(1);
  capture->stop();
  ASSERT_TRUE(capture->start(recorder.callback(2)));
  EXPECT_FALSE(log.contains("Audio capture already started"));
  device->push(FakeAudioEndpoint::floatPacket({0.5f, 0.5f}, 2));
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.size() == 1; }));
  EXPECT_EQ(recorder.deliveries()[0].tag, 2);
  EXPECT_EQ(device->count("start"), 2u);
}

TEST_F(AudioCaptureTest, DestructionStopsTheCaptureAndThenReleasesTheDevice) {
  initializeAndStart();
  ASSERT_TRUE(testing::waitUntil([&] { return device->count("raiseThreadPriority") == 1; }));
  capture.reset();
  const auto calls = device->calls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(calls.end() - 3, calls.end()),
            (std::vector<std::string>{"wake", "stop", "destroyed"}));
  EXPECT_TRUE(log.has(kInfo, "Audio capture stopped"));
}

}  // namespace
}  // namespace parvalon::host
