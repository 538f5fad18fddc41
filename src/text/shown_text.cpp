#include "text/shown_text.h"

#include "text/cp1252.h"

namespace scenario::text {
namespace {

bool control_or_undefined(unsigned char byte) {
  return (byte < 0x20 && byte != '\t') || byte == 0x7F || byte == 0x81 || byte == 0x8D ||
         byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// One byte as shown, and how many columns it takes.
int append_shown(std::string& out, char c) {
  static constexpr char kHex[] = "0123456789abcdef";
  const auto byte = static_cast<unsigned char>(c);
  if (control_or_undefined(byte)) {
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
    return 4;
  }
  out += cp1252_to_utf8(std::string_view(&c, 1));
  return 1;
}

}  // namespace

std::string shown_text(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (char c : cp1252)
    append_shown(out, c);
  return out;
}

std::string quoted_text(std::string_view cp1252) {
  std::string out = "\"";
  for (char c : cp1252) {
    if (c == '"' || c == '\\')
      out += '\\';
    if (c == '\t')
      out += "\\x09";
    else
      append_shown(out, c);
  }
  return out + "\"";
}

ShownLine shown_line(std::string_view cp1252_line) {
  ShownLine line;
  int column = 0;
  for (char c : cp1252_line) {
    line.columns.push_back(column);
    column += append_shown(line.shown, c);
  }
  line.columns.push_back(column);
  return line;
}

}  // namespace scenario::text
