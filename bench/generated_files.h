#pragma once

#include <cstdint>
#include <string>

#include "finish/binary_files.h"
#include "records/scenario_records.h"
#include "run/memorizza_dati.h"

namespace scenario::bench {

// Identity of the generated scenario; its files are named from it by the
// installer's own rules.
inline constexpr char kGeneratedLineId[] = "Linea_Generata";
inline constexpr char kGeneratedTrainNumber[] = "10000";

// The files of the generated scenario in a folder.
struct GeneratedFiles {
  run::DescriptionTexts texts;
  finish::BinaryFiles binaries;
};
GeneratedFiles generated_files(const std::string& folder);

// Writes both description texts of a generated line of `length` metres.
void write_generated_texts(const GeneratedFiles& files, std::int32_t length);

// Empty records that carry the generated scenario's identity, as the
// installer's window hands them to memorizza_percorso.
records::ScenarioRecords generated_records();

}  // namespace scenario::bench
