// `dump` on small files made with the library's encoders, and on files that
// do not fit their format.

#include "tools/dump_command.h"

#include <gtest/gtest.h>

#include "records/cell_file.h"
#include "records/line_data_file.h"
#include "records/table_file.h"
#include "test_support.h"
#include "tools/command_line.h"
#include "tools/exit_codes.h"
#include "tools/tool_test_support.h"

namespace scenario::tools {
namespace {

using scenario::testing::TempFolder;
using scenario::testing::write_bytes;

std::string cells_bytes(const records::CellArray& cells) {
  return records::collect_bytes(
      [&](const records::ByteConsumer& out) { records::encode_cell_file(cells, out); });
}
std::string table_bytes(const records::HeaderTable& table) {
  return records::collect_bytes(
      [&](const records::ByteConsumer& out) { records::encode_table_file(table, out); });
}
std::string plan_bytes(const records::PlanArray& plan) {
  return records::collect_bytes(
      [&](const records::ByteConsumer& out) { records::encode_line_data_file(plan, out); });
}

records::CellArray three_cells() {
  records::CellArray cells(3);
  cells[1] = {.value_a = 5121, .value_b = 2458, .speed_limit = 6, .gradient = 102};
  cells[2] = {.type = records::kSignal,
              .value_a = 22,
              .value_d = 18,
              .tempo = 230,
              .speed_limit = 32,
              .gradient = 95};
  return cells;
}

records::HeaderTable small_table() {
  records::HeaderTable table{};
  // Every field of the station set, to show each one's name.
  table[1] = {.kind = 8,
              .long_a = -600,
              .long_b = 650,
              .long_c = 100,
              .byte_a = 1,
              .text = "VELBRIO \xC0",
              .short_a = 2,
              .short_b = 3,
              .short_c = 4,
              .short_d = 5,
              .short_e = 6,
              .byte_b = 7,
              .byte_c = 50,
              .byte_d = 1,
              .byte_e = 1,
              .long_d = 78900};
  table[80].text = "(GALLERIA )";
  table[84].long_b = 97000;
  table[86].text = "30527";
  table[86].short_c = 22;
  return table;
}

TEST(DumpCommand, TellsTheKindFromTheName) {
  EXPECT_EQ(kind_from_name("dir/Velbrio_Dolvena_linea.dat"), FileKind::kPlan);
  EXPECT_EQ(kind_from_name("Velbrio_Dolvena_30527.dat"), FileKind::kCells);
  EXPECT_EQ(kind_from_name("Velbrio_Dolvena_30527.sim"), FileKind::kTable);
  EXPECT_THROW(kind_from_name("note.txt"), UsageError);
}

TEST(DumpCommand, ListsCellsWithTheirKilometreTypeAndNonZeroFields) {
  TempFolder folder;
  const std::string path = folder.file("x.dat");
  write_bytes(path, cells_bytes(three_cells()));
  const std::string cell_1 =
      "cella 1  km 0+050    libera                        value_a 5121  "
      "value_b 2458  speed_limit 6 (30 km/h)  gradient 102 (+2 ‰)\n";
  const std::string cell_2 =
      "cella 2  km 0+100    segnale                       value_a 22  "
      "value_d 18  tempo 230  speed_limit 32 (160 km/h)  gradient 95 (-5 ‰)\n";
  // Cell 0 has every field 0: listed with --all only.
  const ToolRun run = run_tool_here({"dump", path});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.out, "file delle celle: " + path +
                         " (45 byte)\n"
                         "celle da 0 a 2 (cella k: da km k × 50 m; i campi non elencati valgono "
                         "0; 1 cella vuota non elencata, --all elenca anche quella)\n" +
                         cell_1 + cell_2);
  EXPECT_EQ(run.err, "");
  const ToolRun all = run_tool_here({"dump", path, "--all"});
  EXPECT_EQ(all.out, "file delle celle: " + path +
                         " (45 byte)\n"
                         "celle da 0 a 2 (cella k: da km k × 50 m; i campi non elencati valgono "
                         "0)\n"
                         "cella 0  km 0+000    libera\n" +
                         cell_1 + cell_2);
  records::CellArray empty(4);
  write_bytes(path, cells_bytes(empty));
  EXPECT_EQ(run_tool_here({"dump", path}).out,
            "file delle celle: " + path +
                " (60 byte)\n"
                "celle da 0 a 3 (cella k: da km k × 50 m; i campi non elencati valgono 0; 4 "
                "celle vuote non elencate, --all elenca anche quelle)\n");
}

TEST(DumpCommand, ListsTheNonEmptySlotsWithFieldNamesAndMeanings) {
  TempFolder folder;
  const std::string path = folder.file("x.sim");
  write_bytes(path, table_bytes(small_table()));
  const ToolRun run = run_tool_here({"dump", path});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.out, "tabella dello scenario: " + path +
                         " (2983 byte)\n"
                         "87 slot, 4 non vuoti (i campi non elencati valgono 0)\n"
                         "slot 1: stazione\n"
                         "  text    \"VELBRIO À\"     nome (campo 17 della riga)\n"
                         "  kind    8               tipo di stazione (campo 2 della riga)\n"
                         "  long_a  -600            inizio dell'area di stazione (m)\n"
                         "  long_b  650             fine dell'area di stazione (m)\n"
                         "  long_c  100             posizione (m, campo 1 della riga)\n"
                         "  byte_a  1               primo flag (campo 4 della riga)\n"
                         "  short_a 2               primo codice (campo 7 della riga)\n"
                         "  short_b 3               secondo codice (campo 8 della riga)\n"
                         "  short_c 4               quarto codice (campo 10 della riga)\n"
                         "  short_d 5               quinto codice (campo 11 della riga)\n"
                         "  short_e 6               sesto codice (campo 12 della riga)\n"
                         "  byte_b  7               terzo codice (campo 9 della riga)\n"
                         "  byte_c  50              sosta (s, campo 13 della riga)\n"
                         "  byte_d  1               flag area 50 m più lunga (campo 6 della riga, "
                         "0 per i tipi 5-8 o in prima stazione)\n"
                         "  byte_e  1               secondo flag (campo 5 della riga, 0 con area "
                         "sotto 600 m o in prima stazione)\n"
                         "  long_d  78900           partenza, all'ultima stazione arrivo (secondi "
                         "del giorno, campi 14-16 della riga) 21:55:00\n"
                         "slot 80: testo di cartello\n"
                         "  text    \"(GALLERIA )\"   testo del cartello\n"
                         "slot 84: valori del treno e della linea\n"
                         "  long_b  97000           lunghezza del percorso (m)\n"
                         "slot 86: corsa\n"
                         "  text    \"30527\"         numero del treno\n"
                         "  short_c 22              orologio: ore\n");
}

TEST(DumpCommand, SummarisesThePlanAndListsEveryMetreWithAll) {
  TempFolder folder;
  records::PlanArray plan(3);
  plan.set_int16(0, 0, 0);
  plan.set_int16(0, 1, 0);
  plan.set_int16(1, 0, 0);
  plan.set_int16(1, 1, 1);
  plan.set_double(2, 0, 0.5);
  plan.set_double(2, 1, 2.0);
  const std::string path = folder.file("P_linea.dat");
  write_bytes(path, plan_bytes(plan));
  const std::string summary = "dati di linea: " + path +
                              " (40 byte)\n"
                              "metri da 0 a 3 (4 per colonna)\n"
                              "x: 2 interi a 16 bit, 1 double, 1 non impostati\n"
                              "y: 2 interi a 16 bit, 1 double, 1 non impostati\n"
                              "primo punto: metro 0, x 0.000, y 0.000\n"
                              "ultimo punto: metro 2, x 0.500, y 2.000\n"
                              "riquadro: x da 0.000 a 0.500, y da 0.000 a 2.000 m\n"
                              "sviluppo lungo i punti: 2.118 m\n";
  EXPECT_EQ(run_tool_here({"dump", path}).out, summary);
  EXPECT_EQ(run_tool_here({"dump", path, "--all"}).out,
            summary +
                "metro 0  x 0 (intero)  y 0 (intero)\n"
                "metro 1  x 0 (intero)  y 1 (intero)\n"
                "metro 2  x 0.5 (double)  y 2 (double)\n"
                "metro 3  x -  y -\n");
  EXPECT_EQ(
      run_tool_here({"dump", path, "--json", "--all"}).out,
      "{\"file\":\"" + path +
          "\",\"kind\":\"plan\",\"bytes\":40,\"last_metre\":3,"
          "\"x_kinds\":{\"int16\":2,\"double\":1,\"unset\":1},"
          "\"y_kinds\":{\"int16\":2,\"double\":1,\"unset\":1},"
          "\"first\":{\"metre\":0,\"x\":0,\"y\":0},\"last\":{\"metre\":2,\"x\":0.5,\"y\":2},"
          "\"bounding_box\":{\"x_min\":0,\"x_max\":0.5,\"y_min\":0,\"y_max\":2},"
          "\"length\":2.118033988749895,\"points\":["
          "{\"metre\":0,\"x\":0,\"x_kind\":\"int16\",\"y\":0,\"y_kind\":\"int16\"},"
          "{\"metre\":1,\"x\":0,\"x_kind\":\"int16\",\"y\":1,\"y_kind\":\"int16\"},"
          "{\"metre\":2,\"x\":0.5,\"x_kind\":\"double\",\"y\":2,\"y_kind\":\"double\"},"
          "{\"metre\":3,\"x\":null,\"x_kind\":\"unset\",\"y\":null,\"y_kind\":\"unset\"}]}\n");
}

TEST(DumpCommand, JsonHasEveryFieldOfEveryCell) {
  TempFolder folder;
  const std::string path = folder.file("x.dat");
  records::CellArray cells(1);
  cells[0] = {.type = records::kSignBoard, .value_a = 80, .adhesion = 95};
  write_bytes(path, cells_bytes(cells));
  EXPECT_EQ(run_tool_here({"dump", "--json", path}).out,
            "{\"file\":\"" + path +
                "\",\"kind\":\"cells\",\"bytes\":15,\"cells\":[{\"index\":0,\"km\":\"0+000\","
                "\"type_name\":\"cartello\",\"type\":14,\"value_a\":80,\"value_b\":0,"
                "\"value_c\":0,\"value_d\":0,\"tempo\":0,\"approach\":0,\"terrain\":0,"
                "\"speed_limit\":0,\"gradient\":0,\"adhesion\":95}]}\n");
}

TEST(DumpCommand, JsonHasEverySlotWithItsTextThenEveryNumber) {
  TempFolder folder;
  const std::string path = folder.file("x.sim");
  write_bytes(path, table_bytes(small_table()));
  const std::string out = run_tool_here({"dump", "--json", path}).out;
  const std::string zeros =
      "\"kind\":0,\"long_a\":0,\"long_b\":0,\"long_c\":0,\"byte_a\":0,\"short_a\":0,"
      "\"short_b\":0,\"short_c\":0,\"short_d\":0,\"short_e\":0,\"byte_b\":0,\"byte_c\":0,"
      "\"byte_d\":0,\"byte_e\":0,\"long_d\":0}";
  EXPECT_TRUE(out.starts_with(
      "{\"file\":\"" + path +
      "\",\"kind\":\"table\",\"bytes\":2983,\"slots\":["
      "{\"slot\":0,\"role\":\"vuoto\",\"text\":\"\"," +
      zeros +
      ",{\"slot\":1,\"role\":\"stazione\",\"text\":\"VELBRIO À\",\"kind\":8,\"long_a\":-600,"
      "\"long_b\":650,\"long_c\":100,\"byte_a\":1,\"short_a\":2,\"short_b\":3,\"short_c\":4,"
      "\"short_d\":5,\"short_e\":6,\"byte_b\":7,\"byte_c\":50,\"byte_d\":1,\"byte_e\":1,"
      "\"long_d\":78900},{\"slot\":2,"))
      << out;
  EXPECT_TRUE(
      out.ends_with("{\"slot\":86,\"role\":\"corsa\",\"text\":\"30527\",\"kind\":0,"
                    "\"long_a\":0,\"long_b\":0,\"long_c\":0,\"byte_a\":0,\"short_a\":0,"
                    "\"short_b\":0,\"short_c\":22,\"short_d\":0,\"short_e\":0,"
                    "\"byte_b\":0,\"byte_c\":0,\"byte_d\":0,\"byte_e\":0,\"long_d\":0}]}\n"))
      << out;
}

TEST(DumpCommand, RefusesTruncatedFilesAndTrailingBytesSayingWhereAndWhy) {
  TempFolder folder;
  const std::string table = table_bytes(small_table());
  const std::string cells = cells_bytes(three_cells());
  records::PlanArray plan(1);
  const std::string line = plan_bytes(plan);
  struct Case {
    std::string name;
    std::string bytes;
    std::vector<std::string> options;
    std::string reason;
  };
  const Case cases[] = {
      {"t.sim",
       table.substr(0, 2000),
       {},
       "rifiutato al byte 1997: slot 58 (testo di 0 byte): servono 18 byte, il file ne ha "
       "ancora 3"},
      {"t.sim",
       table + "zz",
       {},
       "rifiutato al byte 2983: 2 byte in più dopo gli 87 record della tabella"},
      {"c.dat",
       cells.substr(0, 40),
       {},
       "rifiutato al byte 30: cella 2: servono 15 byte, il file ne ha ancora 10"},
      {"c.dat",
       cells + "z",
       {},
       "rifiutato al byte 45: cella 3: servono 15 byte, il file ne ha ancora 1"},
      {"p_linea.dat",
       line.substr(0, 7),
       {},
       "rifiutato al byte 6: elemento 3: servono 2 byte, il file ne ha ancora 1"},
      {"p_linea.dat",
       line + std::string(2, '\0'),
       {},
       "rifiutato al byte 8: numero dispari di elementi (5): le colonne x e y devono avere la "
       "stessa lunghezza"},
      // The kind given overrides the name.
      {"p_linea.dat",
       line,
       {"--kind", "table"},
       "rifiutato al byte 0: slot 0: servono 16 byte, il file ne ha ancora 8"},
  };
  for (const Case& c : cases) {
    const std::string path = folder.file(c.name);
    write_bytes(path, c.bytes);
    std::vector<std::string> args{"dump", path};
    args.insert(args.end(), c.options.begin(), c.options.end());
    for (const char* json : {"", "--json"}) {
      if (*json)
        args.push_back(json);
      const ToolRun run = run_tool_here(args);
      EXPECT_EQ(run.status, kExitUsageOrFile);
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, "scenario_tool: " + path + ": " + c.reason + "\n");
    }
  }
}

// A line data file of the shape the compiler writes: metres 0 and 1 16-bit
// integers, then doubles, the last two metres unset; here metres 0 to 4.
const char kCompiledShapePlan[] =
    "02 00 00 00  02 00 00 00  05 00 00 00 00 00 00 00 e0 3f  00 00  00 00"   // x
    "02 00 00 00  02 00 01 00  05 00 00 00 00 00 00 00 00 40  00 00  00 00";  // y

TEST(DumpCommand, WarnsWhenTheLineDataDepartFromTheShapeTheCompilerWrites) {
  TempFolder folder;
  const std::string path = folder.file("P_linea.dat");
  const std::string whole = scenario::testing::hex_bytes(kCompiledShapePlan);
  write_bytes(path, whole);
  const ToolRun compiled = run_tool_here({"dump", path});
  EXPECT_EQ(compiled.status, kExitOk);
  EXPECT_EQ(compiled.err, "");
  // Cut short by 4 bytes, the last two unset elements: the file still
  // decodes, as columns of 4 metres shifted by one element.
  write_bytes(path, whole.substr(0, whole.size() - 4));
  const std::string warnings =
      "scenario_tool: " + path +
      ": avviso: colonna x: 1 metro su 4 fuori dalla forma che scrive il compilatore (metri 0 "
      "e 1 interi a 16 bit, poi double, gli ultimi due non impostati), il primo è il metro 2: "
      "double invece di non impostato; il file può essere tagliato o allungato\n"
      "scenario_tool: " +
      path +
      ": avviso: colonna y: 3 metri su 4 fuori dalla forma che scrive il compilatore (metri 0 "
      "e 1 interi a 16 bit, poi double, gli ultimi due non impostati), il primo è il metro 0: "
      "non impostato invece di intero a 16 bit; il file può essere tagliato o allungato\n";
  for (const char* json : {"--all", "--json"}) {
    const ToolRun cut = run_tool_here({"dump", path, json});
    EXPECT_EQ(cut.status, kExitOk);
    EXPECT_EQ(cut.err, warnings);
    EXPECT_NE(cut.out, "");
  }
}

TEST(DumpCommand, RefusesAnUnknownKindAndAMissingFile) {
  TempFolder folder;
  const ToolRun unknown = run_tool_here({"dump", folder.file("x.dat"), "--kind", "tabella"});
  EXPECT_EQ(unknown.status, kExitUsageOrFile);
  EXPECT_TRUE(unknown.err.starts_with("scenario_tool: dump: --kind vuole table, cells o plan"));
  const ToolRun missing = run_tool_here({"dump", folder.file("x.dat")});
  EXPECT_EQ(missing.status, kExitUsageOrFile);
  EXPECT_EQ(missing.err, "scenario_tool: " + folder.file("x.dat") +
                             ": lettura non riuscita: No such file or directory\n");
}

}  // namespace
}  // namespace scenario::tools
