#include "tools/documents/train_sheet_from_run.h"

#include <algorithm>
#include <cstdlib>

#include "docs/table_cells.h"
#include "docs/timetable_row.h"
#include "docs/train_sheet_form.h"
#include "records/kilometre_text.h"
#include "text/cp1252.h"
#include "tools/documents/document_lines.h"
#include "tools/documents/document_refusal.h"
#include "tools/documents/timetable_times.h"

namespace scenario::tools {
namespace {

constexpr std::uint8_t kServiceStopKind = 26;
// A change of the line speed this near a station row is shown on it.
constexpr std::int64_t kNearEnough = 200;

// Widths of the boxes of the two bands and of the place cell.
constexpr std::size_t kTrainBox = 19;  // also the CLASSIFICAZIONE and MASSA BLOCCATA boxes
constexpr std::size_t kRightBox = 14;
constexpr std::size_t kTerminalName = 22;  // after "da: " and "a: ", up to the right box
constexpr std::size_t kBlockedMassIndent = 6;
constexpr std::size_t kPlaceCell = 28;

// `text` in the middle of `width` characters, the odd space on the right.
std::string centred(std::string_view text, std::size_t width) {
  const std::size_t left = (width - text.size()) / 2;
  return std::string(left, ' ') + docs::left_aligned(text, width - left);
}

std::string shown(std::string_view cp1252) {
  return text::cp1252_to_utf8(cp1252);
}

// Refuses `text` wider than `width`, saying what it is and where it goes.
void check_width(std::string_view run_text, const std::string& what, std::string_view text,
                 std::size_t width, std::string_view cell) {
  if (text.size() <= width)
    return;
  throw DocumentRefusal(std::string(run_text) + ": " + what + " \"" + shown(text) + "\" ha " +
                        std::to_string(text.size()) + " caratteri, ma " + std::string(cell) +
                        " della scheda treno ne contiene " + std::to_string(width));
}

std::string station_place(const RunStation& station) {
  return "della stazione a km " + records::kilometre_text(station.position);
}

// The sheet counts kilometres from the start of the line.
void check_on_the_line(std::string_view run_text, const RunStation& station) {
  if (station.position >= 0)
    return;
  throw DocumentRefusal(std::string(run_text) + ": la stazione \"" + shown(station.name) +
                        "\" sta a km " + records::kilometre_text(station.position) +
                        ", prima dell'inizio della linea, dove la scheda treno non ha chilometri");
}

// One row of the timetable before it is laid out.
struct SheetRow {
  std::int64_t metres = 0;
  std::string place;  // Windows-1252; empty on a row of its own for a speed
  std::optional<int> line_speed;
  docs::TimeCell time;
};

// The limit in force at `position`: the last change at or before it.
std::optional<int> speed_at(const std::vector<LineSpeedChange>& changes, std::int64_t position) {
  std::optional<int> speed;
  for (const LineSpeedChange& change : changes) {
    if (change.position > position)
      break;
    speed = change.kmh;
  }
  return speed;
}

// Whether a shown change other than the k-th lies between it and `metres`,
// both included. The changes are in position order: only the neighbour on
// that side can.
bool other_change_between(const std::vector<LineSpeedChange>& shown_changes, std::size_t k,
                          std::int64_t metres) {
  const std::int64_t position = shown_changes[k].position;
  if (metres >= position)
    return k + 1 < shown_changes.size() && shown_changes[k + 1].position <= metres;
  return k > 0 && shown_changes[k - 1].position >= metres;
}

std::vector<SheetRow> timetable(const RunFacts& facts) {
  const std::vector<docs::TimeCell> times = timetable_times(facts.stations);
  std::vector<SheetRow> rows;
  for (std::size_t i = 0; i < facts.stations.size(); ++i) {
    const RunStation& station = facts.stations[i];
    rows.push_back({station.position, sheet_name(station), std::nullopt, times[i]});
  }
  const std::int64_t first = facts.stations.front().position;
  const std::int64_t last = facts.stations.back().position;
  rows.front().line_speed = speed_at(facts.line_speeds, first);

  std::vector<LineSpeedChange> shown_changes;
  for (const LineSpeedChange& change : facts.line_speeds) {
    if (change.position > first && change.position <= last)
      shown_changes.push_back(change);
  }
  std::vector<SheetRow> own_rows;
  for (std::size_t k = 0; k < shown_changes.size(); ++k) {
    const LineSpeedChange& change = shown_changes[k];
    SheetRow* nearest = nullptr;
    std::int64_t nearest_distance = kNearEnough + 1;
    for (SheetRow& row : rows) {
      const std::int64_t distance = std::llabs(row.metres - change.position);
      if (row.line_speed || distance >= nearest_distance ||
          other_change_between(shown_changes, k, row.metres))
        continue;
      nearest = &row;
      nearest_distance = distance;
    }
    if (nearest != nullptr)
      nearest->line_speed = change.kmh;
    else
      own_rows.push_back({change.position, "", change.kmh, {}});
  }
  // A row of its own follows the station rows at its kilometre.
  rows.insert(rows.end(), own_rows.begin(), own_rows.end());
  std::stable_sort(rows.begin(), rows.end(),
                   [](const SheetRow& a, const SheetRow& b) { return a.metres < b.metres; });
  return rows;
}

std::string timetable_line(const SheetRow& row) {
  return docs::timetable_row({.line_speed = row.line_speed.value_or(0),
                              .running_speed = 0,
                              .metres = static_cast<int>(row.metres),
                              .place = row.place,
                              .time = row.time});
}

}  // namespace

std::string sheet_name(const RunStation& station) {
  return station.kind == kServiceStopKind ? text::cp1252_lower(station.name) : station.name;
}

text::LineList train_sheet_from_run(const RunFacts& facts, const SheetOptions& options,
                                    std::string_view run_text) {
  const std::string train = "TRENO n." + facts.train_number;
  check_width(run_text, "il numero del treno", facts.train_number, kTrainBox - 8,
              "la casella \"TRENO n.\"");
  const std::string from = sheet_name(facts.stations.front());
  const std::string to = sheet_name(facts.stations.back());
  check_width(run_text, "il nome della prima stazione", from, kTerminalName, "la testata \"da:\"");
  check_width(run_text, "il nome dell'ultima stazione", to, kTerminalName, "la testata \"a:\"");
  check_width(run_text, "la classificazione", options.classification, kTrainBox,
              "la casella CLASSIFICAZIONE");
  check_width(run_text, "la massa bloccata", options.blocked_mass, kTrainBox - kBlockedMassIndent,
              "la casella MASSA BLOCCATA");
  for (const RunStation& station : facts.stations) {
    check_on_the_line(run_text, station);
    check_width(run_text, "il nome " + station_place(station), sheet_name(station), kPlaceCell,
                "la casella \"Localita' di Servizio\"");
  }

  const std::vector<SheetRow> rows = timetable(facts);
  int top_speed = 0;
  for (const SheetRow& row : rows)
    top_speed = std::max(top_speed, row.line_speed.value_or(0));
  const std::string speed_rank = "V " + std::to_string(top_speed) + " " + options.rank;
  check_width(run_text, "la velocità massima col rango", speed_rank, kRightBox,
              "la casella della velocità");
  const std::string braked_mass = std::to_string(facts.braked_mass_percent) + "%";

  DocumentLines lines(std::string(run_text) + ": la scheda treno");
  lines.add("");
  lines.add("");
  // Identity band: train number, title with the terminal stations, top
  // speed and rank over the braked-mass percentage.
  docs::add_form_lines(lines, docs::kSheetIdentityHead);
  lines.add(" |" + centred(train, kTrainBox) + "|" + std::string(19, ' ') + "da: " +
            docs::left_aligned(from, kTerminalName) + "|" + centred(speed_rank, kRightBox) + "|");
  lines.add(" |___________________|" + std::string(20, ' ') + "a: " +
            docs::left_aligned(to, kTerminalName) + "|" + centred(braked_mass, kRightBox) + "|");
  docs::add_form_lines(lines, docs::kSheetClassificationHead);
  lines.add(" |" + centred(options.classification, kTrainBox) + "|              |" +
            std::string(kBlockedMassIndent, ' ') +
            docs::left_aligned(options.blocked_mass, kTrainBox - kBlockedMassIndent) + "|");
  docs::add_form_lines(lines, docs::kSheetTimetableHead);
  for (const SheetRow& row : rows)
    lines.add(timetable_line(row));
  docs::add_form_lines(lines, docs::kSheetTimetableFoot);
  if (options.legend_note)
    lines.add(" " + *options.legend_note);
  return std::move(lines).finished();
}

}  // namespace scenario::tools
