// The writer's inline copies: every length they treat apart, written from
// no room at all and from room made beforehand, against std::string.
#include <gtest/gtest.h>

#include <string>

#include "common/byte_writer.h"

namespace korvex {
namespace {

TEST(ByteWriter, WritesWhatAppendsWouldAtEveryLength) {
  std::string source;
  for (int i = 0; i < 40; ++i) source += static_cast<char>('a' + i % 26);
  for (size_t reserved : {size_t{0}, size_t{1000}}) {
    ByteWriter writer;
    writer.Reserve(reserved);
    std::string expected;
    for (size_t n = 0; n <= source.size(); ++n) {
      std::string_view piece = std::string_view(source).substr(0, n);
      writer.Put(piece);
      writer.Put(' ');
      expected.append(piece).append(" ");
    }
    EXPECT_EQ(writer.View(), expected) << "reserved " << reserved;
    writer.Clear();
    EXPECT_EQ(writer.Size(), 0u);
  }
}

}  // namespace
}  // namespace korvex
