#include "run/memorizza_dati.h"

#include "line/line_compiler.h"
#include "platform/files.h"
#include "run/run_compiler.h"
#include "text/compile_failure.h"

namespace scenario::run {

void memorizza_dati(records::ScenarioRecords& records, const DescriptionTexts& texts) {
  records::SourceText reading = records::SourceText::kLine;
  try {
    records.header[records::kLineSlot].text = records.line_id;
    records.header[records::kRunSlot].text = records.train_number;
    const line::LineHandOver hand_over = line::compile_line(records, texts.line_text);
    if (hand_over.hard_stop) {
      // The run text will not be compiled; it goes with the line text, so
      // that no description text outlives the compiler.
      platform::remove_file(texts.run_text);
      return;
    }
    reading = records::SourceText::kRun;
    compile_run(records, texts.run_text, hand_over.next_board_slot);
  } catch (const text::CompileFailure& failure) {
    platform::remove_file(texts.line_text);
    platform::remove_file(texts.run_text);
    records.state.fail(kErrorUnexpectedFailure, reading, failure.line());
    records.state.detail = failure.what();
  }
}

}  // namespace scenario::run
