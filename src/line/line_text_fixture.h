#pragma once

// Compiles short line description texts for the tests.

#include <string>

#include "line/line_compiler.h"
#include "platform/files.h"
#include "test_support.h"

namespace scenario::line {

struct CompiledLine {
  records::ScenarioRecords records;
  LineHandOver hand_over;
  bool text_left = false;  // the line text still on disk afterwards

  const records::CellRecord& cell(std::size_t k) const { return records.cells.at(k); }
  const records::CompileState& state() const { return records.state; }
};

// Writes `text` as the line description text into a fresh folder and
// compiles it. The compiler's own failure (text::CompileFailure) passes
// through.
inline CompiledLine compile_text(const std::string& text, std::int32_t write_line_data = 1) {
  scenario::testing::TempFolder folder;
  const std::string path = folder.file("Prova_linea.txt");
  scenario::testing::write_bytes(path, text);
  CompiledLine compiled;
  compiled.records.write_line_data = write_line_data;
  compiled.hand_over = compile_line(compiled.records, path);
  compiled.text_left = platform::file_exists(path);
  return compiled;
}

// A line of 3000 m, cells 0 to 200, plan metres 0 to 10000, followed by
// `entries`.
inline std::string short_line(const std::string& entries) {
  return "[generale]\r\nlunghezza percorso,    3000\r\n[curve]\r\n" + entries;
}

}  // namespace scenario::line
