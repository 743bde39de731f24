#include "encode/EncoderType.h"

namespace parvalon::host {

const char* encoderTypeName(EncoderType type) {
  switch (type) {
    case EncoderType::NVENC: return "NVENC";
    case EncoderType::AMF: return "AMF";
    case EncoderType::QuickSync: return "QuickSync";
    case EncoderType::Software: return "Software";
  }
  return "Unknown";
}

}  // namespace parvalon::host
