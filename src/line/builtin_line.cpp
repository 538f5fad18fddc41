#include "line/builtin_line.h"

#include <optional>
#include <string>
#include <vector>

namespace scenario::line {
namespace {

// 97 km from VELBRIO S.M.N. to DOLVENA C.LE: a climb through short tunnels to
// the summit tunnel MONTE SIVELLO (37250-55750), the descent past the viaduct
// FRASSINE and through the tunnel POGGIO NERO (72600-79700), then the valley.

const char* const kGeneral[] = {
    "lunghezza percorso,    97000",
    "progressiva chilometrica uno,    0,    0,    0",
    "progressiva chilometrica due,    0,    0,    0",
    "progressiva chilometrica tre,    0,    0,    0",
    "sfondo uno,    0",
    "sfondo due,    1",
    "sfondo tre,    0",
    "ripetizione segnali 4 codici,    1050,    95500",
};

struct Curve {
  char side;  // 's' left, 'd' right
  int curvature_class;
  int start;
  int length;
};

// Both tunnels are straight.
const Curve kCurves[] = {
    {'s', 2, 1000, 400},   {'d', 3, 2300, 350},   {'d', 1, 3100, 900},   {'s', 4, 4400, 600},
    {'d', 1, 6500, 2000},  {'s', 3, 8900, 500},   {'d', 4, 9900, 450},   {'s', 4, 11050, 700},
    {'d', 4, 12300, 550},  {'s', 2, 13500, 1200}, {'d', 4, 15300, 800},  {'s', 5, 16700, 300},
    {'d', 3, 18500, 200},  {'s', 4, 19300, 650},  {'d', 5, 20400, 350},  {'s', 4, 21500, 500},
    {'d', 4, 22600, 750},  {'s', 3, 24100, 450},  {'d', 5, 25300, 300},  {'s', 4, 26900, 550},
    {'d', 4, 28000, 600},  {'s', 3, 29300, 400},  {'d', 2, 30400, 1100}, {'s', 2, 32200, 1000},
    {'d', 3, 33400, 450},  {'s', 2, 34600, 900},  {'d', 4, 36750, 350},  {'s', 4, 55750, 1000},
    {'d', 4, 57300, 700},  {'s', 3, 58600, 900},  {'d', 5, 59700, 250},  {'s', 4, 60800, 600},
    {'d', 4, 62200, 500},  {'s', 1, 63800, 1500}, {'d', 3, 66000, 500},  {'s', 5, 67200, 350},
    {'d', 4, 68300, 650},  {'s', 4, 69600, 900},  {'d', 5, 70600, 250},  {'d', 5, 71850, 400},
    {'s', 4, 79950, 1000}, {'d', 4, 81600, 600},  {'s', 2, 82700, 800},  {'d', 3, 84200, 400},
    {'s', 3, 85300, 500},  {'d', 1, 86600, 1400}, {'s', 4, 88700, 550},  {'d', 4, 89900, 450},
    {'s', 3, 91200, 600},  {'d', 1, 92600, 1100}, {'s', 4, 95500, 300},
};

struct Gradient {
  int position;
  int per_mille;
};

const Gradient kGradients[] = {
    {0, 2},       {2000, 0},    {3500, 5},   {4300, 3},   {5100, 0},    {6000, 4},    {7500, 1},
    {8700, 3},    {10200, 6},   {11600, 2},  {12300, 0},  {13200, 4},   {14500, 7},   {15800, 3},
    {16300, 0},   {17000, 2},   {17200, 4},  {17400, 6},  {17600, 8},   {17800, 10},  {18000, 12},
    {20500, 10},  {22400, 12},  {24800, 8},  {25800, 2},  {26700, 6},   {27200, 10},  {27400, 12},
    {30000, 11},  {32800, 12},  {35200, 8},  {36300, 3},  {37400, 6},   {42600, 5},   {46400, 2},
    {47200, 4},   {49600, 1},   {51400, -1}, {53000, -5}, {55900, -2},  {56700, -7},  {58500, -9},
    {60600, -2},  {61700, -4},  {61900, -6}, {62100, -8}, {62300, -10}, {62500, -12}, {66000, -11},
    {68300, -12}, {70400, -10}, {70500, -8}, {70600, -6}, {70700, -4},  {70800, -2},  {71800, 3},
    {75800, -3},  {77600, -6},  {79900, -2}, {81000, -5}, {81600, -8},  {81750, -11}, {84000, -9},
    {86200, -12}, {89800, -4},  {91000, -9}, {94400, -3}, {96600, 0},
};

struct TerrainStretch {
  int start;
  int end;
  int type;  // 2 mountain; 11 and 12 tunnels
};

const TerrainStretch kTerrain[] = {
    {18800, 18850, 2},  {18950, 19050, 12}, {21300, 22200, 12}, {23150, 23950, 12},
    {27950, 28400, 12}, {28550, 28850, 12}, {30200, 30550, 12}, {31350, 31450, 12},
    {31550, 31650, 12}, {31800, 32100, 12}, {33450, 33850, 12}, {35100, 35850, 12},
    {37250, 55750, 11},  // MONTE SIVELLO
    {56900, 57300, 2},  {57450, 58600, 11}, {62800, 63500, 12}, {64200, 64900, 11},
    {66900, 67400, 12}, {67550, 67950, 12}, {68600, 69000, 12}, {71800, 72350, 12},
    {72600, 79700, 12},  // POGGIO NERO
    {80900, 81300, 12}, {82000, 82600, 12}, {83100, 83500, 12}, {84200, 84700, 12},
    {85300, 85900, 12}, {86500, 86650, 12},
};

// One side of a speed-indicator board: the speeds of ranks A, B and C in
// km/h and the announcing stripes.
struct BoardSide {
  int rank_a;
  int rank_b;
  int rank_c;
  int stripes;
};

struct SpeedIndicator {
  int position;
  BoardSide left;
  std::optional<BoardSide> right;  // none: no board on the right
};

constexpr BoardSide side(int a, int b, int c, int stripes) {
  return {a, b, c, stripes};
}

// Every lowering of the line speed is announced by two boards with two and
// one stripes in front of the board itself.
const SpeedIndicator kSpeedIndicators[] = {
    {1000, side(105, 115, 120, 0), std::nullopt},
    {3350, side(140, 150, 155, 0), std::nullopt},
    {5500, side(150, 160, 165, 0), side(150, 160, 165, 0)},
    {14700, side(105, 115, 120, 2), std::nullopt},
    {14900, side(105, 115, 120, 1), std::nullopt},
    {15100, side(105, 115, 120, 0), std::nullopt},
    {16800, side(110, 115, 120, 0), side(110, 115, 120, 0)},
    {37300, side(150, 160, 165, 0), side(150, 160, 165, 0)},
    {54150, side(110, 120, 125, 2), side(110, 120, 125, 2)},
    {54350, side(110, 120, 125, 1), side(110, 120, 125, 1)},
    {54500, side(110, 120, 125, 0), side(110, 120, 125, 0)},
    {56900, side(150, 160, 165, 0), std::nullopt},
    {59700, side(125, 135, 140, 2), side(125, 135, 140, 2)},
    {59900, side(125, 135, 140, 1), side(125, 135, 140, 1)},
    {60100, side(125, 135, 140, 0), side(125, 130, 140, 0)},
    {72650, side(150, 160, 165, 0), side(150, 160, 165, 0)},
    {78600, side(125, 135, 140, 2), side(125, 135, 140, 2)},
    {78800, side(125, 135, 140, 1), side(125, 135, 140, 1)},
    {79000, side(125, 135, 140, 0), side(125, 135, 140, 0)},
    {86800, side(125, 135, 140, 0), std::nullopt},
    {93900, side(60, 65, 70, 2), std::nullopt},
    {94100, side(60, 65, 70, 1), std::nullopt},
    {94300, side(60, 65, 70, 0), std::nullopt},
};

struct SignBoard {
  int position;
  const char* text;
};

const SignBoard kSignBoards[] = {
    {37200, "(GALLERIA )(M.SIVELLO)(Km 18+510)"},
    {70250, "(VIADOTTO)(FRASSINE)"},
    {72550, "(GALLERIA   )(POGGIO NERO)(Km 7+135   )"},
};

std::string joined(const std::vector<std::string>& fields, const std::string& separator) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0)
      line += separator;
    line += fields[i];
  }
  return line;
}

std::string curve_line(const Curve& curve) {
  return "curva" + std::string(1, curve.side) + std::to_string(curve.curvature_class) + ",  " +
         std::to_string(curve.start) + ",  " + std::to_string(curve.length);
}

std::string gradient_line(const Gradient& gradient) {
  return "pendenza,  " + std::to_string(gradient.position) + ",   " +
         std::to_string(gradient.per_mille);
}

std::string terrain_line(const TerrainStretch& stretch) {
  return "montagna,   " + std::to_string(stretch.start) + ",  " + std::to_string(stretch.end) +
         ",  " + std::to_string(stretch.type);
}

// A side without a board leaves its speeds empty and has no stripes.
std::vector<std::string> side_fields(const std::optional<BoardSide>& board_side) {
  if (!board_side)
    return {"", "", "", "0"};
  return {std::to_string(board_side->rank_a), std::to_string(board_side->rank_b),
          std::to_string(board_side->rank_c), std::to_string(board_side->stripes)};
}

std::string speed_indicator_line(const SpeedIndicator& board) {
  std::vector<std::string> fields = {"indicatori_vmax", std::to_string(board.position)};
  for (auto& field : side_fields(board.left))
    fields.push_back(field);
  for (auto& field : side_fields(board.right))
    fields.push_back(field);
  return joined(fields, ",  ");
}

std::string sign_board_line(const SignBoard& board) {
  return "cartello_indicatore,  " + std::to_string(board.position) + ",   " + board.text;
}

}  // namespace

text::LineList builtin_line() {
  text::LineList lines;
  lines.add("[generale]");
  for (const char* entry : kGeneral)
    lines.add(entry);
  lines.add("[curve]");
  for (const auto& curve : kCurves)
    lines.add(curve_line(curve));
  lines.add("[pendenze]");
  for (const auto& gradient : kGradients)
    lines.add(gradient_line(gradient));
  lines.add("[montagne]");
  for (const auto& stretch : kTerrain)
    lines.add(terrain_line(stretch));
  lines.add("[cartelli]");
  for (const auto& board : kSpeedIndicators)
    lines.add(speed_indicator_line(board));
  lines.add("[indicazioni]");
  for (const auto& board : kSignBoards)
    lines.add(sign_board_line(board));
  lines.add("[fine]");
  lines.end();
  return lines;
}

}  // namespace scenario::line
