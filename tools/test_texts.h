#pragma once

// Short line and run texts for the tests of the commands that compile or
// check them, and the table of faulty texts that gives every error code.

#include <cstdint>
#include <string>
#include <vector>

namespace scenario::tools::test_texts {

using Lines = std::vector<std::string>;

// The lines, each followed by CR LF.
std::string joined(const Lines& lines);

// A line of 10000 m (cells 0 to 340): line 1 "[generale]", then `general`,
// "[curve]", `entries` and "[fine]". With the defaults the entries start on
// line 5; what line_with adds after them starts on line 7.
extern const Lines kGeneral;
extern const Lines kEntries;
std::string line_text(const Lines& general = kGeneral, const Lines& entries = kEntries);
std::string line_with(const Lines& added);

// A run whose added rows start on line 5.
std::string run_text(const Lines& rows = {});

std::string station(int position, int kind, int length, const std::string& name = "STAZIONE");
std::string signal(int position, int s1 = 1, int s2 = 0);
std::string slow(int x, int length, int f_ta = 0);
Lines boards(int count, int first);

// A pair of texts that records `code` when compiled, and whether the
// installer would still write binary files (it has a track and no stamp
// conflict).
struct FaultyTexts {
  std::string name;  // the code, and a letter where a code has two cases
  std::int32_t code;
  std::string line;
  std::string run;
  bool files_written = true;
};
const std::vector<FaultyTexts>& faulty_texts();

// What checking the built-in texts says, as the installer writes them
// (doc/authors_guide.md explains it): one warning, at a row of the run text
// named RUN_TEXT.
std::string builtin_texts_diagnostics(const std::string& run_text);

}  // namespace scenario::tools::test_texts
