// `documents` on short runs of the tests' own, each document line by line,
// and on the built-in texts against the installer's documents.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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

// The lines of a document: its bytes cut at every CR LF.
Lines lines_of(const std::string& bytes) {
  Lines lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text after the last CR LF";
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string line_text(int length) {
  return joined({"[generale]", "lunghezza percorso, " + std::to_string(length), "[curve]",
                 "pendenza, 0, 2", "[fine]"});
}

struct StationRow {
  int position, kind, length, dwell, hours, minutes, seconds;
  std::string name;
};
std::string station(const StationRow& s) {
  return "stazione, " + std::to_string(s.position) + ", " + std::to_string(s.kind) + ", " +
         std::to_string(s.length) + ", 0, 0, 0, 1, 1, 0, 4, 1, 1, " + std::to_string(s.dwell) +
         ", " + std::to_string(s.hours) + ", " + std::to_string(s.minutes) + ", " +
         std::to_string(s.seconds) + ", " + s.name;
}
std::string slow(int x, int speed, int length) {
  return "rallentamento, " + std::to_string(x) + ", " + std::to_string(speed) + ", " +
         std::to_string(length) + ", 0, 0, 0";
}

// A run of 12 km with a station row of every kind of time cell: first
// (departure), stop, passing on kind 27, junction (kind 25), service stop
// (kind 26), passing on a stop kind, last (arrival).
std::vector<StationRow> seven_stations() {
  return {
      {0, 8, 400, 0, 8, 0, 0, "ALFA"},
      {2000, 12, 400, 45, 8, 3, 30, "BETA"},
      {4000, 27, 400, 0, 0, 0, 0, "GAMMA"},
      {6000, 25, 200, 0, 0, 0, 0, "BIVIO DELTA"},
      {8000, 26, 300, 30, 8, 9, 0, "P.C. EPSILON"},
      {10000, 12, 400, 0, 0, 0, 0, "ZETA"},
      {12000, 2, 400, 0, 8, 15, 0, "OMEGA"},
  };
}

// Speeds: 100 from 0; 120 near GAMMA; 80 between BIVIO DELTA and the
// service stop; 60 and 50 both near OMEGA; 100 past the last station.
const Lines kSpeeds = {"velocita, 0, 100",    "velocita, 3900, 120", "velocita, 7000, 80",
                       "velocita, 11900, 60", "velocita, 11950, 50", "velocita, 13000, 100"};

std::string run_text(const std::vector<StationRow>& stations, const Lines& rows) {
  Lines lines{"[generale]", "numero vetture, 4", "percentuale massa frenata, 140"};
  lines.insert(lines.end(), kSpeeds.begin(), kSpeeds.end());
  lines.push_back("aderenza, 0, 90");
  for (const StationRow& s : stations)
    lines.push_back(station(s));
  lines.insert(lines.end(), rows.begin(), rows.end());
  lines.push_back("[fine]");
  return joined(lines);
}

// One author's folder: the two texts, and the documents written into out/.
class Documents : public ::testing::Test {
 protected:
  ToolRun run(const std::string& line, const std::string& run,
              const std::vector<std::string>& more = {}) {
    write_bytes(line_path, line);
    write_bytes(run_path, run);
    std::vector<std::string> args = {"documents", line_path, run_path, "--line-id", "Prova",
                                     "--train",   "4711",    "--out",  out};
    args.insert(args.end(), more.begin(), more.end());
    return run_tool_here(args);
  }
  std::string document(const std::string& kind) const {
    return read_bytes(folder.file("out/Prova_4711_" + kind + ".txt"));
  }
  std::string written() const {
    return "scritto " + out + "/Prova_4711_scheda_treno.txt\nscritto " + out +
           "/Prova_4711_rallentamenti.txt\nscritto " + out + "/Prova_4711_note.txt\n";
  }

  TempFolder folder;
  const std::string line_path = folder.file("linea.txt");
  const std::string run_path = folder.file("corsa.txt");
  const std::string out = folder.file("out");
};

const std::string kTableBottom =
    " |_____|_____|__________|_____|____________________________|________________|_____|";

TEST_F(Documents, TheTrainSheetHasARowForEveryStationAndEachLineSpeedChange) {
  const ToolRun result =
      run(line_text(20000), run_text(seven_stations(), {slow(5000, 60, 300), slow(9950, 30, 100)}));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, written());
  const Lines expected = {
      "",
      "",
      "  ___________________                                               ______________",
      " |                   |                    SCHEDA                   |              |",
      " |   TRENO n.4711    |                   da: ALFA                  |   V 120 B    |",
      " |___________________|                    a: OMEGA                 |     140%     |",
      "                                                                   |______________|",
      "  ___________________                ___________________",
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      " |     REGIONALE     |              |      360T         |",
      " |___________________|              |___________________|",
      "",
      "  ________________________________________________________________________________",
      " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
      " | Lim.|Marc.|          |  Rs |                            |                |     |",
      kTableBottom,
      // The limit in force at the first station.
      " | 100 |     |     0    |     |ALFA                        |08.00           |     |",
      " |     |     |    2.000 |     |BETA                        |08.02+    08.03+|     |",
      // 3900 is 100 m before GAMMA: shown on its row.
      " | 120 |     |    4.000 |     |GAMMA                       |      08.05     |     |",
      " |     |     |    6.000 |     |BIVIO DELTA                 |                |     |",
      // 7000 is far from every station: a row of its own.
      " |  80 |     |    7.000 |     |                            |                |     |",
      " |     |     |    8.000 |     |p.c. epsilon                |      08.08+    |     |",
      " |     |     |   10.000 |     |ZETA                        |      08.12     |     |",
      // 11900 has 11950 between it and OMEGA: a row of its own; 11950 on
      // OMEGA's. 13000 comes after the last station and is left out.
      " |  60 |     |   11.900 |     |                            |                |     |",
      " |  50 |     |   12.000 |     |OMEGA                       |08.15           |     |",
      kTableBottom,
      " ",
      " Il segno (+) indica la misura di tempo di 30 sec.",
  };
  EXPECT_EQ(lines_of(document("scheda_treno")), expected);
}

TEST_F(Documents, TheSlowOrderListsEachSlowSectionBetweenItsStations) {
  const ToolRun result =
      run(line_text(20000), run_text(seven_stations(), {slow(5000, 60, 300), slow(9950, 30, 100)}));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const Lines lines = lines_of(document("rallentamenti"));
  ASSERT_EQ(lines.size(), 46u);
  EXPECT_EQ(lines[4], "  Linea  ALFA - OMEGA");
  EXPECT_EQ(lines[6],
            "  Si ordina al macchinista del treno 4711 di effettura i seguenti rallentamenti");
  EXPECT_EQ(lines[12],
            " | 1 |GAMMA - BIVIO DELTA         |    5.000   |    60    |    300  |            |");
  // 9950 lies in ZETA's area, 9800 to 10200: the station alone.
  EXPECT_EQ(lines[13],
            " | 2 |ZETA                        |    9.000   |    30    |    100  |            |");
  const std::string empty_row =
      " |   |                            |            |          |         |            |";
  for (std::size_t i = 14; i < 38; ++i)
    EXPECT_EQ(lines[i], empty_row) << i;
  EXPECT_EQ(lines[38], lines[11]);
}

TEST_F(Documents, TheSlowOrderShowsTheSectionsAsTheirCellsHoldThem) {
  // 4990 starts in cell round(100.8) = 101, at 5000; 9850 + 125 ends in
  // cell round(200.5) = 200, halves to even: 100 m after its start.
  const ToolRun result =
      run(line_text(20000), run_text(seven_stations(), {slow(4990, 60, 300), slow(9850, 30, 125)}));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const Lines lines = lines_of(document("rallentamenti"));
  EXPECT_EQ(lines[12],
            " | 1 |GAMMA - BIVIO DELTA         |    5.000   |    60    |    300  |            |");
  EXPECT_EQ(lines[13],
            " | 2 |ZETA                        |    9.000   |    30    |    100  |            |");
}

TEST_F(Documents, WithoutNotesTheNotesAreThePageOfTheRunsFacts) {
  const ToolRun result =
      run(line_text(20000), run_text(seven_stations(), {slow(5000, 60, 300), slow(9950, 30, 100)}));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(lines_of(document("note")),
            (Lines{
                "",
                "Treno 4711 da ALFA a OMEGA.",
                "",
                "Partenza da ALFA alle 08.00.",
                "Arrivo a OMEGA alle 08.15.",
                "",
                "Fermate e orari lungo la linea:",
                "  BETA: arrivo 08.02+, partenza 08.03+",
                "  p.c. epsilon: 08.08+",
                "",
                "Rallentamenti (si veda l'ordine di rallentamento):",
                "  1. da km 5+000 per 300 m: 60 km/h",
                "  2. da km 9+950 per 100 m: 30 km/h",
                "",
                "Il segno (+) dopo un orario indica 30 secondi in pi\xF9.",
                "",
                "Buon viaggio.",
            }));
}

TEST_F(Documents, ARunWithoutSlowOrdersHasAnEmptyForm) {
  std::vector<StationRow> stations = seven_stations();
  // Whole minutes only: no "+" to explain.
  stations[1].seconds = 0;
  stations[1].dwell = 60;
  stations[4].dwell = 0;
  const ToolRun result = run(line_text(20000), run_text(stations, {}));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const Lines lines = lines_of(document("rallentamenti"));
  ASSERT_EQ(lines.size(), 46u);
  for (std::size_t i = 12; i < 38; ++i) {
    EXPECT_EQ(lines[i],
              " |   |                            |            |          |         |            |")
        << i;
  }
  EXPECT_EQ(lines[45], "     i giorni esclusi i seguenti:.........");
  const Lines notes = lines_of(document("note"));
  ASSERT_EQ(notes.size(), 13u);
  EXPECT_EQ(notes[7], "  BETA: arrivo 08.02, partenza 08.03");
  EXPECT_EQ(notes[8], "  p.c. epsilon: 08.09");
  EXPECT_EQ(notes[10], "Nessun rallentamento.");
  EXPECT_EQ(notes[12], "Buon viaggio.");
}

TEST_F(Documents, ThirtySlowOrdersTakeASecondForm) {
  Lines slows;
  for (int k = 0; k < 30; ++k)
    slows.push_back(slow(2000 + 1000 * k, 120, 100));
  const std::vector<StationRow> stations = {{0, 8, 400, 0, 8, 0, 0, "ALFA"},
                                            {35000, 2, 400, 0, 8, 40, 0, "OMEGA"}};
  const ToolRun result = run(line_text(40000), run_text(stations, slows));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const Lines lines = lines_of(document("rallentamenti"));
  ASSERT_EQ(lines.size(), 92u);
  // The first form full, numbers 1 to 26; the second the whole form again.
  EXPECT_EQ(lines[12],
            " | 1 |ALFA - OMEGA                |    2.000   |   120    |    100  |            |");
  EXPECT_EQ(lines[37],
            " |26 |ALFA - OMEGA                |   27.000   |   120    |    100  |            |");
  EXPECT_EQ(lines[38], lines[11]);
  for (std::size_t i = 0; i < 12; ++i)
    EXPECT_EQ(lines[46 + i], lines[i]) << i;
  EXPECT_EQ(lines[46 + 12],
            " |27 |ALFA - OMEGA                |   28.000   |   120    |    100  |            |");
  EXPECT_EQ(lines[46 + 15],
            " |30 |ALFA - OMEGA                |   31.000   |   120    |    100  |            |");
  for (std::size_t i = 46 + 16; i < 46 + 38; ++i) {
    EXPECT_EQ(lines[i],
              " |   |                            |            |          |         |            |")
        << i;
  }
  for (std::size_t i = 38; i < 46; ++i)
    EXPECT_EQ(lines[46 + i], lines[i]) << i;
}

TEST_F(Documents, ANameWiderThanItsCellIsRefusedAndNothingIsWritten) {
  struct Case {
    std::size_t station;
    std::string name;
    std::string message;
  };
  const Case cases[] = {
      {2, "STAZIONE DI GAMMA SUPERIORE E",
       ": il nome della stazione a km 4+000 \"STAZIONE DI GAMMA SUPERIORE E\" ha 29 caratteri, "
       "ma la casella \"Localita' di Servizio\" della scheda treno ne contiene 28"},
      {0, "ALFA CENTRALE DI SOPRA",  // 22: fits the head
       ""},
      {0, "ALFA CENTRALE DI SOPRA E",
       ": il nome della prima stazione \"ALFA CENTRALE DI SOPRA E\" ha 24 caratteri, ma la "
       "testata \"da:\" della scheda treno ne contiene 22"},
      {6, "OMEGA CENTRALE DI SOTTO",
       ": il nome dell'ultima stazione \"OMEGA CENTRALE DI SOTTO\" ha 23 caratteri, ma la "
       "testata \"a:\" della scheda treno ne contiene 22"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(out);
    std::vector<StationRow> stations = seven_stations();
    stations[c.station].name = c.name;
    const ToolRun result = run(line_text(20000), run_text(stations, {}));
    if (c.message.empty()) {
      EXPECT_EQ(result.status, kExitOk) << result.err;
      continue;
    }
    EXPECT_EQ(result.status, kExitErrorRecorded);
    EXPECT_EQ(result.err, run_path + c.message + "\n");
    EXPECT_EQ(result.out, "nessun documento scritto (quelli già presenti restano come erano)\n");
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST_F(Documents, AccentedNamesTakeOneCharacterEachAndTheSlowOrderWritesCapitals) {
  std::vector<StationRow> stations = seven_stations();
  stations[2].name = "Gamma di Citt\xE0 Alta";  // Windows-1252, as the run text is
  stations[3].name = "Bivio Santa Maria Maddalena";
  const ToolRun result = run(line_text(20000), run_text(stations, {slow(5000, 60, 300)}));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const Lines sheet = lines_of(document("scheda_treno"));
  EXPECT_EQ(
      sheet[18],
      " | 120 |     |    4.000 |     |Gamma di Citt\xE0 Alta         |      08.05     |     |");
  // "GAMMA DI CITTÀ ALTA - BIVIO SANTA MARIA MADDALENA" is 49 characters:
  // every word of four or more shortened is still 32, cut at 28.
  EXPECT_EQ(lines_of(document("rallentamenti"))[12],
            " | 1 |GA. DI CI. AL. - BI. SA. MA.|    5.000   |    60    |    300  |            |");
}

TEST_F(Documents, ARunTheDocumentsCannotShowIsRefused) {
  std::vector<StationRow> tab_in_name = seven_stations();
  tab_in_name[1].name = "BE\tTA";
  std::vector<StationRow> before_the_line = seven_stations();
  before_the_line[0] = {-1000, 27, 400, 0, 8, 0, 0, "ALFA"};
  struct Case {
    const char* what;
    std::string run;
    std::string train;
    std::string message;
  };
  const Case cases[] = {
      {"no stations", run_text({}, {}), "4711",
       ": la corsa non ha stazioni, e i documenti le nominano"},
      {"a tab in a name", run_text(tab_in_name, {}), "4711",
       ": stazione a km 2+000 (\"BE\tTA\"): il nome contiene il byte 0x09, che i documenti non "
       "possono mostrare"},
      {"a station before the line", run_text(before_the_line, {}), "4711",
       ": la stazione \"ALFA\" sta a km -1+000, prima dell'inizio della linea, dove la scheda "
       "treno non ha chilometri"},
      {"a train number too wide", run_text(seven_stations(), {}), "123456789012",
       ": il numero del treno \"123456789012\" ha 12 caratteri, ma la casella \"TRENO n.\" "
       "della scheda treno ne contiene 11"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    write_bytes(line_path, line_text(20000));
    write_bytes(run_path, c.run);
    const ToolRun result = run_tool_here(
        {"documents", line_path, run_path, "--line-id", "Prova", "--train", c.train, "--out", out});
    EXPECT_EQ(result.status, kExitErrorRecorded);
    EXPECT_EQ(result.err, run_path + c.message + "\n");
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST_F(Documents, ASheetLongerThanADocumentCanBeIsRefused) {
  // A thousand changes of the line speed, 50 m apart, each on a row of its
  // own: with the bands and the legend more than 1000 lines.
  Lines lines{"[generale]", "numero vetture, 4", "velocita, 0, 100"};
  for (int i = 0; i < 1000; ++i)
    lines.push_back("velocita, " + std::to_string(100 + 50 * i) + ", " + (i % 2 ? "100" : "90"));
  lines.push_back(station({0, 8, 400, 0, 8, 0, 0, "ALFA"}));
  lines.push_back(station({55000, 2, 400, 0, 9, 0, 0, "OMEGA"}));
  lines.push_back("[fine]");
  const ToolRun result = run(line_text(60000), joined(lines));
  EXPECT_EQ(result.status, kExitErrorRecorded);
  EXPECT_EQ(result.err,
            run_path + ": la scheda treno: più di 1000 righe, quante un documento ne può avere\n");
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(Documents, ATextWithAnErrorIsRefusedAsCompileReportsIt) {
  // Two signals in one cell: code 16 at the second, line 19 of the run.
  const std::string signal = "segnale, 2500, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0";
  const ToolRun result = run(line_text(20000), run_text(seven_stations(), {signal, signal}));
  EXPECT_EQ(result.status, kExitErrorRecorded);
  EXPECT_EQ(result.err, run_path +
                            ":19:10: errore 16: la cella 51 (km 2+550) del segnale è già occupata "
                            "dal segnale della riga 18 del testo della corsa\n"
                            "segnale, 2500, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0\n"
                            "         ^~~~\n"
                            "1 errore, 0 avvisi\n");
  EXPECT_EQ(result.out, "nessun documento scritto (quelli già presenti restano come erano)\n");
  EXPECT_FALSE(std::filesystem::exists(out));

  // The same diagnostics as `compile` prints for these texts.
  const ToolRun compiled = run_tool_here({"compile", line_path, run_path, "--line-id", "Prova",
                                          "--train", "4711", "--out", folder.file("bin")});
  EXPECT_EQ(compiled.err, result.err);
}

TEST_F(Documents, TheSheetTakesWhatTheRunDoesNotHoldFromOptions) {
  const ToolRun result = run(line_text(20000), run_text(seven_stations(), {}),
                             {"--classification", "DIRETTO", "--blocked-mass", "420T", "--rank",
                              "A", "--legend-note", "Fermata a p.c. epsilon per servizio."});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const Lines lines = lines_of(document("scheda_treno"));
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ(lines[4],
            " |   TRENO n.4711    |                   da: ALFA                  |   V 120 A    |");
  EXPECT_EQ(lines[9], " |      DIRETTO      |              |      420T         |");
  EXPECT_EQ(lines[28], " Fermata a p.c. epsilon per servizio.");

  const ToolRun two_lines =
      run(line_text(20000), run_text(seven_stations(), {}), {"--legend-note", "prima\nseconda"});
  EXPECT_EQ(two_lines.status, kExitUsageOrFile);
  EXPECT_EQ(two_lines.err,
            "scenario_tool: documents: --legend-note deve stare su una riga: prima\nseconda\n"
            "scenario_tool --help spiega l'uso.\n");

  const ToolRun refused = run(line_text(20000), run_text(seven_stations(), {}),
                              {"--classification", "REGIONALE VELOCE ESTIVO"});
  EXPECT_EQ(refused.status, kExitErrorRecorded);
  EXPECT_EQ(refused.err, run_path +
                             ": la classificazione \"REGIONALE VELOCE ESTIVO\" ha 23 caratteri, "
                             "ma la casella CLASSIFICAZIONE della scheda treno ne contiene 19\n");
}

TEST_F(Documents, AuthorsNotesAreWrittenInWindows1252) {
  const std::string notes = folder.file("mie_note.txt");
  write_bytes(notes, "Treno di prova.\nLa galleria \xC3\xA8 lunga.\n");
  const ToolRun result = run(line_text(20000), run_text(seven_stations(), {}), {"--notes", notes});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(document("note"), "Treno di prova.\r\nLa galleria \xE8 lunga.\r\n");

  // Notes that are also the notes to write are refused before anything is.
  std::filesystem::remove_all(out);
  std::filesystem::create_directories(out);
  const std::string same = folder.file("out/Prova_4711_note.txt");
  write_bytes(same, "mie\n");
  const ToolRun refused = run(line_text(20000), run_text(seven_stations(), {}), {"--notes", same});
  EXPECT_EQ(refused.status, kExitUsageOrFile);
  EXPECT_EQ(refused.err, "scenario_tool: " + same + ": è anche un documento da scrivere (" + same +
                             "); l'autore non perde il suo testo\n");
  EXPECT_EQ(read_bytes(same), "mie\n");
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(out))
    left.push_back(entry.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{"Prova_4711_note.txt"});
}

TEST_F(Documents, JsonGivesTheFilesOrTheReason) {
  const ToolRun result = run(line_text(20000), run_text(seven_stations(), {}), {"--json"});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(result.out,
            "{\"code\":0,\"position\":null,\"km\":null,\"file\":null,\"line\":null,\"meaning\":"
            "null,\"refusal\":null,\"files\":[\"" +
                out + "/Prova_4711_scheda_treno.txt\",\"" + out +
                "/Prova_4711_rallentamenti.txt\",\"" + out +
                "/Prova_4711_note.txt\"],\"diagnostics\":[],\"errors\":0,\"warnings\":0,"
                "\"notes\":0}\n");

  std::vector<StationRow> stations = seven_stations();
  stations[0].name = "ALFA CENTRALE DI SOPRA E";
  const ToolRun refused = run(line_text(20000), run_text(stations, {}), {"--json"});
  EXPECT_EQ(refused.status, kExitErrorRecorded);
  EXPECT_EQ(refused.err, "");
  EXPECT_EQ(refused.out,
            "{\"code\":0,\"position\":null,\"km\":null,\"file\":null,\"line\":null,\"meaning\":"
            "null,\"refusal\":\"" +
                run_path +
                ": il nome della prima stazione \\\"ALFA CENTRALE DI SOPRA E\\\" ha 24 caratteri, "
                "ma la testata \\\"da:\\\" della scheda treno ne contiene 22\",\"files\":[],"
                "\"diagnostics\":[],\"errors\":0,\"warnings\":0,\"notes\":0}\n");
}

TEST(DocumentsHelp, ExplainsTheCommandAndItsOptions) {
  const ToolRun help = run_tool_here({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  for (const char* part :
       {"documents TESTO_LINEA TESTO_CORSA --line-id ID --train NUMERO", "--notes FILE",
        "--classification TESTO", "--blocked-mass TESTO", "--rank LETTERA", "--legend-note TESTO",
        "ID_NUMERO_scheda_treno.txt", "ID_NUMERO_rallentamenti.txt", "ID_NUMERO_note.txt"})
    EXPECT_NE(help.out.find(part), std::string::npos) << part;
  const ToolRun usage = run_tool_here({"documents", "linea.txt"});
  EXPECT_EQ(usage.status, kExitUsageOrFile);
  EXPECT_EQ(usage.err,
            "scenario_tool: documents: servono 2 argomenti, ne sono stati dati 1\n"
            "scenario_tool --help spiega l'uso.\n");
}

}  // namespace
}  // namespace scenario::tools
