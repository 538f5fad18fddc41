#pragma once

#include <cstddef>
#include <string_view>

#include "records/table_record.h"

namespace scenario::records {

// The slots of the header table by what they hold (doc/scenario_table_file.md):
//   0             nothing, unless an 81st sign-board text reaches down to it
//   1 upward      one station per station row of the run text, in file order
//   80 downward   the sign-board texts, in file order
//   81, 82, 83    the kilometric references read from "progressiva
//                 chilometrica tre", "due" and "uno", then sorted
//   84            values of the train and the line
//   85            values of the line
//   86            values of the run
inline constexpr int kFirstStationSlot = 1;
inline constexpr int kFirstBoardTextSlot = 80;
inline constexpr int kKilometricSlotTre = 81;
inline constexpr int kKilometricSlotDue = 82;
inline constexpr int kKilometricSlotUno = 83;
inline constexpr int kTrainValuesSlot = 84;
inline constexpr int kLineSlot = 85;
inline constexpr int kRunSlot = 86;

// What a slot holds.
enum class SlotRole {
  kEmpty,
  kStation,
  kBoardText,
  kKilometricReference,
  kTrainValues,
  kLineValues,
  kRunValues,
};

// The role of `slot` in `table`. Slots 81 to 86 have theirs by number.
// Slots 0 to 80 hold stations from the bottom and sign-board texts from the
// top: there a slot with a text and every number 0 is taken for a board
// text, any other non-empty one for a station.
SlotRole slot_role(const HeaderTable& table, std::size_t slot);

// The role in Italian ("stazione", "testo di cartello", ...).
std::string_view slot_role_name(SlotRole role);

// What the field called `field` holds in a slot of `role`, in Italian
// ("inizio dell'area di stazione (m)"); "" for a field the role leaves 0.
std::string_view field_meaning(SlotRole role, std::string_view field);

}  // namespace scenario::records
