#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace scenario::text {

// UTF-8, the encoding of our sources, of terminals, JSON and the pages and
// pictures the tool writes, and of texts authors save from editors that
// know no other.

// One well-formed character: its bytes and its code point.
struct Utf8Sequence {
  std::size_t length;  // 1 to 4 bytes
  char32_t code_point;
};

// The character whose bytes start at `at` (within `text`), or none where
// no well-formed one starts: a lead byte followed by its continuation
// bytes, in the shortest form, no surrogate, nothing beyond U+10FFFF.
std::optional<Utf8Sequence> utf8_sequence(std::string_view text, std::size_t at);

// Whether the whole of `text` is well-formed UTF-8.
bool is_utf8(std::string_view text);

// Appends the bytes of `code_point` (up to U+10FFFF, no surrogate).
void append_utf8(std::string& out, char32_t code_point);

}  // namespace scenario::text
