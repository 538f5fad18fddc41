#include "records/little_endian_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "test_support.h"

namespace scenario::records {
namespace {

using scenario::testing::hex_bytes;
using scenario::testing::to_hex;

// What the consumer received, chunk by chunk.
struct Chunks {
  ByteConsumer consumer() {
    return [this](std::span<const std::uint8_t> chunk) {
      sizes.push_back(chunk.size());
      bytes.append(reinterpret_cast<const char*>(chunk.data()), chunk.size());
    };
  }
  std::vector<std::size_t> sizes;
  std::string bytes;
};

TEST(LittleEndianWriter, FieldsAreLittleEndianWithoutPadding) {
  const std::string bytes = collect_bytes([](const ByteConsumer& out) {
    LittleEndianWriter writer(out);
    writer.u8(0xAB);
    writer.u16(0x1234);
    writer.i16(-2);
    writer.i32(-600);
    writer.f64(1.5);
    writer.counted_text("Ab");
    writer.counted_text("");
    writer.flush();
  });
  EXPECT_EQ(to_hex(bytes), to_hex(hex_bytes("ab 3412 feff a8fdffff 000000000000f83f"
                                            " 0200 4162 0000")));
}

// A field that does not fit in what is left of a chunk starts the next one
// whole; the bytes come out the same as if nothing were split.
TEST(LittleEndianWriter, AFieldThatWouldCrossAChunkStartsTheNextOne) {
  struct Case {
    std::size_t filler;  // single bytes written first
    const char* what;
  };
  const Case cases[] = {{LittleEndianWriter::kChunk - 7, "f64 with 7 bytes left"},
                        {LittleEndianWriter::kChunk - 8, "f64 with exactly 8 left"},
                        {LittleEndianWriter::kChunk - 1, "u16 of a text with 1 left"}};
  for (const Case& c : cases) {
    Chunks chunks;
    const ByteConsumer out = chunks.consumer();
    LittleEndianWriter writer(out);
    for (std::size_t i = 0; i < c.filler; ++i)
      writer.u8(0x11);
    writer.f64(1.5);
    writer.counted_text(std::string(0xFFFF, 'x'));
    writer.flush();

    const std::string expected = std::string(c.filler, '\x11') +
                                 hex_bytes("000000000000f83f ffff") + std::string(0xFFFF, 'x');
    EXPECT_TRUE(chunks.bytes == expected) << c.what;
    for (std::size_t size : chunks.sizes) {
      EXPECT_GT(size, 0u) << c.what;
      EXPECT_LE(size, LittleEndianWriter::kChunk) << c.what;
    }
  }
}

TEST(LittleEndianWriter, RefusesATextLongerThanItsCount) {
  const ByteConsumer out = [](std::span<const std::uint8_t>) {};
  LittleEndianWriter writer(out);
  EXPECT_THROW(writer.counted_text(std::string(0x10000, 'x')), std::length_error);
}

}  // namespace
}  // namespace scenario::records
