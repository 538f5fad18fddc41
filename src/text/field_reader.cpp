#include "text/field_reader.h"

#include <limits>

#include "text/compile_failure.h"

namespace scenario::text {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

using Reason = CompileFailure::Reason;

}  // namespace

bool FieldReader::at_line_end() const {
  return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void FieldReader::consume_line_end() {
  if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
    ++pos_;
  ++pos_;
  ++line_;
  line_begin_ = pos_;
}

void FieldReader::begin_field() {
  if (at_end())
    throw CompileFailure(line_, Reason::kPastEnd, "lettura oltre la fine del testo");
  while (pos_ < text_.size() && is_blank(text_[pos_]))
    ++pos_;
  field_.line = line_;
  field_.line_begin = line_begin_;
  field_.begin = pos_;
}

void FieldReader::end_field(std::size_t end) {
  field_.end = end;
  field_.first_column = static_cast<int>(field_.begin - field_.line_begin) + 1;
  field_.last_column = static_cast<int>(end - field_.line_begin);
  if (observer_ != nullptr)
    observer_->field(field_, text_.substr(field_.begin, end - field_.begin));
}

std::string FieldReader::read_text() {
  begin_field();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !at_line_end())
    ++pos_;
  end_field(pos_);
  std::string field(text_.substr(start, pos_ - start));
  if (pos_ < text_.size()) {
    if (text_[pos_] == ',') {
      ++pos_;
    } else {
      consume_line_end();
    }
  }
  return field;
}

std::string FieldReader::read_counted_text() {
  std::string field = read_text();
  if (field.size() > kLongestCountedText) {
    throw CompileFailure(
        field_.line, Reason::kTextTooLong,
        "testo di " + std::to_string(field.size()) + " byte, oltre i 65535 di un campo di testo");
  }
  return field;
}

std::int64_t FieldReader::read_number(std::int64_t low, std::int64_t high, const char* kind) {
  begin_field();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !is_blank(text_[pos_]) && !at_line_end()) {
    ++pos_;
  }
  end_field(pos_);
  const std::string token(text_.substr(start, pos_ - start));
  if (pos_ < text_.size() && is_blank(text_[pos_])) {
    while (pos_ < text_.size() && is_blank(text_[pos_]))
      ++pos_;
  }
  if (pos_ < text_.size()) {
    if (text_[pos_] == ',') {
      ++pos_;
    } else if (at_line_end()) {
      consume_line_end();
    }
    // Anything else starts the next number of a blank-separated run.
  }

  if (token.empty())
    return 0;
  std::size_t digits = token[0] == '-' ? 1 : 0;
  if (digits == token.size()) {
    throw CompileFailure(field_.line, Reason::kNotANumber, "campo non numerico: \"" + token + "\"");
  }
  // Digits beyond any destination's range only need to be seen to be digits.
  constexpr std::int64_t kBeyondAnyField = std::int64_t{1} << 40;
  std::int64_t magnitude = 0;
  for (std::size_t i = digits; i < token.size(); ++i) {
    const char c = token[i];
    if (c < '0' || c > '9') {
      throw CompileFailure(field_.line, Reason::kNotANumber,
                           "campo non numerico: \"" + token + "\"");
    }
    if (magnitude < kBeyondAnyField)
      magnitude = magnitude * 10 + (c - '0');
  }
  const std::int64_t value = token[0] == '-' ? -magnitude : magnitude;
  if (value < low || value > high) {
    throw CompileFailure(field_.line, Reason::kOutOfRange,
                         "valore fuori dai limiti di un campo " + std::string(kind) + ": " + token);
  }
  return value;
}

std::int32_t FieldReader::read_int32() {
  return static_cast<std::int32_t>(read_number(std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max(),
                                               "a 32 bit"));
}

std::int16_t FieldReader::read_int16() {
  return static_cast<std::int16_t>(read_number(std::numeric_limits<std::int16_t>::min(),
                                               std::numeric_limits<std::int16_t>::max(),
                                               "a 16 bit"));
}

std::uint8_t FieldReader::read_uint8() {
  return static_cast<std::uint8_t>(read_number(0, 255, "a 8 bit"));
}

}  // namespace scenario::text
