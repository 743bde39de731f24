#include "encode/SoftwareEncoderEntry.h"

namespace parvalon::host {

bool softwareEncoderUsable() { return false; }

std::unique_ptr<EncoderBase> makeSoftwareEncoder() { return nullptr; }

}  // namespace parvalon::host
