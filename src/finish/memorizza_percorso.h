#pragma once

#include <cstdint>
#include <string>

#include "compiler/compile_observer.h"
#include "compiler/description_texts.h"
#include "records/scenario_records.h"

namespace scenario::finish {

// Full paths of the three binary files.
struct BinaryFiles {
  std::string line_data;
  std::string scenario_table;
  std::string cell_file;
};

// How the compile and the finishing pass end.
enum class Outcome {
  kComplete,       // the records are complete; records.state holds any error
  kNoTrack,        // the compiler stopped before the line length: nothing to write
  kStampConflict,  // a stamp was already set (its code in records.state): not to be written
};

// Compiles both description texts, completes and checks the compiled track,
// stamps the identification codes and, with kComplete, writes the binary
// files. `j` is the write-line-data flag: nonzero writes the line data file
// as well. Files of an earlier run keep their bytes unless this one writes
// them. Throws platform::FileError; files written before the failure stay.
Outcome memorizza_percorso(records::ScenarioRecords& records,
                           const compiler::DescriptionTexts& texts, const BinaryFiles& files,
                           std::int32_t& j);

// All that memorizza_percorso does before it writes: stores `j` as
// write_line_data, clears the compile state and the header table, compiles
// (compiler::memorizza_dati) and, when there is a track, completes the
// records. `observer` (none: nobody) hears what the compile and the
// finishing pass do.
Outcome compile_and_complete(records::ScenarioRecords& records,
                             const compiler::DescriptionTexts& texts, std::int32_t& j,
                             compiler::CompileObserver* observer = nullptr);

// The finishing pass on compiled records: the finishing scan, then the
// stamping sequence: 610 into slot 85 `short_a` and 5121 into cell 1
// `value_a`, which must both be 0 before (else kErrorFormatStampSet); then the
// weighted identification code into slot 85 `long_d` and the plain one into
// cell 1 `value_b`, which must both be 0 before (else
// kErrorIdentificationCodeSet). A stamp conflict is
// recorded in records.state like any other code, and then false is
// returned: the records are partly stamped and are not to be written.
// Throws std::logic_error when the cell array has no cell 1.
bool complete_records(records::ScenarioRecords& records,
                      compiler::CompileObserver* observer = nullptr);

// The line data file (when the plan exists), the scenario table file and the
// cell file, in this order, each replaced whole. Throws platform::FileError.
void write_binary_files(const records::ScenarioRecords& records, const BinaryFiles& files);

}  // namespace scenario::finish
