#pragma once

#include <array>
#include <string_view>

namespace scenario::docs {

// The lines of the train sheet's form that stand the same on every sheet,
// in groups between the lines that carry a run's values. The built-in
// sheet and the sheet of an author's run are both laid out from them.

// Before the identity band's two lines of values (train number, terminal
// stations, top speed and rank, braked mass): its top and its title.
inline constexpr std::array<std::string_view, 2> kSheetIdentityHead = {
    "  ___________________                                               ______________",
    " |                   |                    SCHEDA                   |              |",
};

// Between the identity band's values and the classification band's: the
// identity band's foot, the classification band's top and head (the head
// keeps its 7 trailing spaces).
inline constexpr std::array<std::string_view, 3> kSheetClassificationHead = {
    "                                                                   |______________|",
    "  ___________________                ___________________",
    " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
};

// The timetable's rule under every row group.
inline constexpr std::string_view kSheetTableBottom =
    " |_____|_____|__________|_____|____________________________|________________|_____|";

// After the classification band's values, up to the first timetable row.
inline constexpr std::array<std::string_view, 6> kSheetTimetableHead = {
    " |___________________|              |___________________|",
    "",
    "  ________________________________________________________________________________",
    " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
    " | Lim.|Marc.|          |  Rs |                            |                |     |",
    kSheetTableBottom,
};

// After the last timetable row: the table's foot and the legend's line that
// every sheet has.
inline constexpr std::array<std::string_view, 3> kSheetTimetableFoot = {
    kSheetTableBottom,
    " ",
    " Il segno (+) indica la misura di tempo di 30 sec.",
};

}  // namespace scenario::docs
