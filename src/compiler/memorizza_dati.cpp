#include "compiler/memorizza_dati.h"

#include <optional>
#include <string_view>

#include "compiler/error_codes.h"
#include "line/line_compiler.h"
#include "run/run_compiler.h"
#include "text/compile_failure.h"

namespace scenario::compiler {
namespace {

std::optional<std::string_view> content_of(const std::optional<DescriptionText>& text) {
  if (!text)
    return std::nullopt;
  return text->content;
}

// The failure trap around one half: an unexpected failure is recorded as
// code 25 against the text being read.
template <typename Half>
bool under_the_trap(records::ScenarioRecords& records, records::SourceText reading,
                    CompileObserver* observer, Half half) {
  try {
    half();
    return true;
  } catch (const text::CompileFailure& failure) {
    if (observer != nullptr)
      observer->trapped(failure);
    records.state.fail(kErrorUnexpectedFailure, reading, failure.line());
    records.state.detail = failure.what();
    return false;
  }
}

}  // namespace

LineHalf compile_line_half(records::ScenarioRecords& records, const DescriptionTexts& texts,
                           CompileObserver* observer) {
  LineHalf outcome;
  under_the_trap(records, records::SourceText::kLine, observer, [&] {
    records.header[records::kLineSlot].text = records.line_id;
    records.header[records::kRunSlot].text = records.train_number;
    if (observer != nullptr)
      observer->text_begins(records::SourceText::kLine);
    const line::LineHandOver hand_over =
        line::compile_line(records, content_of(texts.line), observer);
    outcome = {!hand_over.hard_stop, hand_over.next_board_slot};
  });
  return outcome;
}

void compile_run_half(records::ScenarioRecords& records, const DescriptionTexts& texts,
                      const LineHalf& line, CompileObserver* observer) {
  under_the_trap(records, records::SourceText::kRun, observer, [&] {
    if (observer != nullptr)
      observer->text_begins(records::SourceText::kRun);
    run::compile_run(records, content_of(texts.run), line.next_board_slot, observer);
  });
}

void memorizza_dati(records::ScenarioRecords& records, const DescriptionTexts& texts,
                    CompileObserver* observer) {
  const LineHalf line = compile_line_half(records, texts, observer);
  if (line.run_follows)
    compile_run_half(records, texts, line, observer);
}

}  // namespace scenario::compiler
