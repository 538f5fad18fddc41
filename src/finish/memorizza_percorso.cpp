#include "finish/memorizza_percorso.h"

#include <stdexcept>

#include "compiler/error_codes.h"
#include "compiler/memorizza_dati.h"
#include "finish/finishing_scan.h"
#include "finish/identification_codes.h"
#include "platform/files.h"
#include "records/cell_file.h"
#include "records/line_data_file.h"
#include "records/table_file.h"

namespace scenario::finish {
namespace {

constexpr std::int16_t kTableFormatStamp = 610;
constexpr std::int16_t kCellFormatStamp = 5121;

void replace_with(const std::string& path,
                  const std::function<void(const records::ByteConsumer&)>& encode) {
  platform::replace_file(path, [&](platform::OutputFile& out) {
    encode([&](std::span<const std::uint8_t> bytes) { out.write(bytes); });
  });
}

}  // namespace

bool complete_records(records::ScenarioRecords& records, compiler::CompileObserver* observer) {
  if (records.cells.size() < 2)
    throw std::logic_error("the cell array has no cell 1 for the format stamp");
  if (observer != nullptr)
    observer->text_begins(records::SourceText::kNone);
  finishing_scan(records.cells, records.state, observer);

  records::TableRecord& line_slot = records.header[records::kLineSlot];
  records::CellRecord& first_cell = records.cells[1];
  if (line_slot.short_a != 0 || first_cell.value_a != 0) {
    records.state.fail(compiler::kErrorFormatStampSet);
    return false;
  }
  line_slot.short_a = kTableFormatStamp;
  first_cell.value_a = kCellFormatStamp;

  if (line_slot.long_d != 0 || first_cell.value_b != 0) {
    records.state.fail(compiler::kErrorIdentificationCodeSet);
    return false;
  }
  line_slot.long_d = codice_gara_st(records.header);
  // At most 6375: fits.
  first_cell.value_b = static_cast<std::int16_t>(codice_gara_og(records.header));
  return true;
}

void write_binary_files(const records::ScenarioRecords& records, const BinaryFiles& files) {
  if (records.plan) {
    replace_with(files.line_data, [&](const records::ByteConsumer& out) {
      records::encode_line_data_file(*records.plan, out);
    });
  }
  replace_with(files.scenario_table, [&](const records::ByteConsumer& out) {
    records::encode_table_file(records.header, out);
  });
  replace_with(files.cell_file, [&](const records::ByteConsumer& out) {
    records::encode_cell_file(records.cells, out);
  });
}

Outcome compile_and_complete(records::ScenarioRecords& records,
                             const compiler::DescriptionTexts& texts, std::int32_t& j,
                             compiler::CompileObserver* observer) {
  records.write_line_data = j;
  records.state = records::CompileState{};
  records.state.observer = observer;
  records::reset(records.header);
  compiler::memorizza_dati(records, texts, observer);
  // A text stopped before the line length was read leaves no track: there
  // is nothing to finish or write, and older files keep their bytes.
  Outcome outcome = Outcome::kNoTrack;
  if (!records.cells.empty())
    outcome = complete_records(records, observer) ? Outcome::kComplete : Outcome::kStampConflict;
  records.state.observer = nullptr;
  return outcome;
}

Outcome memorizza_percorso(records::ScenarioRecords& records,
                           const compiler::DescriptionTexts& texts, const BinaryFiles& files,
                           std::int32_t& j) {
  const Outcome outcome = compile_and_complete(records, texts, j);
  if (outcome == Outcome::kComplete)
    write_binary_files(records, files);
  return outcome;
}

}  // namespace scenario::finish
