#pragma once

#include <string>
#include <string_view>

namespace scenario::app {

// Full paths of every file of one scenario, formed in this one place from
// the folder and the two identity strings, by plain concatenation.
struct ScenarioFileNames {
  std::string line_text;       // <line>_linea.txt
  std::string run_text;        // <line>_<train>-.txt
  std::string notes;           // <line>_<train>_note.txt
  std::string slow_order;      // <line>_<train>_rallentamenti.txt
  std::string train_sheet;     // <line>_<train>_scheda_treno.txt
  std::string line_data;       // <line>_linea.dat
  std::string scenario_table;  // <line>_<train>.sim
  std::string cell_file;       // <line>_<train>.dat
};

ScenarioFileNames scenario_file_names(std::string_view folder, std::string_view line_id,
                                      std::string_view train_number);

}  // namespace scenario::app
