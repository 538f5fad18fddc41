#include "bench/generated_files.h"

#include "app/file_names.h"
#include "bench/generated_scenario.h"

namespace scenario::bench {

finish::BinaryFiles generated_binary_files(const std::string& folder) {
  const app::ScenarioFileNames names =
      app::scenario_file_names(folder, kGeneratedLineId, kGeneratedTrainNumber);
  return {names.line_data, names.scenario_table, names.cell_file};
}

compiler::DescriptionTexts generated_description_texts(std::int32_t length) {
  GeneratedTexts texts = generate_texts(length);
  const app::ScenarioFileNames names =
      app::scenario_file_names(".", kGeneratedLineId, kGeneratedTrainNumber);
  return {compiler::DescriptionText{names.line_text, std::move(texts.line_text)},
          compiler::DescriptionText{names.run_text, std::move(texts.run_text)}};
}

records::ScenarioRecords generated_records() {
  records::ScenarioRecords records;
  records.line_id = kGeneratedLineId;
  records.train_number = kGeneratedTrainNumber;
  return records;
}

}  // namespace scenario::bench
