#include <gtest/gtest.h>

#include <fcntl.h>

#include <cstdlib>

#include "fakes/TestFolder.h"
#include "support/HostProcess.h"

namespace parvalon::host {
namespace {

TEST(HostLifecycle, StartsOnTheDesktopAndStopsCleanlyOnSigterm) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs the virtual desktop (scripts/test.sh)";
  const testing::TestFolder folder("parvalon-host");
  test::HostProcess host(folder.path());
  ASSERT_TRUE(host.startAndWaitForMainLoop()) << host.output();
  EXPECT_EQ(host.terminate(), 0);
  const auto log = host.log();
  const auto complete = log.find("Application shutdown complete");
  const auto exiting = log.find("Parvalon Host exiting");
  EXPECT_NE(complete, std::string::npos) << log;
  EXPECT_NE(exiting, std::string::npos) << log;
  EXPECT_LT(complete, exiting);
  // The first run writes no settings file but logs the fallback.
  EXPECT_NE(log.find("[warning] [ParvalonHost] ["), std::string::npos);
  EXPECT_NE(log.find("Failed to load settings, using defaults"), std::string::npos);
}

TEST(HostLifecycle, SigintEndsTheLoopLikeClosingTheWindow) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr);
  const testing::TestFolder folder("parvalon-host");
  test::HostProcess host(folder.path());
  ASSERT_TRUE(host.startAndWaitForMainLoop());
  host.signal(SIGINT);
  EXPECT_EQ(host.wait(), 0);
  EXPECT_NE(host.log().find("Parvalon Host exiting"), std::string::npos);
}

TEST(HostLifecycle, WithoutDisplayFailsToCreateTheWindow) {
  const testing::TestFolder folder("parvalon-host");
  test::HostProcess host(folder.path());
  host.setEnv("DISPLAY", std::nullopt);
  host.setEnv("WAYLAND_DISPLAY", std::nullopt);
  ASSERT_TRUE(host.start());
  EXPECT_EQ(host.wait(), 1);
  EXPECT_NE(host.log().find("[error] [ParvalonHost] ["), std::string::npos) << host.log();
  EXPECT_NE(host.log().find("Failed to create window"), std::string::npos) << host.log();
  EXPECT_EQ(host.log().find("Application initialized"), std::string::npos);
}

}  // namespace
}  // namespace parvalon::host
