#pragma once

#include <cstdint>
#include <string>

namespace scenario::records {

// Which description text an error comes from, for diagnostics only.
enum class SourceText : std::uint8_t { kNone, kLine, kRun };

struct CompileState;

// Told of every code recorded, in order, for the authors' diagnostics: the
// compile state itself keeps only the last.
class RecordObserver {
 public:
  virtual ~RecordObserver() = default;
  virtual void recorded(const CompileState& state) = 0;
};

// The outcome of compilation and finishing: the code of the last error found
// (0 = none) and its position in metres. Nothing of it goes to a file.
// `text` and `line` say where the failing entry stands, when an entry is to
// blame, and `detail` what the compiler's trap caught; they serve the
// messages for authors and are never written.
struct CompileState {
  std::int32_t error_code = 0;
  std::int32_t error_position = 0;
  SourceText text = SourceText::kNone;
  int line = 0;
  std::string detail;
  // Who hears of each code recorded (none: nobody); never part of the outcome.
  RecordObserver* observer = nullptr;

  // Records an error, keeping the position held so far.
  void fail(std::int32_t code, SourceText from = SourceText::kNone, int at_line = 0) {
    error_code = code;
    text = from;
    line = at_line;
    detail.clear();
    if (observer != nullptr)
      observer->recorded(*this);
  }
  // Records an error with its position.
  void fail_at(std::int32_t code, std::int32_t position, SourceText from = SourceText::kNone,
               int at_line = 0) {
    error_position = position;
    fail(code, from, at_line);
  }
};

}  // namespace scenario::records
