#include "run/builtin_run_text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace scenario::run {
namespace {

// The text lines its numbers up in columns: each value right-aligned in the
// width of its column, after the comma that ends the previous field.
std::string column(std::int32_t value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width)
    digits.insert(0, width - digits.size(), ' ');
  return "," + digits;
}

struct PositionValue {
  std::int32_t position;
  std::int32_t value;
};

// Adhesion in force from each position on.
constexpr PositionValue kAdhesion[] = {
    {0, 75},     {18750, 95}, {19100, 75}, {21250, 95}, {22250, 75}, {23100, 95},
    {24000, 75}, {27900, 95}, {28900, 75}, {30150, 95}, {30600, 75}, {31300, 95},
    {32150, 75}, {33400, 95}, {33900, 75}, {35050, 95}, {35900, 75}, {37200, 100},
};

// Line speed in km/h from each position on.
constexpr PositionValue kLineSpeed[] = {
    {0, 30},      {900, 115},   {3300, 150},  {5450, 160},  {16350, 115},
    {37200, 160}, {55750, 120}, {56850, 160}, {61400, 135}, {72500, 160},
    {80300, 135}, {95500, 65},  {95950, 30},
};

struct Station {
  std::int32_t position, kind, length;
  std::int32_t flag_a, flag_e, flag_d;
  std::int32_t code_a, code_b, code_byte, code_c, code_d, code_e;
  std::int32_t dwell, hours, minutes, seconds;
  std::string_view name;
};

// The timetable points in the order the train reaches them; the places of
// doc/builtin_scenario.md.
constexpr Station kStations[] = {
    {0, 8, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 1, 21, 55, 0, "VELBRIO S.M.N."},
    {2750, 12, 500, 0, 0, 1, 1, 1, 0, 5, 6, 1, 50, 22, 0, 0, "VELBRIO PORTA SERRA"},
    {5200, 12, 500, 1, 0, 1, 4, 1, 1, 2, 1, 1, 0, 0, 0, 0, "CAMPOLUNGO"},
    {6600, 27, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "PIANELLA"},
    {8000, 12, 500, 0, 0, 1, 1, 1, 0, 4, 1, 1, 50, 22, 9, 0, "SESTO MARINO"},
    {9050, 27, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "CALVANO"},
    {11000, 27, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "MONTERUPI"},
    {12550, 28, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "LE FORNACI"},
    {16350, 2, 600, 1, 0, 1, 4, 1, 1, 2, 1, 1, 50, 22, 18, 0, "ROCCA-FIORALE"},
    {26200, 12, 500, 0, 0, 1, 1, 1, 0, 4, 1, 1, 30, 22, 27, 0, "CASTELNUOVO ALTO"},
    {36800, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 36, 0, "VALDERNO"},
    {46800, 26, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 22, 43, 30, "P.C. PRECEDENZE"},
    {56300, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 49, 0, "SAN VITO IN VALLE"},
    {61400, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 54, 30, "POGGIOBRUNO"},
    {71300, 12, 500, 0, 0, 1, 1, 1, 0, 4, 1, 1, 30, 23, 3, 0, "LAGO DI VENTA"},
    {80500, 12, 500, 0, 0, 1, 1, 1, 0, 4, 1, 1, 30, 23, 11, 30, "CERRETO SCALO"},
    {90600, 12, 500, 0, 0, 1, 1, 1, 0, 4, 1, 1, 30, 23, 19, 0, "SANT'ILARIO"},
    {93650, 25, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "BIVIO CAMPORA"},
    {96600, 2, 800, 1, 1, 0, 1, 1, 0, 2, 1, 1, 0, 23, 26, 0, "DOLVENA C.LE"},
};

struct Signal {
  std::int32_t posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo;
};

// Signals in order of position. From 20100 on they come in pairs: a distant
// signal (sx 1) and 1250 m further on its main signal (sx 2). A plain block
// pair shows 4 and 1; a pair in front of a station shows 3 1 and 2 3, and
// its main signal carries a time.
constexpr Signal kSignals[] = {
    {1050, 1, 5, 1, 0, 0, 0, 0, 0, 0, 0},    {2250, 2, 2, 3, 0, 0, 0, 0, 0, 0, 210},
    {4250, 2, 2, 5, 6, 0, 0, 0, 0, 0, 0},    {5850, 1, 4, 1, 0, 0, 1, 3, 1, 0, 0},
    {7050, 2, 2, 3, 0, 0, 1, 3, 1, 0, 220},  {10150, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0},
    {11500, 2, 4, 1, 0, 0, 0, 0, 0, 0, 0},   {12850, 1, 3, 1, 0, 0, 1, 3, 1, 0, 0},
    {14050, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0},   {15150, 2, 2, 3, 0, 1, 2, 2, 1, 0, 230},
    {20100, 1, 4, 0, 0, 0, 1, 1, 0, 0, 0},   {21350, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0},
    {24450, 1, 3, 1, 0, 0, 1, 1, 0, 0, 0},   {25700, 2, 2, 3, 0, 0, 2, 1, 0, 0, 220},
    {30150, 1, 4, 0, 0, 0, 1, 1, 0, 0, 0},   {31400, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0},
    {34750, 1, 3, 1, 0, 0, 1, 1, 0, 0, 0},   {36100, 2, 2, 3, 0, 0, 2, 1, 0, 0, 230},
    {40650, 1, 4, 0, 0, 0, 1, 1, 0, 0, 0},   {41900, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0},
    {44750, 1, 3, 1, 0, 0, 1, 1, 0, 0, 0},   {46000, 2, 2, 3, 0, 0, 2, 1, 0, 0, 210},
    {49950, 1, 4, 0, 0, 0, 1, 1, 0, 0, 0},   {51200, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0},
    {54300, 1, 3, 1, 0, 0, 1, 1, 0, 0, 0},   {55550, 2, 2, 3, 0, 0, 2, 1, 0, 0, 220},
    {58900, 1, 3, 1, 0, 0, 1, 1, 0, 0, 0},   {60150, 2, 2, 3, 0, 0, 2, 1, 0, 0, 230},
    {65300, 1, 4, 0, 0, 0, 1, 1, 0, 0, 0},   {66550, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0},
    {69050, 1, 3, 1, 0, 0, 1, 1, 0, 0, 0},   {70300, 2, 2, 3, 0, 0, 2, 1, 0, 0, 220},
    {74450, 1, 4, 0, 0, 0, 1, 1, 0, 0, 0},   {76000, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0},
    {78250, 1, 3, 1, 0, 0, 1, 1, 0, 0, 0},   {79500, 2, 2, 3, 0, 0, 2, 1, 0, 0, 230},
    {83750, 1, 4, 0, 0, 0, 1, 1, 0, 0, 0},   {85000, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0},
    {88400, 1, 3, 1, 0, 0, 1, 1, 0, 0, 0},   {89650, 2, 2, 3, 0, 0, 2, 1, 0, 0, 220},
    {92200, 1, 4, 1, 0, 0, 1, 1, 0, 0, 0},   {93450, 2, 4, 1, 0, 0, 2, 1, 0, 0, 0},
    {94250, 1, 3, 1, 0, 0, 0, 0, 0, 0, 215}, {95500, 2, 2, 3, 3, 0, 0, 0, 0, 0, 240},
};

// "aderenza,   18750,    95": position in eight columns, value in six.
std::string position_value_row(std::string_view keyword, const PositionValue& row) {
  return std::string(keyword) + column(row.position, 8) + column(row.value, 6);
}

// "stazione,    2750, 12,  500,  0, 0, 1,  1,1,0,  5,6,1,   50,  22, 0, 0, NAME"
std::string station_row(const Station& s) {
  return "stazione" + column(s.position, 8) + column(s.kind, 3) + column(s.length, 5) +
         column(s.flag_a, 3) + column(s.flag_e, 2) + column(s.flag_d, 2) + column(s.code_a, 3) +
         column(s.code_b, 1) + column(s.code_byte, 1) + column(s.code_c, 3) + column(s.code_d, 1) +
         column(s.code_e, 1) + column(s.dwell, 5) + column(s.hours, 4) + column(s.minutes, 2) +
         column(s.seconds, 2) + ", " + std::string(s.name);
}

// "segnale,   15150,   2, 2, 3,  0, 1,    2,  2,1,0, 230"
std::string signal_row(const Signal& s) {
  return "segnale" + column(s.posizione, 8) + column(s.sx, 4) + column(s.s1, 2) + column(s.s2, 2) +
         column(s.s3, 3) + column(s.rapp, 2) + column(s.dx, 5) + column(s.d1, 3) + column(s.d2, 1) +
         column(s.d3, 1) + column(s.tempo, 4);
}

}  // namespace

text::LineList builtin_run_text() {
  text::LineList lines;
  lines.add("[generale]");
  lines.add("numero vetture,    8");
  lines.add("percentuale massa frenata,    125");
  lines.add("sabbia,    300");
  lines.add("orologio,    22              3             40 ");
  lines.add("[aderenze]");
  for (const auto& row : kAdhesion)
    lines.add(position_value_row("aderenza", row));
  lines.add("[vel_limite]");
  // The first speed row is written narrower than the others.
  lines.add("velocita,   0,    30");
  for (std::size_t i = 1; i < std::size(kLineSpeed); ++i) {
    lines.add(position_value_row("velocita", kLineSpeed[i]));
  }
  lines.add("[stazioni]");
  for (const auto& station : kStations)
    lines.add(station_row(station));
  lines.add("[rallentamenti]");
  lines.add("rallentamento,    9850,    60,  150, 0,  0,  60");
  lines.add("rallentamento,   74950,    90,  250, 0,  0,  90");
  lines.add("[segnali]");
  for (const auto& signal : kSignals)
    lines.add(signal_row(signal));
  lines.add("[codici]");
  lines.add("[fine]");
  lines.end();
  return lines;
}

}  // namespace scenario::run
