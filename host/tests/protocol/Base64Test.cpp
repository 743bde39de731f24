#include <gtest/gtest.h>

#include <string>

#include "protocol/Base64.h"

namespace parvalon::protocol {
namespace {

struct Vector {
  std::string bytes;
  std::string text;
};

class Base64Vectors : public ::testing::TestWithParam<Vector> {};

// RFC 4648 section 10, plus bytes that reach the two last alphabet characters and a zero byte.
INSTANTIATE_TEST_SUITE_P(Rfc4648, Base64Vectors,
                         ::testing::Values(Vector{"", ""}, Vector{"f", "Zg=="}, Vector{"fo", "Zm8="},
                                           Vector{"foo", "Zm9v"}, Vector{"foob", "Zm9vYg=="},
                                           Vector{"fooba", "Zm9vYmE="}, Vector{"foobar", "Zm9vYmFy"},
                                           Vector{"\xFB\xFF", "+/8="}, Vector{std::string("\0\x10\x83", 3), "ABCD"}));

TEST_P(Base64Vectors, EncodesAndDecodes) {
  const auto& v = GetParam();
  const auto* data = reinterpret_cast<const std::uint8_t*>(v.bytes.data());
  EXPECT_EQ(encodeBase64(data, v.bytes.size()), v.text);
  const auto decoded = decodeBase64(v.text);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(std::string(decoded->begin(), decoded->end()), v.bytes);
}

class Base64Rejects : public ::testing::TestWithParam<std::string> {};

INSTANTIATE_TEST_SUITE_P(Malformed, Base64Rejects,
                         ::testing::Values("Zg=", "Z===", "Zm9v!A==", "Zg==Zg==", "Z=g=", "Zm9v\n", "===="));

TEST_P(Base64Rejects, MalformedText) { EXPECT_FALSE(decodeBase64(GetParam()).has_value()) << GetParam(); }

TEST(Base64, RoundTripsEveryByteValueAtEveryLengthRemainder) {
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<std::uint8_t>(i));
  for (std::size_t cut = 253; cut <= 256; ++cut) {
    std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
    const std::string text = encodeBase64(part);
    EXPECT_EQ(text.size() % 4, 0u);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(decodeBase64(text), part);
  }
}

}  // namespace
}  // namespace parvalon::protocol
