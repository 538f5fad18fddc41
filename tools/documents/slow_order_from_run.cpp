#include "tools/documents/slow_order_from_run.h"

#include "docs/slow_order_form.h"
#include "docs/table_cells.h"
#include "text/cp1252.h"
#include "tools/documents/document_lines.h"
#include "tools/documents/place_pair.h"

namespace scenario::tools {
namespace {

constexpr std::size_t kPlacesCell = 28;
constexpr std::int64_t kMetresPerKilometre = 1000;

// The places between which a restriction starting at `start` lies.
std::string places_of(const std::vector<RunStation>& stations, std::int64_t start) {
  for (const RunStation& station : stations) {
    if (station.area_start <= start && start <= station.area_end)
      return place_pair(station.name, "", kPlacesCell);
  }
  const RunStation* before = nullptr;
  const RunStation* after = nullptr;
  for (const RunStation& station : stations) {
    if (station.position < start)
      before = &station;
    else if (after == nullptr)
      after = &station;
  }
  if (before == nullptr)
    return place_pair(after->name, "", kPlacesCell);
  if (after == nullptr)
    return place_pair(before->name, "", kPlacesCell);
  return place_pair(before->name, after->name, kPlacesCell);
}

// The number of a restriction: " 1 ", "12 ", "123".
std::string number_cell(std::size_t number) {
  const std::string digits = std::to_string(number);
  return digits.size() < 3 ? docs::right_aligned(digits, 2) + " " : docs::right_aligned(digits, 3);
}

std::string restriction_row(const std::vector<RunStation>& stations, const RunSlowOrder& order,
                            std::size_t number) {
  // A start in cell 0 lies 50 m before the line: its post is the first.
  const std::int64_t post =
      order.start > 0 ? order.start / kMetresPerKilometre * kMetresPerKilometre : 0;
  return docs::table_row(
      {number_cell(number), docs::left_aligned(places_of(stations, order.start), kPlacesCell),
       docs::right_aligned(docs::kilometres(static_cast<int>(post)), 9) + "   ",
       docs::right_aligned(std::to_string(order.speed), 6) + "    ",
       docs::right_aligned(std::to_string(order.length), 7) + "  ", std::string(12, ' ')});
}

void add_form(DocumentLines& lines, const RunFacts& facts, std::size_t first_order) {
  const std::string line_name = text::cp1252_upper(facts.stations.front().name) + " - " +
                                text::cp1252_upper(facts.stations.back().name);
  docs::add_form_lines(lines, docs::kSlowOrderTitle);
  lines.add("  Linea  " + line_name);
  lines.add("");
  lines.add(docs::slow_order_instruction(facts.train_number));
  docs::add_form_lines(lines, docs::kSlowOrderTableHead);
  for (std::size_t row = 0; row < docs::kRestrictionRowsOnAForm; ++row) {
    const std::size_t order = first_order + row;
    if (order < facts.slow_orders.size())
      lines.add(restriction_row(facts.stations, facts.slow_orders[order], order + 1));
    else
      lines.add(docs::empty_restriction_row());
  }
  docs::add_form_lines(lines, docs::kSlowOrderFoot);
}

}  // namespace

text::LineList slow_order_from_run(const RunFacts& facts, std::string_view run_text) {
  DocumentLines lines(std::string(run_text) + ": l'ordine di rallentamento");
  std::size_t first_order = 0;
  do {
    add_form(lines, facts, first_order);
    first_order += docs::kRestrictionRowsOnAForm;
  } while (first_order < facts.slow_orders.size());
  return std::move(lines).finished();
}

}  // namespace scenario::tools
