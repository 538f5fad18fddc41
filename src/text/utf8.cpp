#include "text/utf8.h"

namespace scenario::text {
namespace {

// The forms of a lead byte: the bits that tell the form, their value, the
// length of the sequence and the smallest code point it may carry (a
// smaller one has a shorter form).
struct LeadForm {
  unsigned char mask;
  unsigned char value;
  std::size_t length;
  char32_t smallest;
};
constexpr LeadForm kLeadForms[] = {
    {0xE0, 0xC0, 2, 0x80},
    {0xF0, 0xE0, 3, 0x800},
    {0xF8, 0xF0, 4, 0x10000},
};
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

bool is_continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

std::optional<Utf8Sequence> utf8_sequence(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80)
    return Utf8Sequence{1, lead};
  for (const LeadForm& form : kLeadForms) {
    if ((lead & form.mask) != form.value)
      continue;
    if (text.size() - at < form.length)
      return std::nullopt;
    char32_t code_point = lead & static_cast<unsigned char>(~form.mask);
    for (std::size_t k = 1; k < form.length; ++k) {
      const auto next = static_cast<unsigned char>(text[at + k]);
      if (!is_continuation(next))
        return std::nullopt;
      code_point = (code_point << 6) | (next & 0x3F);
    }
    if (code_point < form.smallest || code_point > kLastCodePoint ||
        (code_point >= kFirstSurrogate && code_point <= kLastSurrogate))
      return std::nullopt;
    return Utf8Sequence{form.length, code_point};
  }
  return std::nullopt;
}

bool is_utf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::optional<Utf8Sequence> sequence = utf8_sequence(text, at);
    if (!sequence)
      return false;
    at += sequence->length;
  }
  return true;
}

void append_utf8(std::string& out, char32_t code_point) {
  if (code_point < 0x80) {
    out.push_back(static_cast<char>(code_point));
  } else if (code_point < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code_point >> 6)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else if (code_point < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code_point >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code_point >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  }
}

}  // namespace scenario::text
