#include "app/ClientApproval.h"

#include <algorithm>
#include <random>

#include <fmt/format.h>

#include "logging/Log.h"
#include "network/ClientLogLimiter.h"

namespace parvalon::host {

namespace {

std::string nameForLog(const std::string& clientName) {
  return clientName.empty() ? std::string("an unnamed client") : "'" + clientTextForLog(clientName) + "'";
}

}  // namespace

ClientApproval::ClientApproval(TrustList list, TrustList::LoadResult listLoaded, Options options, Now now,
                               WallNow wallNow)
    : options_(std::move(options)),
      now_(now ? std::move(now) : Now([] { return Clock::now(); })),
      wallNow_(wallNow ? std::move(wallNow) : WallNow([] {
        return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                             std::chrono::system_clock::now().time_since_epoch())
                                             .count());
      })),
      list_(std::move(list)),
      listUnreadable_(listLoaded == TrustList::LoadResult::Corrupt) {}

std::string ClientApproval::makePin() {
  std::random_device device;
  std::uniform_int_distribution<int> digits(0, 9999);
  return fmt::format("{:04d}", digits(device));
}

bool ClientApproval::firstClientAllowedLocked() const {
  // A PIN, when asked for, is the only way in; an unreadable list may have held clients.
  return options_.trustFirstClient && !options_.requirePin && !listUnreadable_ && !firstClientTaken_ && list_.empty();
}

void ClientApproval::approveLocked(Session& session, TrustedClient& entry) {
  session.state = State::Approved;
  session.error.clear();
  session.tellOnHello = false;
  entry.lastConnected = wallNow_();
  saveLocked();
}

void ClientApproval::saveLocked() const { list_.save(); }

void ClientApproval::sessionOpened(std::uint64_t sessionId, const std::string& address) {
  std::lock_guard lock(mutex_);
  Session& session = sessions_[sessionId];
  session.address = address;
  if (TrustedClient* entry = list_.find(address, "")) {
    approveLocked(session, *entry);
    return;
  }
  if (firstClientAllowedLocked()) {
    // The first run stays one step: the operator's headset is usually the first to connect.
    firstClientTaken_ = true;
    session.ownsFirstEntry = true;
    approveLocked(session, list_.add(address, ""));
    PV_LOG_INFO("Trusted the first client at {}: the trust list was empty", address);
  }
}

ClientApproval::Admission ClientApproval::hello(std::uint64_t sessionId, const std::string& address,
                                                const std::string& clientName, const std::string& pin) {
  std::lock_guard lock(mutex_);
  Session& session = sessions_[sessionId];
  session.address = address;
  session.clientName = clientName;
  session.saidHello = true;
  if (session.state == State::Refused) return admissionOf(session);

  if (session.ownsFirstEntry) {
    // The first client names the entry it was trusted under.
    if (TrustedClient* entry = list_.find(address, ""); entry && entry->clientName.empty()) {
      entry->clientName = clientName;
      approveLocked(session, *entry);
      if (!clientName.empty()) PV_LOG_INFO("The first client at {} is {}", address, nameForLog(clientName));
      return admissionOf(session);
    }
  }
  const auto key = std::make_pair(address, clientName);
  if (const auto denied = deniedUntil_.find(key); denied != deniedUntil_.end()) {
    if (now_() < denied->second) {
      PV_LOG_WARN("Ignoring {} at {}: denied on the host less than a minute ago", nameForLog(clientName), address);
      return refuseLocked(session, kRefusedText, true);
    }
    deniedUntil_.erase(denied);
  }
  if (TrustedClient* entry = list_.find(address, clientName)) {
    approveLocked(session, *entry);
    PV_LOG_INFO("Trusted client {} at {} connected", nameForLog(clientName), address);
    return admissionOf(session);
  }
  if (options_.requirePin) {
    if (pinBlockedLocked(address)) {
      PV_LOG_WARN("Refusing {} at {}: too many wrong PINs from that address", nameForLog(clientName), address);
      return refuseLocked(session, kWrongPinText, true);
    }
    if (pin.empty()) {
      PV_LOG_WARN("Client {} at {} sent no PIN; the host asks for one", nameForLog(clientName), address);
      session.state = State::Unidentified;
      session.error = kPinRequiredText;
      session.tellOnHello = true;
      return admissionOf(session);
    }
    if (pin != options_.pin) {
      auto& attempts = wrongPins_[address];
      attempts.push_back(now_());
      PV_LOG_WARN("Wrong PIN from {} at {} ({} of {} within a minute)", nameForLog(clientName), address,
                  attempts.size(), kMaxWrongPins);
      if (attempts.size() >= kMaxWrongPins) return refuseLocked(session, kWrongPinText, true);
      session.state = State::Unidentified;
      session.error = kWrongPinText;
      session.tellOnHello = true;
      return admissionOf(session);
    }
    approveLocked(session, list_.add(address, clientName));
    PV_LOG_INFO("Trusted {} at {}: it gave the right PIN", nameForLog(clientName), address);
    return admissionOf(session);
  }
  if (firstClientAllowedLocked()) {
    firstClientTaken_ = true;
    approveLocked(session, list_.add(address, clientName));
    PV_LOG_INFO("Trusted the first client {} at {}: the trust list was empty", nameForLog(clientName), address);
    return admissionOf(session);
  }
  session.state = State::Pending;
  session.error = kAwaitingApprovalText;
  session.tellOnHello = false;
  PV_LOG_WARN("Client {} at {} is not trusted: waiting for the operator to allow it on the host",
              nameForLog(clientName), address);
  return admissionOf(session);
}

bool ClientApproval::pinBlockedLocked(const std::string& address) {
  auto it = wrongPins_.find(address);
  if (it == wrongPins_.end()) return false;
  const auto since = now_() - kPinWindow;
  auto& attempts = it->second;
  while (!attempts.empty() && attempts.front() <= since) attempts.pop_front();
  if (attempts.empty()) {
    wrongPins_.erase(it);
    return false;
  }
  return attempts.size() >= kMaxWrongPins;
}

ClientApproval::Admission ClientApproval::refuseLocked(Session& session, std::string error, bool close) {
  session.state = State::Refused;
  session.error = std::move(error);
  session.tellOnHello = true;
  Admission a = admissionOf(session);
  a.close = close;
  return a;
}

void ClientApproval::sessionClosed(std::uint64_t sessionId) {
  std::lock_guard lock(mutex_);
  sessions_.erase(sessionId);
}

ClientApproval::Admission ClientApproval::admissionOf(const Session& session) const {
  Admission a;
  a.approved = session.state == State::Approved;
  if (a.approved) return a;
  a.error = session.error.empty() ? std::string(kAwaitingApprovalText) : session.error;
  a.tellOnHello = session.tellOnHello;
  a.close = session.state == State::Refused;
  return a;
}

ClientApproval::Admission ClientApproval::admission(std::uint64_t sessionId) const {
  std::lock_guard lock(mutex_);
  const auto it = sessions_.find(sessionId);
  if (it == sessions_.end()) return admissionOf(Session{});
  return admissionOf(it->second);
}

bool ClientApproval::sessionApproved(std::uint64_t sessionId) const { return admission(sessionId).approved; }

bool ClientApproval::addressApproved(const std::string& address) const {
  std::lock_guard lock(mutex_);
  return std::any_of(sessions_.begin(), sessions_.end(), [&](const auto& s) {
    return s.second.state == State::Approved && s.second.address == address;
  });
}

std::optional<std::vector<ClientApproval::SessionRef>> ClientApproval::allow(std::uint64_t sessionId) {
  std::lock_guard lock(mutex_);
  const auto it = sessions_.find(sessionId);
  if (it == sessions_.end() || it->second.state != State::Pending) return std::nullopt;
  const std::string address = it->second.address;
  const std::string clientName = it->second.clientName;
  TrustedClient& entry = list_.add(address, clientName);
  std::vector<SessionRef> approved;
  for (auto& [id, session] : sessions_) {
    if (session.state != State::Pending || session.address != address || session.clientName != clientName) continue;
    session.state = State::Approved;
    session.error.clear();
    approved.push_back({id, address, clientName});
  }
  entry.lastConnected = wallNow_();
  saveLocked();
  PV_LOG_INFO("The operator allowed {} at {}", nameForLog(clientName), address);
  return approved;
}

std::vector<ClientApproval::SessionRef> ClientApproval::deny(std::uint64_t sessionId) {
  std::lock_guard lock(mutex_);
  std::vector<SessionRef> closing;
  const auto it = sessions_.find(sessionId);
  if (it == sessions_.end() || it->second.state != State::Pending) return closing;
  const std::string address = it->second.address;
  const std::string clientName = it->second.clientName;
  deniedUntil_[{address, clientName}] = now_() + kDenyPeriod;
  for (auto& [id, session] : sessions_) {
    if (session.state != State::Pending || session.address != address || session.clientName != clientName) continue;
    session.state = State::Refused;
    session.error = kRefusedText;
    closing.push_back({id, address, clientName});
  }
  PV_LOG_INFO("The operator denied {} at {}; it is ignored for {} s", nameForLog(clientName), address,
              kDenyPeriod.count());
  return closing;
}

std::vector<ClientApproval::SessionRef> ClientApproval::remove(const std::string& address,
                                                               const std::string& clientName) {
  std::lock_guard lock(mutex_);
  std::vector<SessionRef> closing;
  if (!list_.remove(address, clientName)) return closing;
  saveLocked();
  PV_LOG_INFO("Removed {} at {} from the trusted clients", nameForLog(clientName), address);
  for (auto& [id, session] : sessions_) {
    if (session.state != State::Approved || list_.find(session.address, session.clientName)) continue;
    session.state = State::Refused;
    session.error = kRefusedText;
    closing.push_back({id, session.address, session.clientName});
  }
  return closing;
}

std::vector<ClientApproval::Pending> ClientApproval::pending() const {
  std::lock_guard lock(mutex_);
  std::vector<Pending> waiting;
  for (const auto& [id, session] : sessions_) {
    if (session.state == State::Pending) waiting.push_back({id, session.clientName, session.address});
  }
  return waiting;
}

std::vector<TrustedClient> ClientApproval::trusted() const {
  std::lock_guard lock(mutex_);
  return list_.entries();
}

}  // namespace parvalon::host
