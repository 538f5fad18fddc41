#pragma once

#include <cstddef>
#include <vector>

#include "tools/svg_canvas.h"

namespace scenario::tools {

// Labels along one axis, each joined to its place `anchor` on the axis by
// a leader straight across the rows nearer the axis. A label is `width`
// wide and starts at its anchor (moved left only where it would pass
// `high`, and right where it would start before `low`). Returns for each its
// row (0 nearest the axis) and its left edge, so that labels in one row keep
// at least `gap` apart and no leader runs through a label. Labels are taken
// from the far end of the axis back, each in the nearest row where it fits:
// a group of close places becomes a staircase, the first place of the group
// in the farthest row, whose leader passes left of every label below it. (A
// label moved left to stay before `high` may still be crossed: give the
// last labels room past the last place.)
struct RowPlacement {
  std::size_t row = 0;
  double left = 0.0;
};
std::vector<RowPlacement> pack_in_rows(const std::vector<double>& anchor,
                                       const std::vector<double>& width, double low, double high,
                                       double gap);

// Labels around points in a plane: label i, of the given size, goes near
// point i, at the first of a ring of places at growing distances whose box
// stays inside `bounds` and overlaps neither a label already placed nor any
// of the `obstacles` (the drawn line, the points). When no place is free it
// takes the one that overlaps least. Returns the top-left corner of each.
struct Size {
  double width = 0.0;
  double height = 0.0;
};
struct Point {
  double x = 0.0;
  double y = 0.0;
};
std::vector<Point> place_around(const std::vector<Point>& anchors, const std::vector<Size>& sizes,
                                const std::vector<Box>& obstacles, const Box& bounds);

}  // namespace scenario::tools
