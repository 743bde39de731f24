#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "support/ReadFile.h"
#include "fakes/LogCapture.h"
#include "fakes/TestFolder.h"
#include "app/Settings.h"

namespace fs = std::filesystem;

namespace parvalon::host {
namespace {

using test::readFile;

class SettingsTest : public ::testing::Test {
 protected:
  fs::path file() const { return root_ / "Parvalon" / "settings.json"; }
  void writeFile(const std::string& text) {
    fs::create_directories(root_ / "Parvalon");
    std::ofstream(file(), std::ios::binary) << text;
  }
  // Loads `text` into settings that start at their defaults.
  bool loadText(Settings& s, const std::string& text) {
    writeFile(text);
    return s.load();
  }

  testing::TestFolder folder_{"parvalon-settings"};
  const fs::path& root_ = folder_.path();
  testing::LogCapture log_;
};

constexpr const char* kDefaultFile =
    "{\n"
    "    \"allowedOrigins\": [],\n"
    "    \"audioCaptureEndpoint\": \"loopback\",\n"
    "    \"audioPort\": 9945,\n"
    "    \"fullRangeColor\": false,\n"
    "    \"inputPort\": 9946,\n"
    "    \"maxBitrate\": 50000,\n"
    "    \"maxStreams\": 8,\n"
    "    \"preferredEncoder\": \"nvenc\",\n"
    "    \"sharpeningEnabled\": false,\n"
    "    \"sharpness\": 0.699999988079071,\n"
    "    \"signalingPort\": 9876,\n"
    "    \"targetBitrate\": 20000,\n"
    "    \"targetFps\": 72,\n"
    "    \"videoPort\": 9944,\n"
    "    \"vsyncEnabled\": false\n"
    "}";

TEST_F(SettingsTest, SavesTheDefaultFileByteForByte) {
  Settings s(root_);
  ASSERT_TRUE(s.save());
  EXPECT_EQ(readFile(file()), kDefaultFile);
  EXPECT_FALSE(fs::exists(file().string() + ".tmp"));
  EXPECT_EQ(log_.count(testing::kInfo, "Settings saved to " + file().string()), 1u);
}

TEST_F(SettingsTest, RoundTripsEveryField) {
  Settings a(root_);
  a.signalingPort = 1;
  a.videoPort = 2;
  a.audioPort = 3;
  a.inputPort = 4;
  a.targetBitrate = 5;
  a.maxBitrate = 6;
  a.targetFps = 7;
  a.preferredEncoder = "amf";
  a.sharpeningEnabled = true;
  a.sharpness = 0.5f;
  a.vsyncEnabled = true;
  a.fullRangeColor = true;
  a.maxStreams = 3;
  a.allowedOrigins = {"https://a.example", "http://localhost:8080"};
  ASSERT_TRUE(a.save());
  const auto text = readFile(file());
  EXPECT_NE(text.find("\"sharpeningEnabled\": true"), std::string::npos);
  EXPECT_NE(text.find("\"sharpness\": 0.5"), std::string::npos);
  Settings b(root_);
  ASSERT_TRUE(b.load());
  EXPECT_EQ(b.signalingPort, 1);
  EXPECT_EQ(b.videoPort, 2);
  EXPECT_EQ(b.audioPort, 3);
  EXPECT_EQ(b.inputPort, 4);
  EXPECT_EQ(b.targetBitrate, 5u);
  EXPECT_EQ(b.maxBitrate, 6u);
  EXPECT_EQ(b.targetFps, 7u);
  EXPECT_EQ(b.preferredEncoder, "amf");
  EXPECT_TRUE(b.sharpeningEnabled);
  EXPECT_EQ(b.sharpness, 0.5f);
  EXPECT_TRUE(b.vsyncEnabled);
  EXPECT_TRUE(b.fullRangeColor);
  EXPECT_EQ(b.maxStreams, 3u);
  EXPECT_EQ(b.allowedOrigins, (std::vector<std::string>{"https://a.example", "http://localhost:8080"}));
}

// An origin list that is not a list of texts is a broken file, not an empty list (which would
// silently lock out the page the operator allowed).
TEST_F(SettingsTest, OriginsMustBeAListOfTexts) {
  fs::create_directories(root_ / "Parvalon");
  std::ofstream(file()) << R"({"allowedOrigins": ["https://ok.example", 5]})";
  Settings s(root_);
  EXPECT_FALSE(s.load());
  EXPECT_TRUE(log_.contains("Failed to load settings: "));
}

TEST_F(SettingsTest, MissingFileFailsSilently) {
  Settings s(root_);
  EXPECT_FALSE(s.load());
  EXPECT_TRUE(log_.lines().empty());
  EXPECT_TRUE(fs::is_directory(root_ / "Parvalon"));  // the folder is made on every path lookup
}

TEST_F(SettingsTest, PartialFileKeepsOtherDefaults) {
  Settings s(root_);
  ASSERT_TRUE(loadText(s, R"({"videoPort": 10000})"));
  EXPECT_EQ(s.videoPort, 10000);
  EXPECT_EQ(s.signalingPort, 9876);
  EXPECT_EQ(s.targetBitrate, 20000u);
  EXPECT_EQ(s.sharpness, 0.7f);
  EXPECT_EQ(log_.count(testing::kInfo, "Settings loaded from " + file().string()), 1u);
}

TEST_F(SettingsTest, NonObjectRootIsAcceptedUnchanged) {
  for (const char* text : {"[1, 2]", "42", "\"x\"", "null"}) {
    Settings s(root_);
    EXPECT_TRUE(loadText(s, text)) << text;
    EXPECT_EQ(s.videoPort, 9944) << text;
  }
}

TEST_F(SettingsTest, AcceptsByteOrderMark) {
  Settings s(root_);
  EXPECT_TRUE(loadText(s, "\xEF\xBB\xBF{\"targetFps\": 60}"));
  EXPECT_EQ(s.targetFps, 60u);
}

class SettingsRejects : public SettingsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SettingsRejects, WrongTypesFailTheLoad) {
  Settings s(root_);
  EXPECT_FALSE(loadText(s, GetParam()));
  EXPECT_TRUE(log_.contains("Failed to load settings: ")) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Types, SettingsRejects,
                         ::testing::Values(R"({"targetFps": "60"})", R"({"sharpeningEnabled": 1})",
                                           R"({"vsyncEnabled": "true"})", R"({"fullRangeColor": null})",
                                           R"({"preferredEncoder": 5})", R"({"sharpness": "0.5"})",
                                           R"({"videoPort": [1]})", R"({"videoPort": 1,})", "{ // c\n}", ""));

TEST_F(SettingsTest, KeysBeforeTheFailingOneKeepTheirNewValues) {
  Settings s(root_);
  EXPECT_FALSE(loadText(s, R"({"signalingPort": 1234, "targetFps": "60"})"));
  EXPECT_EQ(s.signalingPort, 1234);
}

TEST_F(SettingsTest, NumbersConvertByTruncationKeepingLowBits) {
  struct Case {
    const char* json;
    std::uint16_t port;
  };
  // Floats go through a 64-bit integer; those without one (overflow, >= 2^63) read as 0.
  const Case cases[] = {{"70000", 4464},  {"-1", 65535},     {"1.9", 1},    {"-1.5", 65535},
                        {"true", 1},      {"false", 0},      {"1e19", 0},   {"-1e19", 0},
                        {"4294967299.0", 3}, {"65536.7", 0}, {"18446744073709551615", 65535}};
  for (const auto& c : cases) {
    Settings s(root_);
    ASSERT_TRUE(loadText(s, std::string("{\"signalingPort\": ") + c.json + "}")) << c.json;
    EXPECT_EQ(s.signalingPort, c.port) << c.json;
  }
  Settings s(root_);
  ASSERT_TRUE(loadText(s, R"({"targetBitrate": 4294967301, "sharpness": true})"));
  EXPECT_EQ(s.targetBitrate, 5u);
  EXPECT_EQ(s.sharpness, 1.0f);
}

struct OutOfRangeSharpness {
  const char* json;
  float stored;
};

class SettingsSharpnessRange : public SettingsTest, public ::testing::WithParamInterface<OutOfRangeSharpness> {};

// A sharpness beyond float's range used to become infinity, the save wrote null, and the load
// after that failed and reset every setting.
TEST_P(SettingsSharpnessRange, LoadSaveLoadKeepsEverySetting) {
  Settings first(root_);
  ASSERT_TRUE(loadText(first, std::string(R"({"videoPort": 1234, "targetFps": 60, "vsyncEnabled": true, )") +
                                  R"("preferredEncoder": "amf", "sharpness": )" + GetParam().json + "}"));
  EXPECT_EQ(first.sharpness, GetParam().stored);
  ASSERT_TRUE(first.save());
  EXPECT_EQ(readFile(file()).find("null"), std::string::npos) << readFile(file());

  Settings second(root_);
  ASSERT_TRUE(second.load()) << readFile(file());
  EXPECT_EQ(second.sharpness, GetParam().stored);
  EXPECT_EQ(second.videoPort, 1234);
  EXPECT_EQ(second.targetFps, 60u);
  EXPECT_TRUE(second.vsyncEnabled);
  EXPECT_EQ(second.preferredEncoder, "amf");
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsSharpnessRange,
                         ::testing::Values(OutOfRangeSharpness{"1e39", 1.0f}, OutOfRangeSharpness{"-1e39", 0.0f},
                                           OutOfRangeSharpness{"1e308", 1.0f}, OutOfRangeSharpness{"1.5", 1.0f},
                                           OutOfRangeSharpness{"-0.2", 0.0f}, OutOfRangeSharpness{"0.25", 0.25f},
                                           OutOfRangeSharpness{"false", 0.0f}));

// Whatever the field holds in memory, the file stays loadable.
TEST_F(SettingsTest, NonFiniteSharpnessIsNeverWrittenAsNull) {
  for (const float value : {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()}) {
    Settings s(root_);
    s.sharpness = value;
    s.targetFps = 30;
    ASSERT_TRUE(s.save());
    EXPECT_EQ(readFile(file()).find("null"), std::string::npos) << readFile(file());
    Settings back(root_);
    ASSERT_TRUE(back.load()) << readFile(file());
    EXPECT_EQ(back.targetFps, 30u);
  }
}

TEST_F(SettingsTest, NonAsciiIsWrittenRaw) {
  Settings s(root_);
  s.preferredEncoder = "sofťware";
  ASSERT_TRUE(s.save());
  EXPECT_NE(readFile(file()).find("\"preferredEncoder\": \"sofťware\""), std::string::npos);
}

// A save that fails must leave the previous file whole, not truncated.
TEST_F(SettingsTest, FailedSavesKeepThePreviousFile) {
  Settings s(root_);
  ASSERT_TRUE(s.save());

  s.targetFps = 30;
  fs::create_directories(file().string() + ".tmp");  // the temporary cannot be opened
  EXPECT_FALSE(s.save());
  EXPECT_EQ(log_.count(testing::kError, "Failed to open settings file for writing"), 1u);
  EXPECT_EQ(readFile(file()), kDefaultFile);
  fs::remove_all(file().string() + ".tmp");

  s.preferredEncoder = "\xFF\xFE";  // not UTF-8: serialisation fails
  EXPECT_FALSE(s.save());
  EXPECT_TRUE(log_.contains("Failed to save settings: "));
  EXPECT_EQ(readFile(file()), kDefaultFile);
}

TEST_F(SettingsTest, FolderThatCannotBeCreatedFailsBothWays) {
  std::ofstream(root_ / "Parvalon") << "a file where the folder should be";
  Settings s(root_);
  EXPECT_FALSE(s.save());
  EXPECT_TRUE(log_.contains("Failed to save settings: "));
  EXPECT_FALSE(s.load());
  EXPECT_TRUE(log_.contains("Failed to load settings: "));
}

TEST_F(SettingsTest, NoDataFolderUsesWorkingDirectory) {
  const auto old = fs::current_path();
  fs::current_path(root_);
  Settings s(std::nullopt);
  EXPECT_EQ(s.getSettingsPath(), "settings.json");
  EXPECT_TRUE(s.save());
  EXPECT_EQ(readFile(root_ / "settings.json"), kDefaultFile);
  fs::current_path(old);
}

TEST_F(SettingsTest, ResetRestoresEveryDefault) {
  Settings s(root_);
  ASSERT_TRUE(loadText(s, R"({"signalingPort": 1, "preferredEncoder": "x", "sharpness": 0.1, "vsyncEnabled": true})"));
  s.resetToDefaults();
  ASSERT_TRUE(s.save());
  EXPECT_EQ(readFile(file()), kDefaultFile);
}

// The audio endpoint is a choice of two names: each survives a save and load, an unknown name is
// reported and read as the default (the host must still start with audio), and a value that is
// not text is a broken file like any other mistyped key.
TEST_F(SettingsTest, AudioCaptureEndpointIsLoopbackOrDefaultCapture) {
  Settings a(root_);
  EXPECT_EQ(a.audioCaptureEndpoint, "loopback");
  EXPECT_TRUE(a.audioCaptureLoopback());
  a.audioCaptureEndpoint = "default-capture";
  ASSERT_TRUE(a.save());
  EXPECT_NE(readFile(file()).find("\"audioCaptureEndpoint\": \"default-capture\""), std::string::npos);
  Settings b(root_);
  ASSERT_TRUE(b.load());
  EXPECT_EQ(b.audioCaptureEndpoint, "default-capture");
  EXPECT_FALSE(b.audioCaptureLoopback());

  ASSERT_TRUE(loadText(b, R"({"audioCaptureEndpoint": "Loopback", "targetFps": 50})"));
  EXPECT_EQ(b.audioCaptureEndpoint, "loopback");
  EXPECT_TRUE(b.audioCaptureLoopback());
  EXPECT_EQ(b.targetFps, 50u);  // the rest of the file still counts
  EXPECT_EQ(log_.count(testing::kWarn, "Unknown audioCaptureEndpoint \"Loopback\", using \"loopback\""), 1u);

  b.audioCaptureEndpoint = "default-capture";
  b.resetToDefaults();
  EXPECT_EQ(b.audioCaptureEndpoint, "loopback");

  EXPECT_FALSE(loadText(b, R"({"audioCaptureEndpoint": 1})"));
  EXPECT_TRUE(log_.contains("Failed to load settings: "));
}

}  // namespace
}  // namespace parvalon::host
