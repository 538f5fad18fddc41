#include "app/compile_error_message.h"

#include "compiler/error_codes.h"
#include "records/kilometre_text.h"

namespace scenario::app {
namespace {

std::string source_of(const records::CompileState& state) {
  std::string source;
  switch (state.text) {
    case records::SourceText::kNone:
      return "";
    case records::SourceText::kLine:
      source = "testo della linea";
      break;
    case records::SourceText::kRun:
      source = "testo della corsa";
      break;
  }
  if (state.line > 0) {
    source += ", riga " + std::to_string(state.line);
  }
  return " (" + source + ")";
}

// The catalogue's meaning, followed by what the compiler's trap caught.
std::string meaning_of(const records::CompileState& state) {
  const compiler::ErrorCode* code = compiler::find_error_code(state.error_code);
  std::string text = code != nullptr ? std::string(code->meaning) : "codice sconosciuto";
  if (!state.detail.empty())
    text += " (" + state.detail + ")";
  return text;
}

}  // namespace

std::string compile_error_message(const records::CompileState& state,
                                  const diagnostics::Diagnostic* explained) {
  std::string message = "scenario_installer: errore " + std::to_string(state.error_code) +
                        " alla posizione " + std::to_string(state.error_position) + " m";
  if (explained == nullptr)
    return message + source_of(state) + ": " + meaning_of(state);
  if (explained->text != records::SourceText::kNone && explained->line > 0) {
    message += std::string(" (testo della ") +
               (explained->text == records::SourceText::kLine ? "linea" : "corsa") + ", riga " +
               std::to_string(explained->line) + ", colonna " + std::to_string(explained->column) +
               ")";
  }
  return message + ": " + explained->message;
}

ErrorReport error_report(const records::CompileState& state, const AuthorTexts& texts) {
  ErrorReport report;
  report.code = state.error_code;
  const compiler::ErrorCode* code = compiler::find_error_code(state.error_code);
  if (code != nullptr && code->own_position)
    report.position = state.error_position;
  // The text the code blames, or for codes of either text the one that was
  // being read.
  compiler::Blame blame = code != nullptr ? code->blame : compiler::Blame::kNone;
  if (blame == compiler::Blame::kTextBeingRead) {
    blame = state.text == records::SourceText::kLine  ? compiler::Blame::kLineText
            : state.text == records::SourceText::kRun ? compiler::Blame::kRunText
                                                      : compiler::Blame::kNone;
  }
  if (blame == compiler::Blame::kLineText)
    report.file = texts.line_text;
  else if (blame == compiler::Blame::kRunText)
    report.file = texts.run_text;
  if (report.file && state.line > 0)
    report.line = state.line;
  report.meaning = meaning_of(state);
  return report;
}

std::string author_error_message(const ErrorReport& report) {
  std::string message;
  if (report.file) {
    message = *report.file;
    if (report.line)
      message += ":" + std::to_string(*report.line);
    message += ": ";
  }
  message += "errore " + std::to_string(report.code);
  if (report.position)
    message += " a km " + records::kilometre_text(*report.position);
  return message + ": " + report.meaning;
}

}  // namespace scenario::app
