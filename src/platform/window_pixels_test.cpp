#include "platform/window_pixels.h"

#include <gtest/gtest.h>

namespace scenario::platform {
namespace {

TEST(WindowPixels, TwipsRoundToTheNearestPixel) {
  const struct {
    int twips;
    int pixels;
  } cases[] = {
      {0, 0}, {7, 0}, {8, 1}, {15, 1}, {22, 1}, {23, 2}, {-7, 0}, {-8, -1}, {-15, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(twips_to_pixels(c.twips), c.pixels) << c.twips;
  }
}

TEST(WindowPixels, PointsAreSixteenPixelsForEveryTwelve) {
  EXPECT_EQ(points_to_pixels(24), 32);
  EXPECT_EQ(points_to_pixels(12), 16);
  EXPECT_EQ(points_to_pixels(9), 12);
  EXPECT_EQ(points_to_pixels(8), 11);   // 10.67
  EXPECT_EQ(points_to_pixels(10), 13);  // 13.33
}

TEST(WindowPixels, TheInstallerWindowAtNinetySixDotsPerInch) {
  const WindowLayout layout{.client_width = 4200,
                            .client_height = 2688,
                            .label_caption = "Attendere",
                            .label_left = 960,
                            .label_top = 960,
                            .label_width = 2652,
                            .label_height = 792,
                            .font_name = "MS Sans Serif",
                            .font_points = 24,
                            .font_weight = 700};
  const PixelLayout pixels = to_pixels(layout);
  EXPECT_EQ(pixels.client_width, 280);
  EXPECT_EQ(pixels.client_height, 179);  // 179.2
  EXPECT_EQ(pixels.label.left, 64);
  EXPECT_EQ(pixels.label.top, 64);
  EXPECT_EQ(pixels.label.width, 177);  // 176.8
  EXPECT_EQ(pixels.label.height, 53);  // 52.8
  EXPECT_EQ(pixels.font_pixels, 32);
}

}  // namespace
}  // namespace scenario::platform
