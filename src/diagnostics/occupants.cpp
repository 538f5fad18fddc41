#include "diagnostics/occupants.h"

#include "records/kilometre_text.h"
#include "records/track_geometry.h"

namespace scenario::diagnostics {
namespace {

// An occupant by its type, with its article ("il segnale") and after "da"
// ("dal segnale").
struct OccupantWords {
  const char* plain;
  const char* after_da;
};

OccupantWords words_of(std::uint8_t type) {
  switch (type) {
    case records::kSignal:
      return {"il segnale", "dal segnale"};
    case records::kSlowEnd:
      return {"la fine del rallentamento", "dalla fine del rallentamento"};
    case records::kSlowStart:
      return {"l'inizio del rallentamento", "dall'inizio del rallentamento"};
    case records::kWarningPoint:
      return {"il punto di avviso del rallentamento", "dal punto di avviso del rallentamento"};
    case records::kPreWarning:
      return {"una cella di preavviso del rallentamento",
              "da una cella di preavviso del rallentamento"};
    case records::kSpeedIndicator:
      return {"il cartello indicatore di velocità", "dal cartello indicatore di velocità"};
    case records::kStationStop:
      return {"la cella di fermata della stazione", "dalla cella di fermata della stazione"};
    case records::kAbatementWithSpeed:
    case records::kAbatementWithoutSpeed:
      return {"il punto di abbattimento", "dal punto di abbattimento"};
    case records::kSignBoard:
      return {"il cartello con testo", "dal cartello con testo"};
    default:
      return {"un occupante sconosciuto", "da un occupante sconosciuto"};
  }
}

std::string text_named(records::SourceText text) {
  return text == records::SourceText::kRun ? "del testo della corsa" : "del testo della linea";
}

std::string occupant(const Pass& pass, std::int64_t cell, int before_entry, bool after_da) {
  const TracedPlacement* placement = before_entry >= 0
                                         ? pass.trace.occupant_before(cell, before_entry)
                                         : pass.trace.occupant(cell);
  if (placement == nullptr) {
    std::uint8_t type = records::kFree;
    if (cell >= 0 && cell <= pass.last_cell())
      type = pass.records.cells[static_cast<std::size_t>(cell)].type;
    const OccupantWords words = words_of(type);
    return after_da ? words.after_da : words.plain;
  }
  if (placement->entry >= 0) {
    const OccupantWords words = words_of(placement->type);
    return std::string(after_da ? words.after_da : words.plain) + " " +
           entry_place(pass, placement->entry);
  }
  // A point of the finishing pass: for which item it was placed.
  std::string named = after_da ? "da un punto di abbattimento della passata finale"
                               : "un punto di abbattimento della passata finale";
  const int owner = owner_entry(pass, placement->for_cell);
  if (owner >= 0)
    named += " per il rallentamento " + entry_place(pass, owner);
  return named;
}

}  // namespace

std::string entry_place(const Pass& pass, int entry) {
  if (entry < 0 || static_cast<std::size_t>(entry) >= pass.trace.entries.size())
    return "";
  const TracedEntry& traced = pass.trace.entries[static_cast<std::size_t>(entry)];
  const int line = pass.trace.keywords[static_cast<std::size_t>(traced.keyword)].field.span.line;
  return "della riga " + std::to_string(line) + " " + text_named(traced.text);
}

std::string occupied_by(const Pass& pass, std::int64_t cell, int before_entry) {
  return occupant(pass, cell, before_entry, true);
}

std::string occupant_of(const Pass& pass, std::int64_t cell, int before_entry) {
  return occupant(pass, cell, before_entry, false);
}

std::string cell_named(std::int64_t cell) {
  return "la cella " + std::to_string(cell) + " (km " +
         records::kilometre_text(records::cell_start_metre(cell)) + ")";
}

int owner_entry(const Pass& pass, std::int64_t cell) {
  const TracedPlacement* placement = pass.trace.occupant(cell);
  if (placement == nullptr)
    return -1;
  if (placement->entry >= 0)
    return placement->entry;
  if (placement->for_cell >= 0 && placement->for_cell != cell)
    return owner_entry(pass, placement->for_cell);
  return -1;
}

}  // namespace scenario::diagnostics
