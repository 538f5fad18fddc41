#include "finish/memorizza_percorso.h"

#include "finish/complete_and_write.h"

namespace scenario::finish {

std::optional<std::string> memorizza_percorso(records::ScenarioRecords& records,
                                              const run::DescriptionTexts& texts,
                                              const BinaryFiles& files, std::int32_t& j) {
  records.write_line_data = j;
  records.state = records::CompileState{};
  records::reset(records.header);
  run::memorizza_dati(records, texts);
  // A text stopped before the line length was read leaves no track: there
  // is nothing to finish or write, and older files keep their bytes.
  if (records.cells.empty())
    return std::nullopt;
  return complete_and_write(records, files);
}

}  // namespace scenario::finish
