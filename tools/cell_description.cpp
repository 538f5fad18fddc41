#include "tools/cell_description.h"

#include <array>

#include "records/kilometre_text.h"
#include "records/track_geometry.h"
#include "text/cp1252.h"
#include "tools/record_fields.h"
#include "tools/scenario_view.h"

namespace scenario::tools {
namespace {

using records::CellRecord;

constexpr std::array<std::string_view, 5> kTrackFields{"approach", "terrain", "speed_limit",
                                                       "gradient", "adhesion"};

std::string km_per_hour(std::int64_t value) {
  return std::to_string(value) + " km/h";
}

// A speed indicator's rank: left / 5 × 100 + right / 5.
std::string sides_speeds(std::int64_t packed) {
  if (packed == 0)
    return "nessuna velocità";
  return "sinistra " + km_per_hour(packed / 100 * 5) + ", destra " + km_per_hour(packed % 100 * 5);
}

// A signal's aspect: s × 10 + d.
std::string aspect(std::int64_t packed) {
  return "s " + std::to_string(packed / 10) + ", d " + std::to_string(packed % 10);
}

std::string signal_kind(std::int64_t sx) {
  switch (sx) {
    case 1:
      return "segnale di avviso";
    case 2:
      return "segnale principale";
    default:
      return "segnale (sx " + std::to_string(sx) + ")";
  }
}

// The header slot a stop cell or a sign board names, with its text.
std::string slot_text(const records::HeaderTable& table, std::int64_t slot) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= table.size())
    return "slot " + std::to_string(slot) + ", fuori dalla tabella";
  return "slot " + std::to_string(slot) + ": " +
         text::cp1252_to_utf8(table[static_cast<std::size_t>(slot)].text);
}

// What the occupant of `cell` makes of one of its values.
FieldText occupant_field(const records::CellArray& cells, const records::HeaderTable& table,
                         std::size_t index, std::string_view field, std::int64_t value) {
  const CellRecord& cell = cells[index];
  const bool a = field == "value_a", b = field == "value_b", c = field == "value_c",
             d = field == "value_d";
  switch (cell.type) {
    case records::kSignal:
      if (a || b || c) {
        const char* number = a ? "1" : b ? "2" : "3";
        return {std::string("aspetto ") + number + " (s" + number + " × 10 + d" + number + ")",
                aspect(value)};
      }
      if (d) {
        const std::int64_t sides = value % 10;
        return {"rapp × 10 + sx × 3 + dx", signal_kind(sides / 3) + ", dx " +
                                               std::to_string(sides % 3) + ", rapp " +
                                               std::to_string(value / 10)};
      }
      if (field == "tempo")
        return {"tempo del segnale (solo principali; da 101)", ""};
      break;
    case records::kSlowStart:
    case records::kSlowEnd:
      if (a) {
        std::string shown = km_per_hour(value);
        if (cell.type == records::kSlowStart) {
          const SlowSection section = slow_section(cells, index);
          shown += " per " + std::to_string(section.end - section.start) + " m, fino a km " +
                   records::kilometre_text(section.end);
        }
        return {"velocità del rallentamento", shown};
      }
      if (b)
        return {"d_v del rallentamento", ""};
      if (c)
        return {"f_tt del rallentamento", ""};
      break;
    case records::kWarningPoint:
      if (a)
        return {"velocità del rallentamento annunciato", km_per_hour(value)};
      if (b)
        return {"d_v del rallentamento annunciato", ""};
      break;
    case records::kPreWarning:
      if (a)
        return {"cella di preavviso (1 la più vicina al punto di avviso)", ""};
      break;
    case records::kSpeedIndicator:
      if (a || b || c) {
        const char* rank = a ? "A" : b ? "B" : "C";
        return {std::string("velocità del rango ") + rank + " (sinistra / 5 × 100 + destra / 5)",
                sides_speeds(value)};
      }
      if (d)
        return {"strisce: sinistra × 10 + destra", "sinistra " + std::to_string(value / 10) +
                                                       ", destra " + std::to_string(value % 10)};
      break;
    case records::kStationStop:
      if (a)
        return {"slot della stazione nella tabella", slot_text(table, value)};
      break;
    case records::kAbatementWithSpeed:
      if (a)
        return {"velocità dell'abbattimento", km_per_hour(value)};
      break;
    case records::kSignBoard:
      if (a)
        return {"slot del testo del cartello nella tabella", slot_text(table, value)};
      break;
    default:
      break;
  }
  // Cell 1 carries the stamps whatever stands there.
  if (index == 1 && a)
    return {"timbro di formato (5121)", ""};
  if (index == 1 && b)
    return {"codice d'identificazione", ""};
  if (field == "tempo")
    return {"tempo (solo nei segnali)", ""};
  return {"valore dell'occupante (" + std::string(field) + ")", ""};
}

}  // namespace

bool is_track_field(std::string_view field) {
  for (std::string_view track : kTrackFields) {
    if (track == field)
      return true;
  }
  return false;
}

FieldText describe_track_field(std::string_view field, std::int64_t value) {
  if (field == "speed_limit")
    return {"limite di velocità della linea (km/h ÷ 5)", km_per_hour(value * 5)};
  if (field == "gradient") {
    if (value == 0)
      return {"pendenza (‰ + 100)", "non impostata"};
    return {"pendenza (‰ + 100)",
            std::string(value >= 100 ? "+" : "") + std::to_string(value - 100) + " ‰"};
  }
  if (field == "adhesion")
    return {"aderenza", ""};
  if (field == "terrain")
    return {"tipo del tratto di montagna o galleria", value == 0 ? "nessun tratto" : ""};
  if (field == "approach") {
    if (value == 0)
      return {"marcatore di approccio", "nessuno"};
    // (sx × 3 + dx) × 10 + k, k = 1 for the cell nearest the signal or
    // station announced.
    const std::int64_t sides = value / 10;
    return {"marcatore di approccio ((sx × 3 + dx) × 10 + k)",
            "marcatore " + std::to_string(value % 10) + " (1 il più vicino), sx " +
                std::to_string(sides / 3) + ", dx " + std::to_string(sides % 3)};
  }
  return {};
}

std::vector<DescribedField> describe_cell(const records::CellArray& cells,
                                          const records::HeaderTable& table, std::size_t index) {
  std::vector<DescribedField> fields;
  visit_numbers(cells[index], [&](std::string_view name, std::int64_t value) {
    DescribedField field{name, value, {}};
    if (name == "type")
      field.text = {"occupante della cella", records::cell_type_name(cells[index].type)};
    else if (is_track_field(name))
      field.text = describe_track_field(name, value);
    else
      field.text = occupant_field(cells, table, index, name, value);
    fields.push_back(std::move(field));
  });
  return fields;
}

}  // namespace scenario::tools
