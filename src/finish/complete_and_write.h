#pragma once

#include <optional>
#include <string>

#include "finish/binary_files.h"
#include "records/scenario_records.h"

namespace scenario::finish {

// The finishing pass on compiled records: the finishing scan, the format
// stamps and identification codes, then the binary files.
//
// Returns the code to show with errore ("1250" or "1251") when a stamp
// position is found already set; no file is written then. Problems of the
// scan are only recorded in records.state: the files are written all the
// same. Throws platform::FileError, and std::logic_error when the cell
// array has no cell 1.
std::optional<std::string> complete_and_write(records::ScenarioRecords& records,
                                              const BinaryFiles& files);

}  // namespace scenario::finish
