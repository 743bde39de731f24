#pragma once

#include <cstdint>
#include <string>

namespace parvalon::host {

// What the status bar and the connection card show about the headset, pushed every frame.
struct ConnectionStatus {
  bool connected = false;
  std::string clientName;
  std::string clientAddress;
  std::int32_t fps = 0;
  float latencyMs = 0.0f;
  float bitrateMbps = 0.0f;

  bool operator==(const ConnectionStatus&) const = default;
};

}  // namespace parvalon::host
