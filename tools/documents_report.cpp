#include "tools/documents_report.h"

#include "records/kilometre_text.h"
#include "tools/json_writer.h"

namespace scenario::tools {

void print_documents_report(const DocumentsOutcome& outcome, const app::AuthorTexts& texts,
                            std::ostream& out, std::ostream& err) {
  for (const std::string& file : outcome.files_written)
    out << "scritto " << file << '\n';
  if (outcome.files_written.empty())
    out << "nessun documento scritto (quelli già presenti restano come erano)\n";
  if (outcome.state.error_code != 0)
    err << app::author_error_message(app::error_report(outcome.state, texts)) << '\n';
  if (outcome.refusal)
    err << *outcome.refusal << '\n';
}

void print_documents_json(const DocumentsOutcome& outcome, const app::AuthorTexts& texts,
                          std::ostream& out) {
  JsonWriter json(out);
  json.begin_object();
  json.member("code", outcome.state.error_code);
  if (outcome.state.error_code == 0) {
    for (const char* name : {"position", "km", "file", "line", "meaning"}) {
      json.key(name);
      json.null();
    }
  } else {
    const app::ErrorReport report = app::error_report(outcome.state, texts);
    json.member("position", report.position);
    std::optional<std::string> km;
    if (report.position)
      km = records::kilometre_text(*report.position);
    json.member("km", km);
    json.member("file", report.file);
    json.member("line", report.line);
    json.member("meaning", report.meaning);
  }
  json.member("refusal", outcome.refusal);
  json.key("files");
  json.begin_array();
  for (const std::string& file : outcome.files_written)
    json.string(file);
  json.end_array();
  json.end_object();
  out << '\n';
}

}  // namespace scenario::tools
