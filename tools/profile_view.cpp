#include "tools/profile_view.h"

#include <algorithm>
#include <cmath>

#include "tools/label_layout.h"
#include "tools/plot_scale.h"
#include "tools/plot_style.h"

namespace scenario::tools {
namespace {

constexpr double kStationLabelSize = 11.0;
constexpr double kBoardLabelSize = 10.0;
constexpr double kTickSize = 10.5;
constexpr double kRowHeight = 15.0;
constexpr double kPanelGap = 14.0;
constexpr double kLaneHeight = 24.0;

const TextStyle kTitle{.size = 12, .anchor = Anchor::kMiddle, .bold = true, .vertical = true};
const TextStyle kTick{.size = kTickSize, .anchor = Anchor::kEnd, .fill = style::kMuted};
const TextStyle kLaneName{.size = 11, .anchor = Anchor::kEnd, .fill = style::kInk};

// What every panel shares: the distance scale and the horizontal extent.
struct Frame {
  Scale x;
  double left;
  double right;
  double distance;  // metres shown

  bool shows(double position) const { return position >= 0 && position <= distance; }
  double clamped_x(double position) const { return x(std::clamp(position, 0.0, distance)); }
};

// The panel's frame, its title turned upwards in the margin left of the
// value ticks.
void panel_frame(const Frame& frame, double top, double bottom, std::string_view title,
                 SvgCanvas& canvas) {
  canvas.text(frame.left - 46, (top + bottom) / 2, title, kTitle);
  canvas.rect({frame.left, top, frame.right, bottom}, style::kFrame);
}

void vertical_grid(const Frame& frame, double top, double bottom, SvgCanvas& canvas) {
  for (double km : nice_ticks(0, frame.distance / 1000, 20)) {
    const double x = frame.x(km * 1000);
    canvas.line(x, top, x, bottom, style::kGrid);
  }
}

void value_ticks(const Frame& frame, const Scale& y, const std::vector<double>& ticks,
                 SvgCanvas& canvas) {
  for (double value : ticks) {
    canvas.line(frame.left, y(value), frame.right, y(value), style::kGrid);
    canvas.text(frame.left - 6, y(value) + 4, svg_number(value), kTick);
  }
}

// Station names over the panels, in rows, each with a leader down to
// `axis`. Returns the top of the rows.
double draw_station_names(const ScenarioView& view, const Frame& frame, double axis,
                          SvgCanvas& canvas) {
  const TextStyle label{.size = kStationLabelSize};
  std::vector<double> anchors;
  std::vector<double> widths;
  for (const Station& station : view.stations) {
    anchors.push_back(frame.clamped_x(station.position));
    widths.push_back(text_box(0, 0, station.name, label).width());
  }
  const auto placed = pack_in_rows(anchors, widths, frame.left, frame.right + 30, 10);
  std::size_t rows = 0;
  for (const RowPlacement& p : placed)
    rows = std::max(rows, p.row + 1);
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const double baseline = axis - 6 - static_cast<double>(placed[i].row) * kRowHeight;
    canvas.line(anchors[i], axis, anchors[i], baseline + 2, style::kLeader);
    canvas.circle(anchors[i], axis, 2.2, "fill=\"#222222\"");
    canvas.text(placed[i].left + 2, baseline, view.stations[i].name, label);
  }
  return axis - 6 - static_cast<double>(rows) * kRowHeight - 4;
}

void station_lines(const ScenarioView& view, const Frame& frame, double top, double bottom,
                   SvgCanvas& canvas) {
  for (const Station& station : view.stations) {
    const double x = frame.clamped_x(station.position);
    canvas.line(x, top, x, bottom, style::kStationLine);
  }
}

double draw_height(const ScenarioView& view, const Frame& frame, double top, SvgCanvas& canvas) {
  const double bottom = top + 150;
  panel_frame(frame, top, bottom, "Quota (m)", canvas);
  vertical_grid(frame, top, bottom, canvas);
  const auto& points = view.heights;
  double low = 0, high = 1;
  for (const HeightPoint& point : points) {
    low = std::min(low, point.height);
    high = std::max(high, point.height);
  }
  const std::vector<double> ticks = nice_ticks(low, high, 5);
  const double step = nice_step(low, high, 5);
  const Scale y{std::floor(low / step) * step, std::ceil(high / step) * step, bottom - 4, top + 8};
  value_ticks(frame, y, nice_ticks(y.value_low, y.value_high, 5), canvas);
  if (points.empty())
    return bottom;
  std::vector<double> area{frame.clamped_x(points.front().position), y(y.value_low)};
  for (const HeightPoint& point : points) {
    area.push_back(frame.clamped_x(point.position));
    area.push_back(y(point.height));
  }
  area.push_back(frame.clamped_x(points.back().position));
  area.push_back(y(y.value_low));
  canvas.polygon(area, style::kHeight);
  return bottom;
}

double draw_gradient(const ScenarioView& view, const Frame& frame, double top, SvgCanvas& canvas) {
  const double bottom = top + 110;
  panel_frame(frame, top, bottom, "Pendenza (‰)", canvas);
  vertical_grid(frame, top, bottom, canvas);
  int steepest = 5;
  for (const Step& step : view.gradients)
    steepest = std::max(steepest, std::abs(step.value));
  const double limit = std::ceil(steepest / 5.0) * 5;
  const Scale y{-limit, limit, bottom - 6, top + 6};
  value_ticks(frame, y, nice_ticks(-limit, limit, 4), canvas);
  std::vector<double> outline;
  for (const Step& step : view.gradients) {
    if (!frame.shows(static_cast<double>(step.start)))
      continue;
    const double x1 = frame.clamped_x(static_cast<double>(step.start));
    const double x2 = frame.clamped_x(static_cast<double>(step.end));
    const double yv = y(step.value);
    if (step.value != 0) {
      canvas.rect({x1, std::min(yv, y(0)), x2, std::max(yv, y(0))},
                  step.value > 0 ? style::kClimb : style::kDescent);
    }
    outline.insert(outline.end(), {x1, yv, x2, yv});
  }
  canvas.line(frame.left, y(0), frame.right, y(0), "stroke=\"#888888\" stroke-width=\"1\"");
  canvas.polyline(outline, style::kGradientLine);
  return bottom;
}

// The line's speed limit at `position`, 0 where no cell has one.
int speed_limit_at(const ScenarioView& view, std::int64_t position) {
  for (const Step& step : view.speed_limits) {
    if (position >= step.start && position < step.end)
      return step.value;
  }
  return 0;
}

// The speed the train may run at along the line: the line's limit, down to
// a slow section's speed over its length.
std::vector<Step> speeds_with_slow_sections(const ScenarioView& view) {
  std::vector<Step> speeds;
  for (const Step& step : view.speed_limits) {
    std::int64_t at = step.start;
    for (const SlowSection& section : view.slow_sections) {
      if (section.end <= at || section.start >= step.end || section.speed >= step.value)
        continue;
      const std::int64_t start = std::max(at, section.start);
      const std::int64_t end = std::min(step.end, section.end);
      if (start > at)
        speeds.push_back({at, start, step.value});
      speeds.push_back({start, end, section.speed});
      at = end;
    }
    if (at < step.end)
      speeds.push_back({at, step.end, step.value});
  }
  return speeds;
}

double draw_speeds(const ScenarioView& view, const Frame& frame, double top, SvgCanvas& canvas) {
  const double bottom = top + 170;
  panel_frame(frame, top, bottom, "Velocità (km/h)", canvas);
  vertical_grid(frame, top, bottom, canvas);
  int fastest = 40;
  for (const Step& step : view.speed_limits) {
    if (frame.shows(static_cast<double>(step.start)))
      fastest = std::max(fastest, step.value);
  }
  const double high = std::ceil((fastest + 10) / 20.0) * 20;
  const Scale y{0, high, bottom, top + 4};
  value_ticks(frame, y, nice_ticks(0, high, 5), canvas);
  std::vector<double> line;
  for (const Step& step : speeds_with_slow_sections(view)) {
    if (!frame.shows(static_cast<double>(step.start)))
      continue;
    const double yv = y(step.value);
    line.insert(line.end(), {frame.clamped_x(static_cast<double>(step.start)), yv,
                             frame.clamped_x(static_cast<double>(step.end)), yv});
  }
  canvas.polyline(line, style::kLineSpeed);
  // Each slow section's dip drawn over the line in its colour, its speed
  // under it.
  const TextStyle slow_label{
      .size = 10.5, .anchor = Anchor::kMiddle, .bold = true, .fill = style::kSlowColour};
  for (const SlowSection& section : view.slow_sections) {
    if (!frame.shows(static_cast<double>(section.start)))
      continue;
    double x1 = frame.clamped_x(static_cast<double>(section.start));
    double x2 = frame.clamped_x(static_cast<double>(section.end));
    if (x2 - x1 < 4) {
      const double middle = (x1 + x2) / 2;
      x1 = middle - 2;
      x2 = middle + 2;
    }
    const double before = y(speed_limit_at(view, section.start));
    const double after = y(speed_limit_at(view, std::max(section.start, section.end - 1)));
    canvas.polyline({x1, before, x1, y(section.speed), x2, y(section.speed), x2, after},
                    style::kSlowDip);
    canvas.text((x1 + x2) / 2, y(section.speed) + 14, std::to_string(section.speed), slow_label);
  }
  return bottom;
}

// The class of the curve along the distance, from the plan: bars above the
// axis for curves to the right, below it for curves to the left, as tall
// as their class.
double draw_curvature(const ScenarioView& view, const Frame& frame, double top, SvgCanvas& canvas) {
  const double bottom = top + 84;
  panel_frame(frame, top, bottom, "Curvatura", canvas);
  vertical_grid(frame, top, bottom, canvas);
  const double middle = (top + bottom) / 2;
  const double unit = (middle - top - 4) / 6;
  canvas.text(frame.left - 6, top + 12, "d", kTick);
  canvas.text(frame.left - 6, bottom - 4, "s", kTick);
  canvas.line(frame.left, middle, frame.right, middle, "stroke=\"#888888\" stroke-width=\"1\"");
  if (!view.plan) {
    canvas.text((frame.left + frame.right) / 2, middle - 6, "nessun dato di linea",
                {.size = 11, .anchor = Anchor::kMiddle, .fill = style::kMuted});
    return bottom;
  }
  for (const CurveStretch& curve : view.curves) {
    if (curve.curve_class == 0 || !frame.shows(static_cast<double>(curve.start)))
      continue;
    const double x1 = frame.clamped_x(static_cast<double>(curve.start));
    const double x2 = std::max(frame.clamped_x(static_cast<double>(curve.end)), x1 + 0.8);
    const double h = unit * curve.curve_class;
    canvas.rect(
        {x1, curve.side > 0 ? middle - h : middle, x2, curve.side > 0 ? middle : middle + h},
        curve.side > 0 ? style::kRightCurve : style::kLeftCurve);
  }
  return bottom;
}

double draw_adhesion(const ScenarioView& view, const Frame& frame, double top, SvgCanvas& canvas) {
  const double bottom = top + 70;
  panel_frame(frame, top, bottom, "Aderenza", canvas);
  vertical_grid(frame, top, bottom, canvas);
  int highest = 1;
  for (const Step& step : view.adhesions)
    highest = std::max(highest, step.value);
  const double step = nice_step(0, highest, 2);
  const double high = std::ceil(highest / step) * step;
  const Scale y{0, high, bottom - 4, top + 6};
  value_ticks(frame, y, nice_ticks(0, high, 2), canvas);
  std::vector<double> line;
  for (const Step& step : view.adhesions) {
    if (!frame.shows(static_cast<double>(step.start)))
      continue;
    line.insert(line.end(), {frame.clamped_x(static_cast<double>(step.start)), y(step.value),
                             frame.clamped_x(static_cast<double>(step.end)), y(step.value)});
  }
  canvas.polyline(line, style::kAdhesion);
  return bottom;
}

// Beyond the line's length the track runs on for the cells' 7000 m: that
// stretch shaded over every panel, and named under the distance axis.
void draw_tail(const ScenarioView& view, const Frame& frame, double top, double bottom,
               SvgCanvas& canvas) {
  if (view.line_length <= 0 || !frame.shows(static_cast<double>(view.line_length)))
    return;
  const double x = frame.x(static_cast<double>(view.line_length));
  canvas.rect({x, top, frame.right, bottom}, style::kTail);
  canvas.line(x, top, x, bottom, style::kTailEdge);
}

void signal_symbol(double x, double base, int sx, SvgCanvas& canvas) {
  canvas.line(x, base, x, base - 14, style::kSignalMast);
  if (sx == 2) {
    canvas.rect({x - 3, base - 18, x + 3, base - 11}, style::kMainSignal);
  } else if (sx == 1) {
    canvas.polygon({x, base - 19, x + 4, base - 14.5, x, base - 10, x - 4, base - 14.5},
                   style::kDistantSignal);
  } else {
    canvas.circle(x, base - 14.5, 3, style::kOtherSignal);
  }
}

void lane(const Frame& frame, double top, double bottom, std::string_view name, SvgCanvas& canvas) {
  canvas.rect({frame.left, top, frame.right, bottom}, "fill=\"#fafafa\" stroke=\"#dddddd\"");
  canvas.text(frame.left - 8, (top + bottom) / 2 + 4, name, kLaneName);
}

double draw_lanes(const ScenarioView& view, const Frame& frame, double top, SvgCanvas& canvas) {
  double y = top;
  // Signals.
  lane(frame, y, y + kLaneHeight, "Segnali", canvas);
  for (const Signal& signal : view.signals) {
    if (frame.shows(static_cast<double>(signal.position)))
      signal_symbol(frame.x(static_cast<double>(signal.position)), y + kLaneHeight - 2, signal.sx,
                    canvas);
  }
  y += kLaneHeight + 6;

  // Slow sections, their warning points and the abatement points.
  lane(frame, y, y + kLaneHeight, "Rallentamenti", canvas);
  const double middle = y + kLaneHeight / 2;
  for (const SlowSection& section : view.slow_sections) {
    if (!frame.shows(static_cast<double>(section.start)))
      continue;
    double x1 = frame.clamped_x(static_cast<double>(section.start));
    double x2 = std::max(frame.clamped_x(static_cast<double>(section.end)), x1 + 4);
    canvas.rect({x1, middle - 5, x2, middle + 5}, style::kSlow);
    if (section.warning && frame.shows(static_cast<double>(*section.warning))) {
      const double wx = frame.x(static_cast<double>(*section.warning));
      canvas.polygon({wx, middle - 7, wx + 6, middle + 5, wx - 6, middle + 5}, style::kWarning);
    }
  }
  for (std::int64_t point : view.abatement_points) {
    if (frame.shows(static_cast<double>(point)))
      canvas.circle(frame.x(static_cast<double>(point)), middle, 2.6, style::kAbatement);
  }
  y += kLaneHeight + 6;

  // Boards: speed indicators and sign boards, the latter with their texts.
  lane(frame, y, y + kLaneHeight, "Cartelli", canvas);
  const double board_middle = y + kLaneHeight / 2;
  std::vector<double> anchors;
  std::vector<double> widths;
  std::vector<std::string> captions;
  const TextStyle caption{.size = kBoardLabelSize, .fill = style::kBoardColour};
  // Speed indicators first, sign boards over them where they stand close.
  for (const Board& board : view.boards) {
    if (board.sign || !frame.shows(static_cast<double>(board.position)))
      continue;
    const double x = frame.x(static_cast<double>(board.position));
    canvas.rect({x - 3.5, board_middle - 3.5, x + 3.5, board_middle + 3.5}, style::kIndicator);
  }
  for (const Board& board : view.boards) {
    if (!board.sign || !frame.shows(static_cast<double>(board.position)))
      continue;
    const double x = frame.x(static_cast<double>(board.position));
    canvas.polygon(
        {x, board_middle - 7, x + 6, board_middle, x, board_middle + 7, x - 6, board_middle},
        style::kSignBoard);
    anchors.push_back(x);
    widths.push_back(text_box(0, 0, board.text, caption).width() + 4);
    captions.push_back(board.text);
  }
  const double lane_bottom = y + kLaneHeight;
  const auto placed = pack_in_rows(anchors, widths, frame.left, frame.right, 12);
  std::size_t rows = 0;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    rows = std::max(rows, placed[i].row + 1);
    const double baseline = lane_bottom + 14 + static_cast<double>(placed[i].row) * 14;
    canvas.line(anchors[i], board_middle + 7, anchors[i], baseline - 9, style::kLeader);
    canvas.text(placed[i].left + 2, baseline, captions[i], caption);
  }
  y = lane_bottom + static_cast<double>(rows) * 14 + 10;

  // Terrain: tunnels and other stretches.
  lane(frame, y, y + kLaneHeight, "Gallerie", canvas);
  for (const TerrainStretch& stretch : view.terrain) {
    if (!frame.shows(static_cast<double>(stretch.start)))
      continue;
    const double x1 = frame.clamped_x(static_cast<double>(stretch.start));
    const double x2 = std::max(frame.clamped_x(static_cast<double>(stretch.end)), x1 + 1.5);
    canvas.rect({x1, y + 5, x2, y + kLaneHeight - 5},
                stretch.tunnel ? style::kTunnel : style::kRelief);
  }
  return y + kLaneHeight;
}

double draw_distance_axis(const ScenarioView& view, const Frame& frame, double top,
                          SvgCanvas& canvas) {
  const double km = frame.distance / 1000;
  for (double tick : nice_ticks(0, km, 100))
    canvas.line(frame.x(tick * 1000), top, frame.x(tick * 1000), top + 4, "stroke=\"#999999\"");
  const TextStyle label{.size = kTickSize, .anchor = Anchor::kMiddle, .fill = style::kInk};
  for (double tick : nice_ticks(0, km, 20)) {
    const double x = frame.x(tick * 1000);
    canvas.line(x, top, x, top + 8, "stroke=\"#555555\"");
    canvas.text(x, top + 21, svg_number(tick), label);
  }
  canvas.line(frame.left, top, frame.right, top, "stroke=\"#555555\"");
  canvas.text((frame.left + frame.right) / 2, top + 40, "distanza dall'inizio della linea (km)",
              {.size = 12, .anchor = Anchor::kMiddle, .fill = style::kInk});
  if (view.line_length > 0 && frame.shows(static_cast<double>(view.line_length))) {
    canvas.text(frame.right, top + 40, "in grigio: oltre la fine della linea",
                {.size = 11, .anchor = Anchor::kEnd, .fill = style::kMuted});
  }
  return top + 48;
}

}  // namespace

double shown_distance(const ScenarioView& view) {
  const double length = static_cast<double>(std::max(view.line_length, view.track_end));
  return std::max(1000.0, std::ceil(length / 1000) * 1000);
}

double draw_profiles(const ScenarioView& view, double left, double right, double top,
                     SvgCanvas& canvas) {
  const double distance = shown_distance(view);
  const Frame frame{{0, distance, left, right}, left, right, distance};

  // The station names stand right over the first panel; find how many
  // rows they need by laying them out once off the page.
  SvgCanvas scratch(1, 1, "");
  const double first_panel = top - draw_station_names(view, frame, 0, scratch);
  draw_station_names(view, frame, first_panel, canvas);

  double y = first_panel;
  const double height_bottom = draw_height(view, frame, y, canvas);
  y = height_bottom + kPanelGap;
  const double gradient_bottom = draw_gradient(view, frame, y, canvas);
  y = gradient_bottom + kPanelGap;
  const double speed_bottom = draw_speeds(view, frame, y, canvas);
  y = speed_bottom + kPanelGap;
  const double curvature_bottom = draw_curvature(view, frame, y, canvas);
  y = curvature_bottom + kPanelGap;
  const double adhesion_bottom = draw_adhesion(view, frame, y, canvas);
  y = adhesion_bottom + 12;
  const double lanes_bottom = draw_lanes(view, frame, y, canvas);
  station_lines(view, frame, first_panel, lanes_bottom, canvas);
  draw_tail(view, frame, first_panel, lanes_bottom, canvas);
  return draw_distance_axis(view, frame, lanes_bottom + 8, canvas);
}

}  // namespace scenario::tools
