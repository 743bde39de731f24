#pragma once

#include <memory>

#include "encode/EncoderBase.h"

namespace parvalon::host {

// The software encoder as the factory reaches it. A build without one (Windows, where the
// encoders are the GPU vendors') answers "not usable" and creates nothing.
bool softwareEncoderUsable();
std::unique_ptr<EncoderBase> makeSoftwareEncoder();

}  // namespace parvalon::host
