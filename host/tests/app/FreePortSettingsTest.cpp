#include <gtest/gtest.h>

#include <set>

#include "support/FreePortSettings.h"

namespace parvalon::host::test {
namespace {

// Two hundred draws from the kernel's range repeat a port most of the time; claimed ones never do.
TEST(FreePortSettings, PortsPickedInOneProcessAreAllDifferent) {
  std::set<std::uint16_t> ports;
  for (int i = 0; i < 200; ++i) ports.insert(freeTcpPort());
  EXPECT_EQ(ports.size(), 200u);
}

TEST(FreePortSettings, AClaimedPortCannotBeClaimedAgain) {
  const std::uint16_t port = freeTcpPort();
  EXPECT_FALSE(claimPortForThisProcess(port));
}

}  // namespace
}  // namespace parvalon::host::test
