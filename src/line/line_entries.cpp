#include "line/line_entries.h"

#include "line/boards.h"
#include "line/gradients.h"
#include "line/plan_geometry.h"
#include "line/terrain_stretches.h"
#include "text/keyword_match.h"

namespace scenario::line {
namespace {

using text::contains;
using text::contains_any_case;

// Up to two keyword fields in a row that hold a "-" are passed over. Returns
// false when the end of the text is reached on the way.
bool skip_dashed_fields(LineCompilation& line) {
  for (int i = 0; i < 2 && contains(line.keyword, "-"); ++i) {
    line.read_keyword();
    if (line.reader.at_end())
      return false;
  }
  return true;
}

// The tests are independent: a keyword field may satisfy several of them,
// and each reads its own values.
Outcome compile_entry(LineCompilation& line) {
  const std::string keyword = line.keyword;
  Outcome outcome = Outcome::kGoOn;
  if (contains_any_case(keyword, "pendenza")) {
    outcome = compile_gradient(line);
    if (outcome != Outcome::kGoOn)
      return outcome;
  }
  if (contains_any_case(keyword, "curva") && line.records.write_line_data != 0) {
    outcome = compile_curve(line);
    if (outcome != Outcome::kGoOn)
      return outcome;
  }
  if (contains_any_case(keyword, "montagna")) {
    outcome = compile_terrain_stretch(line);
    if (outcome != Outcome::kGoOn)
      return outcome;
  }
  if (contains_any_case(keyword, "indicatori_v")) {
    outcome = compile_speed_indicator(line);
    if (outcome != Outcome::kGoOn)
      return outcome;
  }
  if (contains_any_case(keyword, "indicat") && contains_any_case(keyword, "cartello")) {
    outcome = compile_sign_board(line);
  }
  return outcome;
}

}  // namespace

Outcome compile_entries(LineCompilation& line) {
  while (true) {
    if (line.reader.at_end())
      return Outcome::kGoOn;
    line.read_keyword();
    if (line.reader.at_end())
      return Outcome::kGoOn;
    if (!skip_dashed_fields(line))
      return Outcome::kGoOn;
    const Outcome outcome = compile_entry(line);
    if (outcome != Outcome::kGoOn)
      return outcome;
  }
}

}  // namespace scenario::line
