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

}  // namespace

void memorizza_dati(records::ScenarioRecords& records, const DescriptionTexts& texts,
                    CompileObserver* observer) {
  records::SourceText reading = records::SourceText::kLine;
  try {
    records.header[records::kLineSlot].text = records.line_id;
    records.header[records::kRunSlot].text = records.train_number;
    if (observer != nullptr)
      observer->text_begins(reading);
    const line::LineHandOver hand_over =
        line::compile_line(records, content_of(texts.line), observer);
    if (hand_over.hard_stop)
      return;
    reading = records::SourceText::kRun;
    if (observer != nullptr)
      observer->text_begins(reading);
    run::compile_run(records, content_of(texts.run), hand_over.next_board_slot, observer);
  } catch (const text::CompileFailure& failure) {
    if (observer != nullptr)
      observer->trapped(failure);
    records.state.fail(kErrorUnexpectedFailure, reading, failure.line());
    records.state.detail = failure.what();
  }
}

}  // namespace scenario::compiler
