#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/windows/D3D11Device.h"

namespace parvalon::host::testing {

// A suite whose tests share one D3D11 device: creating one per test is slow under wine.
class SharedD3D11DeviceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { shared_ = platform::win32::D3D11Device::create(); }
  static void TearDownTestSuite() { shared_.reset(); }
  void SetUp() override {
    device = shared_;
    ASSERT_NE(device, nullptr);
  }

  std::shared_ptr<platform::win32::D3D11Device> device;

 private:
  static inline std::shared_ptr<platform::win32::D3D11Device> shared_;
};

}  // namespace parvalon::host::testing
