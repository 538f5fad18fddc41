// The decoders of the three binary files: bytes written out by hand, round
// trips through the encoders, and files that do not fit their format.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "records/cell_file.h"
#include "records/cell_file_decoder.h"
#include "records/decode_error.h"
#include "records/line_data_file.h"
#include "records/line_data_file_decoder.h"
#include "records/table_file.h"
#include "records/table_file_decoder.h"
#include "test_support.h"

namespace scenario::records {
namespace {

using scenario::testing::hex_bytes;

// The message of the DecodeError that `decode` throws, or "" when it throws
// none.
template <typename Decode>
std::string refusal(Decode decode) {
  try {
    decode();
  } catch (const DecodeError& error) {
    return error.what();
  }
  return "";
}

HeaderTable sample_table() {
  HeaderTable table{};
  TableRecord& station = table[1];
  station.kind = 8;
  station.long_a = -600;
  station.long_b = 600;
  station.long_c = 0x01020304;
  station.byte_a = 0xAB;
  station.text = "VELBRIO S.M.N. \xE0";
  station.short_a = 610;
  station.short_b = -2;
  station.short_c = 22;
  station.short_d = std::numeric_limits<std::int16_t>::min();
  station.short_e = 40;
  station.byte_b = 1;
  station.byte_c = 255;
  station.byte_d = 2;
  station.byte_e = 3;
  station.long_d = std::numeric_limits<std::int32_t>::min();
  table[80].text = "(GALLERIA )(M.SIVELLO)(Km 18+510)";
  table[86].text = std::string(300, 'x');
  table[86].long_d = std::numeric_limits<std::int32_t>::max();
  return table;
}

std::string table_bytes(const HeaderTable& table) {
  return collect_bytes([&](const ByteConsumer& out) { encode_table_file(table, out); });
}
std::string cell_bytes(const CellArray& cells) {
  return collect_bytes([&](const ByteConsumer& out) { encode_cell_file(cells, out); });
}
std::string plan_bytes(const PlanArray& plan) {
  return collect_bytes([&](const ByteConsumer& out) { encode_line_data_file(plan, out); });
}

TEST(TableFileDecoder, ReadsARecordFromBytesWrittenByHand) {
  std::string bytes = hex_bytes(
      "08 a8fdffff 58020000 04030201 ab 0300 4162e0"
      " 6202 feff 1600 0300 2800 01 32 02 03 34340100");
  for (int slot = 1; slot < 87; ++slot)
    bytes += std::string(34, '\0');
  const HeaderTable table = decode_table_file(bytes);
  EXPECT_EQ(table[0].kind, 8);
  EXPECT_EQ(table[0].long_a, -600);
  EXPECT_EQ(table[0].long_b, 600);
  EXPECT_EQ(table[0].long_c, 0x01020304);
  EXPECT_EQ(table[0].byte_a, 0xAB);
  EXPECT_EQ(table[0].text, "Ab\xE0");
  EXPECT_EQ(table[0].short_a, 610);
  EXPECT_EQ(table[0].short_b, -2);
  EXPECT_EQ(table[0].short_e, 40);
  EXPECT_EQ(table[0].byte_c, 50);
  EXPECT_EQ(table[0].byte_e, 3);
  EXPECT_EQ(table[0].long_d, 78900);
  EXPECT_EQ(table[86], TableRecord{});
}

TEST(TableFileDecoder, RoundTripsEveryField) {
  const HeaderTable table = sample_table();
  EXPECT_EQ(decode_table_file(table_bytes(table)), table);
  EXPECT_EQ(decode_table_file(std::string(2958, '\0')), HeaderTable{});
}

TEST(TableFileDecoder, RefusesAFileThatDoesNotHoldExactly87Records) {
  const std::string bytes = table_bytes(sample_table());
  struct Case {
    std::string bytes;
    std::string message;
  };
  const std::size_t slot_86 = bytes.size() - 334;
  const Case cases[] = {
      {"", "byte 0: slot 0: servono 16 byte, il file ne ha ancora 0"},
      {bytes.substr(0, bytes.size() - 1),
       "byte " + std::to_string(slot_86 + 16) +
           ": slot 86 (testo di 300 byte): servono 318 byte, il file ne ha ancora 317"},
      {bytes.substr(0, slot_86 + 10),
       "byte " + std::to_string(slot_86) + ": slot 86: servono 16 byte, il file ne ha ancora 10"},
      {bytes + "xyz",
       "byte " + std::to_string(bytes.size()) + ": 3 byte in più dopo gli 87 record della tabella"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(refusal([&] { decode_table_file(c.bytes); }), c.message);
}

TEST(CellFileDecoder, ReadsACellFromBytesWrittenByHand) {
  const CellArray cells = decode_cell_file(hex_bytes("01 3412 ffff ae08 1400 e6 51 02 17 66 5f"));
  ASSERT_EQ(cells.size(), 1u);
  const CellRecord expected{.type = 1,
                            .value_a = 0x1234,
                            .value_b = -1,
                            .value_c = 2222,
                            .value_d = 20,
                            .tempo = 230,
                            .approach = 81,
                            .terrain = 2,
                            .speed_limit = 23,
                            .gradient = 102,
                            .adhesion = 95};
  EXPECT_EQ(cells[0], expected);
}

TEST(CellFileDecoder, RoundTripsEveryField) {
  CellArray cells(141);
  cells[1] = {.type = 0, .value_a = 5121, .value_b = 2458};
  cells[140] = {14, -32768, 32767, -1, 1, 255, 84, 12, 51, 155, 100};
  EXPECT_EQ(decode_cell_file(cell_bytes(cells)), cells);
}

TEST(CellFileDecoder, RefusesAnEmptyFileAndASizeNotAMultipleOf15) {
  const std::string bytes = cell_bytes(CellArray(3));
  EXPECT_EQ(refusal([&] { decode_cell_file(""); }),
            "byte 0: file vuoto: un file delle celle ha almeno una cella di 15 byte");
  EXPECT_EQ(refusal([&] { decode_cell_file(bytes.substr(0, 44)); }),
            "byte 30: cella 2: servono 15 byte, il file ne ha ancora 14");
  EXPECT_EQ(refusal([&] { decode_cell_file(bytes + "\x01"); }),
            "byte 45: cella 3: servono 15 byte, il file ne ha ancora 1");
}

TEST(LineDataFileDecoder, ReadsElementsOfEveryKindFromBytesWrittenByHand) {
  const PlanArray plan =
      decode_line_data_file(hex_bytes("02 00 00 00  02 00 fe ff  05 00 00 00 00 00 00 00 f8 3f"
                                      "02 00 00 00  02 00 01 00  00 00"));
  ASSERT_EQ(plan.last_metre(), 2);
  EXPECT_EQ(plan.kind(1, PlanArray::kX), PlanArray::Kind::kInt16);
  EXPECT_EQ(plan.value(1, PlanArray::kX), -2.0);
  EXPECT_EQ(plan.kind(2, PlanArray::kX), PlanArray::Kind::kDouble);
  EXPECT_EQ(plan.value(2, PlanArray::kX), 1.5);
  EXPECT_EQ(plan.value(1, PlanArray::kY), 1.0);
  EXPECT_EQ(plan.kind(2, PlanArray::kY), PlanArray::Kind::kUnset);
}

TEST(LineDataFileDecoder, RoundTripsKindsAndValuesBitForBit) {
  PlanArray plan(5);
  plan.set_int16(0, PlanArray::kX, 0);
  plan.set_int16(1, PlanArray::kY, -32768);
  plan.set_double(2, PlanArray::kX, 0.1 + 0.2);
  plan.set_double(3, PlanArray::kY, -0.0);
  plan.set_double(4, PlanArray::kX, std::numeric_limits<double>::denorm_min());
  const std::string bytes = plan_bytes(plan);
  const PlanArray decoded = decode_line_data_file(bytes);
  EXPECT_EQ(decoded, plan);
  EXPECT_TRUE(std::signbit(decoded.value(3, PlanArray::kY)));
  EXPECT_EQ(plan_bytes(decoded), bytes);
}

TEST(LineDataFileDecoder, RefusesUnknownKindsCutElementsAndUnevenColumns) {
  PlanArray plan(1);
  plan.set_double(1, PlanArray::kY, 2.5);
  const std::string bytes = plan_bytes(plan);  // 2 + 2 + 2 + 10 bytes
  struct Case {
    std::string bytes;
    std::string message;
  };
  const Case cases[] = {
      {"", "byte 0: file vuoto: servono almeno le coordinate x e y del metro 0"},
      {bytes.substr(0, 15), "byte 8: elemento 3 (double): servono 8 byte, il file ne ha ancora 7"},
      {bytes + "\x02", "byte 16: elemento 4: servono 2 byte, il file ne ha ancora 1"},
      {bytes + hex_bytes("02 00 07"),
       "byte 18: elemento 4 (intero a 16 bit): servono 2 byte, il file ne ha ancora 1"},
      {bytes + hex_bytes("00 00"),
       "byte 16: numero dispari di elementi (5): le colonne x e y devono avere la stessa "
       "lunghezza"},
      {hex_bytes("00 00 03 00"),
       "byte 2: elemento 1: codice di tipo 3 sconosciuto (attesi 0, 2 o 5)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(refusal([&] { decode_line_data_file(c.bytes); }), c.message);
}

// Every prefix of a valid file is either read or refused with DecodeError;
// no length makes a decoder read past the end.
TEST(Decoders, EveryPrefixIsReadOrRefusedCleanly) {
  const std::string table = table_bytes(sample_table());
  CellArray cells(4);
  cells[2].type = kSignal;
  const std::string cell = cell_bytes(cells);
  PlanArray plan(3);
  plan.set_double(2, PlanArray::kX, 7.25);
  plan.set_int16(1, PlanArray::kY, 1);
  const std::string line = plan_bytes(plan);
  for (std::size_t n = 0; n < table.size(); ++n)
    EXPECT_THROW(decode_table_file(table.substr(0, n)), DecodeError) << n;
  for (std::size_t n = 0; n < cell.size(); ++n) {
    if (n % 15 != 0 || n == 0) {
      EXPECT_THROW(decode_cell_file(cell.substr(0, n)), DecodeError) << n;
    }
  }
  // Some prefixes of the line data file are whole files of fewer metres.
  for (std::size_t n = 0; n < line.size(); ++n) {
    try {
      const PlanArray prefix = decode_line_data_file(line.substr(0, n));
      EXPECT_EQ(plan_bytes(prefix), line.substr(0, n));
    } catch (const DecodeError&) {
    }
  }
}

}  // namespace
}  // namespace scenario::records
