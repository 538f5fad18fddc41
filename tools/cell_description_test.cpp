// What the view's inspector says of each field of a cell, from cells and
// slots set by hand.

#include "tools/cell_description.h"

#include <gtest/gtest.h>

namespace scenario::tools {
namespace {

// The meaning and value in words of `field` in cell `index`.
std::string described(const records::CellArray& cells, const records::HeaderTable& table,
                      std::size_t index, std::string_view field) {
  for (const DescribedField& f : describe_cell(cells, table, index)) {
    if (f.name == field)
      return f.text.meaning + (f.text.shown.empty() ? "" : ": " + f.text.shown);
  }
  return "no field " + std::string(field);
}

TEST(CellDescription, NamesEveryFieldOfEachOccupantInWords) {
  records::HeaderTable table{};
  table[3].text = "LE FORNACI";
  table[3].long_c = 12550;
  table[80].text = "(GALLERIA)(M.SIVELLO)";
  records::CellArray cells(40);
  cells[1] = {.value_a = 5121, .value_b = 2458};
  cells[5] = {.type = records::kSignal, .value_a = 22, .value_b = 31, .value_d = 17, .tempo = 230};
  cells[8] = {.type = records::kSpeedIndicator, .value_a = 2018, .value_d = 21};
  cells[10] = {.type = records::kSlowStart, .value_a = 60, .value_b = 4};
  cells[13] = {.type = records::kSlowEnd, .value_a = 60};
  cells[20] = {.type = records::kStationStop, .value_a = 3};
  cells[22] = {.type = records::kSignBoard, .value_a = 80};
  cells[24] = {.type = records::kAbatementWithSpeed, .value_a = 180};
  cells[26] = {.approach = 72, .terrain = 12, .speed_limit = 24, .gradient = 95, .adhesion = 90};
  struct Case {
    std::size_t cell;
    std::string_view field;
    std::string text;
  };
  const Case cases[] = {
      {1, "type", "occupante della cella: libera"},
      {1, "value_a", "timbro di formato (5121)"},
      {1, "value_b", "codice d'identificazione"},
      {5, "type", "occupante della cella: segnale"},
      {5, "value_a", "aspetto 1 (s1 × 10 + d1): s 2, d 2"},
      {5, "value_b", "aspetto 2 (s2 × 10 + d2): s 3, d 1"},
      {5, "value_c", "aspetto 3 (s3 × 10 + d3): s 0, d 0"},
      {5, "value_d", "rapp × 10 + sx × 3 + dx: segnale principale, dx 1, rapp 1"},
      {5, "tempo", "tempo del segnale (solo principali; da 101)"},
      {8, "value_a",
       "velocità del rango A (sinistra / 5 × 100 + destra / 5): sinistra 100 km/h, destra 90 km/h"},
      {8, "value_b", "velocità del rango B (sinistra / 5 × 100 + destra / 5): nessuna velocità"},
      {8, "value_d", "strisce: sinistra × 10 + destra: sinistra 2, destra 1"},
      // Start in cell 10 (450 m), end in cell 13 (600 m).
      {10, "value_a", "velocità del rallentamento: 60 km/h per 150 m, fino a km 0+600"},
      {10, "value_b", "d_v del rallentamento"},
      {13, "value_a", "velocità del rallentamento: 60 km/h"},
      {20, "value_a", "slot della stazione nella tabella: slot 3: LE FORNACI"},
      {22, "value_a", "slot del testo del cartello nella tabella: slot 80: (GALLERIA)(M.SIVELLO)"},
      {24, "value_a", "velocità dell'abbattimento: 180 km/h"},
      {26, "approach",
       "marcatore di approccio ((sx × 3 + dx) × 10 + k): marcatore 2 (1 il più vicino), sx 2, "
       "dx 1"},
      {26, "terrain", "tipo del tratto di montagna o galleria"},
      {26, "speed_limit", "limite di velocità della linea (km/h ÷ 5): 120 km/h"},
      {26, "gradient", "pendenza (‰ + 100): -5 ‰"},
      {26, "adhesion", "aderenza"},
      {27, "gradient", "pendenza (‰ + 100): non impostata"},
      {27, "approach", "marcatore di approccio: nessuno"},
      {27, "value_a", "valore dell'occupante (value_a)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(described(cells, table, c.cell, c.field), c.text) << c.cell << " " << c.field;
  // Every field, in file order.
  const std::vector<DescribedField> fields = describe_cell(cells, table, 5);
  ASSERT_EQ(fields.size(), 11u);
  EXPECT_EQ(fields.front().name, "type");
  EXPECT_EQ(fields.back().name, "adhesion");
  EXPECT_EQ(fields[1].value, 22);
}

TEST(CellDescription, ASlotOutsideTheTableIsSaidSo) {
  records::HeaderTable table{};
  records::CellArray cells(3);
  cells[2] = {.type = records::kSignBoard, .value_a = 300};
  EXPECT_EQ(described(cells, table, 2, "value_a"),
            "slot del testo del cartello nella tabella: slot 300, fuori dalla tabella");
}

}  // namespace
}  // namespace scenario::tools
