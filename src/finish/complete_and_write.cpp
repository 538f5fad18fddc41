#include "finish/complete_and_write.h"

#include "finish/finishing_scan.h"
#include "finish/format_stamps.h"

namespace scenario::finish {

std::optional<std::string> complete_and_write(records::ScenarioRecords& records,
                                              const BinaryFiles& files) {
  finishing_scan(records.cells, records.state);
  if (auto stamp_conflict = stamp_scenario(records)) {
    return stamp_conflict;
  }
  write_binary_files(records, files);
  return std::nullopt;
}

}  // namespace scenario::finish
