#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace scenario::tools {

// The advance widths of one font, in its own units, for the characters the
// drawings' texts use: U+0020 to U+017F in full and a few marks beyond.
struct FontWidths {
  static constexpr char32_t kFirst = 0x20;
  static constexpr char32_t kLast = 0x17F;
  struct Mark {
    char32_t code = 0;
    std::uint16_t advance = 0;
  };

  std::uint16_t units_per_em = 0;
  std::uint16_t missing = 0;  // the advance of a character not listed
  std::array<std::uint16_t, kLast - kFirst + 1> basic{};
  std::array<Mark, 32> marks{};  // unused places have code 0
};

// DejaVu Sans, or DejaVu Sans Bold: the fonts the SVG names first, which
// Debian's Chromium draws it with (tools/font_widths_dejavu.cpp, generated
// by scripts/font-widths.py).
const FontWidths& dejavu_sans(bool bold);

// The advance of `utf8` set in DejaVu Sans (bold or not) at `size` units:
// the sum of its characters' advances, without kerning, which in this font
// only ever brings letters closer.
double text_advance(std::string_view utf8, double size, bool bold);

}  // namespace scenario::tools
