// The signaling conversation as one session sees it: replies, callbacks, stream numbers, the
// failure rules, and the streams a session leaves behind when it ends.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "fakes/LogCapture.h"
#include "network/SignalingMessageHandler.h"

namespace parvalon::host {
namespace {

using testing::LogCapture;

class FakePeer : public SignalingPeer {
 public:
  explicit FakePeer(std::string address, std::uint64_t sessionId = 1)
      : address_(std::move(address)), sessionId_(sessionId) {}
  std::uint64_t sessionId() const override { return sessionId_; }
  const std::string& remoteAddress() const override { return address_; }
  void send(std::string text) override {
    std::lock_guard lock(mutex_);
    sent_.push_back(std::move(text));
  }
  std::vector<std::string> sent() const {
    std::lock_guard lock(mutex_);
    return sent_;
  }

 private:
  std::string address_;
  std::uint64_t sessionId_;
  mutable std::mutex mutex_;  // guards sent_; the handler may send from any thread
  std::vector<std::string> sent_;
};

constexpr const char* kWelcome =
    R"({"audioPort":9945,"hostName":"Parvalon Host","hostVersion":"1.0.5","inputPort":9946,)"
    R"("protocol":"tcp","requiresAuth":false,"supportedCodecs":["h264"],"type":"welcome",)"
    R"("videoPort":9944})";
constexpr const char* kRefused = R"({"code":1001,"message":"Failed to start stream","type":"error"})";

class SignalingHandler : public ::testing::Test {
 protected:
  // What this one message made the handler send to `to`.
  std::vector<std::string> handle(const std::string& text, const std::shared_ptr<FakePeer>& to) {
    const auto before = to->sent().size();
    handler.handleMessage(text, [to] { return to; });
    const auto all = to->sent();
    return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
  }
  std::vector<std::string> handle(const std::string& text) { return handle(text, peer); }

  bool loggedErrorProcessing() const {
    for (const auto& line : log.lines()) {
      if (line.level == testing::kError && line.text.rfind("Error processing message: ", 0) == 0) return true;
    }
    return false;
  }

  // Stands in for the application: numbers accepted streams 1, 2, … and records the calls.
  void recordStreamCalls(bool accept = true) {
    handler.updateCallbacks([&](SignalingCallbacks& c) {
      c.streamRequest = [this, accept](std::uint32_t windowId, const SignalingClient&) {
        if (!accept) return StreamStartResult{};
        requests.emplace_back(windowId, ++lastStreamId);
        return StreamStartResult{StreamStartResult::Status::Started, lastStreamId};
      };
    });
    handler.updateCallbacks([&](SignalingCallbacks& c) {
      c.streamStop = [this](std::uint8_t streamId, const SignalingClient&) { stops.push_back(streamId); };
    });
  }

  LogCapture log;
  SignalingMessageHandler handler;
  std::shared_ptr<FakePeer> peer = std::make_shared<FakePeer>("127.0.0.1");
  std::vector<std::pair<std::uint32_t, std::uint8_t>> requests;
  std::vector<std::uint8_t> stops;
  std::uint8_t lastStreamId = 0;
};

using Texts = std::vector<std::string>;

TEST_F(SignalingHandler, HelloGetsTheWelcomeAndReportsTheClient) {
  std::vector<std::string> connected;
  handler.updateCallbacks([&](SignalingCallbacks& c) {
    c.clientConnected = [&](const SignalingClient& client, const protocol::ClientHello&) {
      connected.push_back(client.address);
    };
  });

  EXPECT_EQ(handle(R"({"type":"hello"})"), Texts{kWelcome});
  EXPECT_EQ(connected, Texts{"127.0.0.1"});
  EXPECT_TRUE(log.has(testing::kInfo, "Received hello from client at 127.0.0.1"));
  EXPECT_TRUE(log.has(testing::kInfo, std::string("Sending welcome message: ") + kWelcome));
}

TEST_F(SignalingHandler, HelloWithExtraFieldsGetsTheSameWelcome) {
  EXPECT_EQ(handle(R"({"type":"hello","clientName":"Quest 3","version":"2.1","windowId":"x"})"),
            Texts{kWelcome});
}

struct HelloCase {
  const char* message;
  const char* clientName;
  const char* deviceName;
};

class SignalingHello : public SignalingHandler, public ::testing::WithParamInterface<HelloCase> {};

// The naming fields reach the application as sent; a missing or non-string one arrives empty
// and never costs the client its welcome.
TEST_P(SignalingHello, PassesTheNamingFieldsOn) {
  std::vector<std::pair<std::string, std::string>> names;
  handler.updateCallbacks([&](SignalingCallbacks& c) {
    c.clientConnected = [&](const SignalingClient&, const protocol::ClientHello& hello) {
      names.emplace_back(hello.clientName, hello.deviceName);
    };
  });
  EXPECT_EQ(handle(GetParam().message), Texts{kWelcome});
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0].first, GetParam().clientName);
  EXPECT_EQ(names[0].second, GetParam().deviceName);
  EXPECT_FALSE(log.contains("Error processing message"));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SignalingHello,
    ::testing::Values(HelloCase{R"({"type":"hello","clientName":"Quest 3","deviceName":"eureka"})", "Quest 3", "eureka"},
                      HelloCase{R"({"type":"hello","deviceName":"eureka"})", "", "eureka"},
                      HelloCase{R"({"type":"hello"})", "", ""},
                      HelloCase{R"({"type":"hello","clientName":7,"deviceName":["x"]})", "", ""},
                      HelloCase{R"({"type":"hello","clientName":null,"deviceName":{"a":1}})", "", ""},
                      HelloCase{R"({"type":"hello","clientName":true,"deviceName":"Pico"})", "", "Pico"},
                      HelloCase{R"({"type":"hello","clientName":"","deviceName":""})", "", ""}));

TEST(SignalingHandlerPorts, WelcomeAnnouncesTheConfiguredPorts) {
  SignalingMessageHandler moved(protocol::TransportPorts{19944, 19945, 19946});
  auto peer = std::make_shared<FakePeer>("127.0.0.1");
  moved.handleMessage(R"({"type":"hello"})", [peer] { return peer; });
  EXPECT_EQ(peer->sent(),
            Texts{R"({"audioPort":19945,"hostName":"Parvalon Host","hostVersion":"1.0.5","inputPort":19946,)"
                  R"("protocol":"tcp","requiresAuth":false,"supportedCodecs":["h264"],"type":"welcome",)"
                  R"("videoPort":19944})"});
}

// The application numbers the stream (or refuses it); the reply carries its decision.
TEST_F(SignalingHandler, StreamRequestIsAnsweredWithTheApplicationsDecision) {
  StreamStartResult answer{StreamStartResult::Status::Failed, 0};
  std::vector<std::pair<std::uint32_t, std::uint64_t>> asked;
  handler.updateCallbacks([&](SignalingCallbacks& c) {
    c.streamRequest = [&](std::uint32_t windowId, const SignalingClient& client) {
      asked.emplace_back(windowId, client.sessionId);
      return answer;
    };
  });
  EXPECT_EQ(handle(R"({"type":"stream_start","windowId":4660})"), Texts{kRefused});
  answer = {StreamStartResult::Status::Started, 7};
  EXPECT_EQ(handle(R"({"type":"stream_subscribe","windowId":4661})"),
            Texts{R"({"codec":"h264","height":0,"streamId":7,"type":"stream_started","width":0,"windowId":4661})"});
  answer = {StreamStartResult::Status::LimitReached, 0};
  EXPECT_EQ(handle(R"({"type":"stream_start","windowId":4662})"),
            Texts{R"({"code":1001,"message":"Failed to start stream: too many streams on this host","type":"error"})"});
  EXPECT_EQ(asked, (std::vector<std::pair<std::uint32_t, std::uint64_t>>{{4660, 1}, {4661, 1}, {4662, 1}}));
  EXPECT_TRUE(log.has(testing::kInfo, "Stream subscribe request for window 1234"));
  EXPECT_TRUE(log.has(testing::kInfo, "Stream subscribe request for window 1235"));
}

TEST_F(SignalingHandler, WithoutStreamCallbackEveryRequestIsRefused) {
  EXPECT_EQ(handle(R"({"type":"stream_start"})"), Texts{kRefused});
  EXPECT_TRUE(log.has(testing::kInfo, "Stream subscribe request for window 0"));
}

struct StopCase {
  const char* message;
  std::uint8_t callbackStream;
  const char* reply;
  const char* logLine;
};

class SignalingStop : public SignalingHandler, public ::testing::WithParamInterface<StopCase> {};

TEST_P(SignalingStop, PassesLowBitsAndEchoesTheValueRead) {
  const auto& c = GetParam();
  recordStreamCalls();
  EXPECT_EQ(handle(c.message), Texts{c.reply});
  EXPECT_EQ(stops, std::vector<std::uint8_t>{c.callbackStream});
  EXPECT_TRUE(log.has(testing::kInfo, c.logLine));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SignalingStop,
    ::testing::Values(
        StopCase{R"({"type":"stream_stop","streamId":300})", 44, R"({"streamId":300,"type":"stream_stopped"})",
                 "Stream stop request for stream 300"},
        StopCase{R"({"type":"stream_unsubscribe","streamId":-1})", 255,
                 R"({"streamId":-1,"type":"stream_stopped"})", "Stream stop request for stream -1"},
        StopCase{R"({"type":"stream_stop","streamId":300.9})", 44, R"({"streamId":300,"type":"stream_stopped"})",
                 "Stream stop request for stream 300"},
        StopCase{R"({"type":"stream_stop","streamId":4294967298})", 2, R"({"streamId":2,"type":"stream_stopped"})",
                 "Stream stop request for stream 2"},
        StopCase{R"({"type":"stream_stop"})", 0, R"({"streamId":0,"type":"stream_stopped"})",
                 "Stream stop request for stream 0"}));

TEST_F(SignalingHandler, StopIsAnsweredWithoutCallback) {
  EXPECT_EQ(handle(R"({"type":"stream_stop","streamId":7})"), Texts{R"({"streamId":7,"type":"stream_stopped"})"});
}

TEST_F(SignalingHandler, ResizeWithoutCallbackFailsAndEchoesTheRequest) {
  EXPECT_EQ(handle(R"({"type":"window_resize","streamId":3,"windowId":77,"width":1280})"),
            Texts{R"({"height":0,"streamId":3,"success":false,"type":"window_resized","width":1280,"windowId":77})"});
  EXPECT_TRUE(log.has(testing::kInfo, "Window resize request: stream=3, window=4d, size=1280x0"));
}

TEST_F(SignalingHandler, ResizeCallbackDecidesSuccessAndDoesNotGetTheStream) {
  std::vector<std::uint32_t> args;
  handler.updateCallbacks([&](SignalingCallbacks& c) {
    c.windowResize = [&](std::uint32_t windowId, std::uint32_t width, std::uint32_t height,
                         const SignalingClient& client) {
      args = {windowId, width, height, static_cast<std::uint32_t>(client.sessionId)};
      return true;
    };
  });
  EXPECT_EQ(
      handle(R"({"type":"window_resize","streamId":-2,"windowId":-1,"width":800.5,"height":true})"),
      Texts{R"({"height":1,"streamId":-2,"success":true,"type":"window_resized","width":800,"windowId":4294967295})"});
  EXPECT_EQ(args, (std::vector<std::uint32_t>{4294967295u, 800, 1, 1}));
}

TEST_F(SignalingHandler, KeyframeRequestsPassTheLowBitsAndGetNoReply) {
  std::vector<std::uint8_t> keyframes;
  handler.updateCallbacks([&](SignalingCallbacks& c) {
    c.keyframeRequest = [&](std::uint8_t streamId, const SignalingClient&) { keyframes.push_back(streamId); };
  });
  EXPECT_TRUE(handle(R"({"type":"request_keyframe","streamId":258})").empty());
  EXPECT_TRUE(handle(R"({"type":"keyframe_request","streamId":5})").empty());
  EXPECT_TRUE(handle(R"({"type":"keyframe_request"})").empty());
  EXPECT_EQ(keyframes, (std::vector<std::uint8_t>{2, 5, 0}));
}

struct PingCase {
  const char* message;
  const char* reply;
};

class SignalingPing : public SignalingHandler, public ::testing::WithParamInterface<PingCase> {};

TEST_P(SignalingPing, EchoesTheInt32Read) {
  EXPECT_EQ(handle(GetParam().message), Texts{GetParam().reply});
}

INSTANTIATE_TEST_SUITE_P(
    Values, SignalingPing,
    ::testing::Values(PingCase{R"({"type":"ping"})", R"({"timestamp":0,"type":"pong"})"},
                      PingCase{R"({"type":"ping","timestamp":123456})", R"({"timestamp":123456,"type":"pong"})"},
                      PingCase{R"({"type":"ping","timestamp":-5})", R"({"timestamp":-5,"type":"pong"})"},
                      // Outside int32 only the low 32 bits come back, read as signed.
                      PingCase{R"({"type":"ping","timestamp":2147483648})", R"({"timestamp":-2147483648,"type":"pong"})"},
                      PingCase{R"({"type":"ping","timestamp":1700000000123})", R"({"timestamp":-807049093,"type":"pong"})"},
                      PingCase{R"({"type":"ping","timestamp":99.99})", R"({"timestamp":99,"type":"pong"})"},
                      PingCase{R"({"type":"ping","timestamp":-7.5})", R"({"timestamp":-7,"type":"pong"})"},
                      PingCase{R"({"type":"ping","timestamp":false})", R"({"timestamp":0,"type":"pong"})"},
                      PingCase{R"({"type":"ping","timestamp":1e300})", R"({"timestamp":0,"type":"pong"})"},
                      PingCase{R"({"type":"ping","timestamp":-1e19})", R"({"timestamp":0,"type":"pong"})"}));

TEST_F(SignalingHandler, WindowListIsTheCallbacksListInOrder) {
  EXPECT_EQ(handle(R"({"type":"window_list_request"})"), Texts{R"({"type":"window_list","windows":[]})"});

  protocol::WindowInfo a;
  a.id = 2;
  a.title = "B";
  protocol::WindowInfo b;
  b.id = 1;
  b.title = "A";
  handler.updateCallbacks([&](SignalingCallbacks& c) {
    c.windowList = [&] { return std::vector<protocol::WindowInfo>{a, b}; };
  });
  const auto reply = handle(R"({"type":"window_list_request"})");
  ASSERT_EQ(reply.size(), 1u);
  const auto windows = nlohmann::json::parse(reply[0]).at("windows");
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_EQ(windows[0].at("id"), 2);
  EXPECT_EQ(windows[1].at("title"), "A");
}

TEST_F(SignalingHandler, InvalidUtf8TitleLosesOnlyThatReply) {
  protocol::WindowInfo w;
  w.title = "caf\xe9";  // Latin-1, not UTF-8
  handler.updateCallbacks(
      [&](SignalingCallbacks& c) { c.windowList = [&] { return std::vector<protocol::WindowInfo>{w}; }; });
  EXPECT_TRUE(handle(R"({"type":"window_list_request"})").empty());
  EXPECT_TRUE(loggedErrorProcessing());
  // The session carries on.
  EXPECT_EQ(handle(R"({"type":"ping","timestamp":1})"), Texts{R"({"timestamp":1,"type":"pong"})"});
}

class SignalingBadField : public SignalingHandler, public ::testing::WithParamInterface<const char*> {};

TEST_P(SignalingBadField, AbandonsTheMessage) {
  int calls = 0;
  recordStreamCalls();
  handler.updateCallbacks([&](SignalingCallbacks& c) {
    c.windowResize = [&](std::uint32_t, std::uint32_t, std::uint32_t, const SignalingClient&) {
      return ++calls, true;
    };
  });
  handler.updateCallbacks(
      [&](SignalingCallbacks& c) { c.keyframeRequest = [&](std::uint8_t, const SignalingClient&) { ++calls; }; });

  EXPECT_TRUE(handle(GetParam()).empty());
  EXPECT_TRUE(loggedErrorProcessing());
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(requests.empty());
  EXPECT_TRUE(stops.empty());
  EXPECT_FALSE(log.contains("Window resize request"));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SignalingBadField,
    ::testing::Values(R"({"type":"stream_start","windowId":"12"})", R"({"type":"stream_subscribe","windowId":null})",
                      R"({"type":"stream_stop","streamId":null})", R"({"type":"stream_unsubscribe","streamId":[300]})",
                      R"({"type":"window_resize","streamId":1,"windowId":2,"width":3,"height":"4"})",
                      R"({"type":"window_resize","windowId":{}})", R"({"type":"request_keyframe","streamId":"1"})",
                      R"({"type":"ping","timestamp":"now"})"));

struct RejectCase {
  const char* message;
  int level;
  const char* logLine;  // exact text, or null for any "Error processing message: " line
};

class SignalingReject : public SignalingHandler, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(SignalingReject, SendsNothing) {
  const auto& c = GetParam();
  EXPECT_TRUE(handle(c.message).empty());
  if (c.logLine) {
    EXPECT_TRUE(log.has(c.level, c.logLine)) << c.message;
    EXPECT_FALSE(loggedErrorProcessing());
  } else {
    EXPECT_TRUE(loggedErrorProcessing()) << c.message;
    EXPECT_FALSE(log.contains("Unknown message type"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, SignalingReject,
    ::testing::Values(RejectCase{R"({"type":"hello")", testing::kError, nullptr},
                      RejectCase{R"({"type":"hello"} /* c */)", testing::kError, nullptr},
                      RejectCase{R"(["hello"])", testing::kError, nullptr},
                      RejectCase{R"("hello")", testing::kError, nullptr},
                      RejectCase{"42", testing::kError, nullptr},
                      RejectCase{R"({"type":5})", testing::kError, nullptr},
                      RejectCase{R"({"type":null})", testing::kError, nullptr},
                      RejectCase{R"({"type":["hello"]})", testing::kError, nullptr},
                      RejectCase{R"({"windowId":1})", testing::kWarn, "Unknown message type: 'missing'"},
                      RejectCase{R"({"type":"Hello"})", testing::kWarn, "Unknown message type: 'Hello'"},
                      RejectCase{R"({"type":"stream_config","streamId":1})", testing::kWarn,
                                 "Unknown message type: 'stream_config'"},
                      RejectCase{R"({"type":"stream_stopped","streamId":1})", testing::kWarn,
                                 "Unknown message type: 'stream_stopped'"},
                      // Control characters must not reach the log as they are.
                      RejectCase{R"({"type":"a\nb\u001b[2J"})", testing::kWarn, "Unknown message type: 'a?b?[2J'"}));

class SignalingIgnored : public SignalingHandler, public ::testing::WithParamInterface<const char*> {};

TEST_P(SignalingIgnored, IsSilent) {
  EXPECT_TRUE(handle(GetParam()).empty());
  EXPECT_TRUE(log.lines().empty()) << log.lines().front().text;
}

INSTANTIATE_TEST_SUITE_P(Values, SignalingIgnored,
                         ::testing::Values(R"({"type":"pong"})", R"({"type":"welcome","videoPort":1})",
                                           R"({"type":"window_list","windows":[]})",
                                           R"({"type":"stream_started"})", R"({"type":"error","code":1001})",
                                           R"({"type":"window_resized","success":true})"));

TEST_F(SignalingHandler, UnregisteredSenderGetsNothingAndCallsNothing) {
  std::vector<std::string> connected;
  handler.updateCallbacks([&](SignalingCallbacks& c) {
    c.clientConnected = [&](const SignalingClient& client, const protocol::ClientHello&) {
      connected.push_back(client.address);
    };
  });
  recordStreamCalls();
  const auto gone = [] { return std::shared_ptr<SignalingPeer>(); };

  handler.handleMessage(R"({"type":"hello"})", gone);
  handler.handleMessage(R"({"type":"stream_start","windowId":9})", gone);
  handler.handleMessage(R"({"type":"stream_stop","streamId":1})", gone);
  EXPECT_TRUE(connected.empty());
  EXPECT_TRUE(requests.empty());
  EXPECT_TRUE(stops.empty());
  EXPECT_FALSE(log.contains("Received hello"));
}

TEST_F(SignalingHandler, CallbackThrowingAnythingIsContained) {
  handler.updateCallbacks(
      [&](SignalingCallbacks& c) {
        c.streamRequest = [](std::uint32_t, const SignalingClient&) -> StreamStartResult { throw 42; };
      });
  EXPECT_TRUE(handle(R"({"type":"stream_start","windowId":1})").empty());
  EXPECT_TRUE(log.has(testing::kError, "Error processing message: unknown exception"));
}

// Every request names its session, so the application can keep each client to its own streams.
TEST_F(SignalingHandler, EveryCallbackNamesTheSession) {
  auto other = std::make_shared<FakePeer>("127.0.0.2", 9);
  std::vector<std::string> calls;
  const auto note = [&](const char* what, const SignalingClient& client) {
    calls.push_back(std::string(what) + " " + std::to_string(client.sessionId) + " " + client.address);
  };
  handler.updateCallbacks([&](SignalingCallbacks& c) {
    c.streamStop = [&](std::uint8_t, const SignalingClient& client) { note("stop", client); };
    c.keyframeRequest = [&](std::uint8_t, const SignalingClient& client) { note("keyframe", client); };
    c.sessionEnded = [&](const SignalingClient& client, bool closed) { note(closed ? "closed" : "ended", client); };
  });
  handle(R"({"type":"stream_stop","streamId":4})", other);
  handle(R"({"type":"request_keyframe","streamId":4})");
  handler.sessionEnded(*other, false);
  handler.sessionEnded(*peer, true);
  EXPECT_EQ(calls, (std::vector<std::string>{"stop 9 127.0.0.2", "keyframe 1 127.0.0.1", "ended 9 127.0.0.2",
                                             "closed 1 127.0.0.1"}));
}

TEST_F(SignalingHandler, EndedSessionCallbackThatThrowsIsContained) {
  handler.updateCallbacks(
      [&](SignalingCallbacks& c) { c.sessionEnded = [](const SignalingClient&, bool) { throw std::runtime_error("x"); }; });
  handler.sessionEnded(*peer, false);
  EXPECT_TRUE(log.has(testing::kError, "Error ending the session: x"));
}

// A client chooses the type text: a huge one must not become a huge log line (16 MB messages
// filled the log files and the dashboard).
TEST_F(SignalingHandler, UnknownTypeIsLoggedCutWithItsLength) {
  const std::string type(60000, 'x');
  EXPECT_TRUE(handle(R"({"type":")" + type + R"("})").empty());
  EXPECT_TRUE(log.has(testing::kWarn, "Unknown message type: '" + std::string(200, 'x') + "... (60000 bytes)'"));
  // A cut never splits a character: 199 'a' and a two-byte 'é' keep 199 bytes.
  EXPECT_TRUE(handle(R"({"type":")" + std::string(199, 'a') + "\xc3\xa9" + std::string(50, 'b') + R"("})").empty());
  EXPECT_TRUE(log.has(testing::kWarn, "Unknown message type: '" + std::string(199, 'a') + "... (251 bytes)'"));
}

class SignalingFlood : public ::testing::Test {
 protected:
  std::chrono::steady_clock::time_point now{};
  LogCapture log;
  SignalingMessageHandler handler{protocol::TransportPorts{}, [this] { return now; }};
  std::shared_ptr<FakePeer> peer = std::make_shared<FakePeer>("127.0.0.1");
  std::shared_ptr<FakePeer> other = std::make_shared<FakePeer>("127.0.0.2", 2);

  void send(const std::shared_ptr<FakePeer>& from, const char* text, int times) {
    for (int i = 0; i < times; ++i) handler.handleMessage(text, [from] { return from; });
  }
  std::size_t lines(const std::string& part) const {
    std::size_t n = 0;
    for (const auto& line : log.lines()) n += line.text.find(part) != std::string::npos ? 1 : 0;
    return n;
  }
};

// One client's flood is cut to a few lines per window with the count of what was held back;
// another client's lines still get through.
TEST_F(SignalingFlood, OneClientsWarningsAreRateLimitedWithACount) {
  send(peer, R"({"type":"nope"})", 500);
  send(peer, "not json", 500);
  EXPECT_EQ(lines("Unknown message type") + lines("Error processing message"), ClientLogLimiter::kLinesPerWindow);
  send(other, R"({"type":"other"})", 1);
  EXPECT_TRUE(log.has(testing::kWarn, "Unknown message type: 'other'"));

  now += ClientLogLimiter::kWindow;
  send(peer, R"({"type":"later"})", 1);
  EXPECT_TRUE(log.has(testing::kWarn, "Suppressed 980 warnings about the client at 127.0.0.1"));
  EXPECT_TRUE(log.has(testing::kWarn, "Unknown message type: 'later'"));
  // The pings of the flooding client are answered all the same.
  send(peer, R"({"type":"ping","timestamp":1})", 3);
  EXPECT_EQ(peer->sent().size(), 3u);
}

TEST_F(SignalingFlood, HeldBackCountIsReportedWhenTheSessionEnds) {
  send(peer, R"({"type":"nope"})", ClientLogLimiter::kLinesPerWindow + 5);
  handler.sessionEnded(*peer, false);
  EXPECT_TRUE(log.has(testing::kWarn, "Suppressed 5 warnings about the client at 127.0.0.1"));
  // Reconnecting does not buy a fresh budget.
  send(peer, R"({"type":"again"})", 1);
  EXPECT_FALSE(log.contains("Unknown message type: 'again'"));
}

}  // namespace
}  // namespace parvalon::host
