#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "compiler/description_texts.h"
#include "finish/memorizza_percorso.h"
#include "records/scenario_records.h"

namespace scenario::fuzz {

// One input of the compile fuzzer: the options byte, then the line
// description text and the run description text separated by a NUL byte.
//
// Options: bit 0 set is the write-line-data flag j = 1; bit 1 set leaves the
// run text out altogether (no file on disk). Without a separator the whole
// rest is the line text and the run text is empty.
struct CompileInput {
  std::int32_t write_line_data = 1;
  bool run_text_missing = false;
  std::string line_text;
  std::string run_text;
};

inline constexpr char kTextSeparator = '\0';

CompileInput parse_compile_input(std::string_view bytes);

// The input's texts as the compiler takes them, named "linea" and "corsa".
compiler::DescriptionTexts description_texts(const CompileInput& input);

// The texts compiled and completed in memory as the installer compiles its
// own, under the built-in identity, into `records` (fresh).
finish::Outcome compile_as_installer(const compiler::DescriptionTexts& texts,
                                     std::int32_t write_line_data,
                                     records::ScenarioRecords& records);

// The bytes that parse back into `input`; texts that hold the separator
// themselves do not make a seed.
std::string compose_compile_input(const CompileInput& input);

}  // namespace scenario::fuzz
