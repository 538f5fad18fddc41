#include "diagnostics/error_explanations.h"

#include <algorithm>
#include <string>

#include "compiler/error_codes.h"
#include "diagnostics/occupants.h"
#include "records/kilometre_text.h"
#include "records/track_geometry.h"
#include "run/memo_rallentamento.h"
#include "text/keyword_match.h"
#include "text/shown_text.h"

namespace scenario::diagnostics {
namespace {

using records::SourceText;
using Reason = text::CompileFailure::Reason;

// The station's range margin, as the run compiler tests it.
constexpr std::int32_t kStationRangeMargin = 800;

std::string number(std::int64_t value) {
  return std::to_string(value);
}

std::string metres(std::int64_t value) {
  return number(value) + " m";
}

std::string km(std::int64_t value) {
  return "km " + records::kilometre_text(value);
}

// "di un campo a 8 bit (da 0 a 255)", from the reader's own words for the
// field a number did not fit.
std::string field_range(std::string_view what) {
  if (what.find("a 8 bit") != std::string_view::npos)
    return "di un campo a 8 bit (da 0 a 255)";
  if (what.find("a 16 bit") != std::string_view::npos)
    return "di un campo a 16 bit (da -32768 a 32767)";
  return "di un campo a 32 bit (da -2147483648 a 2147483647)";
}

// What to say of one compile's code: the pass, the code and its entry.
class Explainer {
 public:
  Explainer(const Pass& pass, const TracedCode& code) : pass_(pass), code_(code) {
    if (code.entry >= 0)
      entry_ = &pass.trace.entries[static_cast<std::size_t>(code.entry)];
  }

  ExplainedCode explain();

 private:
  const TracedField& keyword_field(const TracedEntry& entry) const {
    return pass_.trace.keywords[static_cast<std::size_t>(entry.keyword)].field;
  }
  std::string keyword(const TracedEntry& entry) const {
    return text::quoted_text(keyword_field(entry).raw);
  }
  std::optional<std::int64_t> value(std::size_t i) const {
    if (entry_ == nullptr || i >= entry_->values.size())
      return std::nullopt;
    return number_of(entry_->values[i].raw);
  }
  std::int64_t value_or(std::size_t i, std::int64_t fallback) const {
    return value(i).value_or(fallback);
  }
  // Points at value i of the entry, or at its keyword when it was not read.
  void point_at_value(std::size_t i) {
    if (entry_ == nullptr)
      return;
    const TracedField& field =
        i < entry_->values.size() ? entry_->values[i] : keyword_field(*entry_);
    result_.diagnostic = with_code(at_field(pass_, entry_->text, field));
  }
  void point_at_keyword() {
    if (entry_ != nullptr)
      result_.diagnostic = with_code(at_field(pass_, entry_->text, keyword_field(*entry_)));
  }
  void point_at_entry(int entry, std::size_t value_index) {
    if (entry < 0)
      return;
    const TracedEntry& traced = pass_.trace.entries[static_cast<std::size_t>(entry)];
    const TracedField& field =
        value_index < traced.values.size() ? traced.values[value_index] : keyword_field(traced);
    result_.diagnostic = with_code(at_field(pass_, traced.text, field));
    result_.blamed_entry = entry;
  }
  Diagnostic with_code(Diagnostic diagnostic) const {
    diagnostic.severity = Severity::kError;
    diagnostic.code = code_.state.error_code;
    if (const compiler::ErrorCode* row = compiler::find_error_code(code_.state.error_code))
      diagnostic.id = std::string(row->name);
    return diagnostic;
  }

  void taken_cell(std::int64_t cell, const std::string& what);
  void slow_section_cell();
  void beyond_track();
  void station_spacing();
  void kilometric_reference();
  void finishing_code();
  void stamp_conflict(bool identification);
  void failure();
  void value_too_large(const TracedFailure& failure);

  const Pass& pass_;
  const TracedCode& code_;
  const TracedEntry* entry_ = nullptr;
  ExplainedCode result_;
  std::string message_;
};

void Explainer::taken_cell(std::int64_t cell, const std::string& what) {
  point_at_value(0);
  message_ =
      cell_named(cell) + " " + what + " è già occupata " + occupied_by(pass_, cell, code_.entry);
}

void Explainer::slow_section_cell() {
  run::SlowSectionRow row;
  row.x = static_cast<std::int32_t>(value_or(0, 0));
  row.v = static_cast<std::int32_t>(value_or(1, 0));
  row.l = static_cast<std::int32_t>(value_or(2, 0));
  row.f_ta = static_cast<std::int32_t>(value_or(4, 0));
  const run::SlowSectionCells at(row);
  point_at_value(0);
  switch (code_.state.error_code) {
    case compiler::kErrorWarningPointTaken:
      message_ = "il punto di avviso del rallentamento, 1200 m prima del suo inizio, cade nella " +
                 cell_named(at.warning).substr(3) + ", già occupata " +
                 occupied_by(pass_, at.warning, code_.entry);
      break;
    case compiler::kErrorSlowStartTaken:
      message_ = cell_named(at.start) + " dell'inizio del rallentamento è già occupata " +
                 occupied_by(pass_, at.start, code_.entry);
      break;
    case compiler::kErrorSlowEndTaken:
      message_ = cell_named(at.end) + " della fine del rallentamento (" +
                 metres(std::int64_t{row.x} + row.l) + ") è già occupata " +
                 occupied_by(pass_, at.end, code_.entry);
      break;
    case compiler::kErrorPreWarningTaken:
      for (std::int64_t i = 0; i < 4; ++i) {
        const std::int64_t cell = at.first_pre_warning - i;
        const TracedPlacement* before = pass_.trace.occupant_before(cell, code_.entry);
        if (before != nullptr || !records::is_free(pass_.records.cells[cell])) {
          message_ = "le quattro celle di preavviso del rallentamento (da " +
                     number(at.first_pre_warning) + " a " + number(at.first_pre_warning - 3) +
                     ") non sono tutte libere: " + cell_named(cell) + " è occupata " +
                     occupied_by(pass_, cell, code_.entry);
          break;
        }
      }
      if (message_.empty())
        message_ = "una delle quattro celle di preavviso del rallentamento è già occupata";
      message_ += " (il rallentamento resta, senza celle di preavviso)";
      break;
  }
}

void Explainer::beyond_track() {
  point_at_value(0);
  const bool station = entry_ != nullptr && entry_->kind.keyword == "stazione";
  const std::int32_t margin = station ? kStationRangeMargin : records::kItemRangeMargin;
  const std::int64_t position = code_.state.error_position;
  const std::optional<std::int32_t> length = pass_.line_length();
  message_ = "la voce a " + km(position) + " sta oltre la fine del binario: (" + number(position) +
             " + " + number(margin) + ") / 50 supera l'ultima cella, " + number(pass_.last_cell());
  if (length)
    message_ += " (la linea è lunga " + metres(*length) + " e il binario prosegue per " +
                metres(records::kTrackBeyondLine) + ")";
  if (code_.compiling == SourceText::kLine)
    message_ += "; qui finisce la lettura del testo della linea";
  else
    message_ += "; qui finisce la lettura del testo della corsa";
}

void Explainer::station_spacing() {
  point_at_value(0);
  // The station's slot is the next after those stored so far.
  int stations = 0;
  int previous = -1;
  for (int i = 0; i < code_.entry; ++i) {
    const TracedEntry& traced = pass_.trace.entries[static_cast<std::size_t>(i)];
    if (traced.text == SourceText::kRun && traced.kind.keyword == "stazione" && traced.ended) {
      ++stations;
      previous = i;
    }
  }
  const records::TableRecord& slot = pass_.records.header[static_cast<std::size_t>(stations + 1)];
  const records::TableRecord& before = pass_.records.header[static_cast<std::size_t>(stations)];
  message_ = "l'area della stazione (da " + metres(slot.long_a) + " a " + metres(slot.long_b) +
             ") inizia " + metres(std::int64_t{slot.long_a} - before.long_b) +
             " dopo la fine dell'area della stazione " + text::quoted_text(before.text) +
             (previous >= 0 ? " " + entry_place(pass_, previous) : std::string()) + " (da " +
             metres(before.long_a) + " a " + metres(before.long_b) + "): ne servono almeno 350";
}

void Explainer::kilometric_reference() {
  // The run text's end checks the references the line text gave.
  for (std::size_t i = 0; i < pass_.trace.entries.size(); ++i) {
    const TracedEntry& traced = pass_.trace.entries[i];
    if (traced.text != SourceText::kLine || !traced.kind.keyword.starts_with("progressiva"))
      continue;
    for (std::size_t v = 0; v < 2 && v < traced.values.size(); ++v) {
      const std::optional<std::int64_t> read = number_of(traced.values[v].raw);
      if (read && !records::on_cell_grid(*read)) {
        point_at_entry(static_cast<int>(i), v);
        message_ = "il " + std::string(v == 0 ? "primo" : "secondo") +
                   " valore della progressiva chilometrica, " + number(*read) +
                   ", non è multiplo di 50";
        result_.blamed_entry = -1;  // found at the very end: nothing behind it
        return;
      }
    }
  }
  result_.diagnostic = with_code(at_text_start(pass_, SourceText::kLine));
  message_ = "un valore di progressiva chilometrica non è multiplo di 50";
}

// The finishing pass names the cell it was handling; the entry that placed
// what stands there is the one to blame.
void Explainer::finishing_code() {
  const std::int64_t cell = code_.state.error_position / records::kMetresPerCell;
  const int owner = owner_entry(pass_, cell);
  switch (code_.state.error_code) {
    case compiler::kErrorSignalNotCovered:
      point_at_entry(owner, 0);
      message_ = "nessuna delle due celle davanti al segnale (" + number(cell - 1) + " e " +
                 number(cell - 2) + ") è libera o è un punto di abbattimento: vi stanno " +
                 occupant_of(pass_, cell - 1) + " e " + occupant_of(pass_, cell - 2) +
                 "; il segnale sta entro 20 celle prima del punto di avviso di un rallentamento";
      break;
    case compiler::kErrorWindowTaken: {
      point_at_entry(owner, 0);
      // The window whose three cells the finishing pass found taken.
      std::string cells;
      for (const auto& [nearest, farthest] : {std::pair{5, 7}, {11, 13}, {18, 20}}) {
        if (cell <= farthest)
          continue;
        bool all_taken = true;
        for (int back = nearest; back <= farthest; ++back) {
          const TracedPlacement* placed = pass_.trace.occupant(cell - back);
          all_taken = all_taken && !records::is_free(pass_.records.cells[cell - back]) &&
                      !(placed != nullptr && placed->entry < 0 && placed->for_cell == cell);
        }
        if (!all_taken)
          continue;
        cells = "le celle " + number(cell - nearest) + ", " + number(cell - nearest - 1) + " e " +
                number(cell - farthest) + " (da " + number(nearest) + " a " + number(farthest) +
                " celle prima dell'inizio) sono occupate: " + occupant_of(pass_, cell - nearest) +
                ", " + occupant_of(pass_, cell - nearest - 1) + ", " +
                occupant_of(pass_, cell - farthest);
        break;
      }
      message_ =
          "il rallentamento che inizia nella " + cell_named(cell).substr(3) +
          " non trova posto per un punto di abbattimento davanti a sé: " +
          (cells.empty() ? std::string("una finestra di tre celle è tutta occupata") : cells);
      break;
    }
    case compiler::kErrorNoRoomForPoint: {
      if (pass_.records.cells[static_cast<std::size_t>(cell)].type == records::kSlowEnd) {
        // Ahead of the first signal after the section.
        point_at_entry(owner, 0);
        std::int64_t signal = cell;
        while (signal <= pass_.last_cell() &&
               pass_.records.cells[static_cast<std::size_t>(signal)].type != records::kSignal)
          ++signal;
        message_ = "il primo segnale dopo la fine del rallentamento (" + cell_named(signal) +
                   ") non trova posto per un punto di abbattimento davanti a sé: vi stanno " +
                   occupant_of(pass_, signal - 1) + " e " + occupant_of(pass_, signal - 2);
        break;
      }
      // Along the section: the nearest section start behind the cell.
      std::int64_t start = cell;
      while (start > 0 &&
             pass_.records.cells[static_cast<std::size_t>(start)].type != records::kSlowStart)
        --start;
      point_at_entry(owner_entry(pass_, start), 0);
      message_ = "lungo il rallentamento non c'è posto per il punto di abbattimento attorno alla " +
                 cell_named(cell).substr(3) + ": vi stanno " + occupant_of(pass_, cell) + ", " +
                 occupant_of(pass_, cell - 1) + " e " + occupant_of(pass_, cell + 1) +
                 "; lungo il resto del rallentamento non ne sono posti altri";
      break;
    }
    case compiler::kErrorSectionEndMissing:
      point_at_entry(owner, 0);
      message_ = "il rallentamento che inizia nella " + cell_named(cell).substr(3) +
                 " non ha cella di fine: inizio e fine cadono nella stessa cella (un "
                 "rallentamento più corto di 50 m) e nessun rallentamento segue";
      break;
  }
  result_.blamed_entry = -1;  // the finishing pass stops nothing
}

void Explainer::stamp_conflict(bool identification) {
  const int owner = owner_entry(pass_, 1);
  point_at_entry(owner, 0);
  if (owner < 0)
    result_.diagnostic = with_code(at_text_start(pass_, SourceText::kRun));
  const records::CellRecord& first = pass_.records.cells[1];
  const std::string field = identification ? "value_b" : "value_a";
  message_ = "la cella 1 (km 0+050) deve restare libera per " +
             std::string(identification ? "il codice d'identificazione" : "il timbro di formato") +
             ", ma " + field + " vale " + number(identification ? first.value_b : first.value_a) +
             ": vi sta " + occupant_of(pass_, 1) + "; nessun file binario sarebbe scritto";
  result_.blamed_entry = owner;
}

void Explainer::value_too_large(const TracedFailure& failure) {
  if (entry_ != nullptr && entry_->kind.keyword == "indicatori_vmax") {
    point_at_value(1);
    message_ =
        "i valori del cartello non stanno nei 16 bit della cella: ogni rango vale "
        "velocità a sinistra × 20 + velocità a destra / 5, le strisce sinistra × 10 + "
        "destra";
    return;
  }
  if (entry_ != nullptr && entry_->kind.keyword == "stazione") {
    point_at_value(2);
    message_ =
        "l'area o l'orario della stazione non stanno in un campo a 32 bit (" + failure.what + ")";
    return;
  }
  if (failure.text == SourceText::kRun) {
    // A speed too high for its cell is found when the cells get it: blame
    // the row that gave it.
    for (std::size_t i = 0; i < pass_.trace.entries.size(); ++i) {
      const TracedEntry& traced = pass_.trace.entries[i];
      if (traced.kind.keyword == "velocita" && keyword_field(traced).span.line == failure.line &&
          traced.values.size() == 2) {
        point_at_entry(static_cast<int>(i), 1);
        message_ = "la velocità " + traced.values[1].raw +
                   " km/h non sta nella cella, che tiene da 0 a 1275 km/h in unità di 5 km/h";
        return;
      }
    }
  }
  // The kilometric references are sorted after "[generale]": a second value
  // so large that adding 100 overflows.
  for (std::size_t i = 0; i < pass_.trace.entries.size(); ++i) {
    const TracedEntry& traced = pass_.trace.entries[i];
    if (traced.text == SourceText::kLine && traced.kind.keyword.starts_with("progressiva") &&
        traced.values.size() == 3 && number_of(traced.values[2].raw) == 1) {
      point_at_entry(static_cast<int>(i), 1);
      message_ =
          "il secondo valore della progressiva chilometrica, con il terzo a 1, riceve 100 "
          "in più e non sta più in un campo a 32 bit";
      return;
    }
  }
  message_ = failure.what;
}

void Explainer::failure() {
  if (!pass_.trace.failure) {
    point_at_keyword();
    message_ = std::string(compiler::kErrorUnexpectedFailure.meaning);
    return;
  }
  const TracedFailure& caught = *pass_.trace.failure;
  if (caught.reason == Reason::kValueTooLarge) {
    value_too_large(caught);
    return;
  }
  if (entry_ == nullptr) {
    // Outside any entry only the dash rule of "[generale]" reads on.
    const auto last = std::find_if(pass_.trace.keywords.rbegin(), pass_.trace.keywords.rend(),
                                   [&](const TracedKeyword& k) { return k.text == caught.text; });
    if (last != pass_.trace.keywords.rend()) {
      result_.diagnostic = with_code(at_field(pass_, caught.text, last->field));
      result_.blamed_field = last->field;
    } else {
      result_.diagnostic = with_code(at_text_start(pass_, caught.text));
    }
    message_ =
        caught.reason == Reason::kNoText
            ? "il testo non c'è"
            : "il testo finisce dopo un campo con \"-\": nella sezione \"[generale]\" fino a "
              "dieci campi con il segno meno di fila si saltano senza guardare se il testo "
              "è finito";
    return;
  }
  const std::size_t total = entry_->kind.values.size();
  const std::size_t read = entry_->values.size();
  const std::string kind = text::quoted_text(entry_->kind.keyword);
  const TracedField& keyword = keyword_field(*entry_);
  if (caught.reason == Reason::kPastEnd) {
    point_at_keyword();
    message_ = "il testo finisce prima della fine della voce " + kind + ": ha " + number(read) +
               (read == 1 ? " valore" : " valori") + " dei " + number(total) + " che le servono";
    return;
  }
  const TracedField& failed = entry_->values.back();
  const text::ValueField& meaning = entry_->kind.values[read - 1];
  if (caught.reason == Reason::kTextTooLong) {
    point_at_value(read - 1);
    message_ = "il " + std::string(meaning.meaning) + " è lungo " + number(failed.raw.size()) +
               " byte, oltre i 65535 che il file della tabella può contenere";
    return;
  }
  // On the entry's own line: the field read is the one at fault; on a later
  // line: the entry has too few values and took the next line's fields.
  int on_own_line = 0;
  for (const TracedField& field : entry_->values)
    on_own_line += field.span.line == keyword.span.line ? 1 : 0;
  if (failed.span.line != keyword.span.line) {
    point_at_keyword();
    message_ =
        "la voce " + kind + " ha " + number(on_own_line) +
        (on_own_line == 1 ? " valore" : " valori") + " sulla sua riga, ne servono " +
        number(total) + ": il valore " + std::string(meaning.meaning) +
        " è stato letto alla riga " + number(failed.span.line) + ", dove c'è " +
        text::quoted_text(failed.raw) +
        (caught.reason == Reason::kNotANumber ? ", che non è un numero"
                                              : ", fuori dai limiti " + field_range(caught.what));
    return;
  }
  const std::string what = caught.reason == Reason::kNotANumber
                               ? "atteso un numero (" + std::string(meaning.meaning) +
                                     "), trovato " + text::quoted_text(failed.raw)
                               : std::string(meaning.meaning) + " vale " + failed.raw +
                                     ", fuori dai limiti " + field_range(caught.what);
  point_at_value(read - 1);
  message_ = what;
}

ExplainedCode Explainer::explain() {
  result_.blamed_entry = code_.entry;
  result_.diagnostic =
      with_code(entry_ != nullptr ? at_field(pass_, entry_->text, keyword_field(*entry_))
                                  : at_text_start(pass_, code_.compiling == SourceText::kRun
                                                             ? SourceText::kRun
                                                             : SourceText::kLine));
  const std::int64_t position = code_.state.error_position;
  switch (code_.state.error_code) {
    case compiler::kErrorLineTooLong:
      point_at_value(0);
      message_ = "la lunghezza del percorso è di " + metres(value_or(0, 0)) +
                 ", oltre il massimo di 1000000 m";
      break;
    case compiler::kErrorNegativeLineLength:
      point_at_value(0);
      message_ = "la lunghezza del percorso è negativa: " + metres(value_or(0, 0));
      break;
    case compiler::kErrorRepetitionStart:
      point_at_value(0);
      message_ = "l'inizio della ripetizione segnali, " + metres(value_or(0, 0)) +
                 ", non è multiplo di 50";
      break;
    case compiler::kErrorRepetitionEnd:
      point_at_value(1);
      message_ =
          "la fine della ripetizione segnali, " + metres(value_or(1, 0)) + ", non è multipla di 50";
      break;
    case compiler::kErrorRepetitionCodes:
      point_at_keyword();
      message_ = "la parola chiave " + keyword(*entry_) +
                 " non dice quanti codici ha la ripetizione segnali: deve contenere 4 o 9, come "
                 "\"ripetizione segnali 4 codici\"";
      break;
    case compiler::kErrorSignBoardCell:
      taken_cell(records::item_cell(static_cast<double>(value_or(0, 0))), "del cartello");
      break;
    case compiler::kErrorSpeedIndicatorCell:
      taken_cell(records::item_cell(static_cast<double>(value_or(0, 0))),
                 "dell'indicatore di velocità");
      break;
    case compiler::kErrorSignalCellTaken:
      taken_cell(records::item_cell(static_cast<double>(value_or(0, 0))), "del segnale");
      break;
    case compiler::kErrorAbatementCellTaken:
      taken_cell(records::stretch_first_cell(static_cast<double>(value_or(0, 0))),
                 "del punto di abbattimento");
      break;
    case compiler::kErrorWarningPointTaken:
    case compiler::kErrorSlowStartTaken:
    case compiler::kErrorSlowEndTaken:
    case compiler::kErrorPreWarningTaken:
      slow_section_cell();
      break;
    case compiler::kErrorStationPosition:
      point_at_value(0);
      message_ = "la posizione della stazione, " + metres(position) + ", non è multipla di 50";
      break;
    case compiler::kErrorStationLength:
      point_at_value(2);
      message_ = "la lunghezza dell'area della stazione, " + metres(value_or(2, 0)) +
                 ", non è multipla di 100";
      break;
    case compiler::kErrorStationsReachBoardTexts: {
      point_at_keyword();
      int boards = 0;
      for (const TracedPlacement& placement : pass_.trace.placements)
        boards += placement.type == records::kSignBoard ? 1 : 0;
      message_ =
          "non c'è più posto nella tabella per altre stazioni: le stazioni occupano gli "
          "slot da 1 in su e i " +
          number(boards) + " testi dei cartelli quelli da 80 in giù; qui si incontrano";
      break;
    }
    case compiler::kErrorBeyondTrack:
      beyond_track();
      break;
    case compiler::kErrorStationSpacing:
      station_spacing();
      break;
    case compiler::kErrorStationAtLineStart:
      point_at_value(0);
      message_ =
          "l'area della stazione finisce entro i primi 100 m: la sua cella di fermata "
          "cadrebbe nella cella 1 o prima";
      break;
    case compiler::kErrorKilometricReference:
      kilometric_reference();
      break;
    case compiler::kErrorUnexpectedFailure:
      failure();
      break;
    case compiler::kErrorNoGeneralSection:
      message_ =
          "nessun campo contiene \"[generale]\" prima della fine del testo della linea: "
          "non c'è nulla da compilare";
      break;
    case compiler::kErrorPlan:
      point_at_keyword();
      if (entry_ != nullptr &&
          std::none_of(keyword_field(*entry_).raw.begin(), keyword_field(*entry_).raw.end(),
                       [](char c) { return c >= '1' && c <= '6'; })) {
        message_ = "la parola chiave della curva " + keyword(*entry_) +
                   " non ha la cifra della classe di curvatura, da 1 a 6 (come \"curvas2\")";
      } else {
        message_ = "la curva porta il tracciato oltre 1000000 m";
      }
      break;
    case compiler::kErrorNoLineLength: {
      // Where the section ended: the last keyword field it read.
      const auto last =
          std::find_if(pass_.trace.keywords.rbegin(), pass_.trace.keywords.rend(),
                       [](const TracedKeyword& k) { return k.text == SourceText::kLine; });
      if (last != pass_.trace.keywords.rend())
        result_.diagnostic = with_code(at_field(pass_, SourceText::kLine, last->field));
      message_ =
          "la sezione \"[generale]\" finisce senza la voce \"lunghezza percorso\": non c'è "
          "un binario in cui compilare la linea";
      break;
    }
    case compiler::kErrorStretchOutsideCells: {
      point_at_value(0);
      const std::int64_t first = records::stretch_first_cell(static_cast<double>(value_or(0, 0)));
      const std::int64_t last = records::stretch_last_cell(static_cast<double>(value_or(1, 0)));
      message_ = "il tratto di terreno da " + metres(value_or(0, 0)) + " a " +
                 metres(value_or(1, 0)) + " copre le celle da " + number(first) + " a " +
                 number(last) + ", fuori dal binario (celle da 0 a " + number(pass_.last_cell()) +
                 ")";
      break;
    }
    case compiler::kErrorCurveBeyondPlan:
      point_at_value(1);
      message_ = "la curva da " + metres(value_or(0, 0)) + " lunga " + metres(value_or(1, 0)) +
                 " arriva a " + metres(value_or(0, 0) + value_or(1, 0)) +
                 ", oltre la fine del tracciato a " +
                 metres(pass_.line_length().value_or(0) + records::kTrackBeyondLine);
      break;
    case compiler::kErrorNoBoardSlotLeft:
      point_at_keyword();
      message_ = "un 82° cartello con testo: gli slot dei testi, da 80 a 0, sono tutti occupati";
      break;
    case compiler::kErrorBoardBeforeLineStart:
      point_at_value(0);
      message_ = "il cartello a " + metres(value_or(0, 0)) + " cadrebbe nella cella " +
                 number(records::item_cell(static_cast<double>(value_or(0, 0)))) +
                 ", prima della cella 0";
      break;
    case compiler::kErrorGradientFillPastTrack:
      point_at_value(0);
      message_ = "con le pendenze fuori ordine le celle riempite arrivano oltre l'ultima cella, " +
                 number(pass_.last_cell()) +
                 ": ogni pendenza che non segue la precedente ne "
                 "riempie comunque una";
      break;
    case compiler::kErrorGradientOutOfRange:
      point_at_value(1);
      message_ = "la pendenza " + number(value_or(1, 0)) +
                 " per mille è fuori dall'intervallo da -100 a 155 che la cella può contenere";
      break;
    case compiler::kErrorSignalOutsideCells:
      point_at_value(0);
      message_ = "il segnale a " + metres(value_or(0, 0)) + " cadrebbe nella cella " +
                 number(records::item_cell(static_cast<double>(value_or(0, 0)))) +
                 ", prima della cella 0";
      break;
    case compiler::kErrorSlowSectionOutsideCells:
      point_at_value(0);
      message_ = "le celle del rallentamento da " + metres(value_or(0, 0)) + " lungo " +
                 metres(value_or(2, 0)) +
                 " (avviso e preavvisi compresi) cadrebbero fuori dal binario, celle da 0 a " +
                 number(pass_.last_cell());
      break;
    case compiler::kErrorStationStopOutsideCells:
      point_at_value(0);
      message_ = "la cella di fermata della stazione cadrebbe oltre l'ultima cella, " +
                 number(pass_.last_cell());
      break;
    case compiler::kErrorAbatementOutsideCells:
      point_at_value(0);
      message_ =
          "il punto di abbattimento a " + metres(value_or(0, 0)) + " cadrebbe prima della cella 0";
      break;
    case compiler::kErrorSignalNotCovered:
    case compiler::kErrorWindowTaken:
    case compiler::kErrorNoRoomForPoint:
    case compiler::kErrorSectionEndMissing:
      finishing_code();
      break;
    case compiler::kErrorFormatStampSet:
      stamp_conflict(false);
      break;
    case compiler::kErrorIdentificationCodeSet:
      stamp_conflict(true);
      break;
    default:
      message_ = "codice sconosciuto";
      break;
  }
  result_.diagnostic.message = message_;
  return result_;
}

}  // namespace

ExplainedCode explain_code(const Pass& pass, const TracedCode& code) {
  return Explainer(pass, code).explain();
}

}  // namespace scenario::diagnostics
