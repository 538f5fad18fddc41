#include "tools/documents/author_notes.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/cp1252.h"
#include "tools/documents/document_lines.h"
#include "tools/documents/document_refusal.h"

namespace scenario::tools {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The lead byte of a UTF-8 sequence of two to four bytes: the bits that
// tell its length, and the smallest code point such a sequence may carry.
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

// The UTF-8 sequence at `at`, or none when the bytes there are not one: a
// lead byte, the right number of continuation bytes, the shortest form, no
// surrogate, at most U+10FFFF.
struct Sequence {
  std::size_t length;
  char32_t code_point;
};
std::optional<Sequence> utf8_sequence(std::string_view bytes, std::size_t at) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  if (lead < 0x80)
    return Sequence{1, lead};
  const auto form = std::find_if(std::begin(kLeadForms), std::end(kLeadForms),
                                 [&](const LeadForm& f) { return (lead & f.mask) == f.value; });
  if (form == std::end(kLeadForms) || at + form->length > bytes.size())
    return std::nullopt;
  char32_t code_point = lead & static_cast<unsigned char>(~form->mask);
  for (std::size_t k = 1; k < form->length; ++k) {
    const auto next = static_cast<unsigned char>(bytes[at + k]);
    if ((next & 0xC0) != 0x80)
      return std::nullopt;
    code_point = (code_point << 6) | (next & 0x3F);
  }
  if (code_point < form->smallest || code_point > kLastCodePoint ||
      (code_point >= kFirstSurrogate && code_point <= kLastSurrogate))
    return std::nullopt;
  return Sequence{form->length, code_point};
}

bool is_utf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    const auto sequence = utf8_sequence(bytes, at);
    if (!sequence)
      return false;
    at += sequence->length;
  }
  return true;
}

std::vector<std::string_view> lines_of(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
    lines.push_back(bytes.substr(start, end - start));
    if (end == bytes.size())
      break;
    const bool cr_lf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
    start = end + (cr_lf ? 2 : 1);
  }
  return lines;
}

std::string place(std::string_view name, std::size_t line) {
  return std::string(name) + ":" + std::to_string(line) + ": ";
}

std::string from_utf8(std::string_view line, std::string_view name, std::size_t number) {
  std::string cp1252;
  for (std::size_t at = 0; at < line.size();) {
    const Sequence sequence = *utf8_sequence(line, at);
    try {
      cp1252 += text::utf8_to_cp1252(line.substr(at, sequence.length));
    } catch (const std::invalid_argument&) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(sequence.code_point));
      throw DocumentRefusal(place(name, number) + "il carattere " +
                            std::string(line.substr(at, sequence.length)) + " (" + code +
                            ") non ha una forma in Windows-1252, la codifica dei documenti");
    }
    at += sequence.length;
  }
  return cp1252;
}

std::string from_cp1252(std::string_view line, std::string_view name, std::size_t number) {
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (text::cp1252_defines(byte))
      continue;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    throw DocumentRefusal(place(name, number) + "il byte " + hex +
                          " non è né UTF-8 né un carattere di Windows-1252");
  }
  return std::string(line);
}

}  // namespace

text::LineList author_notes(std::string_view bytes, std::string_view name) {
  const bool utf8 = is_utf8(bytes);
  if (utf8 && bytes.starts_with(kByteOrderMark))
    bytes.remove_prefix(kByteOrderMark.size());
  DocumentLines lines(std::string(name) + ": le note");
  std::size_t number = 0;
  for (const std::string_view line : lines_of(bytes)) {
    ++number;
    const std::string cp1252 =
        utf8 ? from_utf8(line, name, number) : from_cp1252(line, name, number);
    if (cp1252 == text::kEndMarker) {
      throw DocumentRefusal(place(name, number) + "la riga \"" + std::string(text::kEndMarker) +
                            "\" è il segno di fine dei documenti e non può esserne una riga");
    }
    lines.add(cp1252);
  }
  return std::move(lines).finished();
}

}  // namespace scenario::tools
