#include "bench/generated_files.h"

#include "app/file_names.h"
#include "bench/generated_scenario.h"
#include "platform/files.h"

namespace scenario::bench {

GeneratedFiles generated_files(const std::string& folder) {
  const app::ScenarioFileNames names =
      app::scenario_file_names(folder, kGeneratedLineId, kGeneratedTrainNumber);
  return {{names.line_text, names.run_text},
          {names.line_data, names.scenario_table, names.cell_file}};
}

void write_generated_texts(const GeneratedFiles& files, std::int32_t length) {
  const GeneratedTexts texts = generate_texts(length);
  platform::replace_file(files.texts.line_text,
                         [&](platform::OutputFile& out) { out.write(texts.line_text); });
  platform::replace_file(files.texts.run_text,
                         [&](platform::OutputFile& out) { out.write(texts.run_text); });
}

records::ScenarioRecords generated_records() {
  records::ScenarioRecords records;
  records.line_id = kGeneratedLineId;
  records.train_number = kGeneratedTrainNumber;
  return records;
}

}  // namespace scenario::bench
