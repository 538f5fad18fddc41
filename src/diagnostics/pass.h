#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "compiler/memorizza_dati.h"
#include "diagnostics/compile_trace.h"
#include "diagnostics/diagnostic.h"
#include "finish/memorizza_percorso.h"
#include "records/scenario_records.h"

namespace scenario::diagnostics {

// One compile and finishing pass over two texts, as the installer runs it
// (write-line-data flag 1), with everything it did traced.
struct Pass {
  std::string line_text;  // Windows-1252 bytes, as compiled
  std::string run_text;
  records::ScenarioRecords records;
  CompileTrace trace;
  finish::Outcome outcome = finish::Outcome::kNoTrack;
  compiler::LineHalf line_half;

  std::string_view text_of(records::SourceText text) const {
    return text == records::SourceText::kRun ? std::string_view(run_text)
                                             : std::string_view(line_text);
  }
  // N, or -1 without a track.
  std::int32_t last_cell() const { return static_cast<std::int32_t>(records.cells.size()) - 1; }
  // The line length read, or none without a track.
  std::optional<std::int32_t> line_length() const;
};

// Compiles and completes `line_text` and `run_text` for a scenario of the
// given identity (Windows-1252 bytes), tracing it, as the installer does.
// `write_line_data` 0 leaves the plan out.
void run_pass(Pass& pass, std::string_view line_id, std::string_view train_number,
              std::int32_t write_line_data = 1);

// The same in two steps, for compiling one line text once and many run
// texts over it: the line half alone into `line`, then the run half and the
// finishing pass into `pass` over a copy of what the line half left (its
// plan left out: the run never reads it).
void run_line_pass(Pass& line, std::string_view line_id, std::string_view train_number,
                   std::int32_t write_line_data);
void run_run_pass(Pass& pass, const Pass& line);

// A diagnostic pointing at `field` of `text` in the pass.
Diagnostic at_field(const Pass& pass, records::SourceText text, const TracedField& field);
// A diagnostic pointing at the first column of line 1 of `text`.
Diagnostic at_text_start(const Pass& pass, records::SourceText text);

// The place of the bytes [begin, end) of `text`, lines counted as the field
// reader counts them (a line ends at CR LF, LF or CR).
text::FieldSpan span_at(std::string_view text, std::size_t begin, std::size_t end);

// The whole line of `text` that `span` stands on, without its line end.
std::string_view line_of(std::string_view text, const text::FieldSpan& span);

// The integer a number field reads as (empty or blank: 0), none for a field
// that is not one.
std::optional<std::int64_t> number_of(std::string_view raw);

}  // namespace scenario::diagnostics
