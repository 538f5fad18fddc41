#include "app/builtin_scenario_content.h"

#include "docs/driver_documents.h"
#include "line/builtin_line.h"
#include "run/builtin_run_text.h"
#include "text/line_list.h"

namespace scenario::app {

package::ScenarioContent builtin_scenario_content() {
  return {.line_id = kLineId,
          .train_number = kTrainNumber,
          .line_text = text::render_lines(line::builtin_line()),
          .run_text = text::render_lines(run::builtin_run_text()),
          .notes = text::render_lines(docs::builtin_notes()),
          .slow_order = text::render_lines(docs::builtin_slow_order()),
          .train_sheet = text::render_lines(docs::builtin_train_sheet())};
}

}  // namespace scenario::app
