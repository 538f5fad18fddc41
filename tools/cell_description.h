#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/cell_record.h"
#include "records/table_record.h"

namespace scenario::tools {

// What a field of a cell holds, in Italian words, and its value as an
// author reads it ("30 km/h", "segnale principale"); `shown` is empty where
// the raw number says it all.
struct FieldText {
  std::string meaning;
  std::string shown;
};

// The fields that describe the track under a cell whatever occupies it:
// approach, terrain, speed_limit, gradient, adhesion. Their text depends
// on the value alone.
bool is_track_field(std::string_view field);
FieldText describe_track_field(std::string_view field, std::int64_t value);

// One field of a cell with its name and raw value.
struct DescribedField {
  std::string_view name;
  std::int64_t value = 0;
  FieldText text;
};

// Every field of cell `index`, in file order (records::kCellRecordFields):
// the occupant in words, what each of its values means for that occupant
// (a signal's aspects, a board's speeds per side, a slow section's speed
// and length, the header slot of a station or of a board's text with its
// name), the stamps of cell 1, and the track fields.
std::vector<DescribedField> describe_cell(const records::CellArray& cells,
                                          const records::HeaderTable& table, std::size_t index);

}  // namespace scenario::tools
