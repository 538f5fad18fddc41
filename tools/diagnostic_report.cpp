#include "tools/diagnostic_report.h"

#include <algorithm>

#include "text/shown_text.h"

namespace scenario::tools {
namespace {

using diagnostics::Diagnostic;
using diagnostics::Severity;

std::size_t count_of(const diagnostics::CheckOutcome& outcome, Severity severity) {
  return static_cast<std::size_t>(
      std::count_if(outcome.diagnostics.begin(), outcome.diagnostics.end(),
                    [&](const Diagnostic& d) { return d.severity == severity; }));
}

std::string counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

const std::string* file_of(const Diagnostic& diagnostic, const TextNames& names) {
  switch (diagnostic.text) {
    case records::SourceText::kLine:
      return &names.line;
    case records::SourceText::kRun:
      return &names.run;
    case records::SourceText::kNone:
      break;
  }
  return nullptr;
}

const char* severity_word(Severity severity) {
  switch (severity) {
    case Severity::kError:
      return "errore";
    case Severity::kWarning:
      return "avviso";
    case Severity::kNote:
      return "nota";
  }
  return "";
}

// The line under the source line: blanks (a tab where the line has one) up
// to the field, then ^ and a ~ for each further column of it.
std::string caret_line(const Diagnostic& diagnostic, const text::ShownLine& shown) {
  const std::size_t bytes = diagnostic.source_line.size();
  const auto column_of = [&](int column) {
    const std::size_t byte = static_cast<std::size_t>(std::max(column, 1) - 1);
    return shown.columns[std::min(byte, bytes)];
  };
  const int start = column_of(diagnostic.column);
  const int end = std::max(start + 1, column_of(diagnostic.end_column + 1));
  std::string caret;
  for (std::size_t i = 0; i < bytes && shown.columns[i] < start; ++i) {
    caret +=
        diagnostic.source_line[i] == '\t'
            ? std::string("\t")
            : std::string(static_cast<std::size_t>(shown.columns[i + 1] - shown.columns[i]), ' ');
  }
  caret += '^';
  caret.append(static_cast<std::size_t>(end - start - 1), '~');
  return caret;
}

}  // namespace

std::size_t error_count(const diagnostics::CheckOutcome& outcome) {
  return count_of(outcome, Severity::kError);
}

std::string diagnostics_summary(const diagnostics::CheckOutcome& outcome) {
  std::string summary = counted(count_of(outcome, Severity::kError), "errore", "errori") + ", " +
                        counted(count_of(outcome, Severity::kWarning), "avviso", "avvisi");
  if (const std::size_t notes = count_of(outcome, Severity::kNote); notes > 0)
    summary += ", " + counted(notes, "nota", "note");
  if (outcome.left_out > 0)
    summary += " (e altri " + std::to_string(outcome.left_out) +
               " non mostrati: il controllo ne elenca al massimo " +
               std::to_string(diagnostics::kMostDiagnostics) + ")";
  return summary;
}

void print_diagnostics(const diagnostics::CheckOutcome& outcome, const TextNames& names,
                       std::ostream& out) {
  for (const Diagnostic& diagnostic : outcome.diagnostics) {
    if (const std::string* file = file_of(diagnostic, names)) {
      out << *file;
      if (diagnostic.line > 0)
        out << ':' << diagnostic.line << ':' << diagnostic.column;
      out << ": ";
    }
    out << severity_word(diagnostic.severity);
    if (diagnostic.code)
      out << ' ' << *diagnostic.code;
    out << ": " << diagnostic.message << '\n';
    if (diagnostic.line > 0) {
      const text::ShownLine shown = text::shown_line(diagnostic.source_line);
      out << shown.shown << '\n' << caret_line(diagnostic, shown) << '\n';
    }
  }
  out << diagnostics_summary(outcome) << '\n';
}

void diagnostics_json(const diagnostics::CheckOutcome& outcome, const TextNames& names,
                      JsonWriter& json) {
  json.key("diagnostics");
  json.begin_array();
  for (const Diagnostic& diagnostic : outcome.diagnostics) {
    json.begin_object();
    const std::string* file = file_of(diagnostic, names);
    json.member("file", file != nullptr ? std::optional<std::string>(*file) : std::nullopt);
    json.member("line", diagnostic.line);
    json.member("column", diagnostic.column);
    json.member("end_column", diagnostic.end_column);
    json.member("severity", severity_word(diagnostic.severity));
    json.member("code",
                diagnostic.code ? std::optional<std::int64_t>(*diagnostic.code) : std::nullopt);
    json.member("id", diagnostic.id);
    json.member("message", diagnostic.message);
    json.member("suggestion", diagnostic.suggestion);
    json.end_object();
  }
  json.end_array();
  json.member("errors", static_cast<std::int64_t>(count_of(outcome, Severity::kError)));
  json.member("warnings", static_cast<std::int64_t>(count_of(outcome, Severity::kWarning)));
  json.member("notes", static_cast<std::int64_t>(count_of(outcome, Severity::kNote)));
}

}  // namespace scenario::tools
