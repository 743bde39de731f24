#include "network/ClientLogLimiter.h"

#include <cstdint>
#include <vector>

#include "logging/Log.h"

namespace parvalon::host {

std::string clientTextForLog(std::string_view text, std::size_t maxChars) {
  const bool cut = text.size() > maxChars;
  std::string out(cut ? text.substr(0, maxChars) : text);
  if (cut) {
    // Never end on half a UTF-8 character: a last character whose bytes run past the cut goes.
    std::size_t start = out.size();
    while (start > 0 && (static_cast<unsigned char>(out[start - 1]) & 0xC0) == 0x80) --start;
    if (start > 0) {
      const auto lead = static_cast<unsigned char>(out[start - 1]);
      const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      if (start - 1 + length > out.size()) out.resize(start - 1);
    }
  }
  for (auto& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) c = '?';
  }
  if (cut) out += fmt::format("... ({} bytes)", text.size());
  return out;
}

ClientLogLimiter::ClientLogLimiter(Clock clock)
    : clock_(clock ? std::move(clock) : Clock([] { return std::chrono::steady_clock::now(); })) {}

bool ClientLogLimiter::allow(const std::string& address) {
  const auto now = clock_();
  std::uint64_t heldBack = 0;
  bool allowed = false;
  {
    std::lock_guard lock(mutex_);
    if (budgets_.size() >= kMaxAddresses && budgets_.find(address) == budgets_.end()) forgetIdle(now);
    Budget& budget = budgets_[address];
    if (budget.written == 0 && budget.suppressed == 0) budget.windowStart = now;
    if (now - budget.windowStart >= kWindow) {
      heldBack = budget.suppressed;
      budget = Budget{now, 0, 0};
    }
    allowed = budget.written < kLinesPerWindow;
    if (allowed) {
      ++budget.written;
    } else {
      ++budget.suppressed;
    }
  }
  if (heldBack != 0) PV_LOG_WARN("Suppressed {} warnings about the client at {}", heldBack, address);
  return allowed;
}

void ClientLogLimiter::flush(const std::string& address) {
  std::uint64_t heldBack = 0;
  {
    std::lock_guard lock(mutex_);
    const auto it = budgets_.find(address);
    if (it == budgets_.end()) return;
    // The budget stays: a client cannot buy a fresh one by reconnecting.
    heldBack = it->second.suppressed;
    it->second.suppressed = 0;
  }
  if (heldBack != 0) PV_LOG_WARN("Suppressed {} warnings about the client at {}", heldBack, address);
}

void ClientLogLimiter::forgetIdle(std::chrono::steady_clock::time_point now) {
  for (auto it = budgets_.begin(); it != budgets_.end();) {
    if (now - it->second.windowStart >= kWindow && it->second.suppressed == 0) {
      it = budgets_.erase(it);
    } else {
      ++it;
    }
  }
  // Still full (a flood from many addresses at once): start over rather than grow.
  if (budgets_.size() >= kMaxAddresses) budgets_.clear();
}

}  // namespace parvalon::host
