#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/line_list.h"
#include "tools/documents/run_facts.h"

namespace scenario::tools {

// What the train sheet shows that the run does not hold; Windows-1252. The
// defaults are the installer's own sheet's.
struct SheetOptions {
  std::string classification = "REGIONALE";  // the CLASSIFICAZIONE box
  std::string blocked_mass = "360T";         // the MASSA BLOCCATA box
  std::string rank = "B";                    // the letter after the top speed ("V 160 B")
  std::optional<std::string> legend_note;    // a line of the legend under the "+" one
};

// The train sheet of the run in the layout of the installer's: the identity
// band (train number, first and last station; the top line speed with the
// rank over the braked-mass percentage), the classification band, and a
// timetable row for every station row of the run in its order, with the
// line speed where the run changes it: on the station row within 200 m of
// the change (the nearest, the earlier of two as near, one speed a row, and
// no other change between them), or on a row of its own with the kilometre
// and the speed alone. Changes from the first station to the last are
// shown; at the first station the limit in force there. Running speeds and
// the "Rec" column stay blank. A service stop (kind 26) is a place of
// service and is written in small letters, as the sheet writes "p.c.
// precedenze". The table grows row by row. Throws DocumentRefusal, naming
// `run_text`, for a number, name or option wider than its cell.
text::LineList train_sheet_from_run(const RunFacts& facts, const SheetOptions& options,
                                    std::string_view run_text);

// The name of a station as the sheet writes it (Windows-1252).
std::string sheet_name(const RunStation& station);

}  // namespace scenario::tools
