#include "tools/documents_report.h"

#include "tools/compile_report.h"
#include "tools/diagnostic_report.h"
#include "tools/json_writer.h"

namespace scenario::tools {

void print_documents_report(const DocumentsOutcome& outcome, const app::AuthorTexts& texts,
                            std::ostream& out, std::ostream& err) {
  for (const std::string& file : outcome.files_written)
    out << "scritto " << file << '\n';
  if (outcome.files_written.empty())
    out << "nessun documento scritto (quelli già presenti restano come erano)\n";
  if (outcome.state.error_code != 0)
    print_diagnostics(outcome.diagnostics, {texts.line_text, texts.run_text}, err);
  if (outcome.refusal)
    err << *outcome.refusal << '\n';
}

void print_documents_json(const DocumentsOutcome& outcome, const app::AuthorTexts& texts,
                          std::ostream& out) {
  JsonWriter json(out);
  json.begin_object();
  compile_state_json(outcome.state, texts, json);
  json.member("refusal", outcome.refusal);
  files_and_diagnostics_json(outcome.files_written, outcome.diagnostics, texts, json);
  json.end_object();
  out << '\n';
}

}  // namespace scenario::tools
