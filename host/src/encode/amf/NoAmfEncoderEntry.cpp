#include "encode/AmfEncoderEntry.h"

namespace parvalon::host {

// AMD's runtime is a Windows library: here the factory never gets an AMF encoder.
std::unique_ptr<EncoderBase> makeAmfEncoder(std::shared_ptr<platform::GpuDevice> device) {
  (void)device;
  return nullptr;
}

}  // namespace parvalon::host
