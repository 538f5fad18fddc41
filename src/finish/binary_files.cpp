#include "finish/binary_files.h"

#include "platform/files.h"
#include "records/cell_file.h"
#include "records/line_data_file.h"
#include "records/table_file.h"

namespace scenario::finish {
namespace {

void replace_with(const std::string& path,
                  const std::function<void(const records::ByteConsumer&)>& encode) {
  platform::replace_file(path, [&](platform::OutputFile& out) {
    encode([&](std::span<const std::uint8_t> bytes) { out.write(bytes); });
  });
}

}  // namespace

void write_binary_files(const records::ScenarioRecords& records, const BinaryFiles& files) {
  if (records.write_line_data != 0 && records.plan) {
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

}  // namespace scenario::finish
