#include "tools/label_layout.h"

#include <gtest/gtest.h>

namespace scenario::tools {
namespace {

TEST(PackInRows, ApartLabelsShareARowAndCloseOnesClimbAStaircase) {
  // Three close places, then one far away.
  const std::vector<double> anchor{100, 120, 140, 600};
  const std::vector<double> width{80, 80, 80, 80};
  const auto placed = pack_in_rows(anchor, width, 0, 1000, 10);
  // The last of the group keeps the nearest row; the first climbs highest,
  // so every leader passes left of the labels below it.
  EXPECT_EQ(placed[2].row, 0u);
  EXPECT_EQ(placed[1].row, 1u);
  EXPECT_EQ(placed[0].row, 2u);
  EXPECT_EQ(placed[3].row, 0u);
  for (std::size_t i = 0; i < anchor.size(); ++i)
    EXPECT_EQ(placed[i].left, anchor[i]);
}

// Labels that fit without being moved: none overlaps another in its row,
// no leader runs through one.
TEST(PackInRows, NoLabelsOverlapAndNoLeaderRunsThroughALabel) {
  std::vector<double> anchor;
  std::vector<double> width;
  for (int i = 0; i < 60; ++i) {
    anchor.push_back((i * 37) % 400 + (i % 3) * 0.5);
    width.push_back(40 + (i * 13) % 70);
  }
  const auto placed = pack_in_rows(anchor, width, 0, 520, 6);
  for (std::size_t i = 0; i < anchor.size(); ++i) {
    EXPECT_GE(placed[i].left, 0);
    EXPECT_LE(placed[i].left + width[i], 520);
    for (std::size_t j = 0; j < anchor.size(); ++j) {
      if (i == j)
        continue;
      if (placed[i].row == placed[j].row) {
        EXPECT_TRUE(placed[i].left + width[i] <= placed[j].left ||
                    placed[j].left + width[j] <= placed[i].left)
            << i << " " << j;
      }
      // The leader of j crosses the rows below it.
      if (placed[i].row < placed[j].row && anchor[j] != anchor[i]) {
        EXPECT_FALSE(anchor[j] > placed[i].left + 1 && anchor[j] < placed[i].left + width[i] - 1)
            << "leader " << j << " through label " << i;
      }
    }
  }
}

TEST(PlaceAround, KeepsClearOfObstaclesLabelsAndTheBounds) {
  const Box bounds{0, 0, 200, 200};
  const std::vector<Point> anchors{{100, 100}, {104, 100}, {100, 104}, {195, 195}};
  const std::vector<Size> sizes(4, {50, 12});
  const std::vector<Box> obstacles{{90, 90, 110, 110}};
  const auto corners = place_around(anchors, sizes, obstacles, bounds);
  std::vector<Box> boxes;
  for (std::size_t i = 0; i < corners.size(); ++i)
    boxes.push_back({corners[i].x, corners[i].y, corners[i].x + 50, corners[i].y + 12});
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_GE(boxes[i].left, bounds.left);
    EXPECT_LE(boxes[i].right, bounds.right);
    EXPECT_GE(boxes[i].top, bounds.top);
    EXPECT_LE(boxes[i].bottom, bounds.bottom);
    EXPECT_FALSE(boxes[i].overlaps(obstacles[0])) << i;
    for (std::size_t j = i + 1; j < boxes.size(); ++j)
      EXPECT_FALSE(boxes[i].overlaps(boxes[j])) << i << " " << j;
  }
}

}  // namespace
}  // namespace scenario::tools
