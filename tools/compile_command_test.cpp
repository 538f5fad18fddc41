// `compile` on small broken texts, one per error code, and on good ones.

#include <gtest/gtest.h>

#include <filesystem>

#include "compiler/error_codes.h"
#include "test_support.h"
#include "tools/exit_codes.h"
#include "tools/tool_test_support.h"

namespace scenario::tools {
namespace {

using scenario::testing::read_bytes;
using scenario::testing::TempFolder;
using scenario::testing::write_bytes;
using Lines = std::vector<std::string>;

std::string joined(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  return text;
}

const Lines kGeneral = {"lunghezza percorso, 10000", "ripetizione segnali 4 codici, 1000, 9000"};
const Lines kEntries = {"curvad2, 1000, 500", "pendenza, 0, 2"};

// A line of 10000 m (cells 0 to 340): line 1 "[generale]", then `general`,
// "[curve]", `entries` and "[fine]". With the defaults the entries start on
// line 5; what is added after them starts on line 7.
std::string line_text(const Lines& general = kGeneral, const Lines& entries = kEntries) {
  Lines lines{"[generale]"};
  lines.insert(lines.end(), general.begin(), general.end());
  lines.push_back("[curve]");
  lines.insert(lines.end(), entries.begin(), entries.end());
  lines.push_back("[fine]");
  return joined(lines);
}

std::string line_with(const Lines& added) {
  Lines entries = kEntries;
  entries.insert(entries.end(), added.begin(), added.end());
  return line_text(kGeneral, entries);
}

// A run whose added rows start on line 5.
std::string run_text(const Lines& rows = {}) {
  Lines lines{"[generale]", "numero vetture, 4", "velocita, 0, 100", "aderenza, 0, 90"};
  lines.insert(lines.end(), rows.begin(), rows.end());
  lines.push_back("[fine]");
  return joined(lines);
}

std::string station(int position, int kind, int length, const std::string& name = "STAZIONE") {
  return "stazione, " + std::to_string(position) + ", " + std::to_string(kind) + ", " +
         std::to_string(length) + ", 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, " + name;
}
std::string signal(int position, int s1 = 1, int s2 = 0) {
  return "segnale, " + std::to_string(position) + ", 1, " + std::to_string(s1) + ", " +
         std::to_string(s2) + ", 0, 0, 0, 0, 0, 0, 0";
}
std::string slow(int x, int length, int f_ta = 0) {
  return "rallentamento, " + std::to_string(x) + ", 60, " + std::to_string(length) + ", 0, " +
         std::to_string(f_ta) + ", 0";
}
Lines boards(int count, int first) {
  Lines rows;
  for (int i = 0; i < count; ++i)
    rows.push_back("cartello_indicatore, " + std::to_string(first + 100 * i) + ", (B)");
  return rows;
}

struct BrokenText {
  std::int32_t code;
  std::string line;
  std::string run;
  std::string where;  // "L:3", "R:5": text and line; "L": the text alone; "": none
  std::string km;     // "" for a code without a position
  bool files_written = true;
};

// The message expected: where, code, kilometre and the catalogue's meaning.
std::string expected_message(const BrokenText& c, const std::string& line_path,
                             const std::string& run_path) {
  std::string message;
  if (!c.where.empty()) {
    message = c.where[0] == 'L' ? line_path : run_path;
    if (c.where.size() > 2)
      message += ":" + c.where.substr(2);
    message += ": ";
  }
  message += "errore " + std::to_string(c.code);
  if (!c.km.empty())
    message += " a km " + c.km;
  return message + ": " + std::string(compiler::find_error_code(c.code)->meaning);
}

TEST(CompileCommand, ReportsEachCodeWithItsTextLineAndKilometre) {
  const BrokenText cases[] = {
      {1, line_text({"lunghezza percorso, 1000001"}), run_text(), "L:2", "", false},
      {2, line_text({"lunghezza percorso, 10000", "progressiva chilometrica uno, 75, 0, 0"}),
       run_text(), "L", ""},
      {3, line_text({"lunghezza percorso, 10000", "ripetizione segnali 4 codici, 1075, 9000"}),
       run_text(), "L:3", ""},
      {4, line_text({"lunghezza percorso, 10000", "ripetizione segnali 4 codici, 1000, 9010"}),
       run_text(), "L:3", ""},
      {5, line_text({"lunghezza percorso, 10000", "ripetizione segnali codici, 1000, 9000"}),
       run_text(), "L:3", ""},
      {6, line_with({"cartello_indicatore, 2000, (A)", "cartello_indicatore, 2000, (B)"}),
       run_text(), "L:8", "2+000"},
      {7, line_text(), run_text({"abbattimento, 2000, 100", "abbattimento, 2000, 90"}), "R:6",
       "2+000"},
      {8, line_text(), run_text({station(2025, 12, 500)}), "R:5", "2+025"},
      {9, line_text(), run_text({station(2000, 12, 450)}), "R:5", "2+000"},
      {10, line_with(boards(78, 2000)), run_text({station(1000, 27, 400)}), "R:5", ""},
      {11, line_text(), run_text({slow(5000, 500), signal(3350), signal(3400), signal(3450)}), "",
       "3+500"},
      {12, line_text(), run_text({slow(5000, 500), signal(4650), signal(4700), signal(4750)}), "",
       "5+050"},
      {13, line_text(), run_text({slow(5000, 1000), signal(5350), signal(5400), signal(5450)}), "",
       "5+450"},
      {15, line_with({"pendenza, 20000, 0"}), run_text(), "L:7", "20+000"},
      {15, line_text(), run_text({"velocita, 20000, 50"}), "R:5", "20+000"},
      {16, line_text(), run_text({signal(2000), signal(2000)}), "R:6", "2+000"},
      {17, line_text(), run_text({signal(3800), slow(5000, 500)}), "R:6", "5+000"},
      {18, line_text(), run_text({signal(5000), slow(5000, 500)}), "R:6", "5+000"},
      {19, line_text(), run_text({signal(5500), slow(5000, 500)}), "R:6", "5+000"},
      {20, line_text(), run_text({signal(3700), slow(5000, 500, 1)}), "R:6", "5+000"},
      {21,
       line_with({"indicatori_vmax, 2000, 100, 100, 100, 0, , , , 0",
                  "indicatori_vmax, 2000, 90, 90, 90, 0, , , , 0"}),
       run_text(), "L:8", "2+000"},
      {22, line_text(), run_text({station(2000, 12, 500, "A"), station(2500, 12, 500, "B")}), "R:6",
       "2+500"},
      {24, line_text(), run_text({station(0, 12, 100)}), "R:5", ""},
      {102, "nessuna sezione\r\n", run_text(), "L:1", "", false},
      {103, line_text(kGeneral, {"curvad, 1000, 500", "pendenza, 0, 2"}), run_text(), "L:5", ""},
      {201, line_text({"sfondo uno, 1"}), run_text(), "L:3", "", false},
      {202, line_text({"lunghezza percorso, -100"}), run_text(), "L:2", "-0+100", false},
      {203, line_with({"montagna, 100, 20000, 2"}), run_text(), "L:7", "0+100"},
      {204, line_with({"curvad2, 16000, 2000"}), run_text(), "L:7", "16+000"},
      {205, line_with(boards(82, 1000)), run_text(), "L:88", "9+100"},
      {206, line_with({"cartello_indicatore, -100, (A)"}), run_text(), "L:7", "-0+100"},
      {207, line_with(Lines(5, "pendenza, 16900, 1")), run_text(), "L:11", "16+900"},
      {208, line_with({"pendenza, 1000, 200"}), run_text(), "L:7", "1+000"},
      {221, line_text(), run_text({signal(-100)}), "R:5", "-0+100"},
      {222, line_text(), run_text({slow(16000, 2000)}), "R:5", "16+000"},
      {223, line_text(), run_text({station(16000, 8, 1200)}), "R:5", "16+000"},
      {224, line_text(), run_text({"abbattimento, -50, 100"}), "R:5", "-0+050"},
      {241, line_text(), run_text({slow(5000, 0)}), "", "5+050"},
      // Cell 1 (0 to 75 m) already holding what the stamps go into.
      {1250, line_text(), run_text({signal(0, 1, 0)}), "", "", false},
      {1251, line_text(), run_text({signal(0, 0, 1)}), "", "", false},
  };
  for (const BrokenText& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code) + " " + c.where);
    TempFolder folder;
    const std::string line_path = folder.file("linea.txt");
    const std::string run_path = folder.file("corsa.txt");
    write_bytes(line_path, c.line);
    write_bytes(run_path, c.run);
    const std::string out = folder.file("out");

    const ToolRun run = run_tool_here(
        {"compile", line_path, run_path, "--line-id", "Prova", "--train", "123", "--out", out});
    EXPECT_EQ(run.status, kExitErrorRecorded);
    EXPECT_EQ(run.err, expected_message(c, line_path, run_path) + "\n");
    // The author's texts are left as they were.
    EXPECT_EQ(read_bytes(line_path), c.line);
    EXPECT_EQ(read_bytes(run_path), c.run);
    EXPECT_EQ(std::filesystem::is_empty(out), !c.files_written);
    EXPECT_EQ(run.out.starts_with("nessun file binario scritto"), !c.files_written) << run.out;
  }
}

TEST(CompileCommand, Code25NamesTheFieldTheTrapCaught) {
  TempFolder folder;
  write_bytes(folder.file("l.txt"), line_text());
  write_bytes(folder.file("r.txt"), joined({"[generale]", "numero vetture, otto", "[fine]"}));
  const ToolRun run = run_tool_here({"compile", folder.file("l.txt"), folder.file("r.txt"),
                                     "--line-id", "P", "--train", "1", "--out", folder.file("o")});
  EXPECT_EQ(run.status, kExitErrorRecorded);
  EXPECT_EQ(run.err, folder.file("r.txt") +
                         ":2: errore 25: " + std::string(compiler::find_error_code(25)->meaning) +
                         " (campo non numerico: \"otto\")\n");
}

TEST(CompileCommand, JsonGivesEachPartApart) {
  TempFolder folder;
  write_bytes(folder.file("l.txt"), line_text());
  write_bytes(folder.file("r.txt"), run_text({signal(2000), signal(2000)}));
  const std::string out = folder.file("o");
  const ToolRun run =
      run_tool_here({"compile", folder.file("l.txt"), folder.file("r.txt"), "--json", "--line-id",
                     "P", "--train", "1", "--out", out, "--no-line-data"});
  EXPECT_EQ(run.status, kExitErrorRecorded);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "{\"code\":16,\"position\":2000,\"km\":\"2+000\",\"file\":\"" +
                         folder.file("r.txt") +
                         "\",\"line\":6,\"meaning\":\"la cella del segnale è già occupata\","
                         "\"files\":[\"" +
                         out + "/P_1.sim\",\"" + out + "/P_1.dat\"]}\n");

  write_bytes(folder.file("r.txt"), run_text());
  const ToolRun clean = run_tool_here({"compile", folder.file("l.txt"), folder.file("r.txt"),
                                       "--json", "--line-id", "P", "--train", "1", "--out", out});
  EXPECT_EQ(clean.status, kExitOk);
  EXPECT_EQ(clean.out,
            "{\"code\":0,\"position\":null,\"km\":null,\"file\":null,\"line\":null,"
            "\"meaning\":null,\"files\":[\"" +
                out + "/P_linea.dat\",\"" + out + "/P_1.sim\",\"" + out + "/P_1.dat\"]}\n");
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
