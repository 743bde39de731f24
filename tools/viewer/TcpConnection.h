#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

namespace parvalon::viewer {

// One client TCP connection with bounded waits. One thread reads while others may write
// (writes are serialised); `shutdown` from any thread wakes a blocked reader.
class TcpConnection {
 public:
  enum class ReadResult { Ok, Timeout, Closed, Error };

  TcpConnection() = default;
  ~TcpConnection();
  TcpConnection(const TcpConnection&) = delete;
  TcpConnection& operator=(const TcpConnection&) = delete;

  // Numeric IPv4 address or a host name; TCP_NODELAY on, as the host's channels expect.
  bool connect(const std::string& host, std::uint16_t port, std::chrono::milliseconds timeout);
  bool isOpen() const { return fd_.load() >= 0; }

  // Reads exactly `size` bytes. Timeout only when no byte of this call has arrived yet, so a
  // caller may poll a stop flag between messages without ever losing message alignment;
  // once a read has started it waits up to `midMessageTimeout` for the rest.
  ReadResult readExact(std::uint8_t* out, std::size_t size, std::chrono::milliseconds idleTimeout,
                       std::chrono::milliseconds midMessageTimeout = std::chrono::seconds(10));
  bool writeAll(const std::uint8_t* data, std::size_t size);

  void shutdown();
  void close();

 private:
  std::atomic<int> fd_{-1};
  std::mutex writeMutex_;  // serialises writers (feedback timer, input forwarder, key-frame requests)
};

}  // namespace parvalon::viewer
