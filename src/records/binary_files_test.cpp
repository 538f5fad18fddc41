// The three binary files against bytes written out by hand.

#include <gtest/gtest.h>

#include "records/cell_file.h"
#include "records/line_data_file.h"
#include "records/table_file.h"
#include "test_support.h"

namespace scenario::records {
namespace {

using scenario::testing::hex_bytes;
using scenario::testing::to_hex;

std::string table_bytes(const HeaderTable& table) {
  return collect_bytes([&](const ByteConsumer& out) { encode_table_file(table, out); });
}

const char* const kEmptyRecordHex =
    "00 00000000 00000000 00000000 00 0000 0000 0000 0000 0000 0000 00 00 00 00 00000000";

TEST(ScenarioTableFile, AResetTableIs87EmptyRecordsOf34ZeroBytes) {
  EXPECT_EQ(hex_bytes(kEmptyRecordHex), std::string(34, '\0'));
  HeaderTable table{};
  table[5].text = "x";
  table[85].long_d = 7;
  reset(table);
  EXPECT_EQ(table_bytes(table), std::string(2958, '\0'));
}

TEST(ScenarioTableFile, ARecordWithTextLandsAtTheDocumentedOffsets) {
  HeaderTable table{};
  TableRecord& record = table[0];
  record.kind = 8;
  record.long_a = -600;
  record.long_b = 600;
  record.long_c = 0x01020304;
  record.byte_a = 0xAB;
  record.text = "Ab\xE0";
  record.short_a = 610;
  record.short_b = -2;
  record.short_c = 22;
  record.short_d = 3;
  record.short_e = 40;
  record.byte_b = 1;
  record.byte_c = 50;
  record.byte_d = 2;
  record.byte_e = 3;
  record.long_d = 78900;
  table[86].text = "30527";

  const std::string expected = hex_bytes(
                                   "08 a8fdffff 58020000 04030201 ab"  // kind, long_a..c, byte_a
                                   " 0300 4162e0"                      // text: count 3, bytes
                                   " 6202 feff 1600 0300 2800"         // short_a..e
                                   " 01 32 02 03"                      // byte_b..e
                                   " 34340100") +                      // long_d
                               std::string(85 * 34, '\0') +
                               hex_bytes(
                                   "00 00000000 00000000 00000000 00 0500 3330353237"
                                   " 0000 0000 0000 0000 0000 00 00 00 00 00000000");
  const std::string actual = table_bytes(table);
  EXPECT_EQ(actual.size(), 2958u + 3 + 5);
  EXPECT_EQ(to_hex(actual), to_hex(expected));
}

TEST(CellFile, EachCellIs15BytesInFieldOrder) {
  CellArray cells(2);
  CellRecord& cell = cells[0];
  cell.type = 1;
  cell.value_a = 0x1234;
  cell.value_b = -1;
  cell.value_c = 2222;
  cell.value_d = 20;
  cell.tempo = 230;
  cell.approach = 81;
  cell.terrain = 2;
  cell.speed_limit = 23;
  cell.gradient = 102;
  cell.adhesion = 95;
  const std::string expected = hex_bytes(
      "01 3412 ffff ae08 1400 e6 51 02 17 66 5f"
      "00 0000 0000 0000 0000 00 00 00 00 00 00");
  const std::string actual =
      collect_bytes([&](const ByteConsumer& out) { encode_cell_file(cells, out); });
  EXPECT_EQ(to_hex(actual), to_hex(expected));
}

TEST(LineDataFile, ElementsAreTaggedAndColumnXComesFirst) {
  PlanArray plan(2);
  plan.set_int16(0, PlanArray::kX, 0);
  plan.set_int16(1, PlanArray::kX, -2);
  plan.set_double(2, PlanArray::kX, 1.5);
  plan.set_int16(0, PlanArray::kY, 0);
  plan.set_int16(1, PlanArray::kY, 1);
  // metre 2 of column y stays unset
  const std::string expected = hex_bytes(
      "0200 0000  0200 feff  0500 000000000000f83f"  // x: int16 0, int16 -2, double 1.5
      "0200 0000  0200 0100  0000");                 // y: int16 0, int16 1, unset
  const std::string actual =
      collect_bytes([&](const ByteConsumer& out) { encode_line_data_file(plan, out); });
  EXPECT_EQ(to_hex(actual), to_hex(expected));
}

TEST(LineDataFile, LargeArraysStreamInChunksWithTheSameBytes) {
  PlanArray plan(100000);
  for (std::int32_t m = 0; m <= 100000; ++m)
    plan.set_double(m, PlanArray::kY, m * 0.5);
  std::size_t chunks = 0;
  std::size_t total = 0;
  encode_line_data_file(plan, [&](std::span<const std::uint8_t> chunk) {
    ++chunks;
    total += chunk.size();
  });
  EXPECT_EQ(total, 100001u * 2 + 100001u * 10);
  EXPECT_GT(chunks, 1u);
}

// Elements of all three kinds, 2, 4 and 10 bytes long, mixed so that every
// chunk boundary falls in a different place of an element's bytes: each
// element still comes out whole and in order.
TEST(LineDataFile, MixedElementsCrossChunksWhole) {
  using scenario::testing::le16;
  using scenario::testing::le64_double;
  const std::int32_t last_metre = 30000;
  PlanArray plan(last_metre);
  std::string expected;
  for (int column : {PlanArray::kX, PlanArray::kY}) {
    for (std::int32_t m = 0; m <= last_metre; ++m) {
      switch ((m + column) % 3) {
        case 0:
          expected += le16(0);
          break;
        case 1:
          plan.set_int16(m, column, static_cast<std::int16_t>(-m));
          expected += le16(2) + le16(static_cast<std::int16_t>(-m));
          break;
        default:
          plan.set_double(m, column, m + 0.25);
          expected += le16(5) + le64_double(m + 0.25);
      }
    }
  }
  std::vector<std::size_t> sizes;
  std::string actual;
  encode_line_data_file(plan, [&](std::span<const std::uint8_t> chunk) {
    sizes.push_back(chunk.size());
    actual.append(reinterpret_cast<const char*>(chunk.data()), chunk.size());
  });
  EXPECT_TRUE(actual == expected) << "sizes " << actual.size() << " and " << expected.size();
  EXPECT_GT(sizes.size(), 3u);
  for (std::size_t size : sizes)
    EXPECT_LE(size, LittleEndianWriter::kChunk);
}

}  // namespace
}  // namespace scenario::records
