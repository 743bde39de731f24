#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace parvalon::host {

// A client that said hello and waits for the operator's Allow or Deny.
struct PendingClientView {
  std::uint64_t sessionId = 0;
  std::string clientName;  // already cut for display
  std::string address;

  bool operator==(const PendingClientView&) const = default;
};

// One line of the trusted-clients list on the Settings page.
struct TrustedClientView {
  std::string clientName;  // as stored (the Remove action names the entry by it)
  std::string address;
  std::string lastConnected;  // display text

  bool operator==(const TrustedClientView&) const = default;
};

// Who may use the host, pushed into the dashboard every frame.
struct TrustView {
  std::vector<PendingClientView> pending;
  std::vector<TrustedClientView> trusted;
  std::string pin;  // the pairing PIN when one is required, else empty

  bool operator==(const TrustView&) const = default;
};

}  // namespace parvalon::host
