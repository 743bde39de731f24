#include "FakeAmfBuffer.h"

#include <utility>

namespace parvalon::host::testing {

FakeAmfBuffer::FakeAmfBuffer(std::vector<std::uint8_t> bytes)
    : FakeAmfData("Buffer", amf::AMF_DATA_BUFFER), bytes_(std::move(bytes)) {}

amf::AMF_RESULT FakeAmfBuffer::SetSize(amf::amf_size) { return unexpected("SetSize"); }
amf::amf_size FakeAmfBuffer::GetSize() {
  log("GetSize");
  return bytes_.size();
}
void* FakeAmfBuffer::GetNative() {
  log("GetNative");
  return bytes_.data();
}
void FakeAmfBuffer::AddBufferObserver(amf::AMFBufferObserver*) { unexpected("AddBufferObserver"); }
void FakeAmfBuffer::RemoveBufferObserver(amf::AMFBufferObserver*) { unexpected("RemoveBufferObserver"); }

}  // namespace parvalon::host::testing
