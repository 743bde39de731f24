#include <gtest/gtest.h>

#include <vector>

#include <spdlog/logger.h>

#include "logging/UISink.h"

namespace parvalon::host {
namespace {

struct Captured {
  int level;
  std::string line;
};

TEST(UISink, ForwardsLevelNumbersAndTrimsOneLineFeed) {
  auto sink = std::make_shared<UISinkMt>();
  sink->set_pattern("%v");
  std::vector<Captured> got;
  sink->setCallback([&got](int level, const std::string& line) { got.push_back({level, line}); });
  spdlog::logger logger("t", sink);
  logger.set_level(spdlog::level::trace);
  logger.trace("a");
  logger.debug("b");
  logger.info("c");
  logger.warn("d");
  logger.error("e");
  logger.critical("f\r");
  ASSERT_EQ(got.size(), 6u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i].level, i);
  EXPECT_EQ(got[0].line, "a");
  EXPECT_EQ(got[5].line, "f\r");  // only the final line feed goes; the carriage return stays
}

TEST(UISink, DropsLinesWithoutCallbackAndUsesDefaultPattern) {
  auto sink = std::make_shared<UISinkMt>();
  spdlog::logger logger("ParvalonHost", sink);
  logger.info("dropped");
  std::vector<std::string> lines;
  sink->setCallback([&lines](int, const std::string& line) { lines.push_back(line); });
  logger.info("kept");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("[ParvalonHost] [info] kept"), std::string::npos) << lines[0];
  EXPECT_EQ(lines[0].back(), 't');
}

}  // namespace
}  // namespace parvalon::host
