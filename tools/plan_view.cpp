#include "tools/plan_view.h"

#include <algorithm>
#include <cmath>

#include "records/plan_array.h"
#include "tools/label_layout.h"
#include "tools/plot_scale.h"
#include "tools/plot_style.h"

namespace scenario::tools {
namespace {

using records::PlanArray;

constexpr double kLabelSize = 11.0;
constexpr double kTickSize = 10.5;
constexpr std::int32_t kSampleMetres = 25;
constexpr double kNameRoom = 130.0;  // beside the line, for station names

struct PlanPointXY {
  double x = 0.0;
  double y = 0.0;
};

bool is_set(const PlanArray& plan, std::int32_t metre) {
  return plan.kind(metre, PlanArray::kX) != PlanArray::Kind::kUnset &&
         plan.kind(metre, PlanArray::kY) != PlanArray::Kind::kUnset;
}

// The last metre of the line that has a plan point: the end of the line
// where the plan reaches it.
std::int32_t last_drawn_metre(const ScenarioView& view, const PlanArray& plan) {
  std::int32_t last = plan.last_metre();
  if (view.line_length > 0 && view.line_length < last)
    last = static_cast<std::int32_t>(view.line_length);
  while (last > 0 && !is_set(plan, last))
    --last;
  return last;
}

PlanPointXY plan_point(const PlanArray& plan, std::int32_t metre) {
  return {plan.value(metre, PlanArray::kX), plan.value(metre, PlanArray::kY)};
}

// Maps plan metres into the drawing with one scale, north up.
struct PlanMap {
  double scale = 1.0;  // drawing units per metre
  double x0 = 0.0;     // plan x at drawing x origin
  double y0 = 0.0;     // plan y at drawing y origin
  double left = 0.0;
  double bottom = 0.0;

  double x(double plan_x) const { return left + (plan_x - x0) * scale; }
  double y(double plan_y) const { return bottom - (plan_y - y0) * scale; }
};

void say_missing(const Box& area, SvgCanvas& canvas) {
  canvas.rect(area, style::kFrame);
  canvas.text((area.left + area.right) / 2, (area.top + area.bottom) / 2,
              "Pianta non disponibile: nessun dato di linea",
              {.size = 14, .anchor = Anchor::kMiddle, .fill = style::kMuted});
}

void draw_grid(const PlanMap& map, const Box& inner, SvgCanvas& canvas) {
  const double x_low = map.x0;
  const double x_high = map.x0 + inner.width() / map.scale;
  const double y_low = map.y0;
  const double y_high = map.y0 + inner.height() / map.scale;
  const double step = std::max(nice_step(x_low / 1000, x_high / 1000, 8),
                               nice_step(y_low / 1000, y_high / 1000, 8));
  const TextStyle tick{.size = kTickSize, .anchor = Anchor::kMiddle, .fill = style::kMuted};
  for (double km = std::ceil(x_low / 1000 / step) * step; km * 1000 <= x_high; km += step) {
    const double x = map.x(km * 1000);
    canvas.line(x, inner.top, x, inner.bottom, style::kGrid);
    canvas.text(x, inner.bottom + 15, svg_number(km), tick);
  }
  TextStyle y_tick = tick;
  y_tick.anchor = Anchor::kEnd;
  for (double km = std::ceil(y_low / 1000 / step) * step; km * 1000 <= y_high; km += step) {
    const double y = map.y(km * 1000);
    canvas.line(inner.left, y, inner.right, y, style::kGrid);
    canvas.text(inner.left - 6, y + 4, svg_number(km), y_tick);
  }
  canvas.rect(inner, style::kFrame);
  canvas.text((inner.left + inner.right) / 2, inner.bottom + 33, "est (km)",
              {.size = 11.5, .anchor = Anchor::kMiddle, .fill = style::kMuted});
  canvas.text(inner.left - 34, (inner.top + inner.bottom) / 2, "nord (km)",
              {.size = 11.5, .anchor = Anchor::kMiddle, .fill = style::kMuted, .vertical = true});
}

// North arrow in the top right corner, scale bar in the bottom left; both
// returned as boxes the labels keep clear of.
std::vector<Box> draw_north_and_scale(const PlanMap& map, const Box& inner, SvgCanvas& canvas) {
  const double nx = inner.right - 24;
  const double ny = inner.top + 16;
  canvas.polygon({nx, ny, nx - 7, ny + 22, nx, ny + 17, nx + 7, ny + 22},
                 "fill=\"#333333\" stroke=\"none\"");
  canvas.text(nx, ny + 36, "N", {.size = 12, .anchor = Anchor::kMiddle, .bold = true});

  // A round length near a sixth of the width.
  const double wanted = inner.width() / 6 / map.scale;
  const double metres = nice_step(0, wanted, 1);
  const double length = metres * map.scale;
  const double sx = inner.left + 16;
  const double sy = inner.bottom - 16;
  canvas.rect({sx, sy - 4, sx + length / 2, sy}, "fill=\"#333333\" stroke=\"#333333\"");
  canvas.rect({sx + length / 2, sy - 4, sx + length, sy}, "fill=\"white\" stroke=\"#333333\"");
  canvas.text(sx + length / 2, sy - 9, svg_number(metres / 1000) + " km",
              {.size = 10.5, .anchor = Anchor::kMiddle, .fill = style::kInk});
  return {{nx - 10, ny - 2, nx + 10, ny + 40}, {sx - 2, sy - 22, sx + length + 2, sy + 2}};
}

// Boxes along the drawn line, for the labels to keep clear of.
std::vector<Box> line_obstacles(const std::vector<double>& xy) {
  std::vector<Box> boxes;
  double last_x = -1e9;
  double last_y = -1e9;
  for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
    if (std::hypot(xy[i] - last_x, xy[i + 1] - last_y) < 3 && i + 2 < xy.size())
      continue;
    boxes.push_back({xy[i] - 2.5, xy[i + 1] - 2.5, xy[i] + 2.5, xy[i + 1] + 2.5});
    last_x = xy[i];
    last_y = xy[i + 1];
  }
  return boxes;
}

// The line sampled every few metres from its start to its end, and the
// box around it.
struct SampledLine {
  std::vector<PlanPointXY> points;
  double x_min = 0, x_max = 0, y_min = 0, y_max = 0;
  std::int32_t last = 0;

  // Room around the line, in metres.
  double pad() const { return 0.06 * std::max({x_max - x_min, y_max - y_min, 1000.0}); }
};

SampledLine sample_line(const ScenarioView& view, const PlanArray& plan) {
  SampledLine line;
  line.last = last_drawn_metre(view, plan);
  for (std::int32_t metre = 0; metre <= line.last;
       metre = metre == line.last ? line.last + 1 : std::min(metre + kSampleMetres, line.last)) {
    if (!is_set(plan, metre))
      continue;
    const PlanPointXY p = plan_point(plan, metre);
    if (line.points.empty()) {
      line.x_min = line.x_max = p.x;
      line.y_min = line.y_max = p.y;
    }
    line.x_min = std::min(line.x_min, p.x);
    line.x_max = std::max(line.x_max, p.x);
    line.y_min = std::min(line.y_min, p.y);
    line.y_max = std::max(line.y_max, p.y);
    line.points.push_back(p);
  }
  return line;
}

// The frame of the plan inside the panel: room on the left and below for
// the grid's labels.
Box inner_box(const Box& area) {
  return {area.left + 48, area.top, area.right, area.bottom - 42};
}

bool has_plan(const ScenarioView& view) {
  return view.plan && is_set(*view.plan, 0);
}

// A name to place beside a point of the drawing.
struct PlanLabel {
  Point anchor;
  std::string text;
  TextStyle style;
  bool leader = true;  // drawn from the point when the name stands apart
};

// Places the labels in order, clear of each other and of `obstacles`, and
// draws them with their leaders.
void draw_labels(const std::vector<PlanLabel>& labels, const Box& inner,
                 const std::vector<Box>& obstacles, SvgCanvas& canvas) {
  std::vector<Point> anchors;
  std::vector<Size> sizes;
  for (const PlanLabel& label : labels) {
    anchors.push_back(label.anchor);
    const Box box = text_box(0, 0, label.text, label.style);
    sizes.push_back({box.width() + 2, box.height()});
  }
  const Box bounds{inner.left + 2, inner.top + 2, inner.right - 2, inner.bottom - 2};
  const std::vector<Point> corners = place_around(anchors, sizes, obstacles, bounds);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const Box box{corners[i].x, corners[i].y, corners[i].x + sizes[i].width,
                  corners[i].y + sizes[i].height};
    // A leader to the nearest point of a label set apart from its point.
    const double lx = std::clamp(anchors[i].x, box.left, box.right);
    const double ly = std::clamp(anchors[i].y, box.top, box.bottom);
    if (labels[i].leader && std::hypot(lx - anchors[i].x, ly - anchors[i].y) > 9)
      canvas.line(anchors[i].x, anchors[i].y, lx, ly, style::kLeader);
  }
  for (std::size_t i = 0; i < labels.size(); ++i) {
    // The baseline stands as far below the box's top as text_box puts it.
    const double ascent = -text_box(0, 0, labels[i].text, labels[i].style).top;
    canvas.text(corners[i].x + 1, corners[i].y + ascent, labels[i].text, labels[i].style);
  }
}

Point drawing_point(const PlanMap& map, const PlanArray& plan, std::int32_t metre) {
  const PlanPointXY p = plan_point(plan, metre);
  return {map.x(p.x), map.y(p.y)};
}

}  // namespace

Box plan_area(const ScenarioView& view, const Box& area, double least_width) {
  if (!has_plan(view))
    return {area.left, area.top, std::min(area.right, area.left + least_width), area.bottom};
  const SampledLine line = sample_line(view, *view.plan);
  const Box inner = inner_box(area);
  const double pad = line.pad();
  const double scale = std::min(inner.width() / (line.x_max - line.x_min + 2 * pad),
                                inner.height() / (line.y_max - line.y_min + 2 * pad));
  // The width the line needs at that scale, and room beside it for names.
  const double needed =
      (line.x_max - line.x_min + 2 * pad) * scale + 2 * kNameRoom + (inner.left - area.left);
  const double width = std::clamp(needed, std::min(least_width, area.width()), area.width());
  return {area.left, area.top, area.left + width, area.bottom};
}

void draw_plan_view(const ScenarioView& view, const Box& area, SvgCanvas& canvas) {
  if (!has_plan(view)) {
    say_missing(area, canvas);
    return;
  }
  const PlanArray& plan = *view.plan;
  const SampledLine line = sample_line(view, plan);

  const Box inner = inner_box(area);
  // One scale for both axes, with room around the line for its labels.
  const double pad = line.pad();
  const double scale = std::min(inner.width() / (line.x_max - line.x_min + 2 * pad),
                                inner.height() / (line.y_max - line.y_min + 2 * pad));
  PlanMap map;
  map.scale = scale;
  map.left = inner.left;
  map.bottom = inner.bottom;
  map.x0 = (line.x_min + line.x_max) / 2 - inner.width() / scale / 2;
  map.y0 = (line.y_min + line.y_max) / 2 - inner.height() / scale / 2;

  draw_grid(map, inner, canvas);
  std::vector<double> xy;
  for (const PlanPointXY& p : line.points) {
    xy.push_back(map.x(p.x));
    xy.push_back(map.y(p.y));
  }
  canvas.polyline(xy, style::kTrack);
  std::vector<Box> obstacles = line_obstacles(xy);
  for (const Box& box : draw_north_and_scale(map, inner, canvas))
    obstacles.push_back(box);

  const Point start = drawing_point(map, plan, 0);
  const Point end = drawing_point(map, plan, line.last);
  canvas.circle(start.x, start.y, 7, style::kStart);
  canvas.rect({end.x - 6.5, end.y - 6.5, end.x + 6.5, end.y + 6.5}, style::kEnd);
  obstacles.push_back({start.x - 8, start.y - 8, start.x + 8, start.y + 8});
  obstacles.push_back({end.x - 8, end.y - 8, end.x + 8, end.y + 8});

  std::vector<PlanLabel> labels;
  for (const Station& station : view.stations) {
    const Point at = drawing_point(map, plan, std::clamp(station.position, 0, line.last));
    labels.push_back({at, station.name, {.size = kLabelSize}});
    obstacles.push_back({at.x - 4, at.y - 4, at.x + 4, at.y + 4});
  }
  // Kilometre marks along the line, named after the stations.
  const double step = nice_step(0, line.last / 1000.0, 10);
  const TextStyle mark{.size = 9.5, .fill = style::kKilometreColour};
  for (double km = step; km * 1000 < line.last - 500; km += step) {
    const auto metre = static_cast<std::int32_t>(km * 1000);
    const Point at = drawing_point(map, plan, metre);
    canvas.circle(at.x, at.y, 2.2, style::kKilometreMark);
    labels.push_back({at, "km " + svg_number(km), mark});
  }
  for (const PlanLabel& label : labels) {
    if (label.style.size == kLabelSize)
      canvas.circle(label.anchor.x, label.anchor.y, 3.6, style::kStation);
  }
  draw_labels(labels, inner, obstacles, canvas);
}

}  // namespace scenario::tools
