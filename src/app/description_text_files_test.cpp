#include "app/description_text_files.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace scenario::app {
namespace {

using scenario::testing::TempFolder;
using scenario::testing::write_bytes;

TEST(TakeDescriptionTexts, ReadsWhatIsThereAndLeavesNeitherTextBehind) {
  struct Case {
    const char* line;  // nullptr: no such file
    const char* run;
  };
  for (const Case& c : {Case{"linea\r\n", "corsa\r\n"}, Case{nullptr, "corsa\r\n"},
                        Case{"linea\r\n", nullptr}, Case{nullptr, nullptr}, Case{"", ""}}) {
    TempFolder folder;
    const ScenarioFileNames names = scenario_file_names(folder.path().string(), "L", "T");
    if (c.line != nullptr)
      write_bytes(names.line_text, c.line);
    if (c.run != nullptr)
      write_bytes(names.run_text, c.run);
    write_bytes(names.notes, "resta");

    const compiler::DescriptionTexts texts = take_description_texts(names);
    ASSERT_EQ(texts.line.has_value(), c.line != nullptr);
    ASSERT_EQ(texts.run.has_value(), c.run != nullptr);
    if (c.line != nullptr) {
      EXPECT_EQ(texts.line->content, c.line);
    }
    if (c.run != nullptr) {
      EXPECT_EQ(texts.run->content, c.run);
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"L_T_note.txt"});
  }
}

TEST(TakeDescriptionTexts, NamesEachTextByItsPath) {
  TempFolder folder;
  const ScenarioFileNames names = scenario_file_names(folder.path().string(), "L", "T");
  write_bytes(names.line_text, "a");
  write_bytes(names.run_text, "b");
  const compiler::DescriptionTexts texts = take_description_texts(names);
  EXPECT_EQ(texts.line->name, names.line_text);
  EXPECT_EQ(texts.run->name, names.run_text);
}

}  // namespace
}  // namespace scenario::app
