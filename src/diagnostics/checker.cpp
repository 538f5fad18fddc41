#include "diagnostics/checker.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "compiler/error_codes.h"
#include "diagnostics/error_explanations.h"
#include "diagnostics/pass.h"
#include "diagnostics/warnings.h"

namespace scenario::diagnostics {
namespace {

using records::SourceText;

// Every pass leaves out at least one entry; a text of that many faults is
// checked no further.
constexpr int kMostPasses = 100;

// A line text that only gives the run a track to be checked on, when the
// author's line text gives none.
constexpr std::string_view kStandInLine = "[generale]\r\nlunghezza percorso,    1000000\r\n";

// Blanks the bytes [begin, end) of `text`, keeping its line ends, so that
// every later field keeps its line and columns.
void blank(std::string& text, std::size_t begin, std::size_t end) {
  for (std::size_t i = begin; i < end && i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n')
      text[i] = ' ';
  }
}

// Leaves an entry out: its keyword field and the rest of its line, which is
// what the author wrote as the entry (values taken from the next line are
// not its own).
void leave_out_entry(Pass& pass, int index, std::string& line_text, std::string& run_text) {
  const TracedEntry& entry = pass.trace.entries[static_cast<std::size_t>(index)];
  const TracedField& keyword = pass.trace.keywords[static_cast<std::size_t>(entry.keyword)].field;
  std::string& text = entry.text == SourceText::kRun ? run_text : line_text;
  std::size_t end = keyword.span.begin;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n')
    ++end;
  blank(text, keyword.span.begin, end);
}

bool is_length_entry(const Pass& pass, int index) {
  return index >= 0 &&
         pass.trace.entries[static_cast<std::size_t>(index)].kind.keyword == "lunghezza percorso";
}

using Place = std::tuple<SourceText, int, int, std::int32_t, std::string>;
Place place_of(const Diagnostic& diagnostic) {
  return {diagnostic.text, diagnostic.line, diagnostic.column, diagnostic.code.value_or(-1),
          diagnostic.id};
}

int text_order(SourceText text) {
  switch (text) {
    case SourceText::kLine:
      return 0;
    case SourceText::kRun:
      return 1;
    case SourceText::kNone:
      break;
  }
  return 2;
}

class Checker {
 public:
  explicit Checker(const CheckedScenario& scenario) : scenario_(scenario) {
    line_.line_text = scenario.line_text;
    line_.run_text = scenario.run_text;
  }

  CheckOutcome check();

 private:
  void add(Diagnostic diagnostic) {
    if (seen_.insert(place_of(diagnostic)).second)
      found_.push_back(std::move(diagnostic));
  }
  void add_all(std::vector<Diagnostic> diagnostics) {
    for (Diagnostic& diagnostic : diagnostics)
      add(std::move(diagnostic));
  }
  bool too_many() const { return found_.size() > kMostDiagnostics; }
  // Tells the codes `pass` recorded while compiling `text`; true when an
  // entry was left out for the next pass.
  bool compile_codes(Pass& pass, SourceText text);
  void final_codes(const Pass& pass);
  void stand_in_for_the_line();
  void check_line();
  void check_run();
  CheckOutcome outcome();

  const CheckedScenario& scenario_;
  Pass line_;  // the line text compiled alone
  Pass run_;   // the run text compiled over it, and the finishing pass
  // The line text's last pass when it gave no track and a stand-in line
  // took its place, for the warnings about the line text itself.
  std::optional<Pass> trackless_line_;
  bool stand_in_ = false;
  bool length_left_out_ = false;
  int passes_ = 0;
  std::vector<Diagnostic> found_;
  std::set<Place> seen_;
};

bool Checker::compile_codes(Pass& pass, SourceText text) {
  std::string line_text = pass.line_text;
  std::string run_text = pass.run_text;
  bool left_out = false;
  for (const TracedCode& code : pass.trace.codes) {
    const std::int32_t number = code.state.error_code;
    if (code.compiling != text || number == compiler::kErrorKilometricReference)
      continue;  // the end of the run and the finishing pass: the last pass says them
    if (stand_in_ && number == compiler::kErrorBeyondTrack)
      continue;  // the length of the stand-in track is made up
    if (number == compiler::kErrorNoLineLength && length_left_out_)
      continue;  // the length was said to be wrong already
    const ExplainedCode explained = explain_code(pass, code);
    add(explained.diagnostic);
    if (explained.blamed_entry >= 0) {
      length_left_out_ = length_left_out_ || is_length_entry(pass, explained.blamed_entry);
      leave_out_entry(pass, explained.blamed_entry, line_text, run_text);
      left_out = true;
    } else if (explained.blamed_field) {
      std::string& blamed = code.compiling == SourceText::kRun ? run_text : line_text;
      blank(blamed, explained.blamed_field->span.begin, explained.blamed_field->span.end);
      left_out = true;
    }
  }
  pass.line_text = std::move(line_text);
  pass.run_text = std::move(run_text);
  return left_out;
}

void Checker::final_codes(const Pass& pass) {
  for (const TracedCode& code : pass.trace.codes) {
    const std::int32_t number = code.state.error_code;
    const bool at_the_end =
        code.compiling == SourceText::kNone || number == compiler::kErrorKilometricReference;
    if (!at_the_end || stand_in_)
      continue;
    add(explain_code(pass, code).diagnostic);
  }
}

void Checker::stand_in_for_the_line() {
  stand_in_ = true;
  Diagnostic note = at_text_start(line_, SourceText::kRun);
  note.severity = Severity::kNote;
  note.id = std::string(warning_id::kRunCheckedWithoutTrack);
  note.message =
      "il testo della linea non dà un binario: il testo della corsa è controllato su un binario "
      "di 1000000 m senza cartelli, senza le prove di posizione né la passata finale";
  add(std::move(note));
  line_.line_text = std::string(kStandInLine);
  run_line_pass(line_, scenario_.line_id, scenario_.train_number, 0);
}

// The line text alone, again and again with each entry at fault left out,
// until it compiles without a stop.
void Checker::check_line() {
  for (; passes_ < kMostPasses && !too_many(); ++passes_) {
    run_line_pass(line_, scenario_.line_id, scenario_.train_number, scenario_.write_line_data);
    std::vector<Diagnostic> reading;
    add_reading_warnings(line_, reading);
    add_all(std::move(reading));
    if (!compile_codes(line_, SourceText::kLine))
      break;
  }
  if (line_.outcome == finish::Outcome::kNoTrack) {
    trackless_line_ = line_;
    stand_in_for_the_line();
  }
}

// Then the run text over the line, the same way, and the finishing pass.
void Checker::check_run() {
  for (; passes_ < kMostPasses && !too_many(); ++passes_) {
    run_run_pass(run_, line_);
    std::vector<Diagnostic> reading;
    add_reading_warnings(run_, reading);
    for (Diagnostic& diagnostic : reading) {
      if (diagnostic.text == SourceText::kRun)
        add(std::move(diagnostic));
    }
    if (compile_codes(run_, SourceText::kRun))
      continue;
    final_codes(run_);
    if (!trackless_line_) {
      add_warnings(run_, false, found_);
      break;
    }
    // Each text's warnings from the pass that read it.
    std::vector<Diagnostic> line_warnings;
    add_warnings(*trackless_line_, true, line_warnings);
    std::vector<Diagnostic> run_warnings;
    add_warnings(run_, true, run_warnings);
    for (auto* warnings : {&line_warnings, &run_warnings}) {
      const SourceText text = warnings == &line_warnings ? SourceText::kLine : SourceText::kRun;
      for (Diagnostic& diagnostic : *warnings) {
        if (diagnostic.text == text)
          add(std::move(diagnostic));
      }
    }
    break;
  }
}

CheckOutcome Checker::check() {
  run_.run_text = scenario_.run_text;
  check_line();
  line_.run_text = run_.run_text;
  check_run();
  // The encoding is the texts' own, whatever they compile to.
  Pass original;
  original.line_text = scenario_.line_text;
  original.run_text = scenario_.run_text;
  add_encoding_warning(original, SourceText::kLine, scenario_.line_text, found_);
  add_encoding_warning(original, SourceText::kRun, scenario_.run_text, found_);
  return outcome();
}

CheckOutcome Checker::outcome() {
  // The lines as the author wrote them, not as a pass left them.
  Pass original;
  original.line_text = scenario_.line_text;
  original.run_text = scenario_.run_text;
  for (Diagnostic& diagnostic : found_) {
    if (diagnostic.text == SourceText::kNone || diagnostic.line <= 0)
      continue;
    const std::string_view text = original.text_of(diagnostic.text);
    text::FieldSpan line_start;
    std::size_t offset = 0;
    for (int line = 1; line < diagnostic.line && offset < text.size(); ++offset) {
      if (text[offset] == '\r' && offset + 1 < text.size() && text[offset + 1] == '\n')
        ++offset;
      if (text[offset] == '\r' || text[offset] == '\n')
        ++line;
    }
    line_start.line_begin = offset;
    diagnostic.source_line = std::string(line_of(text, line_start));
  }
  // Errors before warnings and notes at the same place.
  std::stable_sort(found_.begin(), found_.end(), [](const Diagnostic& a, const Diagnostic& b) {
    return std::make_tuple(text_order(a.text), a.line, a.column, a.severity) <
           std::make_tuple(text_order(b.text), b.line, b.column, b.severity);
  });
  CheckOutcome result;
  if (found_.size() > kMostDiagnostics) {
    result.left_out = found_.size() - kMostDiagnostics;
    found_.resize(kMostDiagnostics);
  }
  result.diagnostics = std::move(found_);
  return result;
}

}  // namespace

CheckOutcome check_scenario(const CheckedScenario& scenario) {
  return Checker(scenario).check();
}

std::optional<Diagnostic> explain_recorded_code(const CheckedScenario& scenario) {
  Pass pass;
  pass.line_text = scenario.line_text;
  pass.run_text = scenario.run_text;
  run_pass(pass, scenario.line_id, scenario.train_number, scenario.write_line_data);
  if (pass.trace.codes.empty())
    return std::nullopt;
  return explain_code(pass, pass.trace.codes.back()).diagnostic;
}

}  // namespace scenario::diagnostics
