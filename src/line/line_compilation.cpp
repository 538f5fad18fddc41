#include "line/line_compilation.h"

#include "line/line_errors.h"

namespace scenario::line {

Outcome test_on_track(LineCompilation& line, std::int32_t position) {
  if ((static_cast<double>(position) + 100.0) / 50.0 <= line.last_cell())
    return Outcome::kGoOn;
  line.records.state.fail_at(kErrorBeyondTrack, position, records::SourceText::kLine,
                             line.keyword_line);
  return Outcome::kEndOfLine;
}

}  // namespace scenario::line
