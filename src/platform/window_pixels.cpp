#include "platform/window_pixels.h"

namespace scenario::platform {

PixelLayout to_pixels(const WindowLayout& layout) {
  return {
      .client_width = twips_to_pixels(layout.client_width),
      .client_height = twips_to_pixels(layout.client_height),
      .label = {.left = twips_to_pixels(layout.label_left),
                .top = twips_to_pixels(layout.label_top),
                .width = twips_to_pixels(layout.label_width),
                .height = twips_to_pixels(layout.label_height)},
      .font_pixels = points_to_pixels(layout.font_points),
  };
}

}  // namespace scenario::platform
