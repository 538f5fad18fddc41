#include "finish/format_stamps.h"

#include <stdexcept>

#include "finish/identification_codes.h"

namespace scenario::finish {
namespace {

constexpr std::int16_t kTableFormatStamp = 610;
constexpr std::int16_t kCellFormatStamp = 5121;

}  // namespace

std::optional<std::string> stamp_scenario(records::ScenarioRecords& records) {
  if (records.cells.size() < 2) {
    throw std::logic_error("the cell array has no cell 1 for the format stamp");
  }
  records::TableRecord& line_slot = records.header[records::kLineSlot];
  records::CellRecord& first_cell = records.cells[1];

  if (line_slot.short_a != 0 || first_cell.value_a != 0) {
    return kErrorFormatStampSet;
  }
  line_slot.short_a = kTableFormatStamp;
  first_cell.value_a = kCellFormatStamp;

  if (line_slot.long_d != 0 || first_cell.value_b != 0) {
    return kErrorIdentificationCodeSet;
  }
  line_slot.long_d = codice_gara_st(records.header);
  // At most 6375: fits.
  first_cell.value_b = static_cast<std::int16_t>(codice_gara_og(records.header));
  return std::nullopt;
}

}  // namespace scenario::finish
