#pragma once

#include <cstdint>
#include <string>

namespace scenario::bench {

// A line of any length with a dense run over it, to measure the compile and
// write path at sizes the built-in scenario never reaches. Every few hundred
// metres the line has a curve, a gradient and a terrain stretch; the run has
// a signal and a speed row every kilometre, a slow order and an abatement
// point every 10 km, adhesion rows every 2 km, and stations and sign boards
// as the 81 shared header slots allow. The items are laid out on a grid that
// never puts two of them on one cell, so the texts compile without error.
struct GeneratedTexts {
  std::string line_text;  // Windows-1252 (plain ASCII), CR LF
  std::string run_text;
};

inline constexpr std::int32_t kShortestGeneratedLine = 10000;
inline constexpr std::int32_t kLongestGeneratedLine = 1000000;

// Texts of a line of `length` metres. Throws std::invalid_argument outside
// kShortestGeneratedLine to kLongestGeneratedLine.
GeneratedTexts generate_texts(std::int32_t length);

// What generate_texts(length) places, for checking the compiled records.
struct GeneratedCounts {
  std::int32_t signals = 0;
  std::int32_t slow_orders = 0;
  std::int32_t stations = 0;
  std::int32_t speed_indicators = 0;
  std::int32_t sign_boards = 0;
};
GeneratedCounts generated_counts(std::int32_t length);

}  // namespace scenario::bench
