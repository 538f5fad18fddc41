#include "tools/compile_report.h"

#include "records/kilometre_text.h"
#include "tools/diagnostic_report.h"
#include "tools/json_writer.h"

namespace scenario::tools {

void print_compile_report(const CompileOutcome& outcome, const app::AuthorTexts& texts,
                          std::ostream& out, std::ostream& err) {
  if (!outcome.diagnostics.diagnostics.empty())
    print_diagnostics(outcome.diagnostics, {texts.line_text, texts.run_text}, err);
  const std::int32_t code = outcome.state.error_code;
  for (const std::string& file : outcome.files_written)
    out << "scritto " << file << '\n';
  if (!outcome.files_written.empty() && code != 0) {
    out << "i file binari sono incompleti: vi è registrato l'errore " << code
        << ", come li scriverebbe l'installatore\n";
  }
  if (outcome.held_back) {
    out << "nessun file binario scritto: è registrato l'errore " << code
        << " (quelli già presenti restano come erano; con --write-on-error sono scritti come li "
           "scrive l'installatore)\n";
  } else if (outcome.files_written.empty()) {
    out << "nessun file binario scritto (quelli già presenti restano come erano)\n";
  }
}

void compile_state_json(const records::CompileState& state, const app::AuthorTexts& texts,
                        JsonWriter& json) {
  json.member("code", state.error_code);
  if (state.error_code == 0) {
    for (const char* name : {"position", "km", "file", "line", "meaning"}) {
      json.key(name);
      json.null();
    }
    return;
  }
  const app::ErrorReport report = app::error_report(state, texts);
  json.member("position", report.position);
  std::optional<std::string> km;
  if (report.position)
    km = records::kilometre_text(*report.position);
  json.member("km", km);
  json.member("file", report.file);
  json.member("line", report.line);
  json.member("meaning", report.meaning);
}

void files_and_diagnostics_json(const std::vector<std::string>& files,
                                const diagnostics::CheckOutcome& diagnostics,
                                const app::AuthorTexts& texts, JsonWriter& json) {
  json.key("files");
  json.begin_array();
  for (const std::string& file : files)
    json.string(file);
  json.end_array();
  diagnostics_json(diagnostics, {texts.line_text, texts.run_text}, json);
}

void print_compile_json(const CompileOutcome& outcome, const app::AuthorTexts& texts,
                        std::ostream& out) {
  JsonWriter json(out);
  json.begin_object();
  compile_state_json(outcome.state, texts, json);
  files_and_diagnostics_json(outcome.files_written, outcome.diagnostics, texts, json);
  json.end_object();
  out << '\n';
}

}  // namespace scenario::tools
