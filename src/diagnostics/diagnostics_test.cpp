#include <gtest/gtest.h>

#include "diagnostics/checker.h"
#include "diagnostics/keyword_suggestion.h"

namespace scenario::diagnostics {
namespace {

TEST(KeywordSuggestion, ATypoAwayAndNoFurther) {
  const std::vector<std::string> keywords = {"segnale", "stazione",   "velocita",
                                             "sabbia",  "sfondo due", "curvad3"};
  struct Case {
    const char* field;
    std::optional<std::string> nearest;
  };
  for (const Case& c :
       {Case{"segnael", "segnale"}, Case{"SEGNALE", "segnale"}, Case{"stazoine", "stazione"},
        Case{"cruvad3", "curvad3"}, Case{"Sfondo due", "sfondo due"}, Case{"velocitaa", "velocita"},
        Case{"sbbia", "sabbia"}, Case{"segreto", std::nullopt},
        Case{"una nota qualunque sul segnale", std::nullopt}, Case{"   ", std::nullopt}}) {
    EXPECT_EQ(nearest_keyword(c.field, keywords), c.nearest) << c.field;
  }
}

// The installer tells the code it records last in the author's terms.
TEST(ExplainRecordedCode, TellsTheLastCodeTheCompileRecords) {
  const std::string line =
      "[generale]\r\nlunghezza percorso, 10000\r\n[curve]\r\n"
      "cartello_indicatore, 2000, (A)\r\ncartello_indicatore, 2000, (B)\r\n";
  const std::string run = "[generale]\r\nvelocita, 0, 100\r\n";
  const std::optional<Diagnostic> explained = explain_recorded_code({line, run, "L", "1"});
  ASSERT_TRUE(explained.has_value());
  EXPECT_EQ(explained->code, 6);
  EXPECT_EQ(explained->text, records::SourceText::kLine);
  EXPECT_EQ(explained->line, 5);
  EXPECT_EQ(explained->column, 22);
  EXPECT_EQ(explained->message,
            "la cella 41 (km 2+050) del cartello è già occupata dal cartello con testo della riga "
            "4 del testo della linea");
  EXPECT_FALSE(explain_recorded_code(
                   {"[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\n", run, "L", "1"})
                   .has_value());
}

}  // namespace
}  // namespace scenario::diagnostics
