#pragma once

#include <optional>
#include <string>

#include "records/scenario_records.h"
#include "text/line_list.h"
#include "tools/documents/train_sheet_from_run.h"

namespace scenario::tools {

// An author's notes text: its name for messages and its bytes.
struct NotesText {
  std::string name;
  std::string bytes;
};

// What the documents take besides the compiled run.
struct DocumentChoices {
  std::string run_text;  // names the run text in refusals
  SheetOptions sheet;
  std::optional<NotesText> notes;  // none: the page of the run's facts
};

// The three driver documents of a run, ready for the line writer.
struct RunDocuments {
  text::LineList train_sheet;
  text::LineList slow_order;
  text::LineList notes;
};

// All three documents of compiled and completed records, made before any is
// written, so that a refusal (DocumentRefusal) leaves no document behind.
RunDocuments run_documents(const records::ScenarioRecords& records, const DocumentChoices& choices);

}  // namespace scenario::tools
