#include "run/run_compiler.h"

#include "platform/file_error.h"
#include "platform/files.h"
#include "run/end_of_text.h"
#include "run/run_compilation.h"
#include "run/run_rows.h"
#include "text/compile_failure.h"
#include "text/field_reader.h"
#include "text/keyword_match.h"

namespace scenario::run {
namespace {

// A missing or unreadable run text is an unexpected failure of the
// compiler, like a text cut short.
std::string read_run_text(const std::string& path) {
  if (!platform::file_exists(path)) {
    throw text::CompileFailure(0, "testo della marcia assente: " + path);
  }
  try {
    return platform::read_file(path);
  } catch (const platform::FileError& error) {
    throw text::CompileFailure(0, error.what());
  }
}

// Everything before the first field containing "[generale]" is passed over.
// False when the text ends first.
bool skip_to_general_section(text::FieldReader& reader) {
  while (!reader.at_end()) {
    if (text::contains_any_case(reader.read_text(), "[generale]"))
      return true;
  }
  return false;
}

// A keyword field holding a dash marks a comment: the next field is taken in
// its place, for two fields in a row; a third is taken as it stands.
constexpr int kDashedFieldsSkipped = 2;

// Reads rows until the end of the text or a row that stops the reading.
// Returns kContinue when the end of the text was reached. A field that ends
// the text is never taken as a keyword: a last line holding a keyword alone
// is not a row.
RowOutcome read_rows(RunCompilation& run) {
  text::FieldReader& reader = run.reader;
  while (!reader.at_end()) {
    std::string keyword = reader.read_text();
    if (reader.at_end())
      return RowOutcome::kContinue;
    for (int skipped = 0; skipped < kDashedFieldsSkipped && text::contains(keyword, "-");
         ++skipped) {
      keyword = reader.read_text();
      if (reader.at_end())
        return RowOutcome::kContinue;
    }
    run.row_line = reader.field_line();
    if (const RowOutcome outcome = compile_row(run, keyword); outcome != RowOutcome::kContinue) {
      return outcome;
    }
  }
  return RowOutcome::kContinue;
}

}  // namespace

void compile_run(records::ScenarioRecords& records, const std::string& path,
                 std::int32_t next_board_slot) {
  text::FieldReader reader(read_run_text(path));
  // The text is wholly in memory: removing it now leaves no run text behind
  // on any way out, the compiler's trap included.
  platform::remove_file(path);

  RunCompilation run(records, reader, next_board_slot);
  if (skip_to_general_section(reader) && read_rows(run) == RowOutcome::kRejected)
    return;
  finish_run_text(run);
}

}  // namespace scenario::run
