#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "fakes/FakeCaptureSource.h"
#include "fakes/LogCapture.h"
#include "platform/CaptureMethodSelection.h"

namespace parvalon::host {
namespace {

using platform::CaptureMethodSelection;
using testing::LogCapture;

// A fake capture method that counts how often it was asked whether it works.
class CountingFactory : public fakes::FakeCaptureSourceFactory {
 public:
  CountingFactory(bool isSupportedHere, std::string reason) {
    supported = isSupportedHere;
    unsupportedReason = std::move(reason);
  }
  bool isSupported(std::string& reason) override {
    ++asked;
    return FakeCaptureSourceFactory::isSupported(reason);
  }
  std::atomic<int> asked{0};
};

struct Methods {
  std::shared_ptr<CountingFactory> wgc = std::make_shared<CountingFactory>(false, "activation failed: class not registered");
  std::shared_ptr<CountingFactory> gdi = std::make_shared<CountingFactory>(true, "");
  std::shared_ptr<CountingFactory> last = std::make_shared<CountingFactory>(true, "");

  CaptureMethodSelection selection() const {
    return CaptureMethodSelection({{"Windows Graphics Capture", wgc}, {"GDI", gdi}, {"Last", last}});
  }
};

TEST(CaptureMethodSelection, FirstSupportedMethodServesEveryCaptureAndIsLoggedOnce) {
  LogCapture log;
  Methods methods;
  auto selection = methods.selection();

  EXPECT_EQ(selection.chosenName(), "GDI");
  std::string reason;
  EXPECT_TRUE(selection.isSupported(reason));
  std::string error;
  auto first = selection.create(0x42, {}, error);
  auto second = selection.create(0x43, {}, error);
  ASSERT_NE(first, nullptr) << error;
  ASSERT_NE(second, nullptr) << error;

  EXPECT_EQ(methods.gdi->sources().size(), 2u);
  EXPECT_EQ(methods.gdi->sources()[1]->window(), 0x43u);
  EXPECT_TRUE(methods.wgc->sources().empty());
  EXPECT_TRUE(methods.last->sources().empty());
  // Each method is asked at most once, and the ones after the choice never.
  EXPECT_EQ(methods.wgc->asked.load(), 1);
  EXPECT_EQ(methods.gdi->asked.load(), 1);
  EXPECT_EQ(methods.last->asked.load(), 0);
  EXPECT_EQ(log.count(testing::kInfo,
                      "Capture method: GDI (not available: Windows Graphics Capture: activation failed: class not "
                      "registered)"),
            1u);
  EXPECT_FALSE(log.contains("Capture method: Last"));
}

TEST(CaptureMethodSelection, BestMethodWinsWithoutSkippedList) {
  LogCapture log;
  Methods methods;
  methods.wgc->supported = true;
  auto selection = methods.selection();
  std::string error;
  ASSERT_NE(selection.create(7, {}, error), nullptr);
  EXPECT_EQ(methods.wgc->sources().size(), 1u);
  EXPECT_EQ(methods.gdi->asked.load(), 0);
  EXPECT_EQ(log.count(testing::kInfo, "Capture method: Windows Graphics Capture"), 1u);
}

TEST(CaptureMethodSelection, ChoiceStaysWhenABetterMethodLaterWorks) {
  Methods methods;
  auto selection = methods.selection();
  EXPECT_EQ(selection.chosenName(), "GDI");
  methods.wgc->supported = true;
  std::string error;
  ASSERT_NE(selection.create(1, {}, error), nullptr);
  EXPECT_EQ(selection.chosenName(), "GDI");
  EXPECT_TRUE(methods.wgc->sources().empty());
}

TEST(CaptureMethodSelection, DiagnosticsNameTheMethodBeforeItsOwnLines) {
  Methods methods;
  methods.gdi->diagnosticLines = {"  GDI: BitBlt of the client area", "  Second line"};
  auto selection = methods.selection();
  EXPECT_EQ(selection.diagnostics(),
            (std::vector<std::string>{"  Capture Method: GDI", "  GDI: BitBlt of the client area", "  Second line"}));
}

TEST(CaptureMethodSelection, NoSupportedMethodRefusesWithEveryReason) {
  LogCapture log;
  auto wgc = std::make_shared<CountingFactory>(false, "Windows build 17763 is too old");
  auto gdi = std::make_shared<CountingFactory>(false, "");
  // A method not built in yet has no factory.
  CaptureMethodSelection selection({{"Windows Graphics Capture", wgc}, {"Future", nullptr}, {"GDI", gdi}});

  const std::string expected = "Windows Graphics Capture: Windows build 17763 is too old; Future: not part of this "
                               "build; GDI: not supported";
  std::string reason;
  EXPECT_FALSE(selection.isSupported(reason));
  EXPECT_EQ(reason, expected);
  EXPECT_EQ(selection.chosenName(), "");
  std::string error;
  EXPECT_EQ(selection.create(5, {}, error), nullptr);
  EXPECT_EQ(error, expected);
  EXPECT_EQ(selection.diagnostics(), (std::vector<std::string>{"  Capture Method: none (" + expected + ")"}));
  EXPECT_EQ(log.count(testing::kError, "No window capture method available (" + expected + ")"), 1u);
  EXPECT_EQ(wgc->asked.load(), 1);
  EXPECT_EQ(gdi->asked.load(), 1);
}

TEST(CaptureMethodSelection, EmptyListIsUnsupported) {
  CaptureMethodSelection selection({});
  std::string reason;
  EXPECT_FALSE(selection.isSupported(reason));
  EXPECT_EQ(reason, "no capture method in this build");
}

TEST(CaptureMethodSelection, ConcurrentFirstQuestionsChooseOnce) {
  LogCapture log;
  Methods methods;
  auto selection = methods.selection();
  std::vector<std::thread> threads;
  std::atomic<int> created{0};
  for (int i = 0; i < 4; ++i) {
    threads.emplace_back([&selection, &created, i] {
      std::string error;
      if (selection.create(static_cast<platform::WindowHandle>(i + 1), {}, error)) ++created;
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(created.load(), 4);
  EXPECT_EQ(methods.wgc->asked.load(), 1);
  EXPECT_EQ(methods.gdi->asked.load(), 1);
  EXPECT_EQ(methods.gdi->sources().size(), 4u);
}

}  // namespace
}  // namespace parvalon::host
