#pragma once

#include <cstdint>
#include <vector>

#include "FakeAmfData.h"

namespace parvalon::host::testing {

// One encoded access unit as the component hands it out.
class FakeAmfBuffer final : public FakeAmfData<amf::AMFBuffer> {
 public:
  explicit FakeAmfBuffer(std::vector<std::uint8_t> bytes);

  amf::AMF_RESULT PV_AMF_STD_CALL SetSize(amf::amf_size newSize) override;
  amf::amf_size PV_AMF_STD_CALL GetSize() override;
  void* PV_AMF_STD_CALL GetNative() override;
  void PV_AMF_STD_CALL AddBufferObserver(amf::AMFBufferObserver* pObserver) override;
  void PV_AMF_STD_CALL RemoveBufferObserver(amf::AMFBufferObserver* pObserver) override;

 protected:
  bool isBuffer() const override { return true; }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace parvalon::host::testing
