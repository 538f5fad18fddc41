#include "app/file_names.h"

#include <gtest/gtest.h>

#include "platform/paths.h"

namespace scenario::app {
namespace {

TEST(ScenarioFileNames, EveryNameFromTheFolderAndTheTwoIdentityStrings) {
  const ScenarioFileNames names = scenario_file_names("F", "Velbrio_Dolvena", "30527");
  const std::string f = std::string("F") + platform::kPathSeparator;
  EXPECT_EQ(names.line_text, f + "Velbrio_Dolvena_linea.txt");
  EXPECT_EQ(names.run_text, f + "Velbrio_Dolvena_30527-.txt");
  EXPECT_EQ(names.notes, f + "Velbrio_Dolvena_30527_note.txt");
  EXPECT_EQ(names.slow_order, f + "Velbrio_Dolvena_30527_rallentamenti.txt");
  EXPECT_EQ(names.train_sheet, f + "Velbrio_Dolvena_30527_scheda_treno.txt");
  EXPECT_EQ(names.line_data, f + "Velbrio_Dolvena_linea.dat");
  EXPECT_EQ(names.scenario_table, f + "Velbrio_Dolvena_30527.sim");
  EXPECT_EQ(names.cell_file, f + "Velbrio_Dolvena_30527.dat");
}

}  // namespace
}  // namespace scenario::app
