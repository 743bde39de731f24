// WASAPI capture under wine: the mix-format reading and the device name, then the real sound
// server. Wine refuses the loopback capture service, so the loopback open must fail at that step
// with its own log line; the default recording device (the server's monitor) hears a tone played
// into the default output.
#include <gtest/gtest.h>

#include <windows.h>

#include <mmreg.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <numbers>
#include <vector>

#include "audio/AudioCapture.h"
#include "audio/ToneAnalysis.h"
#include "fakes/LogCapture.h"
#include "fakes/WaitUntil.h"
#include "platform/windows/WasapiAudioEndpoint.h"

namespace parvalon::host {
namespace {

using platform::win32::WasapiAudioEndpoint;
using testing::LogCapture;

constexpr GUID kSubtypePcm{0x00000001, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr GUID kSubtypeFloat{0x00000003, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

WAVEFORMATEXTENSIBLE extensible(const GUID& subFormat, WORD bits) {
  WAVEFORMATEXTENSIBLE format{};
  format.Format.wFormatTag = WAVE_FORMAT_EXTENSIBLE;
  format.Format.nChannels = 2;
  format.Format.nSamplesPerSec = 44100;
  format.Format.wBitsPerSample = bits;
  format.Format.cbSize = 22;
  format.SubFormat = subFormat;
  return format;
}

TEST(WasapiMixFormat, FloatIsTheFloatTagOrTheExtensibleFloatSubFormat) {
  WAVEFORMATEX plainFloat{};
  plainFloat.wFormatTag = WAVE_FORMAT_IEEE_FLOAT;
  plainFloat.nChannels = 2;
  plainFloat.nSamplesPerSec = 48000;
  plainFloat.wBitsPerSample = 32;
  const auto a = WasapiAudioEndpoint::describe(plainFloat);
  EXPECT_TRUE(a.isFloat);
  EXPECT_EQ(a.sampleRate, 48000u);
  EXPECT_EQ(a.channels, 2u);
  EXPECT_EQ(a.bitsPerSample, 32u);

  const auto extFloat = extensible(kSubtypeFloat, 32);
  EXPECT_TRUE(WasapiAudioEndpoint::describe(extFloat.Format).isFloat);
  EXPECT_EQ(WasapiAudioEndpoint::describe(extFloat.Format).sampleRate, 44100u);
  // 24-bit integer samples: not float, so the capture delivers nothing for them.
  const auto ext24 = extensible(kSubtypePcm, 24);
  EXPECT_FALSE(WasapiAudioEndpoint::describe(ext24.Format).isFloat);
  EXPECT_EQ(WasapiAudioEndpoint::describe(ext24.Format).bitsPerSample, 24u);
  // A header too short to carry a sub-format is never read past its end.
  auto truncated = extensible(kSubtypeFloat, 32);
  truncated.Format.cbSize = 0;
  EXPECT_FALSE(WasapiAudioEndpoint::describe(truncated.Format).isFloat);
}

TEST(WasapiDeviceName, CutAtACharacterBoundary) {
  EXPECT_EQ(WasapiAudioEndpoint::cutName(L"Speakers (Parvalon)", 256), "Speakers (Parvalon)");
  // "é" is two bytes of UTF-8: a cut inside it drops the whole character.
  EXPECT_EQ(WasapiAudioEndpoint::cutName(L"abc\u00e9", 4), "abc");
  EXPECT_EQ(WasapiAudioEndpoint::cutName(L"abc\u00e9", 5), "abc\xC3\xA9");
  EXPECT_EQ(WasapiAudioEndpoint::cutName(L"\U0001F50A", 3), "");
  EXPECT_EQ(WasapiAudioEndpoint::cutName(std::wstring(300, L'x'), 256), std::string(256, 'x'));
}

TEST(WasapiEndpoint, StreamCallsBeforeOpenFailWithoutTouchingADevice) {
  WasapiAudioEndpoint endpoint;
  std::uint32_t frames = 7;
  EXPECT_NE(endpoint.start(), platform::kAudioOk);
  EXPECT_NE(endpoint.nextPacketSize(frames), platform::kAudioOk);
  EXPECT_EQ(frames, 0u);
  platform::AudioPacket packet;
  EXPECT_NE(endpoint.getBuffer(packet), platform::kAudioOk);
  EXPECT_NE(endpoint.releaseBuffer(0), platform::kAudioOk);
  EXPECT_FALSE(endpoint.waitForData(std::chrono::milliseconds(1)));  // no event yet
  ASSERT_TRUE(endpoint.createEvent());
  endpoint.wake();
  EXPECT_TRUE(endpoint.waitForData(std::chrono::milliseconds(0)));
  EXPECT_FALSE(endpoint.waitForData(std::chrono::milliseconds(0)));  // auto-reset
}

// A WAV image of `seconds` of a stereo 16-bit sine at `hz`, half scale.
std::vector<std::uint8_t> toneWav(double hz, double seconds, std::uint32_t rate = 48000) {
  const auto frames = static_cast<std::uint32_t>(seconds * rate);
  const std::uint32_t dataBytes = frames * 4;
  std::vector<std::uint8_t> wav(44 + dataBytes);
  auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(&wav[at], &v, 4); };
  auto put16 = [&](std::size_t at, std::uint16_t v) { std::memcpy(&wav[at], &v, 2); };
  std::memcpy(&wav[0], "RIFF", 4);
  put32(4, 36 + dataBytes);
  std::memcpy(&wav[8], "WAVEfmt ", 8);
  put32(16, 16);
  put16(20, 1);  // PCM
  put16(22, 2);
  put32(24, rate);
  put32(28, rate * 4);
  put16(32, 4);
  put16(34, 16);
  std::memcpy(&wav[36], "data", 4);
  put32(40, dataBytes);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const auto s = static_cast<std::int16_t>(16383.0 * std::sin(2.0 * std::numbers::pi * hz * i / rate));
    put16(44 + i * 4, static_cast<std::uint16_t>(s));
    put16(46 + i * 4, static_cast<std::uint16_t>(s));
  }
  return wav;
}

class WasapiSoundServerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    PlaySoundW(nullptr, nullptr, 0);
    if (capture_) capture_->stop();
  }
  LogCapture log_;
  std::unique_ptr<AudioCapture> capture_;
};

TEST_F(WasapiSoundServerTest, LoopbackRefusedByWineFailsAtTheCaptureService) {
  capture_ = std::make_unique<AudioCapture>();
  AudioCaptureConfig config;
  config.loopback = true;
  EXPECT_FALSE(capture_->initialize(config));
  // AUDCLNT_E_WRONG_ENDPOINT_TYPE, as wine 8 answers for a render endpoint's capture client.
  EXPECT_TRUE(log_.has(LogCapture::kError, "Failed to get capture client: 0x88890003")) << ::testing::PrintToString(log_.texts());
}

TEST_F(WasapiSoundServerTest, DefaultCaptureHearsATonePlayedIntoTheServer) {
  capture_ = std::make_unique<AudioCapture>();
  AudioCaptureConfig config;
  config.loopback = false;
  ASSERT_TRUE(capture_->initialize(config)) << ::testing::PrintToString(log_.texts());
  std::uint32_t rate = 0, channels = 0, bits = 0;
  capture_->getFormat(rate, channels, bits);
  ASSERT_GT(rate, 0u);
  ASSERT_GT(channels, 0u);
  EXPECT_EQ(bits, 16u);
  EXPECT_TRUE(log_.contains("Using audio device: "));
  EXPECT_EQ(log_.count(LogCapture::kInfo, "Audio capture initialized: " + std::to_string(rate) + " Hz, " +
                                              std::to_string(channels) + " channels"),
            1u);

  std::mutex mutex;  // guards samples and packetFrames; taken by the capture thread and the test
  std::vector<std::int16_t> samples;
  std::vector<std::uint32_t> packetFrames;
  ASSERT_TRUE(capture_->start([&](const std::int16_t* data, std::uint32_t frames, std::uint32_t r, std::uint32_t c) {
    std::lock_guard lock(mutex);
    if (r != rate || c != channels) return;
    samples.insert(samples.end(), data, data + frames * c);
    packetFrames.push_back(frames);
  }));
  const auto wav = toneWav(1000.0, 4.0);
  ASSERT_TRUE(PlaySoundW(reinterpret_cast<LPCWSTR>(wav.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT));

  // Half a second of loud tone on the first channel.
  const std::size_t window = rate / 2 * channels;
  std::vector<double> recent;
  const bool heard = testing::waitUntil(
      [&] {
        std::lock_guard lock(mutex);
        if (samples.size() < window) return false;
        const std::vector<std::int16_t> last(samples.end() - static_cast<std::ptrdiff_t>(window), samples.end());
        recent = test::channelOf(last, channels, 0);
        return test::rms(recent) > 3000.0;
      },
      std::chrono::milliseconds(15000));
  PlaySoundW(nullptr, nullptr, 0);
  capture_->stop();
  ASSERT_TRUE(heard) << "captured " << samples.size() << " samples";
  EXPECT_NEAR(test::dominantFrequency(recent, rate, 200.0, 4000.0), 1000.0, 5.0);
  // Event-driven packets of the engine's period, never the whole 20 ms buffer at once late.
  std::lock_guard lock(mutex);
  ASSERT_FALSE(packetFrames.empty());
  for (const std::uint32_t frames : packetFrames) EXPECT_LE(frames, rate / 50) << "one packet of " << frames;
}

}  // namespace
}  // namespace parvalon::host
