#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/TrustList.h"

namespace parvalon::host {

// Who may use the host: the trust list, the clients waiting for the operator, the signaling
// sessions and whether each is approved, refused clients and wrong PINs. Only decisions live
// here; the Application carries them out (replies, closing sessions, the dashboard). Any thread:
// one mutex, innermost (nothing is called while it is held).
class ClientApproval {
 public:
  using Clock = std::chrono::steady_clock;
  using Now = std::function<Clock::time_point()>;
  using WallNow = std::function<std::int64_t()>;  // seconds since the Unix epoch

  static constexpr std::chrono::seconds kDenyPeriod{60};
  static constexpr std::chrono::seconds kPinWindow{60};
  static constexpr std::size_t kMaxWrongPins = 3;
  static constexpr const char* kAwaitingApprovalText = "awaiting approval on the host";
  static constexpr const char* kPinRequiredText = "PIN required";
  static constexpr const char* kWrongPinText = "wrong PIN";
  static constexpr const char* kRefusedText = "refused by the host";

  struct Options {
    bool trustFirstClient = true;
    bool requirePin = false;
    std::string pin;  // required when requirePin; four digits
  };

  // What a session's requests get.
  struct Admission {
    bool approved = false;
    std::string error;           // the reply to a refused request
    bool tellOnHello = false;    // the error also follows the welcome (a PIN problem)
    bool close = false;          // the session is to be closed
  };

  // A session that just became approved, or one to close, with who it is.
  struct SessionRef {
    std::uint64_t sessionId = 0;
    std::string address;
    std::string clientName;
  };

  struct Pending {
    std::uint64_t sessionId = 0;
    std::string clientName;
    std::string address;
  };

  // `list` is loaded already; `listLoaded` is its load result (a corrupt list turns the
  // first-client rule off: the list is not known to be empty).
  ClientApproval(TrustList list, TrustList::LoadResult listLoaded, Options options, Now now = {}, WallNow wallNow = {});

  // A signaling session completed its handshake: it is approved at once when its address is
  // trusted, or when it is the first client while the list is empty.
  void sessionOpened(std::uint64_t sessionId, const std::string& address);
  // The session said hello naming itself; `pin` as it sent it (empty: none).
  Admission hello(std::uint64_t sessionId, const std::string& address, const std::string& clientName,
                  const std::string& pin);
  void sessionClosed(std::uint64_t sessionId);

  Admission admission(std::uint64_t sessionId) const;
  bool sessionApproved(std::uint64_t sessionId) const;
  // Whether some approved signaling session comes from `address` (the channels' gate).
  bool addressApproved(const std::string& address) const;

  // The operator's answers. Allow trusts the client and approves its waiting sessions (returned,
  // each to get a fresh window list); nullopt when no such client waits.
  std::optional<std::vector<SessionRef>> allow(std::uint64_t sessionId);
  // Deny ignores the client for kDenyPeriod; its sessions are returned to be closed.
  std::vector<SessionRef> deny(std::uint64_t sessionId);
  // Removes the entry; the sessions it let in that no other entry covers are returned to be closed.
  std::vector<SessionRef> remove(const std::string& address, const std::string& clientName);

  std::vector<Pending> pending() const;
  std::vector<TrustedClient> trusted() const;
  // The pairing PIN when one is required, else empty.
  std::string pin() const { return options_.requirePin ? options_.pin : std::string(); }
  // Four random digits.
  static std::string makePin();

 private:
  enum class State { Unidentified, Pending, Approved, Refused };
  struct Session {
    std::string address;
    std::string clientName;
    bool saidHello = false;
    State state = State::Unidentified;
    std::string error;
    bool tellOnHello = false;
    bool ownsFirstEntry = false;  // trusted as the first client before it named itself
  };

  bool firstClientAllowedLocked() const;
  void approveLocked(Session& session, TrustedClient& entry);
  Admission admissionOf(const Session& session) const;
  Admission refuseLocked(Session& session, std::string error, bool close);
  bool pinBlockedLocked(const std::string& address);
  void saveLocked() const;

  const Options options_;
  Now now_;
  WallNow wallNow_;
  mutable std::mutex mutex_;  // guards everything below; signaling, channel and main threads
  TrustList list_;
  bool listUnreadable_;
  bool firstClientTaken_ = false;
  std::map<std::uint64_t, Session> sessions_;
  std::map<std::pair<std::string, std::string>, Clock::time_point> deniedUntil_;  // (address, name)
  std::unordered_map<std::string, std::deque<Clock::time_point>> wrongPins_;     // by address
};

}  // namespace parvalon::host
