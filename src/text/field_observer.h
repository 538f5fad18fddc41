#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace scenario::text {

// Where a field stands in its text: its line and its first and last column
// (1-based, one column per character of the Windows-1252 text), and its
// bytes [begin, end) in the whole text. An empty field has last_column =
// first_column - 1.
struct FieldSpan {
  int line = 0;
  int first_column = 0;
  int last_column = 0;
  std::size_t begin = 0;
  std::size_t end = 0;
  // The bytes from the start of the field's line to its line end.
  std::size_t line_begin = 0;
};

// What one value field of an entry holds, for people: "posizione (m)",
// "velocità (km/h)".
struct ValueField {
  std::string_view meaning;
  bool is_text = false;  // a text field; otherwise a number
};

// One kind of entry of a description text, as people know it: its keyword
// as written in the texts and its value fields in order.
struct EntryInfo {
  std::string_view keyword;
  std::span<const ValueField> values;
};

// How a keyword field was taken.
enum class KeywordUse {
  kExamined,     // tested against the entry kinds (an entry follows, or it is passed over)
  kDashSkipped,  // it holds a "-": passed over by the dash rule
};

// Told what the reading of a text does, field by field, for the authors'
// diagnostics. Nothing of the compile changes whether one listens or not.
class FieldObserver {
 public:
  virtual ~FieldObserver() = default;
  // Every field read, with its place and its bytes as they stand, before it
  // is checked.
  virtual void field(const FieldSpan& span, std::string_view raw) = 0;
  // The field read last was a keyword field.
  virtual void keyword(KeywordUse use) = 0;
  // The keyword field examined last starts an entry of this kind; its value
  // fields follow, then entry_end.
  virtual void entry(const EntryInfo& kind) = 0;
  virtual void entry_end() = 0;
};

}  // namespace scenario::text
