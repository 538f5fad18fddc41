#pragma once

#include <cstdint>

#include "bench/generated_scenario.h"

namespace scenario::bench {

// The generated texts of a line with faults planted in them, for measuring
// the authors' check: a hundred on the longest line, half of them errors
// the compile records (signals on a taken cell, speeds that are no number,
// sign boards on the cells of speed indicators) and half keywords misspelt
// (warnings). The generated texts give no diagnostic of their own.
struct PlantedFaults {
  std::int32_t errors = 0;
  std::int32_t warnings = 0;
};
GeneratedTexts with_planted_faults(GeneratedTexts texts, PlantedFaults& planted);

}  // namespace scenario::bench
