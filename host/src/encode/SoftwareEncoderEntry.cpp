#include "encode/SoftwareEncoderEntry.h"

#include "encode/SoftwareEncoder.h"

namespace parvalon::host {

bool softwareEncoderUsable() { return SoftwareEncoder::isAvailable(); }

std::unique_ptr<EncoderBase> makeSoftwareEncoder() { return std::make_unique<SoftwareEncoder>(); }

}  // namespace parvalon::host
