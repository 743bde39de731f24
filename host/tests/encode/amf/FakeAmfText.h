#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "encode/amf/AmfApi.h"

namespace parvalon::host::testing {

// Text forms of the fake AMF runtime's log, shared by the fake and the tests that read it.

inline std::string fakeAmfPointer(const void* pointer) {
  if (pointer == nullptr) return "null";
  char text[32];
  std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(pointer)));
  return text;
}

inline std::string fakeAmfNarrow(const wchar_t* text) {
  std::string out;
  for (; text != nullptr && *text != 0; ++text) out.push_back(*text < 0x80 ? static_cast<char>(*text) : '?');
  return out;
}

inline std::string fakeAmfDescribe(const amf::AMFVariantStruct& value) {
  switch (value.type) {
    case amf::AMF_VARIANT_INT64: return "int64:" + std::to_string(value.int64Value);
    case amf::AMF_VARIANT_BOOL: return value.boolValue ? "bool:true" : "bool:false";
    case amf::AMF_VARIANT_RATE:
      return "rate:" + std::to_string(value.rateValue.num) + "/" + std::to_string(value.rateValue.den);
    default: return "type:" + std::to_string(static_cast<int>(value.type));
  }
}

}  // namespace parvalon::host::testing
