#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "records/table_record.h"

namespace scenario::tools {

// The occupant of a cell by its `type`, in Italian ("segnale", "inizio
// rallentamento", ...); "tipo N sconosciuto" for a number no step sets.
std::string cell_type_name(std::uint8_t type);

// What a slot of the header table holds. Slots 1 to 80 hold stations from
// the bottom and sign-board texts from the top; a slot there with a text
// and nothing else is taken for a board text, anything else for a station.
enum class SlotRole {
  kEmpty,
  kStation,
  kBoardText,
  kKilometricReference,
  kTrainValues,
  kLineValues,
  kRunValues,
};
SlotRole slot_role(const records::HeaderTable& table, std::size_t slot);
std::string_view slot_role_name(SlotRole role);

// What a field means in a slot of `role` ("inizio dell'area (m)"), or "".
std::string_view field_meaning(SlotRole role, std::string_view field);

}  // namespace scenario::tools
