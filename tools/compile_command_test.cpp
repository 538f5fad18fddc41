// `compile` on small broken texts, one per error code, and on good ones.

#include <gtest/gtest.h>

#include <filesystem>

#include <map>

#include "compiler/error_codes.h"
#include "diagnostics/compile_trace.h"
#include "finish/memorizza_percorso.h"
#include "records/cell_file.h"
#include "records/line_data_file.h"
#include "records/little_endian_writer.h"
#include "records/table_file.h"
#include "test_support.h"
#include "tools/exit_codes.h"
#include "tools/test_texts.h"
#include "tools/tool_test_support.h"

namespace scenario::tools {
namespace {

using scenario::testing::read_bytes;
using scenario::testing::TempFolder;
using scenario::testing::write_bytes;
using namespace test_texts;

// The bytes the installer's path writes for two texts, compiled in memory
// (memorizza_percorso without its files), with or without an observer.
struct InstallerBytes {
  records::CompileState state;
  finish::Outcome outcome = finish::Outcome::kNoTrack;
  std::map<std::string, std::string> files;  // by suffix: "_linea.dat", ".sim", ".dat"
};
InstallerBytes installer_bytes(const std::string& line, const std::string& run,
                               compiler::CompileObserver* observer = nullptr) {
  records::ScenarioRecords records;
  records.line_id = "Prova";
  records.train_number = "123";
  std::int32_t j = 1;
  InstallerBytes bytes;
  bytes.outcome = finish::compile_and_complete(
      records, {compiler::DescriptionText{"l", line}, compiler::DescriptionText{"r", run}}, j,
      observer);
  bytes.state = records.state;
  if (bytes.outcome != finish::Outcome::kComplete)
    return bytes;
  using records::ByteConsumer;
  bytes.files["_linea.dat"] = records::collect_bytes(
      [&](const ByteConsumer& out) { records::encode_line_data_file(*records.plan, out); });
  bytes.files[".sim"] = records::collect_bytes(
      [&](const ByteConsumer& out) { records::encode_table_file(records.header, out); });
  bytes.files[".dat"] = records::collect_bytes(
      [&](const ByteConsumer& out) { records::encode_cell_file(records.cells, out); });
  return bytes;
}

// Every faulty text compiled both ways, by the installer's path and by
// `compile`, and once more with the diagnostics listening: the same code
// and position, and with --write-on-error the same bytes; by default
// `compile` holds a partial scenario back.
TEST(CompileCommand, RecordsWhatTheInstallerRecordsAndHoldsAPartialScenarioBack) {
  for (const FaultyTexts& c : faulty_texts()) {
    SCOPED_TRACE("case " + c.name);
    const InstallerBytes installer = installer_bytes(c.line, c.run);
    EXPECT_EQ(installer.state.error_code, c.code);
    diagnostics::CompileTrace trace;
    const InstallerBytes observed = installer_bytes(c.line, c.run, &trace);
    EXPECT_EQ(observed.state.error_code, installer.state.error_code);
    EXPECT_EQ(observed.state.error_position, installer.state.error_position);
    EXPECT_EQ(observed.state.line, installer.state.line);
    EXPECT_EQ(observed.files, installer.files);

    TempFolder folder;
    write_bytes(folder.file("linea.txt"), c.line);
    write_bytes(folder.file("corsa.txt"), c.run);
    const std::vector<std::string> args = {"compile",
                                           folder.file("linea.txt"),
                                           folder.file("corsa.txt"),
                                           "--line-id",
                                           "Prova",
                                           "--train",
                                           "123",
                                           "--out",
                                           folder.file("out")};
    const ToolRun held = run_tool_here(args);
    EXPECT_EQ(held.status, kExitErrorRecorded);
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("out")));
    EXPECT_NE(held.err.find(": errore " + std::to_string(c.code) + ": "), std::string::npos)
        << held.err;
    EXPECT_EQ(held.out, c.files_written
                            ? "nessun file binario scritto: è registrato l'errore " +
                                  std::to_string(c.code) +
                                  " (quelli già presenti restano come erano; con "
                                  "--write-on-error sono scritti come li scrive l'installatore)\n"
                            : "nessun file binario scritto (quelli già presenti restano come "
                              "erano)\n");

    std::vector<std::string> writing = args;
    writing.push_back("--write-on-error");
    const ToolRun written = run_tool_here(writing);
    EXPECT_EQ(written.status, kExitErrorRecorded);
    EXPECT_EQ(written.err, held.err);
    std::map<std::string, std::string> files;
    for (const auto& [suffix, bytes] : installer.files) {
      const std::string name = suffix == "_linea.dat" ? "Prova_linea.dat" : "Prova_123" + suffix;
      EXPECT_EQ(read_bytes(folder.file("out/" + name)), bytes) << name;
    }
    EXPECT_EQ(installer.files.empty(), !c.files_written);
    // The author's texts are left as they were.
    EXPECT_EQ(read_bytes(folder.file("linea.txt")), c.line);
    EXPECT_EQ(read_bytes(folder.file("corsa.txt")), c.run);
  }
}

TEST(CompileCommand, JsonGivesEachPartApart) {
  TempFolder folder;
  write_bytes(folder.file("l.txt"), line_text());
  write_bytes(folder.file("r.txt"), run_text({signal(2000), signal(2000)}));
  const std::string out = folder.file("o");
  const ToolRun run =
      run_tool_here({"compile", folder.file("l.txt"), folder.file("r.txt"), "--json", "--line-id",
                     "P", "--train", "1", "--out", out, "--no-line-data", "--write-on-error"});
  EXPECT_EQ(run.status, kExitErrorRecorded);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "{\"code\":16,\"position\":2000,\"km\":\"2+000\",\"file\":\"" +
                         folder.file("r.txt") +
                         "\",\"line\":6,\"meaning\":\"la cella del segnale è già occupata\","
                         "\"files\":[\"" +
                         out + "/P_1.sim\",\"" + out + "/P_1.dat\"],\"diagnostics\":[{\"file\":\"" +
                         folder.file("r.txt") +
                         "\",\"line\":6,\"column\":10,\"end_column\":13,\"severity\":\"errore\","
                         "\"code\":16,\"id\":\"signal_cell_taken\",\"message\":\"la cella 41 (km "
                         "2+050) del segnale è già occupata dal segnale della riga 5 del testo "
                         "della corsa\",\"suggestion\":null}],\"errors\":1,\"warnings\":0,"
                         "\"notes\":0}\n");

  write_bytes(folder.file("r.txt"), run_text());
  const ToolRun clean = run_tool_here({"compile", folder.file("l.txt"), folder.file("r.txt"),
                                       "--json", "--line-id", "P", "--train", "1", "--out", out});
  EXPECT_EQ(clean.status, kExitOk);
  EXPECT_EQ(clean.out,
            "{\"code\":0,\"position\":null,\"km\":null,\"file\":null,\"line\":null,"
            "\"meaning\":null,\"files\":[\"" +
                out + "/P_linea.dat\",\"" + out + "/P_1.sim\",\"" + out +
                "/P_1.dat\"],\"diagnostics\":[],\"errors\":0,\"warnings\":0,\"notes\":0}\n");
}

TEST(CompileCommand, RefusesWhatItCannotCompileWithoutTouchingAnything) {
  TempFolder folder;
  write_bytes(folder.file("l.txt"), line_text());
  write_bytes(folder.file("r.txt"), run_text());
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::string l = folder.file("l.txt");
  const std::string r = folder.file("r.txt");
  const std::string missing = folder.file("manca.txt");
  const Case cases[] = {
      {{"compile", missing, r, "--line-id", "P", "--train", "1", "--out", folder.file("o")},
       "scenario_tool: " + missing + ": lettura non riuscita: No such file or directory\n"},
      {{"compile", l, r, "--train", "1"}, "scenario_tool: compile: manca --line-id\n"},
      {{"compile", l, "--line-id", "P", "--train", "1"},
       "scenario_tool: compile: servono 2 argomenti, ne sono stati dati 1\n"},
      {{"compile", l, r, "--line-id", "a/b", "--train", "1"},
       "scenario_tool: compile: --line-id non può contenere / o \\: a/b\n"},
      {{"compile", l, r, "--line-id", "Ω", "--train", "1"},
       "scenario_tool: compile: --line-id non rappresentabile in Windows-1252: Ω (il carattere "
       "U+03A9 non ha forma in Windows-1252)\n"},
      {{"compile", l, r, "--line-id", "P", "--train", "1✓"},
       "scenario_tool: compile: --train non rappresentabile in Windows-1252: 1✓ (il carattere "
       "U+2713 non ha forma in Windows-1252)\n"},
      {{"compile", l, r, "--line-id", "P", "--train", "\xF0\x9F\x9A\x82"},
       "scenario_tool: compile: --train non rappresentabile in Windows-1252: \xF0\x9F\x9A\x82 (il "
       "carattere U+1F682 non ha forma in Windows-1252)\n"},
      {{"compile", l, r, "--line-id", "P", "--train", ""},
       "scenario_tool: compile: --train vuoto\n"},
      {{"compile", l, r, "--line-id", "P", "--train", "1", "--colore", "x"},
       "scenario_tool: compile: opzione sconosciuta: --colore\n"},
  };
  for (const Case& c : cases) {
    const ToolRun run = run_tool_here(c.args);
    EXPECT_EQ(run.status, kExitUsageOrFile);
    EXPECT_TRUE(run.err.starts_with(c.message)) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"l.txt", "r.txt"}));
}

// An author's text named like a binary file to be written would be lost.
TEST(CompileCommand, NeverWritesOverTheAuthorsTexts) {
  TempFolder folder;
  const std::string line_path = folder.file("P_1.dat");
  write_bytes(line_path, line_text());
  write_bytes(folder.file("r.txt"), run_text());
  const ToolRun run = run_tool_here({"compile", line_path, folder.file("r.txt"), "--line-id", "P",
                                     "--train", "1", "--out", folder.path().string()});
  EXPECT_EQ(run.status, kExitUsageOrFile);
  EXPECT_TRUE(run.err.starts_with("scenario_tool: " + line_path + ": è anche un file binario"))
      << run.err;
  EXPECT_EQ(read_bytes(line_path), line_text());
}

}  // namespace
}  // namespace scenario::tools
