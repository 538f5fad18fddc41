#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "finish/binary_files.h"
#include "records/scenario_records.h"
#include "run/memorizza_dati.h"

namespace scenario::finish {

// Compiles both description texts, completes and checks the compiled track,
// stamps the identification codes and writes the binary files. `j` is the
// write-line-data flag: nonzero writes the line data file as well.
//
// Returns the code to show with errore ("1250" or "1251") when a format
// stamp is found already set; no binary file is written then. Otherwise the
// outcome is in records.state. When the compiler stopped before the line
// length was read there is no track: nothing is finished or written, and the
// code is in records.state. Throws platform::FileError.
std::optional<std::string> memorizza_percorso(records::ScenarioRecords& records,
                                              const run::DescriptionTexts& texts,
                                              const BinaryFiles& files, std::int32_t& j);

}  // namespace scenario::finish
