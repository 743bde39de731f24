#pragma once

#include <exception>
#include <string_view>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>

#include "logging/Log.h"

// Running an io context so that a throwing handler costs only itself: the exception is logged
// as "<label> IO error: ..." and the remaining handlers run as usual.
namespace parvalon::host::io_runner {

namespace detail {
template <class Run>
void runLogged(Run run, std::string_view label) {
  for (;;) {
    try {
      run();
      return;
    } catch (const std::exception& e) {
      PV_LOG_ERROR("{} IO error: {}", label, e.what());
    } catch (...) {
      PV_LOG_ERROR("{} IO error: {}", label, "unknown exception");
    }
  }
}
}  // namespace detail

// The io thread's body: runs handlers until the context is stopped.
inline void runUntilStopped(boost::asio::io_context& io, std::string_view label) {
  auto work = boost::asio::make_work_guard(io);
  detail::runLogged([&io] { io.run(); }, label);
}

// Runs the handlers that are ready, on the calling thread, without blocking.
inline void pollReady(boost::asio::io_context& io, std::string_view label) {
  detail::runLogged([&io] { io.poll(); }, label);
}

}  // namespace parvalon::host::io_runner
