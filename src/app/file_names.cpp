#include "app/file_names.h"

#include "platform/paths.h"

namespace scenario::app {

ScenarioFileNames scenario_file_names(std::string_view folder, std::string_view line_id,
                                      std::string_view train_number) {
  const std::string line(line_id);
  const std::string run = line + "_" + std::string(train_number);
  auto in_folder = [&](const std::string& name) { return platform::join_path(folder, name); };
  return {
      .line_text = in_folder(line + "_linea.txt"),
      .run_text = in_folder(run + "-.txt"),
      .notes = in_folder(run + "_note.txt"),
      .slow_order = in_folder(run + "_rallentamenti.txt"),
      .train_sheet = in_folder(run + "_scheda_treno.txt"),
      .line_data = in_folder(line + "_linea.dat"),
      .scenario_table = in_folder(run + ".sim"),
      .cell_file = in_folder(run + ".dat"),
  };
}

}  // namespace scenario::app
