#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "fakes/Environment.h"
#include "fakes/LogCapture.h"
#include "fakes/TestFolder.h"
#include "app/Application.h"
#include "fakes/FakeSystemInfo.h"

namespace fs = std::filesystem;

namespace parvalon::host {
namespace {

// Operations of the application that need no running subsystem, with the settings file in a
// private data folder.
class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.emplace("parvalon-app");
    root_ = folder_->path();
    environment_.set(testing::kLogFolderVariable, root_.string());
  }
  std::string settingsText() {
    std::ifstream in(root_ / "Parvalon" / "settings.json");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::optional<testing::TestFolder> folder_;
  testing::ScopedEnvironment environment_;
  fs::path root_;
  testing::LogCapture log_;
};

TEST_F(ApplicationTest, SharpnessIsClampedWhenStored) {
  Application app({.system = std::make_unique<test::FakeSystemInfo>()});
  EXPECT_TRUE(app.applySharpeningSettings(true, 1.5f));
  EXPECT_EQ(app.settings().sharpness, 1.0f);
  EXPECT_TRUE(app.applySharpeningSettings(true, -0.2f));
  EXPECT_EQ(app.settings().sharpness, 0.0f);
  EXPECT_TRUE(app.applySharpeningSettings(true, 0.5f));
  EXPECT_NE(settingsText().find("\"sharpeningEnabled\": true"), std::string::npos);
  EXPECT_NE(settingsText().find("\"sharpness\": 0.5"), std::string::npos);
  EXPECT_EQ(log_.count(testing::kInfo, "Applying sharpening settings: enabled=true, sharpness=1.50"), 1u);
  EXPECT_EQ(log_.count(testing::kInfo, "Applying sharpening settings: enabled=true, sharpness=-0.20"), 1u);
}

TEST_F(ApplicationTest, ApplyOperationsStoreLogAndSave) {
  Application app({.system = std::make_unique<test::FakeSystemInfo>()});
  EXPECT_TRUE(app.applySettings(8000, 12000, 60));
  EXPECT_TRUE(app.applyVSyncSettings(true));
  EXPECT_TRUE(app.applyFullRangeColorSettings(true));
  EXPECT_EQ(app.settings().targetBitrate, 8000u);
  EXPECT_EQ(app.settings().maxBitrate, 12000u);
  EXPECT_EQ(app.settings().targetFps, 60u);
  const auto text = settingsText();
  EXPECT_NE(text.find("\"targetBitrate\": 8000"), std::string::npos);
  EXPECT_NE(text.find("\"vsyncEnabled\": true"), std::string::npos);
  EXPECT_NE(text.find("\"fullRangeColor\": true"), std::string::npos);
  EXPECT_EQ(log_.count(testing::kInfo, "Applying settings: bitrate=8000 kbps, maxBitrate=12000 kbps, fps=60"), 1u);
  EXPECT_EQ(log_.count(testing::kInfo, "Applying VSync settings: enabled=true"), 1u);
  EXPECT_EQ(log_.count(testing::kInfo, "Applying full range color settings: enabled=true"), 1u);
}

// The in-memory change stays even when the file cannot be written; only the result says so.
TEST_F(ApplicationTest, FailedSaveReturnsFalseButKeepsTheValue) {
  fs::create_directories(root_);
  std::ofstream(root_ / "Parvalon") << "blocks the folder";
  Application app({.system = std::make_unique<test::FakeSystemInfo>()});
  EXPECT_FALSE(app.applyVSyncSettings(true));
  EXPECT_TRUE(app.settings().vsyncEnabled);
}

TEST_F(ApplicationTest, DashboardQueriesWithoutSubsystems) {
  Application app({.system = std::make_unique<test::FakeSystemInfo>()});
  EXPECT_FALSE(app.startCapture(0x1234));
  EXPECT_EQ(log_.count(testing::kError, "Capture orchestrator not initialized"), 1u);
  EXPECT_EQ(app.getEncoderName(), "None");
  EXPECT_FALSE(app.isClientConnected());
}

}  // namespace
}  // namespace parvalon::host
