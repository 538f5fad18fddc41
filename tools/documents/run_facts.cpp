#include "tools/documents/run_facts.h"

#include <cstdio>

#include "records/kilometre_text.h"
#include "records/slot_roles.h"
#include "text/cp1252.h"
#include "tools/documents/document_refusal.h"
#include "tools/scenario_view.h"

namespace scenario::tools {
namespace {

std::string without_trailing_blanks(std::string name) {
  const std::size_t last = name.find_last_not_of(" \t");
  name.erase(last == std::string::npos ? 0 : last + 1);
  return name;
}

bool shows(unsigned char byte) {
  return byte >= 0x20 && byte != 0x7F && text::cp1252_defines(byte);
}

void check_name(const RunStation& station, std::string_view run_text) {
  for (const char c : station.name) {
    const auto byte = static_cast<unsigned char>(c);
    if (shows(byte))
      continue;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    throw DocumentRefusal(std::string(run_text) + ": stazione a km " +
                          records::kilometre_text(station.position) + " (\"" +
                          text::cp1252_to_utf8(station.name) + "\"): il nome contiene il byte " +
                          hex + ", che i documenti non possono mostrare");
  }
}

}  // namespace

RunFacts run_facts(const records::ScenarioRecords& records, std::string_view run_text) {
  RunFacts facts;
  facts.train_number = records.header[records::kRunSlot].text;
  facts.braked_mass_percent = records.header[records::kTrainValuesSlot].long_a;
  for (std::size_t slot = records::kFirstStationSlot; slot <= records::kFirstBoardTextSlot;
       ++slot) {
    if (records::slot_role(records.header, slot) != records::SlotRole::kStation)
      continue;
    const records::TableRecord& record = records.header[slot];
    RunStation station{record.long_c,
                       record.kind,
                       record.long_a,
                       record.long_b,
                       record.byte_c,
                       record.long_d,
                       without_trailing_blanks(record.text)};
    check_name(station, run_text);
    facts.stations.push_back(std::move(station));
  }
  if (facts.stations.empty()) {
    throw DocumentRefusal(std::string(run_text) +
                          ": la corsa non ha stazioni, e i documenti le nominano");
  }
  // The picture's reading of the cells: the same pairing of slow-section
  // starts and ends, the same runs of speed limits.
  const ScenarioView view = scenario_view(records.header, records.cells, std::nullopt);
  for (const Step& step : view.speed_limits)
    facts.line_speeds.push_back({step.start, step.value});
  for (const SlowSection& section : view.slow_sections)
    facts.slow_orders.push_back({section.start, section.end - section.start, section.speed});
  return facts;
}

}  // namespace scenario::tools
