#pragma once

#include <string_view>

#include "text/line_list.h"
#include "tools/documents/run_facts.h"

namespace scenario::tools {

// The notes document when the author gives none: a short page, in Italian,
// of the run's own facts: the train and its first and last station, the
// departure and arrival times, every station with a time of its own on the
// way (a stop with its arrival and departure, a place with a single time),
// and the slow orders with where they start, their length and speed. Times
// are those of the train sheet. Throws DocumentRefusal, naming `run_text`,
// when the page would pass the line writer's room.
text::LineList run_notes(const RunFacts& facts, std::string_view run_text);

}  // namespace scenario::tools
