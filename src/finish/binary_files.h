#pragma once

#include <string>

#include "records/scenario_records.h"

namespace scenario::finish {

// Full paths of the three binary files.
struct BinaryFiles {
  std::string line_data;
  std::string scenario_table;
  std::string cell_file;
};

// Writes the line data file (only when write_line_data is nonzero), the
// scenario table file and the cell file, in this order, each replaced whole.
// Throws platform::FileError; files written before the failure stay.
void write_binary_files(const records::ScenarioRecords& records, const BinaryFiles& files);

}  // namespace scenario::finish
