#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "InputLog.h"
#include "PatternCanvas.h"
#include "PatternOptions.h"
#include "PatternPainter.h"
#include "PatternStamp.h"

namespace parvalon::testpattern {
namespace {

namespace fs = std::filesystem;

// ---- command line ----

TEST(PatternOptions, DefaultsWithoutArguments) {
  const auto o = PatternOptions::parse({});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->title, "Parvalon Test Pattern");
  EXPECT_EQ(o->width, 1280);
  EXPECT_EQ(o->height, 720);
  EXPECT_EQ(o->fps, 60);
  EXPECT_TRUE(o->animate);
  EXPECT_TRUE(o->icon);
  EXPECT_FALSE(o->positioned);
  EXPECT_EQ(o->windowClass, "ParvalonTestPattern");
}

TEST(PatternOptions, ReadsEveryOption) {
  const auto o = PatternOptions::parse({"--title", "\xC3\x84rger", "--width", "640", "--height", "400", "--x", "-5",
                                        "--y", "7", "--fps", "30", "--input-log", "in.log", "--id-file", "id.txt",
                                        "--duration", "2.5", "--static", "--no-icon", "--min-width", "100",
                                        "--min-height", "80", "--class", "Other"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->title, "\xC3\x84rger");
  EXPECT_EQ(o->width, 640);
  EXPECT_EQ(o->height, 400);
  EXPECT_EQ(o->x, -5);
  EXPECT_EQ(o->y, 7);
  EXPECT_TRUE(o->positioned);
  EXPECT_EQ(o->fps, 30);
  EXPECT_EQ(o->inputLog, "in.log");
  EXPECT_EQ(o->idFile, "id.txt");
  EXPECT_DOUBLE_EQ(o->durationS, 2.5);
  EXPECT_FALSE(o->animate);
  EXPECT_FALSE(o->icon);
  EXPECT_EQ(o->minWidth, 100);
  EXPECT_EQ(o->minHeight, 80);
  EXPECT_EQ(o->windowClass, "Other");

  const auto blank = PatternOptions::parse({"--blank"});
  ASSERT_TRUE(blank);
  EXPECT_TRUE(blank->blank);
  EXPECT_FALSE(blank->animate);
}

class PatternOptionsRejects : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(PatternOptionsRejects, BadOrUnknownArguments) { EXPECT_FALSE(PatternOptions::parse(GetParam())); }

INSTANTIATE_TEST_SUITE_P(Cases, PatternOptionsRejects,
                         ::testing::Values(std::vector<std::string>{"--width", "0"},
                                           std::vector<std::string>{"--width", "12px"},
                                           std::vector<std::string>{"--width", ""},
                                           std::vector<std::string>{"--height", "200000"},
                                           std::vector<std::string>{"--fps", "-1"},
                                           std::vector<std::string>{"--min-width", "-1"},
                                           std::vector<std::string>{"--title"},
                                           std::vector<std::string>{"--bogus"}));

// ---- the pattern in a BGRA picture ----

Rgb pixelAt(const PatternCanvas& canvas, int x, int y) {
  const std::uint8_t* p = canvas.pixels() + static_cast<std::size_t>(y) * canvas.stride() + static_cast<std::size_t>(x) * 4;
  return Rgb{p[2], p[1], p[0]};
}

std::optional<Stamp> stampOf(const PatternCanvas& canvas) {
  return decodeStampBgra(canvas.pixels(), canvas.stride(), canvas.width(), canvas.height());
}

TEST(PatternPainter, WholeWindowShowsStampPatchesBackgroundAndBar) {
  constexpr std::uint64_t kTime = 0x0123456789ABull;
  PatternPainter painter(640, 400, false);
  PatternCanvas canvas;
  canvas.resize(640, 400);
  canvas.apply(painter.drawAll(kTime));

  EXPECT_EQ(stampOf(canvas), (Stamp{kTime, 0}));
  for (std::size_t i = 0; i < kPatches.size(); ++i) {
    EXPECT_EQ(pixelAt(canvas, patchLeft(i) + kPatchSize / 2, kPatchY + kPatchSize / 2), kPatches[i]) << "patch " << i;
  }
  EXPECT_EQ(pixelAt(canvas, 620, 20), kBackground);
  EXPECT_EQ(pixelAt(canvas, 639, 399), kBackground);
  EXPECT_EQ(pixelAt(canvas, kBarWidth / 2, 399), kBarColour);  // frame 0: the bar at the left edge
  EXPECT_EQ(canvas.pixels()[3], 255);                           // opaque
}

TEST(PatternPainter, NextFrameAdvancesStampCounterAndMovesTheBar) {
  PatternPainter painter(640, 400, false);
  PatternCanvas canvas;
  canvas.resize(640, 400);
  canvas.apply(painter.drawAll(1000));
  canvas.apply(painter.drawFrame(2000));

  EXPECT_EQ(stampOf(canvas), (Stamp{2000, 1}));
  EXPECT_EQ(painter.frame(), 2u);
  // The bar moved kBarStep pixels: its old left edge is background again.
  EXPECT_EQ(pixelAt(canvas, 2, kBarY + 10), kBackground);
  EXPECT_EQ(pixelAt(canvas, kBarStep + kBarWidth - 2, kBarY + 10), kBarColour);
  // The counter's last digit reads 1: segments b and c only (a is off).
  const int lastDigit = kCounterX + (kCounterDigits - 1) * (kDigitWidth + kDigitGap);
  EXPECT_EQ(pixelAt(canvas, lastDigit + kDigitWidth / 2, kCounterY + 1), kBackground);
  EXPECT_EQ(pixelAt(canvas, lastDigit + kDigitWidth - 2, kCounterY + 10), kDigitColour);
}

TEST(PatternPainter, BlankWindowIsBackgroundOnly) {
  PatternPainter painter(640, 400, true);
  PatternCanvas canvas;
  canvas.resize(640, 400);
  canvas.apply(painter.drawAll(5));
  EXPECT_FALSE(stampOf(canvas));
  EXPECT_EQ(pixelAt(canvas, patchLeft(0) + 5, kPatchY + 5), kBackground);
}

// A window smaller than the pattern, or a fill past its edges, is clipped, never written past.
TEST(PatternCanvas, ClipsFillsToThePicture) {
  PatternCanvas canvas;
  canvas.resize(5, 4);
  canvas.apply({{-10, -10, 12, 12, Rgb{1, 2, 3}}, {4, 3, 100, 100, Rgb{9, 8, 7}}, {50, 50, 5, 5, Rgb{4, 4, 4}}});
  EXPECT_EQ(pixelAt(canvas, 1, 1), (Rgb{1, 2, 3}));
  EXPECT_EQ(pixelAt(canvas, 2, 2), (Rgb{0, 0, 0}));
  EXPECT_EQ(pixelAt(canvas, 4, 3), (Rgb{9, 8, 7}));

  PatternPainter painter(100, 50, false);
  PatternCanvas small;
  small.resize(100, 50);
  small.apply(painter.drawAll(1));
  EXPECT_FALSE(stampOf(small));
  EXPECT_EQ(pixelAt(small, kStampX, kStampY + 1), (Rgb{0, 0, 0}));  // time's high bits are 0: black
}

// ---- the input log ----

class InputLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("parvalon-inputlog-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(folder_);
    file_ = folder_ / "input.jsonl";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  std::vector<std::string> lines() const {
    std::ifstream in(file_, std::ios::binary);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
  }
  // UTF-8, as the command line hands it over.
  std::string path() const {
    const std::u8string text = file_.u8string();
    return std::string(text.begin(), text.end());
  }

  fs::path folder_;
  fs::path file_;
};

TEST_F(InputLogTest, WritesOneJsonLinePerEventWithTheClock) {
  {
    InputLog log(path(), [] { return std::uint64_t{42}; });
    ASSERT_TRUE(log.ok());
    log.motion(3, -4);
    log.button(1, true, 3, 4);
    log.key(38, 0x61, false);
    log.virtualKey(0x11E, 0x41, true);
    log.text(0xE9);
  }
  EXPECT_EQ(lines(), (std::vector<std::string>{
                         R"({"timeUs":42,"type":"motion","x":3,"y":-4})",
                         R"({"button":1,"pressed":true,"timeUs":42,"type":"button","x":3,"y":4})",
                         R"({"keycode":38,"keysym":97,"pressed":false,"timeUs":42,"type":"key"})",
                         R"({"keycode":286,"pressed":true,"timeUs":42,"type":"key","vk":65})",
                         "{\"text\":\"\xC3\xA9\",\"timeUs\":42,\"type\":\"text\"}"}));
}

// WM_CHAR brings a character outside the BMP as two units: one character must come out, and a
// half pair must not swallow the next character.
TEST_F(InputLogTest, CharUnitsJoinSurrogatePairsAndReplaceHalves) {
  {
    InputLog log(path(), [] { return std::uint64_t{1}; });
    log.charUnit(u'a');
    log.charUnit(0xD83D);
    log.charUnit(0xDE00);
    log.charUnit(0xD83D);  // a high half followed by a plain character
    log.charUnit(u'b');
    log.charUnit(0xDE00);  // a low half alone
  }
  EXPECT_EQ(lines(), (std::vector<std::string>{
                         R"({"text":"a","timeUs":1,"type":"text"})",
                         "{\"text\":\"\xF0\x9F\x98\x80\",\"timeUs\":1,\"type\":\"text\"}",
                         "{\"text\":\"\xEF\xBF\xBD\",\"timeUs\":1,\"type\":\"text\"}",
                         R"({"text":"b","timeUs":1,"type":"text"})",
                         "{\"text\":\"\xEF\xBF\xBD\",\"timeUs\":1,\"type\":\"text\"}"}));
}

TEST_F(InputLogTest, AppendsToAnExistingFileAndReportsOneItCannotOpen) {
  { std::ofstream(file_, std::ios::binary) << "earlier\n"; }
  {
    InputLog log(path(), [] { return std::uint64_t{7}; });
    log.motion(1, 2);
  }
  EXPECT_EQ(lines().size(), 2u);
  EXPECT_EQ(lines().front(), "earlier");

  EXPECT_TRUE(InputLog("").ok());
  const std::u8string missing = (folder_ / "missing" / "input.jsonl").u8string();
  EXPECT_FALSE(InputLog(std::string(missing.begin(), missing.end())).ok());
}

}  // namespace
}  // namespace parvalon::testpattern
