#include "tools/font_widths.h"

#include <optional>

#include "text/utf8.h"

namespace scenario::tools {
namespace {

// The next character of `utf8` from `at`, which moves past it; a byte that
// starts no valid sequence counts as one character of its own.
char32_t next_character(std::string_view utf8, std::size_t& at) {
  if (const std::optional<text::Utf8Sequence> sequence = text::utf8_sequence(utf8, at)) {
    at += sequence->length;
    return sequence->code_point;
  }
  return static_cast<unsigned char>(utf8[at++]);
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
