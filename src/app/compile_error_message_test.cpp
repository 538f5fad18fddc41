#include "app/compile_error_message.h"

#include <gtest/gtest.h>

namespace scenario::app {
namespace {

using records::SourceText;

records::CompileState state(std::int32_t code, std::int32_t position, SourceText text, int line,
                            std::string detail = "") {
  records::CompileState s;
  s.error_code = code;
  s.error_position = position;
  s.text = text;
  s.line = line;
  s.detail = std::move(detail);
  return s;
}

TEST(CompileErrorMessage, NamesCodePositionWhereTheEntryStandsAndTheMeaning) {
  struct Case {
    records::CompileState state;
    std::string message;
  };
  const Case cases[] = {
      {state(13, 10050, SourceText::kNone, 0),
       "scenario_installer: errore 13 alla posizione 10050 m: nessuna cella libera per un punto "
       "di abbattimento lungo il rallentamento o davanti al primo segnale dopo di esso"},
      {state(16, 15150, SourceText::kRun, 42),
       "scenario_installer: errore 16 alla posizione 15150 m (testo della corsa, riga 42): la "
       "cella del segnale è già occupata"},
      {state(6, 37200, SourceText::kLine, 7),
       "scenario_installer: errore 6 alla posizione 37200 m (testo della linea, riga 7): il "
       "cartello cade su una cella già occupata"},
      {state(25, 0, SourceText::kLine, 0, "campo non numerico: \"x\""),
       "scenario_installer: errore 25 alla posizione 0 m (testo della linea): errore imprevisto "
       "nella lettura: oltre la fine del testo, un campo non numerico o un valore troppo grande "
       "per il suo campo (campo non numerico: \"x\")"},
      {state(77, 0, SourceText::kNone, 0),
       "scenario_installer: errore 77 alla posizione 0 m: codice sconosciuto"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(compile_error_message(c.state), c.message);
}

TEST(CompileErrorMessage, WithTheCodeToldNamesTheColumnAndTheConcreteMeaning) {
  diagnostics::Diagnostic told;
  told.text = SourceText::kLine;
  told.line = 5;
  told.column = 22;
  told.message =
      "la cella 41 (km 2+050) del cartello è già occupata dal cartello con testo "
      "della riga 4 del testo della linea";
  EXPECT_EQ(compile_error_message(state(6, 2000, SourceText::kLine, 5), &told),
            "scenario_installer: errore 6 alla posizione 2000 m (testo della linea, riga 5, "
            "colonna 22): la cella 41 (km 2+050) del cartello è già occupata dal cartello con "
            "testo della riga 4 del testo della linea");
  // A code of the finishing pass told at the row of its slow section.
  told.text = SourceText::kRun;
  told.line = 9;
  told.column = 16;
  told.message = "il rallentamento ...";
  EXPECT_EQ(compile_error_message(state(12, 5050, SourceText::kNone, 0), &told),
            "scenario_installer: errore 12 alla posizione 5050 m (testo della corsa, riga 9, "
            "colonna 16): il rallentamento ...");
}

TEST(AuthorErrorMessage, FileLineCodeKilometreAndMeaningWhereTheyAreKnown) {
  const AuthorTexts texts{"autore/linea.txt", "autore/corsa.txt"};
  struct Case {
    records::CompileState state;
    std::string message;
  };
  const Case cases[] = {
      {state(16, 15150, SourceText::kRun, 42),
       "autore/corsa.txt:42: errore 16 a km 15+150: la cella del segnale è già occupata"},
      {state(202, -100, SourceText::kLine, 2),
       "autore/linea.txt:2: errore 202 a km -0+100: la lunghezza del percorso è negativa"},
      // A code without a position of its own shows none, whatever is held.
      {state(10, 8000, SourceText::kRun, 9),
       "autore/corsa.txt:9: errore 10: le stazioni hanno raggiunto i testi dei cartelli nella "
       "tabella"},
      // Known text, no line.
      {state(2, 0, SourceText::kLine, 0),
       "autore/linea.txt: errore 2: un valore di progressiva chilometrica non è multiplo di 50"},
      // The finishing pass: no entry to blame.
      {state(12, 9850, SourceText::kNone, 0),
       "errore 12 a km 9+850: le tre celle di una finestra davanti al rallentamento sono tutte "
       "occupate"},
      {state(101, 0, SourceText::kLine, 0),
       "autore/linea.txt: errore 101: il testo della linea non esiste"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(author_error_message(error_report(c.state, texts)), c.message);
}

TEST(ErrorReport, KeepsEachPartApartForMachines) {
  const ErrorReport report = error_report(
      state(25, 300, SourceText::kRun, 4, "lettura oltre la fine del testo"), {"l.txt", "r.txt"});
  EXPECT_EQ(report.code, 25);
  EXPECT_EQ(report.position, std::nullopt);
  EXPECT_EQ(report.file, "r.txt");
  EXPECT_EQ(report.line, 4);
  EXPECT_TRUE(report.meaning.ends_with("(lettura oltre la fine del testo)"));
}

}  // namespace
}  // namespace scenario::app
