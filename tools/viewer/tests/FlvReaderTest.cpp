#include <gtest/gtest.h>

#include "FlvReader.h"

namespace parvalon::viewer {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes tag(const Bytes& data) {
  Bytes t{9, 0, 0, static_cast<std::uint8_t>(data.size()), 0, 0, 0, 0, 0, 0, 0};
  t.insert(t.end(), data.begin(), data.end());
  const auto total = static_cast<std::uint8_t>(11 + data.size());
  t.insert(t.end(), {0, 0, 0, total});
  return t;
}

Bytes stream() {
  Bytes s{'F', 'L', 'V', 1, 1, 0, 0, 0, 9, 0, 0, 0, 0};
  // Decoder configuration record: 4-byte lengths, one SPS (67 42), one PPS (68 CE).
  const Bytes config = tag({0x17, 0, 0, 0, 0, 1, 0x42, 0, 0x1E, 0xFF, 0xE1, 0, 2, 0x67, 0x42, 1, 0, 2, 0x68, 0xCE});
  // A key frame of two NAL units, then a predicted frame.
  const Bytes key = tag({0x17, 1, 0, 0, 0, 0, 0, 0, 2, 0x06, 0x05, 0, 0, 0, 3, 0x65, 0x88, 0x80});
  const Bytes inter = tag({0x27, 1, 0, 0, 0, 0, 0, 0, 2, 0x41, 0x9A});
  // A script tag in between is skipped.
  Bytes script{18, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0xAA, 0xBB, 0, 0, 0, 13};
  for (const Bytes* b : std::initializer_list<const Bytes*>{&config, &script, &key, &inter}) s.insert(s.end(), b->begin(), b->end());
  return s;
}

void expectUnits(const std::vector<FlvReader::Unit>& units) {
  ASSERT_EQ(units.size(), 3u);
  EXPECT_TRUE(units[0].parameterSets);
  EXPECT_EQ(units[0].annexB, (Bytes{0, 0, 0, 1, 0x67, 0x42, 0, 0, 0, 1, 0x68, 0xCE}));
  EXPECT_TRUE(units[1].keyFrame);
  EXPECT_EQ(units[1].annexB, (Bytes{0, 0, 0, 1, 0x06, 0x05, 0, 0, 0, 1, 0x65, 0x88, 0x80}));
  EXPECT_FALSE(units[2].keyFrame);
  EXPECT_EQ(units[2].annexB, (Bytes{0, 0, 0, 1, 0x41, 0x9A}));
}

TEST(FlvReader, SplitsTagsIntoAnnexBUnits) {
  FlvReader reader;
  std::vector<FlvReader::Unit> units;
  const Bytes s = stream();
  ASSERT_TRUE(reader.feed(s.data(), s.size(), units));
  expectUnits(units);
}

TEST(FlvReader, BytesMayArriveOneAtATime) {
  FlvReader reader;
  std::vector<FlvReader::Unit> units;
  const Bytes s = stream();
  for (std::size_t i = 0; i < s.size(); ++i) {
    ASSERT_TRUE(reader.feed(&s[i], 1, units));
    // A unit comes out only once its whole tag is in, never before.
    if (i + 1 < s.size()) {
      EXPECT_LT(units.size(), 3u);
    }
  }
  expectUnits(units);
}

TEST(FlvReader, MalformedStreamsFail) {
  std::vector<FlvReader::Unit> units;
  FlvReader notFlv;
  const Bytes junk{'G', 'I', 'F', 1, 1, 0, 0, 0, 9, 0, 0, 0, 0};
  EXPECT_FALSE(notFlv.feed(junk.data(), junk.size(), units));

  FlvReader overlong;
  Bytes s{'F', 'L', 'V', 1, 1, 0, 0, 0, 9, 0, 0, 0, 0};
  // The NAL claims 200 bytes inside a 9-byte tag.
  const Bytes bad = tag({0x27, 1, 0, 0, 0, 0, 0, 0, 200});
  s.insert(s.end(), bad.begin(), bad.end());
  EXPECT_FALSE(overlong.feed(s.data(), s.size(), units));
  EXPECT_EQ(overlong.error(), "NAL unit longer than its tag");
  EXPECT_TRUE(units.empty());
}

}  // namespace
}  // namespace parvalon::viewer
