#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/ClientApproval.h"
#include "app/TrustList.h"
#include "fakes/LogCapture.h"
#include "fakes/TestFolder.h"

// Who may use the host, without a network: the first client, waiting clients, the operator's
// answers, wrong PINs and the file the trusted clients are kept in.
namespace parvalon::host {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class ClientApprovalTest : public ::testing::Test {
 protected:
  fs::path file() const { return folder_.path() / TrustList::kFileName; }
  std::unique_ptr<ClientApproval> make(ClientApproval::Options options = {}) {
    TrustList list(file());
    const auto loaded = list.load();
    return std::make_unique<ClientApproval>(std::move(list), loaded, options, [this] { return now_; },
                                            [] { return std::int64_t{1700000000}; });
  }

  testing::LogCapture log_;
  testing::TestFolder folder_{"parvalon-trust"};
  ClientApproval::Clock::time_point now_{std::chrono::hours(1)};
};

TEST_F(ClientApprovalTest, FirstClientIsTrustedAndNamedByItsHelloAndAStrangerWaits) {
  auto approval = make();
  approval->sessionOpened(1, "127.0.0.1");
  EXPECT_TRUE(approval->sessionApproved(1));
  EXPECT_TRUE(approval->addressApproved("127.0.0.1"));
  EXPECT_TRUE(log_.contains("Trusted the first client at 127.0.0.1: the trust list was empty"));
  EXPECT_TRUE(approval->hello(1, "127.0.0.1", "Quest 3", "").approved);

  approval->sessionOpened(2, "127.0.0.2");
  EXPECT_FALSE(approval->sessionApproved(2));
  const auto waiting = approval->hello(2, "127.0.0.2", "stranger", "");
  EXPECT_FALSE(waiting.approved);
  EXPECT_EQ(waiting.error, "awaiting approval on the host");
  EXPECT_FALSE(waiting.tellOnHello);
  EXPECT_FALSE(waiting.close);
  EXPECT_FALSE(approval->addressApproved("127.0.0.2"));
  ASSERT_EQ(approval->pending().size(), 1u);
  EXPECT_EQ(approval->pending()[0].clientName, "stranger");

  // Another name at the headset's address is another device: it waits too.
  approval->sessionOpened(3, "127.0.0.1");
  EXPECT_FALSE(approval->hello(3, "127.0.0.1", "phone", "").approved);

  // The list survives the run, with the first client's own name.
  TrustList reread(file());
  ASSERT_EQ(reread.load(), TrustList::LoadResult::Loaded);
  ASSERT_EQ(reread.entries().size(), 1u);
  EXPECT_EQ(reread.entries()[0], (TrustedClient{"Quest 3", "127.0.0.1", 1700000000}));
}

TEST_F(ClientApprovalTest, WithoutTrustFirstClientEvenTheFirstWaits) {
  auto approval = make(ClientApproval::Options{false, false, ""});
  approval->sessionOpened(1, "127.0.0.1");
  EXPECT_FALSE(approval->sessionApproved(1));
  EXPECT_FALSE(approval->hello(1, "127.0.0.1", "Quest 3", "").approved);
  EXPECT_EQ(approval->pending().size(), 1u);
}

TEST_F(ClientApprovalTest, AllowTrustsTheClientAndApprovesItsWaitingSessions) {
  auto approval = make();
  approval->sessionOpened(1, "127.0.0.1");
  approval->sessionOpened(2, "127.0.0.2");
  approval->hello(2, "127.0.0.2", "stranger", "");
  approval->sessionOpened(3, "127.0.0.2");
  approval->hello(3, "127.0.0.2", "stranger", "");
  EXPECT_FALSE(approval->allow(1).has_value());  // not waiting
  const auto approved = approval->allow(2);
  ASSERT_TRUE(approved);
  ASSERT_EQ(approved->size(), 2u);
  EXPECT_TRUE(approval->sessionApproved(2));
  EXPECT_TRUE(approval->sessionApproved(3));
  EXPECT_TRUE(approval->addressApproved("127.0.0.2"));
  EXPECT_TRUE(approval->pending().empty());
  EXPECT_TRUE(log_.contains("The operator allowed 'stranger' at 127.0.0.2"));

  // Next time it is let in at once.
  approval->sessionClosed(2);
  approval->sessionClosed(3);
  EXPECT_FALSE(approval->addressApproved("127.0.0.2"));
  approval->sessionOpened(4, "127.0.0.2");
  EXPECT_TRUE(approval->hello(4, "127.0.0.2", "stranger", "").approved);
}

TEST_F(ClientApprovalTest, DenyClosesAndIgnoresTheClientForAMinute) {
  auto approval = make();
  approval->sessionOpened(1, "127.0.0.1");
  approval->sessionOpened(2, "127.0.0.2");
  approval->hello(2, "127.0.0.2", "stranger", "");
  const auto closing = approval->deny(2);
  ASSERT_EQ(closing.size(), 1u);
  EXPECT_EQ(closing[0].sessionId, 2u);
  EXPECT_TRUE(approval->admission(2).close);

  approval->sessionOpened(3, "127.0.0.2");
  now_ += 59s;
  const auto again = approval->hello(3, "127.0.0.2", "stranger", "");
  EXPECT_FALSE(again.approved);
  EXPECT_TRUE(again.close);
  EXPECT_TRUE(approval->pending().empty());  // no new prompt for the operator

  approval->sessionOpened(4, "127.0.0.2");
  now_ += 1s;
  const auto later = approval->hello(4, "127.0.0.2", "stranger", "");
  EXPECT_FALSE(later.close);
  EXPECT_EQ(approval->pending().size(), 1u);
}

TEST_F(ClientApprovalTest, RemovingAClientClosesWhatItLetInAndItWaitsNextTime) {
  auto approval = make();
  approval->sessionOpened(1, "127.0.0.1");
  approval->hello(1, "127.0.0.1", "Quest 3", "");
  approval->sessionOpened(2, "127.0.0.2");
  approval->hello(2, "127.0.0.2", "stranger", "");
  ASSERT_TRUE(approval->allow(2));

  EXPECT_TRUE(approval->remove("127.0.0.2", "nobody").empty());
  const auto closing = approval->remove("127.0.0.2", "stranger");
  ASSERT_EQ(closing.size(), 1u);
  EXPECT_EQ(closing[0].sessionId, 2u);
  EXPECT_FALSE(approval->sessionApproved(2));
  EXPECT_FALSE(approval->addressApproved("127.0.0.2"));
  EXPECT_TRUE(approval->sessionApproved(1));  // the headset is not touched

  approval->sessionClosed(2);
  approval->sessionOpened(3, "127.0.0.2");
  EXPECT_FALSE(approval->hello(3, "127.0.0.2", "stranger", "").approved);
  EXPECT_EQ(approval->trusted().size(), 1u);
}

TEST_F(ClientApprovalTest, OnlyTheRightPinJoinsAndThreeWrongOnesCloseForAMinute) {
  auto approval = make(ClientApproval::Options{true, true, "4821"});
  EXPECT_EQ(approval->pin(), "4821");
  // With a PIN asked for, the first client has no free pass.
  approval->sessionOpened(1, "127.0.0.2");
  EXPECT_FALSE(approval->sessionApproved(1));
  const auto none = approval->hello(1, "127.0.0.2", "guest", "");
  EXPECT_EQ(none.error, "PIN required");
  EXPECT_TRUE(none.tellOnHello);
  EXPECT_FALSE(none.close);
  EXPECT_TRUE(approval->pending().empty());  // the Allow prompt is not the way in here

  const auto first = approval->hello(1, "127.0.0.2", "guest", "1111");
  EXPECT_EQ(first.error, "wrong PIN");
  EXPECT_FALSE(first.close);
  approval->sessionOpened(2, "127.0.0.2");
  EXPECT_FALSE(approval->hello(2, "127.0.0.2", "guest", "2222").close);
  approval->sessionOpened(3, "127.0.0.2");
  EXPECT_TRUE(approval->hello(3, "127.0.0.2", "guest", "3333").close);
  // Even the right PIN waits out the minute: guessing must not pay.
  approval->sessionOpened(4, "127.0.0.2");
  EXPECT_TRUE(approval->hello(4, "127.0.0.2", "guest", "4821").close);

  now_ += 61s;
  approval->sessionOpened(5, "127.0.0.2");
  EXPECT_TRUE(approval->hello(5, "127.0.0.2", "guest", "4821").approved);
  EXPECT_TRUE(approval->addressApproved("127.0.0.2"));
  EXPECT_TRUE(log_.contains("Trusted 'guest' at 127.0.0.2: it gave the right PIN"));
}

TEST_F(ClientApprovalTest, CorruptListIsKeptAsideAndTurnsTheFirstClientRuleOff) {
  std::ofstream(file()) << "{\"clients\": [ {\"clientName\": 7";
  auto approval = make();
  EXPECT_TRUE(log_.contains("is unreadable"));
  EXPECT_FALSE(fs::exists(file()));
  std::ifstream aside(file().string() + ".corrupt");
  std::string kept((std::istreambuf_iterator<char>(aside)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept, "{\"clients\": [ {\"clientName\": 7");
  // The list may have held clients: nobody is let in without the operator.
  approval->sessionOpened(1, "127.0.0.1");
  EXPECT_FALSE(approval->sessionApproved(1));
  EXPECT_FALSE(approval->hello(1, "127.0.0.1", "Quest 3", "").approved);
}

TEST(TrustListMatch, NamesMatchWhenEqualOrWhenEitherHasNone) {
  const TrustedClient named{"Quest 3", "127.0.0.23", 0};
  EXPECT_TRUE(TrustList::matches(named, "127.0.0.23", "Quest 3"));
  EXPECT_TRUE(TrustList::matches(named, "127.0.0.23", ""));
  EXPECT_FALSE(TrustList::matches(named, "127.0.0.23", "Quest 2"));
  EXPECT_FALSE(TrustList::matches(named, "127.0.0.24", "Quest 3"));
  EXPECT_TRUE(TrustList::matches(TrustedClient{"", "127.0.0.23", 0}, "127.0.0.23", "anything"));
}

}  // namespace
}  // namespace parvalon::host
