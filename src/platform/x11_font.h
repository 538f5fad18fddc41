#pragma once

#include <X11/Xft/Xft.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/window_pixels.h"
#include "platform/x11_connection.h"

namespace scenario::platform {

// What a font is asked for: families in order of preference (fontconfig
// takes the first it has, then its own stand-ins), size and weight.
struct FontRequest {
  std::vector<std::string> families;
  int pixel_size = 0;
  int weight = 400;  // 100 to 900, 400 regular, 700 bold
};

// A font opened through fontconfig and Xft, and the text drawn with it.
class X11Font {
 public:
  // Throws std::runtime_error when not a single font is installed.
  X11Font(const X11Connection& connection, const FontRequest& request);
  ~X11Font();
  X11Font(const X11Font&) = delete;
  X11Font& operator=(const X11Font&) = delete;

  int ascent() const { return font_->ascent; }
  int line_height() const { return font_->ascent + font_->descent; }
  int width(std::string_view text) const;
  // The family fontconfig chose.
  std::string family() const;

  // Draws `lines` in `colour` into `drawable`, one under the other, the
  // first with its top at `top`, every line starting at `left` and clipped
  // to `clip`.
  void draw(Drawable drawable, const std::vector<std::string>& lines, int left, int top, Rgb colour,
            const PixelRect& clip) const;

 private:
  const X11Connection& connection_;
  XftFont* font_;
};

}  // namespace scenario::platform
