#pragma once

#include <optional>
#include <string>

#include "records/scenario_records.h"

namespace scenario::finish {

// Codes shown with errore when a stamp position is found already set.
inline constexpr char kErrorFormatStampSet[] = "1250";
inline constexpr char kErrorIdentificationCodeSet[] = "1251";

// Checks and sets the format stamps, then the identification codes:
// 610 into slot 85 `short_a` and 5121 into cell 1 `value_a`, which must both
// be 0 before (else "1250"); then the weighted code into slot 85 `long_d` and
// the plain code into cell 1 `value_b`, which must both be 0 before (else
// "1251"). After a code is returned the records are partly stamped and are
// not to be written. Throws std::logic_error when the cell array has no
// cell 1.
std::optional<std::string> stamp_scenario(records::ScenarioRecords& records);

}  // namespace scenario::finish
