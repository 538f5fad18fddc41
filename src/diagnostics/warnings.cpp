#include "diagnostics/warnings.h"

#include <algorithm>
#include <set>
#include <string>

#include "diagnostics/keyword_suggestion.h"
#include "diagnostics/occupants.h"
#include "line/line_compiler.h"
#include "records/track_geometry.h"
#include "run/run_compiler.h"
#include "text/cp1252.h"
#include "text/keyword_match.h"
#include "text/keyword_reader.h"
#include "text/shown_text.h"
#include "text/utf8.h"

namespace scenario::diagnostics {
namespace {

using records::SourceText;

// The finishing pass looks this many cells ahead of a slow section's end for
// the signal that gets a point.
constexpr std::int64_t kCellsLookedAheadAfterSection = 12;
constexpr std::int32_t kLastStartWithoutWarningPoint = 1500;
constexpr std::int32_t kSpeedUnit = 5;

std::string trimmed(std::string_view text) {
  return std::string(text::trimmed(text));
}

bool has_letter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || byte >= 0xC0;
  });
}

// The keywords people write, for suggestions: the entry kinds' keywords,
// the curves spelt out with side and class, both signal repetitions.
struct Keywords {
  std::vector<std::string> general, line, run;
};

const Keywords& keywords() {
  static const Keywords all = [] {
    Keywords k;
    for (const auto& kind : line::general_entry_kinds())
      k.general.emplace_back(kind.keyword);
    k.general.emplace_back("ripetizione segnali 9 codici");
    for (const auto& kind : line::line_entry_kinds()) {
      if (kind.keyword == "curva") {
        for (const char side : {'s', 'd'})
          for (char digit = '1'; digit <= '6'; ++digit)
            k.line.push_back(std::string("curva") + side + digit);
      } else {
        k.line.emplace_back(kind.keyword);
      }
    }
    for (const auto& kind : run::run_row_kinds())
      k.run.emplace_back(kind.keyword);
    return k;
  }();
  return all;
}

// Whether any keyword of `words` is contained in the field, letter case
// aside.
bool contains_any(std::string_view field, const std::vector<std::string>& words) {
  return std::any_of(words.begin(), words.end(),
                     [&](const std::string& word) { return text::contains_any_case(field, word); });
}

class Warnings {
 public:
  Warnings(const Pass& pass, bool stand_in_track, std::vector<Diagnostic>& out)
      : pass_(pass), stand_in_track_(stand_in_track), out_(out) {}

  void add_all();

 private:
  const TracedField& keyword_field(const TracedEntry& entry) const {
    return pass_.trace.keywords[static_cast<std::size_t>(entry.keyword)].field;
  }
  std::optional<std::int64_t> value(const TracedEntry& entry, std::size_t i) const {
    if (i >= entry.values.size())
      return std::nullopt;
    return number_of(entry.values[i].raw);
  }
  void warn(SourceText text, const TracedField& field, std::string_view id, std::string message,
            std::optional<std::string> suggestion = std::nullopt,
            Severity severity = Severity::kWarning) {
    Diagnostic diagnostic = at_field(pass_, text, field);
    diagnostic.severity = severity;
    diagnostic.id = std::string(id);
    diagnostic.message = std::move(message);
    diagnostic.suggestion = std::move(suggestion);
    out_.push_back(std::move(diagnostic));
  }
  const TracedField& at_value(const TracedEntry& entry, std::size_t i) const {
    return i < entry.values.size() ? entry.values[i] : keyword_field(entry);
  }
  std::string kind_of(const TracedEntry& entry) const {
    return text::quoted_text(entry.kind.keyword);
  }

  void value_counts();
  void keyword_fields();
  void empty_numbers();
  void order_of_gradients_and_curves();
  void positions_and_speeds();
  void stations();
  void signals_after_slow_sections();
  void general_section();

  const Pass& pass_;
  bool stand_in_track_;
  std::vector<Diagnostic>& out_;
  // Lines whose later fields are not to be taken for keywords of their own:
  // those of an entry with values in excess, or disabled by a dash.
  std::set<std::pair<SourceText, int>> quiet_lines_;
};

// An entry whose values run on past its line, or that leaves fields on its
// line unread.
void Warnings::value_counts() {
  const auto& entries = pass_.trace.entries;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const TracedEntry& entry = entries[i];
    if (!entry.ended)
      continue;
    // Of two entries one keyword field starts, the second reads on.
    const bool last_of_field = i + 1 == entries.size() || entries[i + 1].keyword != entry.keyword;
    const TracedField& keyword = keyword_field(entry);
    const int line = keyword.span.line;
    std::size_t on_own_line = 0;
    const TracedField* first_elsewhere = nullptr;
    for (const TracedField& field : entry.values) {
      if (field.span.line == line)
        ++on_own_line;
      else if (first_elsewhere == nullptr)
        first_elsewhere = &field;
    }
    if (first_elsewhere != nullptr) {
      const std::size_t index = on_own_line;
      const bool is_name = entry.kind.keyword == "stazione" && index + 1 == entry.values.size();
      std::string message = "la voce " + kind_of(entry) + " ha " + std::to_string(on_own_line) +
                            (on_own_line == 1 ? " valore" : " valori") +
                            " sulla sua riga, ne servono " +
                            std::to_string(entry.kind.values.size()) + ": ";
      if (is_name) {
        message += "il nome della stazione è stato preso dalla riga " +
                   std::to_string(first_elsewhere->span.line) + " (" +
                   text::quoted_text(trimmed(first_elsewhere->raw)) + "), che così va perduta";
      } else {
        message += "il valore " + std::string(entry.kind.values[index].meaning) +
                   " è stato letto dalla riga " + std::to_string(first_elsewhere->span.line) +
                   " (" + text::quoted_text(first_elsewhere->raw) + ")";
      }
      warn(entry.text, keyword, warning_id::kMissingValues, message);
      continue;
    }
    if (!last_of_field)
      continue;
    const std::size_t next = static_cast<std::size_t>(entry.keyword) + 1;
    if (next >= pass_.trace.keywords.size())
      continue;
    const TracedKeyword& following = pass_.trace.keywords[next];
    if (following.text != entry.text || following.field.span.line != line)
      continue;
    warn(entry.text, following.field, warning_id::kExtraValues,
         "la riga ha valori in più dopo i " + std::to_string(entry.kind.values.size()) +
             " della voce " + kind_of(entry) + ": " + text::quoted_text(following.field.raw) +
             " e i campi che seguono sulla riga sono letti come parole chiave");
    quiet_lines_.insert({entry.text, line});
  }
}

// Keyword fields that match nothing, or that a dash disabled.
void Warnings::keyword_fields() {
  const Keywords& all = keywords();
  bool in_general = true;
  for (const TracedKeyword& keyword : pass_.trace.keywords) {
    const std::string field = trimmed(keyword.field.raw);
    const auto quiet = std::make_pair(keyword.text, keyword.field.span.line);
    if (keyword.use == text::KeywordUse::kDashSkipped) {
      std::size_t start = field.find_first_not_of("- \t");
      const std::string rest = start == std::string::npos ? "" : field.substr(start);
      const auto& own = keyword.text == SourceText::kRun ? all.run : all.line;
      const bool names_entry =
          std::any_of(own.begin(), own.end(),
                      [&](const std::string& word) {
                        return text::cp1252_lower(rest).starts_with(text::cp1252_lower(word));
                      }) ||
          (keyword.text == SourceText::kLine &&
           std::any_of(all.general.begin(), all.general.end(), [&](const std::string& word) {
             return text::cp1252_lower(rest).starts_with(text::cp1252_lower(word));
           }));
      if (names_entry) {
        warn(keyword.text, keyword.field, warning_id::kDisabledEntry,
             "la voce " + text::quoted_text(field) +
                 " è disattivata dal segno meno: i suoi valori sono letti come parole chiave e "
                 "ignorati",
             std::nullopt, Severity::kNote);
        quiet_lines_.insert(quiet);
      }
      continue;
    }
    if (keyword.text == SourceText::kLine && in_general && text::is_section_header(field))
      in_general = false;
    if (keyword.first_entry >= 0)
      continue;
    if (field.empty() || !has_letter(field) || quiet_lines_.contains(quiet) ||
        (text::contains(field, "[") && text::contains(field, "]")))
      continue;
    // A keyword where it has no effect.
    const bool run = keyword.text == SourceText::kRun;
    const bool general_here = !run && !in_general && contains_any(field, all.general);
    const bool line_in_run =
        run && (contains_any(field, all.line) || contains_any(field, all.general));
    const bool run_in_line = !run && contains_any(field, all.run);
    const bool curve_without_plan =
        !run && pass_.records.write_line_data == 0 && text::contains_any_case(field, "curva");
    if (general_here || line_in_run || run_in_line) {
      std::string where = general_here  ? "vale solo nella sezione \"[generale]\""
                          : line_in_run ? "è una voce del testo della linea"
                                        : "è una voce del testo della corsa";
      warn(keyword.text, keyword.field, warning_id::kKeywordOutOfPlace,
           text::quoted_text(field) + " " + where + ": qui è ignorata");
      continue;
    }
    if (curve_without_plan)
      continue;
    std::vector<std::string> candidates = run ? all.run : all.line;
    if (!run && in_general)
      candidates = all.general;
    std::optional<std::string> nearest = nearest_keyword(field, candidates);
    // A typo of a keyword of the other text is worth naming as such.
    std::string elsewhere;
    if (!nearest) {
      std::vector<std::string> others = run ? all.line : all.run;
      if (run)
        others.insert(others.end(), all.general.begin(), all.general.end());
      nearest = nearest_keyword(field, others);
      if (nearest)
        elsewhere = run ? ", una voce del testo della linea" : ", una voce del testo della corsa";
    }
    std::string message =
        text::quoted_text(field) + " non contiene alcuna parola chiave: il campo è ignorato";
    std::optional<std::string> suggestion;
    if (nearest) {
      if (text::cp1252_lower(field) == text::cp1252_lower(*nearest)) {
        message += " (le parole chiave di \"[generale]\" vanno scritte in minuscolo)";
      }
      message += "; forse " + text::quoted_text(*nearest) + elsewhere + "?";
      suggestion = text::cp1252_to_utf8(*nearest);
    }
    warn(keyword.text, keyword.field, warning_id::kUnknownKeyword, message, suggestion);
  }
}

// An empty number field reads 0; only a board's side without a board is
// left empty on purpose.
void Warnings::empty_numbers() {
  for (const TracedEntry& entry : pass_.trace.entries) {
    for (std::size_t i = 0; i < entry.values.size() && i < entry.kind.values.size(); ++i) {
      if (entry.kind.values[i].is_text || !trimmed(entry.values[i].raw).empty())
        continue;
      if (entry.kind.keyword == "indicatori_vmax" && i != 0 && i != 4 && i != 8) {
        const std::size_t side = i < 4 ? 1 : 5;
        bool side_empty = true;
        for (std::size_t k = side; k < side + 3 && k < entry.values.size(); ++k)
          side_empty = side_empty && trimmed(entry.values[k].raw).empty();
        if (side_empty)
          continue;
      }
      warn(entry.text, entry.values[i], warning_id::kEmptyNumber,
           "il campo " + std::string(entry.kind.values[i].meaning) + " della voce " +
               kind_of(entry) + " è vuoto e vale 0");
    }
  }
}

void Warnings::order_of_gradients_and_curves() {
  const TracedEntry* previous_gradient = nullptr;
  const TracedEntry* previous_curve = nullptr;
  for (const TracedEntry& entry : pass_.trace.entries) {
    if (!entry.ended || entry.text != SourceText::kLine)
      continue;
    if (entry.kind.keyword == "pendenza") {
      if (previous_gradient != nullptr && value(entry, 0) && value(*previous_gradient, 0) &&
          *value(entry, 0) <= *value(*previous_gradient, 0)) {
        const int previous = static_cast<int>(previous_gradient - pass_.trace.entries.data());
        warn(SourceText::kLine, at_value(entry, 0), warning_id::kGradientOutOfOrder,
             "la pendenza a " + std::to_string(*value(entry, 0)) + " m non segue quella a " +
                 std::to_string(*value(*previous_gradient, 0)) + " m " +
                 entry_place(pass_, previous) +
                 ": le pendenze vanno in ordine di posizione, e la precedente vale così per una "
                 "sola cella");
      }
      previous_gradient = &entry;
    }
    if (entry.kind.keyword == "curva") {
      if (previous_curve != nullptr && value(entry, 0) && value(*previous_curve, 0) &&
          value(*previous_curve, 1)) {
        const std::int64_t start = *value(entry, 0);
        const std::int64_t previous_start = *value(*previous_curve, 0);
        const std::int64_t previous_end = previous_start + *value(*previous_curve, 1);
        if (start < previous_start) {
          warn(SourceText::kLine, at_value(entry, 0), warning_id::kCurveOutOfOrder,
               "la curva a " + std::to_string(start) + " m viene dopo quella a " +
                   std::to_string(previous_start) +
                   " m: le curve vanno in ordine di posizione, e questa è applicata solo dal "
                   "punto in cui il tracciato era arrivato");
        } else if (start < previous_end) {
          warn(SourceText::kLine, at_value(entry, 0), warning_id::kCurveOverlap,
               "la curva a " + std::to_string(start) + " m inizia prima della fine di quella da " +
                   std::to_string(previous_start) + " a " + std::to_string(previous_end) +
                   " m: le curve non si sovrappongono, e questa è applicata solo da " +
                   std::to_string(previous_end + 1) + " m");
        }
      }
      previous_curve = &entry;
    }
  }
}

void Warnings::positions_and_speeds() {
  const std::optional<std::int32_t> length = pass_.line_length();
  for (const TracedEntry& entry : pass_.trace.entries) {
    if (!entry.ended)
      continue;
    const std::string_view kind = entry.kind.keyword;
    const bool item = kind == "segnale" || kind == "rallentamento" || kind == "stazione" ||
                      kind == "abbattimento" || kind == "indicatori_vmax" ||
                      kind == "cartello_indicatore";
    if (item && length && !stand_in_track_ && value(entry, 0) && *value(entry, 0) > *length) {
      warn(entry.text, at_value(entry, 0), warning_id::kItemInTail,
           "la voce " + kind_of(entry) + " a " + std::to_string(*value(entry, 0)) +
               " m sta oltre la fine della linea (" + std::to_string(*length) +
               " m), nei 7000 m di binario che la seguono");
    }
    if (kind == "velocita" && value(entry, 1) && *value(entry, 1) % kSpeedUnit != 0) {
      const std::int64_t speed = *value(entry, 1);
      const std::int64_t kept =
          static_cast<std::int64_t>(records::round_half_even(speed / 5.0)) * kSpeedUnit;
      warn(entry.text, at_value(entry, 1), warning_id::kSpeedNotMultipleOf5,
           "la velocità " + std::to_string(speed) +
               " km/h non è multipla di 5: la cella la tiene in unità di 5 km/h, come " +
               std::to_string(kept) + " km/h");
    }
    if (kind == "indicatori_vmax") {
      for (std::size_t i : {1u, 2u, 3u, 5u, 6u, 7u}) {
        const std::optional<std::int64_t> speed = value(entry, i);
        if (speed && *speed % kSpeedUnit != 0) {
          warn(entry.text, at_value(entry, i), warning_id::kSpeedNotMultipleOf5,
               "la velocità " + std::to_string(*speed) +
                   " km/h del cartello non è multipla di 5: il cartello la tiene in unità di 5 "
                   "km/h");
        }
      }
    }
    if (kind == "aderenza" && value(entry, 1) && (*value(entry, 1) < 0 || *value(entry, 1) > 255)) {
      warn(entry.text, at_value(entry, 1), warning_id::kValueWrapped,
           "l'aderenza " + std::to_string(*value(entry, 1)) +
               " non sta in un byte: la cella ne tiene gli 8 bit bassi, " +
               std::to_string(*value(entry, 1) & 0xFF));
    }
    if (kind == "rallentamento" && value(entry, 0) &&
        *value(entry, 0) <= kLastStartWithoutWarningPoint) {
      warn(entry.text, at_value(entry, 0), warning_id::kSlowOrderWithoutWarningPoint,
           "il rallentamento a " + std::to_string(*value(entry, 0)) +
               " m inizia entro i primi 1500 m: non ha punto di avviso né celle di preavviso");
    }
  }
}

void Warnings::stations() {
  const Keywords& all = keywords();
  for (const TracedEntry& entry : pass_.trace.entries) {
    if (!entry.ended || entry.kind.keyword != "stazione" || entry.values.size() != 17)
      continue;
    const TracedField& name = entry.values.back();
    if (name.span.line != keyword_field(entry).span.line)
      continue;  // a missing value: said above
    const std::string shown = trimmed(name.raw);
    const bool is_number = !shown.empty() && number_of(shown).has_value();
    const bool is_keyword =
        std::any_of(all.run.begin(), all.run.end(), [&](const std::string& word) {
          return text::cp1252_lower(shown) == text::cp1252_lower(word);
        });
    if (is_number || is_keyword) {
      warn(SourceText::kRun, name, warning_id::kSuspiciousStationName,
           "il nome della stazione è " + text::quoted_text(shown) + ", " +
               (is_number ? "un numero" : "una parola chiave") +
               ": manca o c'è in più un valore nella riga?");
    }
  }
}

void Warnings::signals_after_slow_sections() {
  const records::CellArray& cells = pass_.records.cells;
  if (stand_in_track_ || cells.empty())
    return;
  const std::int64_t last = static_cast<std::int64_t>(cells.size()) - 1;
  for (std::int64_t start = 0; start <= last; ++start) {
    if (cells[start].type != records::kSlowStart)
      continue;
    std::int64_t end = start + 1;
    while (end <= last && cells[end].type != records::kSlowEnd)
      ++end;
    std::int64_t signal = end;
    while (signal <= last && cells[signal].type != records::kSignal)
      ++signal;
    if (signal > last || signal - end <= kCellsLookedAheadAfterSection)
      continue;
    const int entry = owner_entry(pass_, signal);
    const int section = owner_entry(pass_, start);
    if (entry < 0)
      continue;
    const TracedEntry& traced = pass_.trace.entries[static_cast<std::size_t>(entry)];
    warn(traced.text, at_value(traced, 0), warning_id::kSignalWithoutPointAfterSlowOrder,
         "il primo segnale dopo la fine del rallentamento " + entry_place(pass_, section) +
             " sta " + std::to_string(signal - end) +
             " celle dopo la cella di fine, oltre le 12 in cui la passata finale mette un punto "
             "di abbattimento davanti al primo segnale: questo non lo riceve");
  }
}

void Warnings::general_section() {
  std::set<std::string_view> seen;
  for (const TracedEntry& entry : pass_.trace.entries) {
    if (entry.text != SourceText::kLine)
      continue;
    const bool general = std::any_of(keywords().general.begin(), keywords().general.end(),
                                     [&](const std::string& k) { return k == entry.kind.keyword; });
    if (!general)
      continue;
    if (!seen.insert(entry.kind.keyword).second) {
      warn(SourceText::kLine, keyword_field(entry), warning_id::kDuplicateGeneralEntry,
           "la voce " + kind_of(entry) + " compare più di una volta: vale l'ultima");
    }
  }
  const bool run_has_keywords =
      std::any_of(pass_.trace.keywords.begin(), pass_.trace.keywords.end(),
                  [](const TracedKeyword& k) { return k.text == SourceText::kRun; });
  if (!run_has_keywords && !trimmed(pass_.run_text).empty() &&
      pass_.outcome != finish::Outcome::kNoTrack) {
    Diagnostic diagnostic = at_text_start(pass_, SourceText::kRun);
    diagnostic.severity = Severity::kWarning;
    diagnostic.id = std::string(warning_id::kRunWithoutGeneralSection);
    diagnostic.message =
        "il testo della corsa non ha un campo con \"[generale]\" seguito da altro: della corsa non "
        "è compilato nulla";
    out_.push_back(std::move(diagnostic));
  }
}

void Warnings::add_all() {
  value_counts();
  keyword_fields();
  empty_numbers();
  order_of_gradients_and_curves();
  positions_and_speeds();
  stations();
  signals_after_slow_sections();
  general_section();
}

}  // namespace

void add_warnings(const Pass& pass, bool stand_in_track, std::vector<Diagnostic>& out) {
  Warnings(pass, stand_in_track, out).add_all();
}

void add_reading_warnings(const Pass& pass, std::vector<Diagnostic>& out) {
  for (const TracedKeyword& keyword : pass.trace.keywords) {
    const std::string field = trimmed(keyword.field.raw);
    if (keyword.use != text::KeywordUse::kExamined || keyword.first_entry < 0 ||
        !text::contains(field, "-"))
      continue;
    const TracedEntry& entry = pass.trace.entries[static_cast<std::size_t>(keyword.first_entry)];
    Diagnostic diagnostic = at_field(pass, keyword.text, keyword.field);
    diagnostic.severity = Severity::kWarning;
    diagnostic.id = std::string(warning_id::kCommentBecomesEntry);
    diagnostic.message = "il campo " + text::quoted_text(field) +
                         " contiene \"-\" ma è letto come voce " +
                         text::quoted_text(entry.kind.keyword) +
                         ": solo due campi con il segno meno di fila si saltano, il terzo è "
                         "esaminato";
    out.push_back(std::move(diagnostic));
  }
}

void add_encoding_warning(const Pass& pass, SourceText text, std::string_view bytes,
                          std::vector<Diagnostic>& out) {
  std::size_t first = std::string_view::npos;
  std::size_t first_length = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::optional<text::Utf8Sequence> sequence = text::utf8_sequence(bytes, i);
    if (!sequence)
      return;
    const std::size_t length = sequence->length;
    if (length == 1) {
      ++i;
      continue;
    }
    if (first == std::string_view::npos) {
      first = i;
      first_length = length;
    }
    i += length;
  }
  if (first == std::string_view::npos)
    return;
  // The place of the first such character.
  TracedField field;
  field.span = span_at(bytes, first, first + first_length);
  Diagnostic diagnostic = at_field(pass, text, field);
  diagnostic.severity = Severity::kWarning;
  diagnostic.id = std::string(warning_id::kUtf8Text);
  const std::string_view character = bytes.substr(first, first_length);
  diagnostic.message = "il testo sembra salvato in UTF-8: " + text::quoted_text(character) +
                       " è forse \"" + std::string(character) +
                       "\"; i testi sono in Windows-1252 (con --encoding utf-8 il testo è "
                       "convertito)";
  diagnostic.suggestion = "--encoding utf-8";
  out.push_back(std::move(diagnostic));
}

}  // namespace scenario::diagnostics
