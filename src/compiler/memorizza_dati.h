#pragma once

#include "compiler/compile_observer.h"
#include "compiler/description_texts.h"
#include "records/scenario_records.h"

namespace scenario::compiler {

// The compiler: the line text, then in the same call the run text, into the
// records. It reads only what it is given and touches no file. Problems end
// up in records.state, never as an exception: an unexpected failure is caught
// here (the failure trap) and recorded as code 25. After a stop of the line
// text the run text is not compiled. `observer` (none: nobody) hears what
// the compile does, field by field.
void memorizza_dati(records::ScenarioRecords& records, const DescriptionTexts& texts,
                    CompileObserver* observer = nullptr);

// The compiler's two halves, each under the failure trap, for a caller
// that compiles one line text once and many run texts over it (the
// authors' check): memorizza_dati is the line half, then, unless the line
// stopped, the run half on the same records.
struct LineHalf {
  bool run_follows = false;  // the line did not stop at once
  std::int32_t next_board_slot = records::kFirstBoardTextSlot;
};
LineHalf compile_line_half(records::ScenarioRecords& records, const DescriptionTexts& texts,
                           CompileObserver* observer = nullptr);
void compile_run_half(records::ScenarioRecords& records, const DescriptionTexts& texts,
                      const LineHalf& line, CompileObserver* observer = nullptr);

}  // namespace scenario::compiler
