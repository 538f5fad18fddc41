#include "tools/documents/run_documents.h"

#include "tools/documents/author_notes.h"
#include "tools/documents/run_facts.h"
#include "tools/documents/run_notes.h"
#include "tools/documents/slow_order_from_run.h"

namespace scenario::tools {

RunDocuments run_documents(const records::ScenarioRecords& records,
                           const DocumentChoices& choices) {
  const RunFacts facts = run_facts(records, choices.run_text);
  return {
      .train_sheet = train_sheet_from_run(facts, choices.sheet, choices.run_text),
      .slow_order = slow_order_from_run(facts, choices.run_text),
      .notes = choices.notes ? author_notes(choices.notes->bytes, choices.notes->name)
                             : run_notes(facts, choices.run_text),
  };
}

}  // namespace scenario::tools
