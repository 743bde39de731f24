#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace parvalon::host {

// One client the operator trusts: what it calls itself in its hello and where it connects from.
struct TrustedClient {
  std::string clientName;  // empty: any client at the address (the first one, before it named itself)
  std::string address;
  std::int64_t lastConnected = 0;  // seconds since the Unix epoch; 0: never since it was added

  bool operator==(const TrustedClient&) const = default;
};

// The clients the operator has trusted, kept in trusted-clients.json beside settings.json and
// written the way the settings are (a sibling file renamed over the old one). Not thread-safe:
// its owner serialises the calls.
class TrustList {
 public:
  static constexpr const char* kFileName = "trusted-clients.json";

  enum class LoadResult { Loaded, Missing, Corrupt };

  // `file`: where the list lives; nullopt keeps it in memory only.
  explicit TrustList(std::optional<std::filesystem::path> file);

  // A corrupt file is logged and moved aside to "<name>.corrupt" (never overwritten in place),
  // and the list starts empty.
  LoadResult load();
  bool save() const;

  // Whether `entry` lets the client named `clientName` at `address` in: same address, and the
  // same name unless either side has none. Names are what a client says about itself, so the
  // address is what keeps strangers out; the name tells devices behind one address apart.
  static bool matches(const TrustedClient& entry, const std::string& address, const std::string& clientName);

  const std::vector<TrustedClient>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }
  TrustedClient* find(const std::string& address, const std::string& clientName);
  // Adds the client or, when it is listed under exactly that name and address, returns that entry.
  TrustedClient& add(const std::string& address, const std::string& clientName);
  // Removes the entry with exactly that name and address; false when there is none.
  bool remove(const std::string& address, const std::string& clientName);

  const std::optional<std::filesystem::path>& file() const { return file_; }

 private:
  std::optional<std::filesystem::path> file_;
  std::vector<TrustedClient> entries_;
};

}  // namespace parvalon::host
