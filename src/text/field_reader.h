#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scenario::text {

// Reads a description text as one stream of comma-separated fields, not line
// by line.
//
// - Blanks (spaces, tabs) before a field are skipped.
// - A text field runs to the next comma or line end; both delimiters are
//   consumed with it. Its trailing blanks stay part of it.
// - A number field is an optional "-" and decimal digits. It ends at a comma,
//   a blank or a line end; after a blank, further blanks and one following
//   comma or line end are consumed too, so a run of numbers may be separated
//   by blanks alone ("22   3   40"). An empty or blank number field reads 0.
// - A line end is CR LF, LF or CR.
// - The end of the text is reached as soon as its last character has been
//   consumed.
//
// Reading when the end has been reached, a field that is not the number
// expected, or a number that does not fit its destination throws
// CompileFailure with the field's line.
// The longest text a 16-bit byte count can announce.
inline constexpr std::size_t kLongestCountedText = 0xFFFF;

class FieldReader {
 public:
  // Reads `text`, which must outlive the reader.
  explicit FieldReader(std::string_view text) : text_(text) {}

  bool at_end() const { return pos_ >= text_.size(); }

  std::string read_text();
  // A text field that the binary files keep behind a 16-bit byte count (a
  // sign-board text, a station name): longer than kLongestCountedText bytes
  // it throws CompileFailure.
  std::string read_counted_text();
  std::int32_t read_int32();
  std::int16_t read_int16();
  std::uint8_t read_uint8();

  // 1-based line on which the field read last begins.
  int field_line() const { return field_line_; }

 private:
  void begin_field();
  bool at_line_end() const;
  void consume_line_end();
  std::int64_t read_number(std::int64_t low, std::int64_t high, const char* kind);

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int field_line_ = 0;
};

}  // namespace scenario::text
