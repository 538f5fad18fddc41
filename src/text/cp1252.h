#pragma once

#include <string>
#include <string_view>

namespace scenario::text {

// Converts UTF-8 (the encoding of our source files) to Windows-1252 bytes,
// one byte per character, the encoding of every text the system writes.
// Throws std::invalid_argument for malformed UTF-8 or a character that the
// code page cannot hold, naming the character; nothing is ever replaced
// silently.
std::string utf8_to_cp1252(std::string_view utf8);

// A character as people name it: "U+" and its code point in at least four
// upper-case hexadecimal digits ("U+2713").
std::string code_point_name(char32_t code_point);

// Converts Windows-1252 bytes to UTF-8, for showing texts of the binary
// files on a terminal or in JSON and SVG. The five bytes the code page
// leaves undefined become the control characters of the same number
// (U+0081, ...), so that nothing is lost.
std::string cp1252_to_utf8(std::string_view bytes);

// Lower case by the rules of Windows-1252: A to Z and the code page's own
// capital letters (À to Þ except ×, Š, Œ, Ž, Ÿ) become their small forms;
// every other byte is unchanged.
unsigned char cp1252_lower(unsigned char c);
std::string cp1252_lower(std::string_view bytes);

}  // namespace scenario::text
