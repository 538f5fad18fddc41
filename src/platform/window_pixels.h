#pragma once

#include "platform/display.h"

namespace scenario::platform {

// The window's geometry in screen pixels at 96 dots per inch, the scale at
// which the installer's twips were laid out: 15 twips to the pixel, 96
// pixels to the inch, 72 points to the inch.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct PixelLayout {
  int client_width = 0;
  int client_height = 0;
  PixelRect label;
  int font_pixels = 0;  // em height of the label's font
};

// Nearest whole pixel; 15 is odd, so no length in twips lies halfway.
constexpr int twips_to_pixels(int twips) {
  return (2 * twips + (twips < 0 ? -15 : 15)) / 30;
}

// Nearest whole pixel; no whole number of points lies halfway either.
constexpr int points_to_pixels(int points) {
  return (2 * points * 96 + (points < 0 ? -72 : 72)) / 144;
}

PixelLayout to_pixels(const WindowLayout& layout);

}  // namespace scenario::platform
