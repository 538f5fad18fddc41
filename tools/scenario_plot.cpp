#include "tools/scenario_plot.h"

#include "records/kilometre_text.h"
#include "tools/plan_view.h"
#include "tools/plot_legend.h"
#include "tools/profile_view.h"

namespace scenario::tools {
namespace {

constexpr double kWidth = 1600;
constexpr double kMargin = 40;
constexpr double kProfileLeft = 130;
constexpr double kPlanTop = 92;
constexpr double kPlanBottom = 900;
constexpr double kLegendWidth = 390;
constexpr double kStationListWidth = 270;
constexpr double kColumnGap = 40;
constexpr std::size_t kListedStations = 36;

// The stations by kilometre, as far as the column has room.
void draw_station_list(const ScenarioView& view, double left, double top, SvgCanvas& canvas) {
  double y = top + 16;
  canvas.text(left, y, "Stazioni", {.size = 14, .bold = true});
  y += 24;
  const TextStyle km{.size = 12, .anchor = Anchor::kEnd, .fill = "#555555"};
  for (std::size_t i = 0; i < view.stations.size(); ++i) {
    if (i == kListedStations) {
      canvas.text(left, y, "e altre " + std::to_string(view.stations.size() - i), {.size = 12});
      break;
    }
    const Station& station = view.stations[i];
    canvas.text(left + 72, y, "km " + records::kilometre_text(station.position), km);
    canvas.text(left + 84, y, station.name, {.size = 12});
    y += 19;
  }
}

}  // namespace

SvgCanvas plot_scenario(const ScenarioView& view) {
  const std::string title = view.line_id + " · treno " + view.train_number;
  // The height follows from what the profiles need: drawn once off the
  // page to measure it.
  SvgCanvas measure(kWidth, 1, title);
  const double bottom =
      draw_profiles(view, kProfileLeft, kWidth - kMargin, kPlanBottom + 50, measure);
  SvgCanvas canvas(kWidth, bottom + kMargin, title);
  canvas.text(kMargin, 44, title, {.size = 24, .bold = true});
  canvas.text(kMargin, 68,
              "Pianta della linea e profili lungo la distanza, dai file binari dello scenario",
              {.size = 13, .fill = "#555555"});
  // The plan takes the width its line needs; the facts and the legend, and
  // the stations where there is room, stand beside it.
  const Box plan = plan_area(
      view, {kMargin, kPlanTop, kWidth - kMargin - kColumnGap - kLegendWidth, kPlanBottom}, 520);
  draw_plan_view(view, plan, canvas);
  const double legend_left = plan.right + kColumnGap;
  draw_facts_and_legend(view, legend_left, legend_left + kLegendWidth, kPlanTop, canvas);
  const double list_left = legend_left + kLegendWidth + kColumnGap;
  if (list_left + kStationListWidth <= kWidth - kMargin)
    draw_station_list(view, list_left, kPlanTop, canvas);
  draw_profiles(view, kProfileLeft, kWidth - kMargin, kPlanBottom + 50, canvas);
  return canvas;
}

}  // namespace scenario::tools
