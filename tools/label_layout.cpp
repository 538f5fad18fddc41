#include "tools/label_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace scenario::tools {
namespace {

double overlap_area(const Box& a, const Box& b) {
  const double w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const double h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0.0;
}

bool inside(const Box& box, const Box& bounds) {
  return box.left >= bounds.left && box.right <= bounds.right && box.top >= bounds.top &&
         box.bottom <= bounds.bottom;
}

// Places to try around a point, nearest first: right, left, above, below
// and the diagonals, at growing distances.
std::vector<Point> candidate_offsets(const Size& size) {
  std::vector<Point> offsets;
  const double w = size.width;
  const double h = size.height;
  for (double d : {6.0, 14.0, 26.0, 42.0, 62.0, 88.0, 120.0}) {
    offsets.push_back({d, -h / 2});                   // right
    offsets.push_back({-d - w, -h / 2});              // left
    offsets.push_back({-w / 2, -d - h});              // above
    offsets.push_back({-w / 2, d});                   // below
    offsets.push_back({d * 0.7, -d * 0.7 - h});       // above right
    offsets.push_back({-d * 0.7 - w, -d * 0.7 - h});  // above left
    offsets.push_back({d * 0.7, d * 0.7});            // below right
    offsets.push_back({-d * 0.7 - w, d * 0.7});       // below left
  }
  return offsets;
}

}  // namespace

std::vector<RowPlacement> pack_in_rows(const std::vector<double>& anchor,
                                       const std::vector<double>& width, double low, double high,
                                       double gap) {
  struct Row {
    std::vector<std::pair<double, double>> labels;  // left and right edges
    std::vector<double> leaders;                    // leaders passing through
  };
  std::vector<std::size_t> order(anchor.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return anchor[a] > anchor[b]; });
  std::vector<RowPlacement> placed(anchor.size());
  std::vector<Row> rows;
  for (std::size_t i : order) {
    const double left = std::max(low, std::min(anchor[i], high - width[i]));
    const double right = left + width[i];
    std::size_t row = 0;
    for (;; ++row) {
      if (row == rows.size())
        rows.emplace_back();
      const Row& here = rows[row];
      const bool label_clear = std::none_of(here.labels.begin(), here.labels.end(), [&](auto& l) {
        return l.first < right + gap && left - gap < l.second;
      });
      const bool leaders_clear =
          std::none_of(here.leaders.begin(), here.leaders.end(),
                       [&](double x) { return x > left - 2 && x < right + 2; });
      if (label_clear && leaders_clear)
        break;
    }
    rows[row].labels.emplace_back(left, right);
    for (std::size_t below = 0; below < row; ++below)
      rows[below].leaders.push_back(anchor[i]);
    placed[i] = {row, left};
  }
  return placed;
}

std::vector<Point> place_around(const std::vector<Point>& anchors, const std::vector<Size>& sizes,
                                const std::vector<Box>& obstacles, const Box& bounds) {
  std::vector<Box> taken = obstacles;
  std::vector<Point> corners;
  for (std::size_t i = 0; i < anchors.size(); ++i) {
    double least = std::numeric_limits<double>::infinity();
    Point best{anchors[i].x, anchors[i].y};
    for (const Point& offset : candidate_offsets(sizes[i])) {
      const Box box{anchors[i].x + offset.x, anchors[i].y + offset.y,
                    anchors[i].x + offset.x + sizes[i].width,
                    anchors[i].y + offset.y + sizes[i].height};
      if (!inside(box, bounds))
        continue;
      double overlap = 0.0;
      for (const Box& other : taken)
        overlap += overlap_area(box, other);
      if (overlap < least) {
        least = overlap;
        best = {box.left, box.top};
      }
      if (overlap == 0.0)
        break;
    }
    corners.push_back(best);
    taken.push_back({best.x, best.y, best.x + sizes[i].width, best.y + sizes[i].height});
  }
  return corners;
}

}  // namespace scenario::tools
