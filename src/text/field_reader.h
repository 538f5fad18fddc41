#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/field_observer.h"

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
//
// The reader keeps the place of the field read last (FieldSpan) and, when
// given an observer, tells it of every field it reads.

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
  int field_line() const { return field_.line; }
  // Where the field read last stands.
  const FieldSpan& last_field() const { return field_; }
  // The bytes of the text read.
  std::string_view text() const { return text_; }

  // Tells `observer` (none: nobody) of every field read from now on.
  void set_observer(FieldObserver* observer) { observer_ = observer; }
  FieldObserver* observer() const { return observer_; }

 private:
  void begin_field();
  // The field is the bytes from its begin to `end`.
  void end_field(std::size_t end);
  bool at_line_end() const;
  void consume_line_end();
  std::int64_t read_number(std::int64_t low, std::int64_t high, const char* kind);

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  std::size_t line_begin_ = 0;
  FieldSpan field_;
  FieldObserver* observer_ = nullptr;
};

}  // namespace scenario::text
