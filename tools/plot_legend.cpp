#include "tools/plot_legend.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "records/track_geometry.h"
#include "tools/plot_style.h"

namespace scenario::tools {
namespace {

constexpr double kLineHeight = 21.0;

std::string kilometres(double metres) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.3f", metres / 1000);
  std::string text = buffer;
  std::replace(text.begin(), text.end(), '.', ',');
  return text + " km";
}

// "1 stazione", "2 stazioni".
std::string counted(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::vector<std::string> facts(const ScenarioView& view) {
  std::size_t indicators = 0;
  std::size_t signs = 0;
  for (const Board& board : view.boards)
    (board.sign ? signs : indicators) += 1;
  std::size_t tunnels = 0;
  for (const TerrainStretch& stretch : view.terrain)
    tunnels += stretch.tunnel ? 1 : 0;
  int low = 0, high = 0;
  for (const Step& step : view.speed_limits) {
    if (step.start < view.line_length && step.value > 0) {
      low = low == 0 ? step.value : std::min(low, step.value);
      high = std::max(high, step.value);
    }
  }
  return {
      "Lunghezza della linea: " + kilometres(static_cast<double>(view.line_length)),
      counted(view.stations.size(), "stazione", "stazioni") + ", " +
          counted(view.signals.size(), "segnale", "segnali") + ", " +
          counted(view.slow_sections.size(), "rallentamento", "rallentamenti"),
      counted(indicators, "indicatore di velocità", "indicatori di velocità") + ", " +
          counted(signs, "cartello con testo", "cartelli con testo"),
      counted(view.terrain.size(), "tratto di montagna", "tratti di montagna") + ", " +
          std::to_string(tunnels) + " con marcatori di galleria",
      "Velocità di linea da " + std::to_string(low) + " a " + std::to_string(high) + " km/h",
  };
}

struct Entry {
  std::function<void(double x, double y, SvgCanvas&)> symbol;  // centred on x, y
  std::string text;
};

std::vector<Entry> entries() {
  return {
      {[](double x, double y, SvgCanvas& c) { c.circle(x, y, 7, style::kStart); },
       "inizio della linea (pianta)"},
      {[](double x, double y, SvgCanvas& c) {
         c.rect({x - 6.5, y - 6.5, x + 6.5, y + 6.5}, style::kEnd);
       },
       "fine della linea (pianta)"},
      {[](double x, double y, SvgCanvas& c) { c.circle(x, y, 3.6, style::kStation); },
       "stazione, al suo punto della pianta"},
      {[](double x, double y, SvgCanvas& c) { c.circle(x, y, 2.2, style::kKilometreMark); },
       "punto chilometrico della pianta"},
      {[](double x, double y, SvgCanvas& c) {
         c.line(x - 1, y - 7, x - 1, y + 9,
                "stroke=\"#666666\" stroke-width=\"1\" stroke-dasharray=\"3,2\"");
         c.circle(x - 1, y - 7, 2.6, "fill=\"#222222\"");
       },
       "stazione lungo la distanza"},
      {[](double x, double y, SvgCanvas& c) {
         c.polygon({x - 12, y + 7, x - 12, y + 4, x - 4, y - 1, x + 2, y + 1, x + 12, y - 6, x + 12,
                    y + 7},
                   style::kHeight);
       },
       "quota rispetto all'inizio, dalle pendenze"},
      {[](double x, double y, SvgCanvas& c) {
         c.rect({x - 12, y - 6, x - 1, y + 1}, style::kClimb);
         c.rect({x + 1, y + 1, x + 12, y + 6}, style::kDescent);
       },
       "pendenza in salita / in discesa"},
      {[](double x, double y, SvgCanvas& c) {
         c.polyline({x - 12, y + 4, x - 2, y + 4, x - 2, y - 4, x + 12, y - 4}, style::kLineSpeed);
       },
       "limite di velocità della linea"},
      {[](double x, double y, SvgCanvas& c) {
         c.polyline(
             {x - 12, y - 5, x - 6, y - 5, x - 6, y + 5, x + 6, y + 5, x + 6, y - 5, x + 12, y - 5},
             style::kSlowDip);
       },
       "rallentamento: la velocità scende alla sua"},
      {[](double x, double y, SvgCanvas& c) {
         c.rect({x - 5, y - 5, x + 5, y + 5}, style::kSlow);
       },
       "tratto del rallentamento"},
      {[](double x, double y, SvgCanvas& c) {
         c.polygon({x, y - 7, x + 6, y + 5, x - 6, y + 5}, style::kWarning);
       },
       "punto di avviso del rallentamento"},
      {[](double x, double y, SvgCanvas& c) { c.circle(x, y, 2.6, style::kAbatement); },
       "punto di abbattimento della velocità"},
      {[](double x, double y, SvgCanvas& c) {
         c.line(x, y + 8, x, y - 6, style::kSignalMast);
         c.rect({x - 3, y - 10, x + 3, y - 3}, style::kMainSignal);
       },
       "segnale principale"},
      {[](double x, double y, SvgCanvas& c) {
         c.line(x, y + 8, x, y - 6, style::kSignalMast);
         c.polygon({x, y - 11, x + 4, y - 6.5, x, y - 2, x - 4, y - 6.5}, style::kDistantSignal);
       },
       "segnale di avviso"},
      {[](double x, double y, SvgCanvas& c) {
         c.rect({x - 3.5, y - 3.5, x + 3.5, y + 3.5}, style::kIndicator);
       },
       "indicatore di velocità"},
      {[](double x, double y, SvgCanvas& c) {
         c.polygon({x, y - 7, x + 6, y, x, y + 7, x - 6, y}, style::kSignBoard);
       },
       "cartello con testo"},
      {[](double x, double y, SvgCanvas& c) {
         c.rect({x - 12, y - 5, x + 12, y + 5}, style::kTunnel);
       },
       "galleria (tratto con marcatori, 200 m o più)"},
      {[](double x, double y, SvgCanvas& c) {
         c.rect({x - 12, y - 5, x + 12, y + 5}, style::kRelief);
       },
       "altro tratto di montagna o galleria corta"},
      {[](double x, double y, SvgCanvas& c) {
         c.rect({x - 12, y - 7, x - 1, y}, style::kRightCurve);
         c.rect({x + 1, y, x + 12, y + 5}, style::kLeftCurve);
       },
       "curva a destra / a sinistra, alta come la classe"},
      {[](double x, double y, SvgCanvas& c) {
         c.polyline({x - 12, y + 3, x, y + 3, x, y - 4, x + 12, y - 4}, style::kAdhesion);
       },
       "aderenza"},
      {[](double x, double y, SvgCanvas& c) {
         c.rect({x - 12, y - 7, x + 12, y + 7}, style::kTail);
       },
       "binario oltre la fine della linea (" + std::to_string(records::kTrackBeyondLine / 1000) +
           " km)"},
  };
}

}  // namespace

double draw_facts_and_legend(const ScenarioView& view, double left, double right, double top,
                             SvgCanvas& canvas) {
  double y = top + 16;
  canvas.text(left, y, "Lo scenario", {.size = 14, .bold = true});
  y += 22;
  for (const std::string& fact : facts(view)) {
    canvas.text(left, y, fact, {.size = 12});
    y += 19;
  }
  y += 18;
  canvas.text(left, y, "Legenda", {.size = 14, .bold = true});
  y += 22;
  for (const Entry& entry : entries()) {
    entry.symbol(left + 14, y - 4, canvas);
    canvas.text(left + 36, y, entry.text, {.size = 12});
    y += kLineHeight;
  }
  canvas.rect({left - 12, top - 6, right, y}, "fill=\"none\" stroke=\"#cccccc\"");
  return y;
}

}  // namespace scenario::tools
