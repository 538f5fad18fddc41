#pragma once

#include <string>
#include <vector>

namespace scenario::fuzz {

// A description text to start fuzzing from, with a name for its seed file.
struct SeedText {
  std::string name;
  std::string text;
};

// The built-in line and run texts as the installer writes them.
SeedText builtin_line_seed();
SeedText builtin_run_seed();

// Short line texts of the kind the unit tests compile: a 3000 m line with
// one kind of entry each, the general section's entries and their errors.
std::vector<SeedText> small_line_texts();

// Short run texts of the kind the unit tests compile: the train values,
// fills, stations, slow sections, signals, abatement points and comments.
std::vector<SeedText> small_run_texts();

}  // namespace scenario::fuzz
