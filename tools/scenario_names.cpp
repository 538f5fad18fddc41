#include "tools/scenario_names.h"

#include <array>
#include <utility>

#include "records/cell_record.h"
#include "tools/record_fields.h"

namespace scenario::tools {
namespace {

using Meaning = std::pair<std::string_view, std::string_view>;

constexpr std::array<Meaning, 16> kStationFields = {{
    {"kind", "tipo di stazione"},
    {"long_a", "inizio dell'area (m)"},
    {"long_b", "fine dell'area (m)"},
    {"long_c", "posizione (m)"},
    {"byte_a", "campo 4"},
    {"byte_e", "campo 5"},
    {"byte_d", "campo 6: area 50 m più lunga"},
    {"short_a", "campo 7"},
    {"short_b", "campo 8"},
    {"byte_b", "campo 9"},
    {"short_c", "campo 10"},
    {"short_d", "campo 11"},
    {"short_e", "campo 12"},
    {"byte_c", "sosta (s)"},
    {"long_d", "partenza (secondi del giorno)"},
    {"text", "nome"},
}};
constexpr std::array<Meaning, 3> kKilometricFields = {{
    {"long_a", "primo valore"},
    {"long_b", "secondo valore"},
    {"long_c", "terzo valore"},
}};
constexpr std::array<Meaning, 3> kTrainFields = {{
    {"long_a", "percentuale massa frenata"},
    {"long_b", "lunghezza del percorso (m)"},
    {"long_c", "numero vetture"},
}};
constexpr std::array<Meaning, 6> kLineFields = {{
    {"long_a", "sfondo uno"},
    {"long_b", "sfondo tre"},
    {"long_c", "sfondo due"},
    {"text", "identificatore della linea"},
    {"short_a", "timbro di formato (610)"},
    {"long_d", "codice d'identificazione pesato"},
}};
constexpr std::array<Meaning, 8> kRunFields = {{
    {"long_a", "inizio ripetizione segnali (m)"},
    {"long_b", "fine ripetizione segnali (m)"},
    {"long_c", "codici della ripetizione"},
    {"text", "numero del treno"},
    {"short_a", "sabbia"},
    {"short_c", "orologio: ore"},
    {"short_d", "orologio: minuti"},
    {"short_e", "orologio: secondi"},
}};
constexpr std::array<Meaning, 1> kBoardFields = {{{"text", "testo del cartello"}}};

template <std::size_t n>
std::string_view find(const std::array<Meaning, n>& meanings, std::string_view field) {
  for (const auto& [name, meaning] : meanings) {
    if (name == field)
      return meaning;
  }
  return "";
}

bool only_text(const records::TableRecord& record) {
  records::TableRecord numbers = record;
  numbers.text.clear();
  return !record.text.empty() && is_empty(numbers);
}

}  // namespace

std::string cell_type_name(std::uint8_t type) {
  switch (type) {
    case records::kFree:
      return "libera";
    case records::kSignal:
      return "segnale";
    case records::kSlowEnd:
      return "fine rallentamento";
    case records::kSlowStart:
      return "inizio rallentamento";
    case records::kWarningPoint:
      return "punto di avviso";
    case records::kPreWarning:
      return "preavviso";
    case records::kSpeedIndicator:
      return "indicatore di velocità";
    case records::kStationStop:
      return "fermata di stazione";
    case records::kTunnelMarker:
      return "marcatore di galleria";
    case records::kAbatementWithSpeed:
      return "abbattimento con velocità";
    case records::kAbatementWithoutSpeed:
      return "abbattimento senza velocità";
    case records::kSignBoard:
      return "cartello";
    default:
      return "tipo " + std::to_string(type) + " sconosciuto";
  }
}

SlotRole slot_role(const records::HeaderTable& table, std::size_t slot) {
  const records::TableRecord& record = table.at(slot);
  if (slot >= records::kKilometricSlotTre && slot <= records::kKilometricSlotUno)
    return SlotRole::kKilometricReference;
  if (slot == records::kTrainValuesSlot)
    return SlotRole::kTrainValues;
  if (slot == records::kLineSlot)
    return SlotRole::kLineValues;
  if (slot == records::kRunSlot)
    return SlotRole::kRunValues;
  if (is_empty(record))
    return SlotRole::kEmpty;
  return only_text(record) ? SlotRole::kBoardText : SlotRole::kStation;
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
  switch (role) {
    case SlotRole::kStation:
      return find(kStationFields, field);
    case SlotRole::kBoardText:
      return find(kBoardFields, field);
    case SlotRole::kKilometricReference:
      return find(kKilometricFields, field);
    case SlotRole::kTrainValues:
      return find(kTrainFields, field);
    case SlotRole::kLineValues:
      return find(kLineFields, field);
    case SlotRole::kRunValues:
      return find(kRunFields, field);
    case SlotRole::kEmpty:
      break;
  }
  return "";
}

}  // namespace scenario::tools
