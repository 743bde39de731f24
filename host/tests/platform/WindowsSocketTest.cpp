#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "fakes/Environment.h"
#include "fakes/WaitUntil.h"
#include "platform/DataFolder.h"
#include "platform/UdpSocket.h"

namespace parvalon::host {
namespace {

using namespace std::chrono_literals;
using platform::UdpPeer;
using platform::UdpSocket;

constexpr std::uint32_t kLoopback = 0x7F000001;
// The Winsock numbers the discovery loop tells apart.
constexpr int kWsaEintr = 10004;
constexpr int kWsaEwouldblock = 10035;
constexpr int kWsaEmsgsize = 10040;
constexpr int kWsaEconnreset = 10054;

// A socket bound to an ephemeral port, as the tests' peer and as the socket under test.
class BoundSocket : public ::testing::Test {
 protected:
  void SetUp() override {
    for (UdpSocket* s : {&a_, &b_}) {
      ASSERT_EQ(s->open(), 0);
      ASSERT_EQ(s->bindAny(0), 0);
      ASSERT_NE(s->localPort(), 0);
    }
  }
  UdpPeer peerOf(const UdpSocket& s) const { return UdpPeer{kLoopback, s.localPort()}; }
  static std::span<const std::uint8_t> bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
  }

  UdpSocket a_;
  UdpSocket b_;
};

TEST_F(BoundSocket, DatagramArrivesWithItsSenderAndSize) {
  ASSERT_EQ(a_.sendTo(bytes("PARVALON_DISCOVER:Quest"), peerOf(b_)), 0);
  ASSERT_EQ(b_.waitReadable(5000ms), UdpSocket::Wait::Readable);
  std::array<std::uint8_t, 1023> buffer{};
  const auto got = b_.receive(buffer);
  ASSERT_EQ(got.error, 0);
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got.size)),
            "PARVALON_DISCOVER:Quest");
  EXPECT_EQ(got.from.port, a_.localPort());
  EXPECT_EQ(got.from.addressText(), "127.0.0.1");
}

TEST_F(BoundSocket, WaitTimesOutWithoutTraffic) { EXPECT_EQ(b_.waitReadable(50ms), UdpSocket::Wait::TimedOut); }

// Winsock refuses a datagram longer than the buffer instead of cutting it; the discovery loop
// must see an error that is neither an interruption nor a reset, so it logs it.
TEST_F(BoundSocket, OversizedDatagramIsAReceiveError) {
  const std::string big(1500, 'x');
  ASSERT_EQ(a_.sendTo(bytes(big), peerOf(b_)), 0);
  ASSERT_EQ(b_.waitReadable(5000ms), UdpSocket::Wait::Readable);
  std::array<std::uint8_t, 1023> buffer{};
  const auto got = b_.receive(buffer);
  EXPECT_EQ(got.error, kWsaEmsgsize);
  EXPECT_FALSE(UdpSocket::isInterruption(got.error));
  EXPECT_FALSE(UdpSocket::isConnectionReset(got.error));
}

// shutdown must end a wait on another thread at once, not after the wait's full time.
TEST_F(BoundSocket, ShutdownWakesABlockedWaitWithNoRequest) {
  std::atomic<bool> woke{false};
  std::atomic<std::size_t> size{99};
  std::thread waiter([&] {
    if (b_.waitReadable(30000ms) == UdpSocket::Wait::Readable) {
      std::array<std::uint8_t, 64> buffer{};
      size = b_.receive(buffer).size;
    }
    woke = true;
  });
  b_.shutdown();
  const bool ended = testing::waitUntil([&] { return woke.load(); }, 10000ms);
  if (!ended) a_.sendTo(bytes("x"), peerOf(b_));  // let the thread go before failing
  waiter.join();
  EXPECT_TRUE(ended);
  EXPECT_EQ(size.load(), 0u);
}

TEST(WindowsSocketErrors, InterruptionAndResetAreTheWinsockCodes) {
  EXPECT_TRUE(UdpSocket::isInterruption(kWsaEintr));
  EXPECT_TRUE(UdpSocket::isInterruption(kWsaEwouldblock));
  EXPECT_TRUE(UdpSocket::isConnectionReset(kWsaEconnreset));
  for (const int other : {0, 4, 104, 111, kWsaEmsgsize, 10048 /* WSAEADDRINUSE */}) {
    EXPECT_FALSE(UdpSocket::isInterruption(other)) << other;
    EXPECT_FALSE(UdpSocket::isConnectionReset(other)) << other;
  }
}

TEST(WindowsSocketErrors, SecondExclusiveBindOfAPortFails) {
  UdpSocket first;
  UdpSocket second;
  ASSERT_EQ(first.open(), 0);
  ASSERT_EQ(first.bindAny(0), 0);
  ASSERT_EQ(second.open(), 0);
  EXPECT_NE(second.bindAny(first.localPort()), 0);
}

// Settings follow the shell's local application-data folder; logs follow the variable.
TEST(WindowsDataFolder, SettingsUseTheShellFolderAndLogsTheVariable) {
  testing::ScopedEnvironment env;
  const auto shell = platform::localAppDataFolder();
  ASSERT_TRUE(shell.has_value());
  EXPECT_TRUE(std::filesystem::is_directory(*shell)) << shell->string();

  const auto elsewhere = std::filesystem::temp_directory_path() / "parvalon-localappdata";
  env.set("LOCALAPPDATA", elsewhere.string());
  EXPECT_EQ(platform::logDataFolder(), elsewhere);
  EXPECT_EQ(platform::localAppDataFolder(), shell);

  env.unset("LOCALAPPDATA");
  EXPECT_FALSE(platform::logDataFolder().has_value());
  EXPECT_EQ(platform::localAppDataFolder(), shell);
}

}  // namespace
}  // namespace parvalon::host
