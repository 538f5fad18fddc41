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

}  // namespace scenario::compiler
