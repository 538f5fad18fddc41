// scenario_tool as a process: the installer's texts and files, the SVG
// read by a real XML parser, help and usage.

#include <gtest/gtest.h>

#include <locale.h>

#include <filesystem>

#include "child_process.h"
#include "line/builtin_line.h"
#include "run/builtin_run_text.h"
#include "test_support.h"
#include "text/line_list.h"
#include "tools/exit_codes.h"
#include "tools/test_texts.h"

namespace scenario::tools {
namespace {

namespace fs = std::filesystem;
using scenario::testing::read_bytes;
using scenario::testing::run_process;
using scenario::testing::TempFolder;
using scenario::testing::to_hex;

const std::string kTool = SCENARIO_TOOL;

TEST(ScenarioToolProcess, TextsWritesTheInstallersTextsUnderTheirNames) {
  TempFolder folder;
  const auto result = run_process(kTool, {"texts", "nuova/cartella"}, folder.path().string());
  ASSERT_EQ(result.status, kExitOk) << result.standard_error;
  EXPECT_EQ(result.standard_output,
            "scritto nuova/cartella/Velbrio_Dolvena_linea.txt\n"
            "scritto nuova/cartella/Velbrio_Dolvena_30527-.txt\n");
  // The bytes the installer writes before it compiles them.
  EXPECT_EQ(read_bytes(folder.file("nuova/cartella/Velbrio_Dolvena_linea.txt")),
            text::render_lines(line::builtin_line()));
  EXPECT_EQ(read_bytes(folder.file("nuova/cartella/Velbrio_Dolvena_30527-.txt")),
            text::render_lines(run::builtin_run_text()));
}

TEST(ScenarioToolProcess, CompileOnTheBuiltInTextsGivesTheInstallersFilesByteForByte) {
  TempFolder install;
  const std::string installer = install.file("scenario_installer");
  fs::copy_file(SCENARIO_INSTALLER, installer);
  ASSERT_EQ(run_process(installer, {}, install.path().string()).status, 0);

  TempFolder work;
  ASSERT_EQ(run_process(kTool, {"texts", "."}, work.path().string()).status, kExitOk);
  const std::string line_text = read_bytes(work.file("Velbrio_Dolvena_linea.txt"));
  const std::string run_text = read_bytes(work.file("Velbrio_Dolvena_30527-.txt"));
  // Texts and binary files in one folder, as an author may keep them.
  const auto result =
      run_process(kTool,
                  {"compile", "Velbrio_Dolvena_linea.txt", "Velbrio_Dolvena_30527-.txt",
                   "--line-id", "Velbrio_Dolvena", "--train", "30527"},
                  work.path().string());
  EXPECT_EQ(result.status, kExitOk) << result.standard_error;
  EXPECT_EQ(result.standard_error,
            test_texts::builtin_texts_diagnostics("Velbrio_Dolvena_30527-.txt"));
  EXPECT_EQ(result.standard_output,
            "scritto ./Velbrio_Dolvena_linea.dat\n"
            "scritto ./Velbrio_Dolvena_30527.sim\n"
            "scritto ./Velbrio_Dolvena_30527.dat\n");
  for (const char* name :
       {"Velbrio_Dolvena_linea.dat", "Velbrio_Dolvena_30527.sim", "Velbrio_Dolvena_30527.dat"}) {
    const std::string ours = read_bytes(work.file(name));
    const std::string installers = read_bytes(install.file(name));
    EXPECT_EQ(ours.size(), installers.size()) << name;
    EXPECT_TRUE(ours == installers) << name;
  }
  EXPECT_EQ(read_bytes(work.file("Velbrio_Dolvena_linea.txt")), line_text);
  EXPECT_EQ(read_bytes(work.file("Velbrio_Dolvena_30527-.txt")), run_text);
  EXPECT_EQ(work.entries(),
            (std::vector<std::string>{"Velbrio_Dolvena_30527-.txt", "Velbrio_Dolvena_30527.dat",
                                      "Velbrio_Dolvena_30527.sim", "Velbrio_Dolvena_linea.dat",
                                      "Velbrio_Dolvena_linea.txt"}));
}

TEST(ScenarioToolProcess, TheSvgOfTheBuiltInScenarioIsWellFormedXml) {
  const std::string xmllint = SCENARIO_XMLLINT;
  ASSERT_FALSE(xmllint.empty())
      << "xmllint was not found when the build was configured; install libxml2-utils";
  TempFolder work;
  ASSERT_EQ(run_process(kTool, {"texts", "."}, work.path().string()).status, kExitOk);
  ASSERT_EQ(run_process(kTool,
                        {"compile", "Velbrio_Dolvena_linea.txt", "Velbrio_Dolvena_30527-.txt",
                         "--line-id", "Velbrio_Dolvena", "--train", "30527", "--out", "out"},
                        work.path().string())
                .status,
            kExitOk);
  const auto plot = run_process(
      kTool, {"plot", "out", "--line-id", "Velbrio_Dolvena", "--train", "30527", "-o", "l.svg"},
      work.path().string());
  ASSERT_EQ(plot.status, kExitOk) << plot.standard_error;
  const auto parsed = run_process(xmllint, {"--noout", "l.svg"}, work.path().string());
  EXPECT_EQ(parsed.status, 0) << parsed.standard_error;
  EXPECT_EQ(parsed.standard_error, "");

  // The parser does find faults: a file cut short is refused.
  const std::string svg = read_bytes(work.file("l.svg"));
  scenario::testing::write_bytes(work.file("cut.svg"), svg.substr(0, svg.size() / 2));
  EXPECT_NE(run_process(xmllint, {"--noout", "cut.svg"}, work.path().string()).status, 0);
}

TEST(ScenarioToolProcess, PlotNamesAMissingFile) {
  TempFolder work;
  const auto plot = run_process(
      kTool, {"plot", ".", "--line-id", "L", "--train", "1", "-o", "x.svg"}, work.path().string());
  EXPECT_EQ(plot.status, kExitUsageOrFile);
  EXPECT_EQ(plot.standard_error,
            "scenario_tool: ./L_1.sim: lettura non riuscita: No such file or directory\n");
  EXPECT_TRUE(work.entries().empty());
}

TEST(ScenarioToolProcess, HelpExplainsEveryCommandAndUsageErrorsEndWithTwo) {
  TempFolder work;
  const auto help = run_process(kTool, {"--help"}, work.path().string());
  EXPECT_EQ(help.status, kExitOk);
  for (const char* part :
       {"texts CARTELLA", "compile TESTO_LINEA TESTO_CORSA", "--no-line-data", "--json",
        "check TESTO_LINEA TESTO_CORSA", "FILE:RIGA:COLONNA: errore CODICE: SIGNIFICATO",
        "--write-on-error", "--encoding cp1252|utf-8", "dump FILE", "--kind table|cells|plan",
        "--all", "plot CARTELLA", "-o FILE.svg", "view CARTELLA", "-o FILE.html",
        "texts CARTELLA [--force]", "--version", "Stato di uscita",
        "ID e NUMERO (--line-id, --train) sono l'identificatore della linea e il\n"
        "numero del treno con cui sono nominati i file"})
    EXPECT_NE(help.standard_output.find(part), std::string::npos) << part;
  EXPECT_EQ(run_process(kTool, {"compile", "--help"}, work.path().string()).standard_output,
            help.standard_output);

  const auto none = run_process(kTool, {}, work.path().string());
  EXPECT_EQ(none.status, kExitUsageOrFile);
  EXPECT_EQ(none.standard_error, help.standard_output);
  const auto unknown = run_process(kTool, {"disegna"}, work.path().string());
  EXPECT_EQ(unknown.status, kExitUsageOrFile);
  EXPECT_EQ(unknown.standard_error,
            "scenario_tool: comando sconosciuto: disegna\nscenario_tool --help spiega l'uso.\n");
}

TEST(ScenarioToolProcess, TextsKeepsAnAuthorsTextsUnlessForced) {
  TempFolder folder;
  ASSERT_EQ(run_process(kTool, {"texts", "."}, folder.path().string()).status, kExitOk);
  scenario::testing::write_bytes(folder.file("Velbrio_Dolvena_30527-.txt"), "mia corsa");
  const auto again = run_process(kTool, {"texts", "."}, folder.path().string());
  EXPECT_EQ(again.status, kExitUsageOrFile);
  EXPECT_EQ(again.standard_error,
            "scenario_tool: texts: ./Velbrio_Dolvena_linea.txt esiste già; --force lo "
            "sovrascrive\nscenario_tool --help spiega l'uso.\n");
  EXPECT_EQ(again.standard_output, "");
  EXPECT_EQ(read_bytes(folder.file("Velbrio_Dolvena_30527-.txt")), "mia corsa");
  const auto forced = run_process(kTool, {"texts", ".", "--force"}, folder.path().string());
  EXPECT_EQ(forced.status, kExitOk) << forced.standard_error;
  EXPECT_EQ(read_bytes(folder.file("Velbrio_Dolvena_30527-.txt")),
            text::render_lines(run::builtin_run_text()));
}

TEST(ScenarioToolProcess, PlotAndViewWriteOnlyFilesNamedForWhatTheyHold) {
  TempFolder work;
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"plot", ".", "--line-id", "L", "--train", "1", "-o", "linea.png"},
       "scenario_tool: plot: -o vuole un nome di file che finisce in .svg, non linea.png\n"},
      {{"plot", ".", "--line-id", "L", "--train", "1", "-o", ".svg"},
       "scenario_tool: plot: -o vuole un nome di file che finisce in .svg, non .svg\n"},
      {{"plot", ".", "--line-id", "L", "--train", "1", "-o", "L_linea.txt"},
       "scenario_tool: plot: -o vuole un nome di file che finisce in .svg, non L_linea.txt\n"},
      {{"view", ".", "--line-id", "L", "--train", "1", "-o", "linea.svg"},
       "scenario_tool: view: -o vuole un nome di file che finisce in .html, non linea.svg\n"},
  };
  for (const Case& c : cases) {
    const auto run = run_process(kTool, c.args, work.path().string());
    EXPECT_EQ(run.status, kExitUsageOrFile);
    EXPECT_EQ(run.standard_error, c.message + "scenario_tool --help spiega l'uso.\n");
  }
  EXPECT_TRUE(work.entries().empty());
}

TEST(ScenarioToolProcess, VersionNamesTheTool) {
  TempFolder work;
  const auto version = run_process(kTool, {"--version"}, work.path().string());
  EXPECT_EQ(version.status, kExitOk);
  EXPECT_EQ(version.standard_output, "scenario_tool 1.1.0\n");
  EXPECT_EQ(version.standard_error, "");
}

// The reason the system gives comes in the language of the user's
// settings. Needs the locale it_IT.UTF-8 (Debian: locales, then
// localedef -i it_IT -f UTF-8 it_IT.UTF-8), which .ci/run makes.
TEST(ScenarioToolProcess, TheSystemsReasonFollowsTheUsersLanguage) {
  locale_t italian = newlocale(LC_ALL_MASK, "it_IT.UTF-8", locale_t{});
  if (italian == locale_t{})
    GTEST_SKIP() << "the locale it_IT.UTF-8 is not installed (localedef -i it_IT -f UTF-8 "
                    "it_IT.UTF-8)";
  freelocale(italian);
  TempFolder work;
  const auto italian_run =
      run_process("env", {"LC_ALL=it_IT.UTF-8", kTool, "dump", "manca.sim"}, work.path().string());
  EXPECT_EQ(italian_run.status, kExitUsageOrFile);
  EXPECT_EQ(italian_run.standard_error,
            "scenario_tool: manca.sim: lettura non riuscita: File o directory non esistente\n");
  // A folder that cannot be made: the reason from std::error_code, in
  // Italian too.
  scenario::testing::write_bytes(work.file("file"), "");
  const auto folder_run = run_process(
      "env", {"LANG=it_IT.UTF-8", "LC_ALL=", kTool, "texts", "file/sotto"}, work.path().string());
  EXPECT_EQ(folder_run.status, kExitUsageOrFile);
  EXPECT_EQ(folder_run.standard_error, "scenario_tool: file/sotto: Non è una directory\n");
  const auto c_run =
      run_process("env", {"LC_ALL=C", kTool, "dump", "manca.sim"}, work.path().string());
  EXPECT_EQ(c_run.standard_error,
            "scenario_tool: manca.sim: lettura non riuscita: No such file or directory\n");
}

TEST(ScenarioToolProcess, CodesListsTheCatalogue) {
  TempFolder work;
  const auto codes = run_process(kTool, {"codes"}, work.path().string());
  EXPECT_EQ(codes.status, kExitOk);
  EXPECT_TRUE(codes.standard_output.starts_with("1\tla lunghezza del percorso supera 1000000 m\n"));
  EXPECT_NE(codes.standard_output.find("\n1251\t"), std::string::npos);
}

}  // namespace
}  // namespace scenario::tools
