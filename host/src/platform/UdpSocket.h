#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace parvalon::host::platform {

// An IPv4 peer of a datagram.
struct UdpPeer {
  std::uint32_t address = 0;  // host byte order
  std::uint16_t port = 0;
  std::string addressText() const;
};

// An IPv4 UDP socket owned by value. Errors are reported as the system error number.
class UdpSocket {
 public:
  enum class Wait { Readable, TimedOut, Failed };

  struct Received {
    std::size_t size = 0;
    UdpPeer from;
    int error = 0;  // non-zero when nothing usable was received
  };

  UdpSocket() = default;
  ~UdpSocket();
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;

  // Each returns 0 on success or the system error number.
  int open();
  int setReuseAddress(bool on);
  int setBroadcast(bool on);
  int bindAny(std::uint16_t port);
  // Binds one IPv4 address (host byte order; 0: every interface).
  int bindTo(std::uint32_t address, std::uint16_t port);
  int sendTo(std::span<const std::uint8_t> data, const UdpPeer& to);

  bool isOpen() const { return fd_ >= 0; }
  // The bound port (for sockets bound to port 0).
  std::uint16_t localPort() const;

  Wait waitReadable(std::chrono::milliseconds timeout);
  // Receives one datagram; one longer than the buffer is refused with EMSGSIZE (WSAEMSGSIZE).
  Received receive(std::span<std::uint8_t> buffer);

  // Wakes a thread blocked in waitReadable or receive (Windows: with an empty datagram to the
  // socket's own port on 127.0.0.1, which the listener reads as no request).
  void shutdown();
  void close();

  static bool isInterruption(int error);
  static bool isConnectionReset(int error);

 private:
  std::intptr_t fd_ = -1;  // a descriptor, or a SOCKET handle on Windows
};

}  // namespace parvalon::host::platform
