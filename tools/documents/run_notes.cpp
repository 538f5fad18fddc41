#include "tools/documents/run_notes.h"

#include "docs/timetable_row.h"
#include "records/kilometre_text.h"
#include "text/cp1252.h"
#include "tools/documents/document_lines.h"
#include "tools/documents/timetable_times.h"
#include "tools/documents/train_sheet_from_run.h"

namespace scenario::tools {
namespace {

using Form = docs::TimeCell::Form;

// " alle 21.55", or nothing for a station without a time.
std::string at_time(const docs::TimeCell& time) {
  return time.form == Form::kNone ? "" : " alle " + docs::sheet_time(time.first);
}

bool has_half_minute(const docs::TimeCell& time) {
  return (time.form != Form::kNone && time.first % 60 >= 30) ||
         (time.form == Form::kStop && time.second % 60 >= 30);
}

}  // namespace

text::LineList run_notes(const RunFacts& facts, std::string_view run_text) {
  const std::vector<docs::TimeCell> times = timetable_times(facts.stations);
  const RunStation& first = facts.stations.front();
  const RunStation& last = facts.stations.back();
  DocumentLines lines(std::string(run_text) + ": le note");
  lines.add("");
  lines.add("Treno " + facts.train_number + " da " + sheet_name(first) + " a " + sheet_name(last) +
            ".");
  lines.add("");
  lines.add("Partenza da " + sheet_name(first) + at_time(times.front()) + ".");
  if (facts.stations.size() > 1)
    lines.add("Arrivo a " + sheet_name(last) + at_time(times.back()) + ".");
  lines.add("");

  std::vector<std::string> stops;
  bool half_minutes = has_half_minute(times.front()) || has_half_minute(times.back());
  for (std::size_t i = 1; i + 1 < facts.stations.size(); ++i) {
    const RunStation& station = facts.stations[i];
    if (!station.gives_time())
      continue;  // a passing time of the sheet is not the run's own
    const docs::TimeCell& time = times[i];
    half_minutes = half_minutes || has_half_minute(time);
    if (time.form == Form::kStop) {
      stops.push_back("  " + sheet_name(station) + ": arrivo " + docs::sheet_time(time.first) +
                      ", partenza " + docs::sheet_time(time.second));
    } else {
      stops.push_back("  " + sheet_name(station) + ": " + docs::sheet_time(time.first));
    }
  }
  if (stops.empty()) {
    lines.add("Nessuna fermata lungo la linea.");
  } else {
    lines.add("Fermate e orari lungo la linea:");
    for (const std::string& stop : stops)
      lines.add(stop);
  }
  lines.add("");

  if (facts.slow_orders.empty()) {
    lines.add("Nessun rallentamento.");
  } else {
    lines.add("Rallentamenti (si veda l'ordine di rallentamento):");
    for (std::size_t i = 0; i < facts.slow_orders.size(); ++i) {
      const RunSlowOrder& order = facts.slow_orders[i];
      lines.add("  " + std::to_string(i + 1) + ". da km " + records::kilometre_text(order.start) +
                " per " + std::to_string(order.length) + " m: " + std::to_string(order.speed) +
                " km/h");
    }
  }
  lines.add("");
  if (half_minutes) {
    // The document's lines are Windows-1252; this source is UTF-8.
    lines.add(text::utf8_to_cp1252("Il segno (+) dopo un orario indica 30 secondi in più."));
    lines.add("");
  }
  lines.add("Buon viaggio.");
  return std::move(lines).finished();
}

}  // namespace scenario::tools
