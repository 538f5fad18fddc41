#pragma once

#include <cstdint>
#include <string>

#include "compiler/description_texts.h"
#include "finish/memorizza_percorso.h"
#include "records/scenario_records.h"

namespace scenario::bench {

// Identity of the generated scenario; its files are named from it by the
// installer's own rules.
inline constexpr char kGeneratedLineId[] = "Linea_Generata";
inline constexpr char kGeneratedTrainNumber[] = "10000";

// The binary files of the generated scenario in a folder.
finish::BinaryFiles generated_binary_files(const std::string& folder);

// Both description texts of a generated line of `length` metres, as the
// compiler takes them.
compiler::DescriptionTexts generated_description_texts(std::int32_t length);

// Empty records that carry the generated scenario's identity, as the
// installer's window hands them to memorizza_percorso.
records::ScenarioRecords generated_records();

}  // namespace scenario::bench
