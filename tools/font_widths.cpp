#include "tools/font_widths.h"

namespace scenario::tools {
namespace {

// The next character of `utf8` from `at`, which moves past it; a byte that
// starts no valid sequence counts as one character of its own.
char32_t next_character(std::string_view utf8, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(utf8[at++]);
  int more = 0;
  char32_t code = lead;
  if ((lead & 0xE0) == 0xC0) {
    more = 1;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    more = 2;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    more = 3;
    code = lead & 0x07;
  }
  for (; more > 0 && at < utf8.size(); --more, ++at) {
    const auto next = static_cast<unsigned char>(utf8[at]);
    if ((next & 0xC0) != 0x80)
      break;
    code = (code << 6) | (next & 0x3F);
  }
  return code;
}

std::uint16_t advance_of(const FontWidths& font, char32_t code) {
  if (code >= FontWidths::kFirst && code <= FontWidths::kLast)
    return font.basic[code - FontWidths::kFirst];
  for (const FontWidths::Mark& mark : font.marks) {
    if (mark.code != 0 && mark.code == code)
      return mark.advance;
  }
  return font.missing;
}

}  // namespace

double text_advance(std::string_view utf8, double size, bool bold) {
  const FontWidths& font = dejavu_sans(bold);
  double units = 0;
  for (std::size_t at = 0; at < utf8.size();)
    units += advance_of(font, next_character(utf8, at));
  return units * size / font.units_per_em;
}

}  // namespace scenario::tools
