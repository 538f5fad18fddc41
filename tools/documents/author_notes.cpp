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
#include "text/utf8.h"
#include "tools/documents/document_lines.h"
#include "tools/documents/document_refusal.h"

namespace scenario::tools {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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
    const text::Utf8Sequence sequence = *text::utf8_sequence(line, at);
    try {
      cp1252 += text::utf8_to_cp1252(line.substr(at, sequence.length));
    } catch (const std::invalid_argument&) {
      throw DocumentRefusal(place(name, number) + "il carattere " +
                            std::string(line.substr(at, sequence.length)) + " (" +
                            text::code_point_name(sequence.code_point) +
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
  const bool utf8 = text::is_utf8(bytes);
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
