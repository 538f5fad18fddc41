#pragma once

// Compiles short line description texts for the tests.

#include <string>

#include "line/line_compiler.h"

namespace scenario::line {

struct CompiledLine {
  records::ScenarioRecords records;
  LineHandOver hand_over;

  const records::CellRecord& cell(std::size_t k) const { return records.cells.at(k); }
  const records::CompileState& state() const { return records.state; }
};

// Compiles `text` as a line description text. The compiler's own failure
// (text::CompileFailure) passes through.
inline CompiledLine compile_text(const std::string& text, std::int32_t write_line_data = 1) {
  CompiledLine compiled;
  compiled.records.write_line_data = write_line_data;
  compiled.hand_over = compile_line(compiled.records, text);
  return compiled;
}

// A line of 3000 m, cells 0 to 200, plan metres 0 to 10000, followed by
// `entries`.
inline std::string short_line(const std::string& entries) {
  return "[generale]\r\nlunghezza percorso,    3000\r\n[curve]\r\n" + entries;
}

}  // namespace scenario::line
