#include "line/general_section.h"

#include "line/line_errors.h"
#include "records/cell_record.h"
#include "text/keyword_match.h"

namespace scenario::line {
namespace {

using text::contains;
using text::contains_any_case;

constexpr std::int32_t kLongestLine = 1000000;

// Inside "[generale]" up to ten keyword fields in a row that hold a "-" are
// passed over, without looking for the end of the text in between.
constexpr int kDashedFieldsSkipped = 10;

Outcome read_line_length(LineCompilation& line) {
  records::ScenarioRecords& records = line.records;
  const std::int32_t length = line.reader.read_int32();
  records.header[records::kTrainValuesSlot].long_b = length;
  if (length > kLongestLine)
    return line.stop(kErrorLineTooLong);
  if (length < 0)
    return line.stop_at(kErrorNegativeLineLength, length);
  records.cells.assign(static_cast<std::size_t>(records::last_cell_index(length)) + 1,
                       records::CellRecord{});
  records.plan.reset();
  if (records.write_line_data != 0)
    records.plan.emplace(length + 7000);
  return Outcome::kGoOn;
}

void read_kilometric_reference(LineCompilation& line, int slot) {
  records::TableRecord& record = line.records.header[slot];
  record.long_a = line.reader.read_int32();
  record.long_b = line.reader.read_int32();
  record.long_c = line.reader.read_int32();
}

Outcome read_signal_repetition(LineCompilation& line) {
  records::TableRecord& record = line.records.header[records::kRunSlot];
  record.long_a = line.reader.read_int32();
  record.long_b = line.reader.read_int32();
  if (record.long_a % 50 != 0)
    return line.stop(kErrorRepetitionStart);
  if (record.long_b % 50 != 0)
    return line.stop(kErrorRepetitionEnd);
  if (contains(line.keyword, "4")) {
    record.long_c = 4;
  } else if (contains(line.keyword, "9")) {
    record.long_c = 9;
  } else {
    return line.stop(kErrorRepetitionCodes);
  }
  if (record.long_b == 0)
    record.long_c = 0;
  return Outcome::kGoOn;
}

// The tests are independent: a keyword field may satisfy several of them.
Outcome compile_general_entry(LineCompilation& line) {
  const std::string& keyword = line.keyword;
  records::HeaderTable& header = line.records.header;
  if (contains_any_case(keyword, "percorso") && contains_any_case(keyword, "lunghezza")) {
    if (read_line_length(line) != Outcome::kGoOn)
      return Outcome::kHardStop;
  }
  if (contains(keyword, "tre") && contains(keyword, "progressiva")) {
    read_kilometric_reference(line, records::kKilometricSlotTre);
  }
  if (contains(keyword, "due") && contains(keyword, "progressiva")) {
    read_kilometric_reference(line, records::kKilometricSlotDue);
  }
  if (contains(keyword, "uno") && contains(keyword, "progressiva")) {
    read_kilometric_reference(line, records::kKilometricSlotUno);
  }
  // Slot 85 keeps "sfondo uno", "sfondo tre", "sfondo due" in this order.
  if (contains(keyword, "sfondo") && contains(keyword, "uno")) {
    header[records::kLineSlot].long_a = line.reader.read_int32();
  }
  if (contains(keyword, "sfondo") && contains(keyword, "due")) {
    header[records::kLineSlot].long_c = line.reader.read_int32();
  }
  if (contains(keyword, "sfondo") && contains(keyword, "tre")) {
    header[records::kLineSlot].long_b = line.reader.read_int32();
  }
  if (contains(keyword, "segnali") && contains(keyword, "ripetizione")) {
    return read_signal_repetition(line);
  }
  return Outcome::kGoOn;
}

// A section header ends "[generale]", unless a "-" in front disables it.
bool ends_section(const std::string& field) {
  if (!contains(field, "[") || !contains(field, "]"))
    return false;
  const std::size_t first = field.find_first_not_of(" \t");
  return first == std::string::npos || field[first] != '-';
}

}  // namespace

Outcome compile_general_section(LineCompilation& line) {
  while (true) {
    if (line.reader.at_end())
      return Outcome::kGoOn;
    line.read_keyword();
    if (line.reader.at_end())
      return Outcome::kGoOn;
    for (int i = 0; i < kDashedFieldsSkipped; ++i) {
      if (contains(line.keyword, "-"))
        line.read_keyword();
    }
    if (compile_general_entry(line) != Outcome::kGoOn)
      return Outcome::kHardStop;
    if (ends_section(line.keyword))
      return Outcome::kGoOn;
  }
}

}  // namespace scenario::line
