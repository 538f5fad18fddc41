// The authors' check on hostile texts: a line text and a run text split out
// of one input (as the compile fuzzer takes them), read as Windows-1252 or
// first converted from UTF-8. Whatever the texts hold, the check ends, gives
// at most its hundred diagnostics, each at a place that is in its text with
// its source line as it stands there and a message in valid UTF-8, and does
// not change what the compile records.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/builtin_scenario_content.h"
#include "diagnostics/checker.h"
#include "finish/memorizza_percorso.h"
#include "fuzz/compile_input.h"
#include "fuzz/fuzz_check.h"
#include "platform/file_error.h"
#include "text/utf8.h"
#include "tools/author_scenario.h"

namespace {

using namespace scenario;
using fuzz::require;

// Line `number` (1-based) of `text`, as the field reader counts lines.
std::string_view line_of(std::string_view text, int number) {
  std::size_t at = 0;
  for (int line = 1; line < number && at < text.size(); ++at) {
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
      ++at;
    if (text[at] == '\r' || text[at] == '\n')
      ++line;
  }
  std::size_t end = at;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n')
    ++end;
  return text.substr(at, end - at);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::CompileInput input = fuzz::parse_compile_input({reinterpret_cast<const char*>(data), size});
  // Bit 2 of the options byte: the texts were saved as UTF-8.
  if (size > 0 && (data[0] & 4) != 0) {
    try {
      input.line_text = tools::from_utf8_text("linea", input.line_text);
      input.run_text = tools::from_utf8_text("corsa", input.run_text);
    } catch (const platform::FileError& refused) {
      require(!refused.reason().empty(), "a refused UTF-8 text says why");
      return 0;
    }
  }
  const diagnostics::CheckedScenario scenario{input.line_text, input.run_text, app::kLineId,
                                              app::kTrainNumber, input.write_line_data};
  const diagnostics::CheckOutcome outcome = diagnostics::check_scenario(scenario);
  require(outcome.diagnostics.size() <= diagnostics::kMostDiagnostics, "at most 100 diagnostics");

  bool error_found = false;
  for (const diagnostics::Diagnostic& d : outcome.diagnostics) {
    require(text::is_utf8(d.message), "a message in valid UTF-8: " + d.message);
    require(!d.id.empty(), "every diagnostic has an identifier");
    error_found = error_found || d.severity == diagnostics::Severity::kError;
    if (d.text == records::SourceText::kNone || d.line == 0)
      continue;
    const std::string& text =
        d.text == records::SourceText::kLine ? input.line_text : input.run_text;
    require(d.column >= 1 && d.end_column >= d.column - 1, "a column range");
    require(d.source_line == line_of(text, d.line), "the source line of the place");
    require(static_cast<std::size_t>(d.end_column) <= d.source_line.size(),
            "the field within its line");
  }

  // The compile records what it records with or without the check.
  records::ScenarioRecords records;
  fuzz::compile_as_installer({compiler::DescriptionText{"linea", input.line_text},
                              compiler::DescriptionText{"corsa", input.run_text}},
                             input.write_line_data, records);
  require(records.state.error_code == 0 || error_found || outcome.left_out > 0,
          "an error the compile records is among the diagnostics");
  return 0;
}
