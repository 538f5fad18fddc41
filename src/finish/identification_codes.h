#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "records/table_record.h"

namespace scenario::finish {

// The 25 characters both identification codes are summed over: train number
// and line identifier joined, lower-cased by the rules of Windows-1252,
// padded with "zzyyxxwwvvuuttssrrqqppkkjj" and cut to 25 bytes.
std::string identification_code_text(std::string_view train_number, std::string_view line_id);

// The plain identification code, 0 to 6375: the sum of the byte values of
// the code text built from the copies of the train number (slot 86) and the
// line identifier (slot 85) in the header table.
std::int32_t codice_gara_og(const records::HeaderTable& header);

// The weighted identification code, 0 to 82875: the sum of each byte value
// of the same code text times its position, 1 to 25.
std::int32_t codice_gara_st(const records::HeaderTable& header);

}  // namespace scenario::finish
