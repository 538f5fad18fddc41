#include "app/compile_error_message.h"

#include <gtest/gtest.h>

namespace scenario::app {
namespace {

TEST(CompileErrorMessage, NamesCodePositionAndWhereTheEntryStands) {
  using records::SourceText;
  struct Case {
    records::CompileState state;
    std::string message;
  };
  const Case cases[] = {
      {{13, 10050, SourceText::kNone, 0}, "scenario_installer: errore 13 alla posizione 10050 m"},
      {{241, 0, SourceText::kNone, 0}, "scenario_installer: errore 241 alla posizione 0 m"},
      {{16, 15150, SourceText::kRun, 42},
       "scenario_installer: errore 16 alla posizione 15150 m (testo della corsa, riga 42)"},
      {{6, 37200, SourceText::kLine, 7},
       "scenario_installer: errore 6 alla posizione 37200 m (testo della linea, riga 7)"},
      {{25, 0, SourceText::kLine, 0},
       "scenario_installer: errore 25 alla posizione 0 m (testo della linea)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(compile_error_message(c.state), c.message);
}

}  // namespace
}  // namespace scenario::app
