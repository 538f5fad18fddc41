#include "app/compile_error_message.h"

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

}  // namespace

std::string compile_error_message(const records::CompileState& state) {
  return "scenario_installer: errore " + std::to_string(state.error_code) + " alla posizione " +
         std::to_string(state.error_position) + " m" + source_of(state);
}

}  // namespace scenario::app
