#include "line/general_section.h"

#include <array>

#include "line/line_compiler.h"
#include "text/keyword_match.h"

namespace scenario::line {
namespace {

using text::contains;

constexpr std::int32_t kLongestLine = 1000000;

EntryOutcome read_line_length(LineCompilation& line) {
  records::ScenarioRecords& records = line.records;
  const std::int32_t length = line.reader.read_int32();
  records.header[records::kTrainValuesSlot].long_b = length;
  if (length > kLongestLine)
    return line.stop(compiler::kErrorLineTooLong);
  if (length < 0)
    return line.stop_at(compiler::kErrorNegativeLineLength, length);
  records.create_track(length);
  return EntryOutcome::kGoOn;
}

template <int slot>
EntryOutcome read_kilometric_reference(LineCompilation& line) {
  records::TableRecord& record = line.records.header[slot];
  record.long_a = line.reader.read_int32();
  record.long_b = line.reader.read_int32();
  record.long_c = line.reader.read_int32();
  return EntryOutcome::kGoOn;
}

// Slot 85 keeps "sfondo uno", "sfondo tre", "sfondo due" in this order.
template <std::int32_t records::TableRecord::*field>
EntryOutcome read_background(LineCompilation& line) {
  line.records.header[records::kLineSlot].*field = line.reader.read_int32();
  return EntryOutcome::kGoOn;
}

EntryOutcome read_signal_repetition(LineCompilation& line) {
  records::TableRecord& record = line.records.header[records::kRunSlot];
  record.long_a = line.reader.read_int32();
  record.long_b = line.reader.read_int32();
  if (!records::on_cell_grid(record.long_a))
    return line.stop(compiler::kErrorRepetitionStart);
  if (!records::on_cell_grid(record.long_b))
    return line.stop(compiler::kErrorRepetitionEnd);
  if (contains(line.keyword, "4")) {
    record.long_c = 4;
  } else if (contains(line.keyword, "9")) {
    record.long_c = 9;
  } else {
    return line.stop(compiler::kErrorRepetitionCodes);
  }
  if (record.long_b == 0)
    record.long_c = 0;
  return EntryOutcome::kGoOn;
}

constexpr text::ValueField kLength[] = {{"lunghezza del percorso in m"}};
constexpr text::ValueField kReference[] = {{"primo valore"}, {"secondo valore"}, {"terzo valore"}};
constexpr text::ValueField kBackground[] = {{"valore"}};
constexpr text::ValueField kRepetition[] = {{"inizio in m"}, {"fine in m"}};

// The length is found in any letter case, the other entries only as
// written.
constexpr std::array<text::EntryKind<LineCompilation>, 8> kGeneralEntries = {{
    {{"percorso", "lunghezza"}, {"lunghezza percorso", kLength}, read_line_length},
    {{"tre", "progressiva", false},
     {"progressiva chilometrica tre", kReference},
     read_kilometric_reference<records::kKilometricSlotTre>},
    {{"due", "progressiva", false},
     {"progressiva chilometrica due", kReference},
     read_kilometric_reference<records::kKilometricSlotDue>},
    {{"uno", "progressiva", false},
     {"progressiva chilometrica uno", kReference},
     read_kilometric_reference<records::kKilometricSlotUno>},
    {{"sfondo", "uno", false},
     {"sfondo uno", kBackground},
     read_background<&records::TableRecord::long_a>},
    {{"sfondo", "due", false},
     {"sfondo due", kBackground},
     read_background<&records::TableRecord::long_c>},
    {{"sfondo", "tre", false},
     {"sfondo tre", kBackground},
     read_background<&records::TableRecord::long_b>},
    {{"segnali", "ripetizione", false},
     {"ripetizione segnali 4 codici", kRepetition},
     read_signal_repetition},
}};

}  // namespace

std::vector<text::EntryInfo> general_entry_kinds() {
  return text::entry_infos<LineCompilation>(kGeneralEntries);
}

EntryOutcome compile_general_section(LineCompilation& line) {
  while (auto keyword = text::next_keyword(line.reader, text::kGeneralSectionDashRule)) {
    line.keyword = std::move(*keyword);
    line.keyword_line = line.reader.field_line();
    if (text::compile_entry<LineCompilation>(line.keyword, kGeneralEntries, line, line.observer) !=
        EntryOutcome::kGoOn)
      return EntryOutcome::kStop;
    if (text::is_section_header(line.keyword))
      return EntryOutcome::kGoOn;
  }
  // The text ended inside the section: a code recorded next (no length)
  // names the line of the field read last.
  line.keyword_line = line.reader.field_line();
  return EntryOutcome::kGoOn;
}

}  // namespace scenario::line
