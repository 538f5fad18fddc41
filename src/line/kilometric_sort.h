#pragma once

#include "records/table_record.h"

namespace scenario::line {

// Sorts the three kilometric references of slots 81 to 83 (read from
// "progressiva chilometrica tre", "due" and "uno"); a reference moves as a
// whole. Then adds 100 to the second value of every reference whose third
// value is 1. Throws text::CompileFailure when that sum does not fit.
void progressive_ordina(records::HeaderTable& header);

}  // namespace scenario::line
