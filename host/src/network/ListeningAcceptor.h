#pragma once

#include <cstdint>

#include <boost/asio/ip/tcp.hpp>

namespace parvalon::host {

// Opens `acceptor` on every IPv4 interface at `port` with address reuse and the largest
// backlog, as every channel listens; returns the bound port (the kernel's pick for 0).
// Throws boost::system::system_error naming the failing step.
inline std::uint16_t openListeningAcceptor(boost::asio::ip::tcp::acceptor& acceptor, std::uint16_t port) {
  namespace asio = boost::asio;
  const asio::ip::tcp::endpoint endpoint(asio::ip::tcp::v4(), port);
  acceptor.open(endpoint.protocol());
  acceptor.set_option(asio::socket_base::reuse_address(true));
  acceptor.bind(endpoint);
  acceptor.listen(asio::socket_base::max_listen_connections);
  return acceptor.local_endpoint().port();
}

}  // namespace parvalon::host
