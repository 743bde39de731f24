#include "app/TrustList.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include <nlohmann/json.hpp>

#include "app/AtomicFile.h"
#include "logging/Log.h"
#include "platform/DataFolder.h"

namespace parvalon::host {

using nlohmann::json;

TrustList::TrustList(std::optional<std::filesystem::path> file) : file_(std::move(file)) {}

TrustList::LoadResult TrustList::load() {
  entries_.clear();
  if (!file_) return LoadResult::Missing;
  std::ifstream in(*file_, std::ios::binary);
  if (!in.is_open()) return LoadResult::Missing;
  try {
    const json root = json::parse(in, nullptr, true, false);
    std::vector<TrustedClient> entries;
    for (const auto& item : root.at("clients")) {
      TrustedClient entry;
      entry.clientName = item.at("clientName").get<std::string>();
      entry.address = item.at("address").get<std::string>();
      entry.lastConnected = item.value("lastConnected", std::int64_t{0});
      if (entry.address.empty()) throw std::runtime_error("an entry has no address");
      entries.push_back(std::move(entry));
    }
    entries_ = std::move(entries);
    PV_LOG_INFO("Trusted clients loaded from {} ({} clients)", platform::pathText(*file_), entries_.size());
    return LoadResult::Loaded;
  } catch (const std::exception& e) {
    in.close();
    // Kept for the operator to look at; the next save must not silently replace what it held.
    std::filesystem::path aside = *file_;
    aside += ".corrupt";
    std::error_code ec;
    std::filesystem::rename(*file_, aside, ec);
    PV_LOG_ERROR("Trusted clients file {} is unreadable ({}); moved it to {}{}", platform::pathText(*file_),
                 e.what(), platform::pathText(aside), ec ? " failed: " + ec.message() : std::string());
    return LoadResult::Corrupt;
  }
}

bool TrustList::save() const {
  if (!file_) return true;
  try {
    json clients = json::array();
    for (const auto& entry : entries_) {
      clients.push_back({{"clientName", entry.clientName}, {"address", entry.address},
                         {"lastConnected", entry.lastConnected}});
    }
    // Serialised first: a name that is not valid UTF-8 throws here, before the file is touched.
    const std::string text = json{{"clients", clients}}.dump(4, ' ', false, json::error_handler_t::replace);
    writeFileAtomically(*file_, text);
    return true;
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Failed to save trusted clients: {}", e.what());
    return false;
  }
}

bool TrustList::matches(const TrustedClient& entry, const std::string& address, const std::string& clientName) {
  if (entry.address != address) return false;
  return entry.clientName.empty() || clientName.empty() || entry.clientName == clientName;
}

TrustedClient* TrustList::find(const std::string& address, const std::string& clientName) {
  // An exact entry first, so that the right entry's last connection is updated.
  for (auto& entry : entries_) {
    if (entry.address == address && entry.clientName == clientName) return &entry;
  }
  for (auto& entry : entries_) {
    if (matches(entry, address, clientName)) return &entry;
  }
  return nullptr;
}

TrustedClient& TrustList::add(const std::string& address, const std::string& clientName) {
  for (auto& entry : entries_) {
    if (entry.address == address && entry.clientName == clientName) return entry;
  }
  entries_.push_back(TrustedClient{clientName, address, 0});
  return entries_.back();
}

bool TrustList::remove(const std::string& address, const std::string& clientName) {
  const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const TrustedClient& entry) {
    return entry.address == address && entry.clientName == clientName;
  });
  if (it == entries_.end()) return false;
  entries_.erase(it);
  return true;
}

}  // namespace parvalon::host
