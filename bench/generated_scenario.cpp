#include "bench/generated_scenario.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace scenario::bench {
namespace {

// Items of one kind stand at first, first + period, ... up to `margin`
// metres before the end of the line, at most `cap` of them.
struct Grid {
  std::int32_t first;
  std::int32_t period;
  std::int32_t margin;
  std::int32_t cap = 1 << 30;
};

std::vector<std::int32_t> positions(const Grid& grid, std::int32_t length) {
  std::vector<std::int32_t> at;
  for (std::int32_t p = grid.first;
       p <= length - grid.margin && static_cast<std::int32_t>(at.size()) < grid.cap;
       p += grid.period) {
    at.push_back(p);
  }
  return at;
}

// Cells are 50 m long; in units of cells the grids below repeat every 200
// cells, where each kind keeps to cells of its own: signals 10, 30, ...,
// 190 (every 20); speed indicators 6 and 106; sign boards 14; station stop
// cells 103 with their approach markers at 99 to 102; slow orders from
// their pre-warning cells at 115 to their end cell at 158, and the
// finishing pass's points around them at 109, 123 to 151 and 169, in front
// of the signal at 170, the first after the section, which stands within the
// 12 cells where it gets one; abatement points 180. Tunnel markers (5, 15,
// ...) are free cells and take anything.
constexpr Grid kCurves{500, 400, 1000};  // start; 150 m long
constexpr std::int32_t kCurveLength = 150;
constexpr Grid kGradients{0, 300, 300};
constexpr Grid kTerrain{100, 500, 750};  // start; 250 m long
constexpr std::int32_t kTerrainLength = 250;
constexpr Grid kSpeedIndicators{250, 5000, 1000};
// Stations fill header slots from 1 up, sign-board texts from 80 down.
constexpr Grid kSignBoards{650, 50000, 1000, 20};
constexpr Grid kStations{5000, 20000, 1000, 50};
constexpr Grid kSlowOrders{7100, 10000, 1600};  // start; 750 m long
constexpr std::int32_t kSlowOrderLength = 750;
constexpr Grid kAbatementPoints{9000, 10000, 500};
constexpr Grid kSignals{1450, 1000, 500};
constexpr Grid kSpeedRows{0, 1000, 1000};
constexpr Grid kAdhesionRows{0, 2000, 1000};

// Builds a text line by line, each line ended by CR LF.
class TextBuilder {
 public:
  template <typename... Parts>
  void line(const Parts&... parts) {
    (append(parts), ...);
    text_ += "\r\n";
  }
  std::string take() { return std::move(text_); }

 private:
  void append(std::string_view part) { text_ += part; }
  void append(const char* part) { text_ += part; }
  void append(std::int32_t value) { text_ += std::to_string(value); }
  std::string text_;
};

std::string line_text(std::int32_t length) {
  TextBuilder text;
  text.line("[generale]");
  text.line("lunghezza percorso,    ", length);
  text.line("progressiva chilometrica uno,    0,    0,    0");
  text.line("progressiva chilometrica due,    0,    0,    0");
  text.line("progressiva chilometrica tre,    0,    0,    0");
  text.line("sfondo uno,    0");
  text.line("sfondo due,    1");
  text.line("sfondo tre,    0");
  text.line("ripetizione segnali 4 codici,    1000,    ", length - 1000);

  text.line("[curve]");
  std::int32_t n = 0;
  for (std::int32_t start : positions(kCurves, length)) {
    const char* side = n % 2 == 0 ? "curvad" : "curvas";
    text.line(side, n % 6 + 1, ",  ", start, ",  ", kCurveLength);
    ++n;
  }
  text.line("[pendenze]");
  n = 0;
  for (std::int32_t at : positions(kGradients, length)) {
    text.line("pendenza,  ", at, ",   ", n * 7 % 25 - 12);
    ++n;
  }
  text.line("[montagne]");
  constexpr std::int32_t kTerrainTypes[] = {2, 11, 12};
  n = 0;
  for (std::int32_t start : positions(kTerrain, length)) {
    text.line("montagna,   ", start, ",  ", start + kTerrainLength, ",  ", kTerrainTypes[n % 3]);
    ++n;
  }
  text.line("[cartelli]");
  for (std::int32_t at : positions(kSpeedIndicators, length)) {
    text.line("indicatori_vmax,  ", at, ",  105,  115,  120,  0,  110,  115,  120,  0");
  }
  text.line("[indicazioni]");
  n = 0;
  for (std::int32_t at : positions(kSignBoards, length)) {
    text.line("cartello_indicatore,  ", at, ",   (GALLERIA )(PROVA ", n, ")(Km ", at / 1000, ")");
    ++n;
  }
  text.line("[fine]");
  return text.take();
}

std::string run_text(std::int32_t length) {
  TextBuilder text;
  text.line("[generale]");
  text.line("numero vetture,    8");
  text.line("percentuale massa frenata,    125");
  text.line("sabbia,    300");
  text.line("orologio,    6              0             0 ");

  text.line("[aderenze]");
  constexpr std::int32_t kAdhesions[] = {75, 95, 100};
  std::int32_t n = 0;
  for (std::int32_t at : positions(kAdhesionRows, length)) {
    text.line("aderenza,   ", at, ",    ", kAdhesions[n % 3]);
    ++n;
  }
  text.line("[vel_limite]");
  constexpr std::int32_t kSpeeds[] = {100, 120, 140, 160, 130, 110};
  n = 0;
  for (std::int32_t at : positions(kSpeedRows, length)) {
    text.line("velocita,   ", at, ",    ", kSpeeds[n % 6]);
    ++n;
  }
  text.line("[stazioni]");
  n = 0;
  for (std::int32_t at : positions(kStations, length)) {
    const std::int32_t minutes = 360 + 12 * n;
    text.line("stazione,    ", at, ", 12,  400,  0, 0, 0,  1,1,0,  4,1,1,   30,  ", minutes / 60,
              ", ", minutes % 60, ", 0, STAZIONE ", n + 1);
    ++n;
  }
  text.line("[rallentamenti]");
  n = 0;
  for (std::int32_t x : positions(kSlowOrders, length)) {
    const std::int32_t speed = n % 2 == 0 ? 60 : 90;
    text.line("rallentamento,   ", x, ",    ", speed, ",  ", kSlowOrderLength, ", 0,  1,  ", speed);
    ++n;
  }
  text.line("[abbattimenti]");
  for (std::int32_t at : positions(kAbatementPoints, length)) {
    text.line("abbattimento,   ", at, ",    150");
  }
  text.line("[segnali]");
  n = 0;
  for (std::int32_t at : positions(kSignals, length)) {
    if (n % 2 == 0) {
      text.line("segnale,   ", at, ",   1, 4, 1, 0,  0, 1,    3,  1,0, 0");
    } else {
      text.line("segnale,   ", at, ",   2, 2, 3, 0,  0, 2,    2,  1,0, 230");
    }
    ++n;
  }
  text.line("[codici]");
  text.line("[fine]");
  return text.take();
}

void check_length(std::int32_t length) {
  if (length < kShortestGeneratedLine || length > kLongestGeneratedLine) {
    throw std::invalid_argument("generated line length out of range: " + std::to_string(length));
  }
}

std::int32_t count(const Grid& grid, std::int32_t length) {
  return static_cast<std::int32_t>(positions(grid, length).size());
}

}  // namespace

GeneratedTexts generate_texts(std::int32_t length) {
  check_length(length);
  return {line_text(length), run_text(length)};
}

GeneratedCounts generated_counts(std::int32_t length) {
  check_length(length);
  return {
      .signals = count(kSignals, length),
      .slow_orders = count(kSlowOrders, length),
      .stations = count(kStations, length),
      .speed_indicators = count(kSpeedIndicators, length),
      .sign_boards = count(kSignBoards, length),
  };
}

}  // namespace scenario::bench
