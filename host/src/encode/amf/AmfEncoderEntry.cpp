#include "encode/AmfEncoderEntry.h"

#include <utility>

#include "encode/amf/AmfEncoder.h"

namespace parvalon::host {

std::unique_ptr<EncoderBase> makeAmfEncoder(std::shared_ptr<platform::GpuDevice> device) {
  return std::make_unique<AmfEncoder>(std::move(device));
}

}  // namespace parvalon::host
