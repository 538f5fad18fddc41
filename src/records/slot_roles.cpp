#include "records/slot_roles.h"

#include <algorithm>
#include <array>
#include <span>
#include <tuple>

namespace scenario::records {
namespace {

struct FieldMeaning {
  std::string_view field;
  std::string_view meaning;
};

// From the station row of the run text: position (field 1), kind (2), area
// length (3), nine flags and codes (4 to 12), dwell time (13), departure
// hours, minutes, seconds (14 to 16), name (17).
constexpr std::array kStationMeanings{
    FieldMeaning{"kind", "tipo di stazione (campo 2 della riga)"},
    FieldMeaning{"long_a", "inizio dell'area di stazione (m)"},
    FieldMeaning{"long_b", "fine dell'area di stazione (m)"},
    FieldMeaning{"long_c", "posizione (m, campo 1 della riga)"},
    FieldMeaning{"byte_a", "primo flag (campo 4 della riga)"},
    FieldMeaning{"text", "nome (campo 17 della riga)"},
    FieldMeaning{"short_a", "primo codice (campo 7 della riga)"},
    FieldMeaning{"short_b", "secondo codice (campo 8 della riga)"},
    FieldMeaning{"short_c", "quarto codice (campo 10 della riga)"},
    FieldMeaning{"short_d", "quinto codice (campo 11 della riga)"},
    FieldMeaning{"short_e", "sesto codice (campo 12 della riga)"},
    FieldMeaning{"byte_b", "terzo codice (campo 9 della riga)"},
    FieldMeaning{"byte_c", "sosta (s, campo 13 della riga)"},
    FieldMeaning{"byte_d",
                 "flag area 50 m più lunga (campo 6 della riga, 0 per i tipi 5-8 o in prima "
                 "stazione)"},
    FieldMeaning{"byte_e",
                 "secondo flag (campo 5 della riga, 0 con area sotto 600 m o in prima stazione)"},
    FieldMeaning{"long_d",
                 "partenza, all'ultima stazione arrivo (secondi del giorno, campi 14-16 della "
                 "riga)"},
};
constexpr std::array kBoardMeanings{FieldMeaning{"text", "testo del cartello"}};
constexpr std::array kKilometricMeanings{
    FieldMeaning{"long_a", "primo valore"},
    FieldMeaning{"long_b", "secondo valore"},
    FieldMeaning{"long_c", "terzo valore"},
};
constexpr std::array kTrainMeanings{
    FieldMeaning{"long_a", "percentuale massa frenata"},
    FieldMeaning{"long_b", "lunghezza del percorso (m)"},
    FieldMeaning{"long_c", "numero vetture"},
};
constexpr std::array kLineMeanings{
    FieldMeaning{"long_a", "sfondo uno"},
    FieldMeaning{"long_b", "sfondo tre"},
    FieldMeaning{"long_c", "sfondo due"},
    FieldMeaning{"text", "identificatore della linea"},
    FieldMeaning{"short_a", "timbro di formato (610)"},
    FieldMeaning{"long_d", "codice d'identificazione pesato"},
};
constexpr std::array kRunMeanings{
    FieldMeaning{"long_a", "inizio ripetizione segnali (m)"},
    FieldMeaning{"long_b", "fine ripetizione segnali (m)"},
    FieldMeaning{"long_c", "codici della ripetizione"},
    FieldMeaning{"text", "numero del treno"},
    FieldMeaning{"short_a", "sabbia"},
    FieldMeaning{"short_c", "orologio: ore"},
    FieldMeaning{"short_d", "orologio: minuti"},
    FieldMeaning{"short_e", "orologio: secondi"},
};

// Every meaning names a field of the record, and none twice.
template <std::size_t count>
constexpr bool names_fields(const std::array<FieldMeaning, count>& meanings) {
  for (std::size_t i = 0; i < count; ++i) {
    if (!has_field(kTableRecordFields, meanings[i].field))
      return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (meanings[j].field == meanings[i].field)
        return false;
    }
  }
  return true;
}
static_assert(names_fields(kStationMeanings) &&
                  kStationMeanings.size() == std::tuple_size_v<decltype(kTableRecordFields)>,
              "a station slot names every field");
static_assert(names_fields(kBoardMeanings) && names_fields(kKilometricMeanings) &&
              names_fields(kTrainMeanings) && names_fields(kLineMeanings) &&
              names_fields(kRunMeanings));

std::span<const FieldMeaning> meanings(SlotRole role) {
  switch (role) {
    case SlotRole::kStation:
      return kStationMeanings;
    case SlotRole::kBoardText:
      return kBoardMeanings;
    case SlotRole::kKilometricReference:
      return kKilometricMeanings;
    case SlotRole::kTrainValues:
      return kTrainMeanings;
    case SlotRole::kLineValues:
      return kLineMeanings;
    case SlotRole::kRunValues:
      return kRunMeanings;
    case SlotRole::kEmpty:
      break;
  }
  return {};
}

}  // namespace

SlotRole slot_role(const HeaderTable& table, std::size_t slot) {
  const TableRecord& record = table.at(slot);
  if (slot >= kKilometricSlotTre && slot <= kKilometricSlotUno)
    return SlotRole::kKilometricReference;
  if (slot == kTrainValuesSlot)
    return SlotRole::kTrainValues;
  if (slot == kLineSlot)
    return SlotRole::kLineValues;
  if (slot == kRunSlot)
    return SlotRole::kRunValues;
  if (is_empty(record))
    return SlotRole::kEmpty;
  const bool only_text = record == TableRecord{.text = record.text};
  return only_text ? SlotRole::kBoardText : SlotRole::kStation;
}

std::string_view slot_role_name(SlotRole role) {
  switch (role) {
    case SlotRole::kEmpty:
      return "vuoto";
    case SlotRole::kStation:
      return "stazione";
    case SlotRole::kBoardText:
      return "testo di cartello";
    case SlotRole::kKilometricReference:
      return "progressiva chilometrica";
    case SlotRole::kTrainValues:
      return "valori del treno e della linea";
    case SlotRole::kLineValues:
      return "linea";
    case SlotRole::kRunValues:
      return "corsa";
  }
  return "";
}

std::string_view field_meaning(SlotRole role, std::string_view field) {
  const std::span<const FieldMeaning> known = meanings(role);
  const auto found = std::find_if(known.begin(), known.end(),
                                  [&](const FieldMeaning& m) { return m.field == field; });
  return found == known.end() ? std::string_view() : found->meaning;
}

}  // namespace scenario::records
