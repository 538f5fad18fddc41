#pragma once

#include <string_view>

#include "text/line_list.h"
#include "tools/documents/run_facts.h"

namespace scenario::tools {

// The slow order ("Modulo M. 3") of the run in the layout of the
// installer's: the line from the first station to the last, the train
// number, and one restriction row for every slow section of the run in
// position order, numbered from 1:
//   - "FRA LE STAZIONI": the station whose area (area_start to area_end)
//     holds the start, or else the last station before the start and the
//     first after it, joined by " - " (the first or last station alone for
//     a start before the first or after the last), shortened by place_pair;
//   - "Inizio dopo il cippo chilometrico": the whole kilometre at or below
//     the start (0 for a start before the line);
//   - the speed, and the length from the start cell to the end cell.
// A form holds 26 rows, the empty ones after the restrictions; when 26 are
// not enough, the whole form follows again with the next ones. Throws
// DocumentRefusal, naming `run_text`, when the forms would pass the line
// writer's room.
text::LineList slow_order_from_run(const RunFacts& facts, std::string_view run_text);

}  // namespace scenario::tools
