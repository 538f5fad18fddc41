#include "line/line_compiler.h"

#include "line/general_section.h"
#include "line/gradients.h"
#include "line/kilometric_sort.h"
#include "line/line_compilation.h"
#include "line/line_entries.h"
#include "line/line_errors.h"
#include "line/plan_geometry.h"
#include "platform/files.h"
#include "text/keyword_match.h"

namespace scenario::line {
namespace {

// Everything before the first field that holds "[generale]" is passed over.
// A text that ends before, or with that field, has no general section.
Outcome find_general_section(LineCompilation& line) {
  while (true) {
    if (line.reader.at_end())
      return line.stop(kErrorNoGeneralSection);
    line.read_keyword();
    if (line.reader.at_end())
      return line.stop(kErrorNoGeneralSection);
    if (text::contains_any_case(line.keyword, "[generale]"))
      return Outcome::kGoOn;
  }
}

// Everything that reads the text. Returns kGoOn or kEndOfLine when the line
// is to be finished, kHardStop when the compiler stops at once.
Outcome read_line_text(LineCompilation& line) {
  if (find_general_section(line) == Outcome::kHardStop)
    return Outcome::kHardStop;
  if (compile_general_section(line) == Outcome::kHardStop)
    return Outcome::kHardStop;
  // Without a length there is no cell array to compile the line into.
  if (line.records.cells.empty())
    return line.stop_at(kErrorNoLineLength, 0);
  progressive_ordina(line.records.header);
  if (line.records.write_line_data != 0)
    start_plan(*line.records.plan);
  return compile_entries(line);
}

void finish_line(LineCompilation& line) {
  fill_last_gradient(line);
  if (line.records.write_line_data != 0)
    finish_plan(line);
}

}  // namespace

LineHandOver compile_line(records::ScenarioRecords& records, const std::string& path) {
  // The track exists only once this text has given its length.
  records.cells.clear();
  records.plan.reset();
  if (!platform::file_exists(path)) {
    records.state.fail(kErrorNoLineText, records::SourceText::kLine);
    return {.hard_stop = true};
  }
  LineCompilation line(records, platform::read_file(path));
  const Outcome outcome = read_line_text(line);
  platform::remove_file(path);
  if (outcome == Outcome::kHardStop)
    return {.hard_stop = true};
  finish_line(line);
  return {.hard_stop = false, .next_board_slot = line.next_board_slot};
}

}  // namespace scenario::line
