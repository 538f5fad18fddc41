#include "tools/test_texts.h"

namespace scenario::tools::test_texts {

const Lines kGeneral = {"lunghezza percorso, 10000", "ripetizione segnali 4 codici, 1000, 9000"};
const Lines kEntries = {"curvad2, 1000, 500", "pendenza, 0, 2"};

std::string joined(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  return text;
}

std::string line_text(const Lines& general, const Lines& entries) {
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

std::string run_text(const Lines& rows) {
  Lines lines{"[generale]", "numero vetture, 4", "velocita, 0, 100", "aderenza, 0, 90"};
  lines.insert(lines.end(), rows.begin(), rows.end());
  lines.push_back("[fine]");
  return joined(lines);
}

std::string station(int position, int kind, int length, const std::string& name) {
  return "stazione, " + std::to_string(position) + ", " + std::to_string(kind) + ", " +
         std::to_string(length) + ", 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, " + name;
}

std::string signal(int position, int s1, int s2) {
  return "segnale, " + std::to_string(position) + ", 1, " + std::to_string(s1) + ", " +
         std::to_string(s2) + ", 0, 0, 0, 0, 0, 0, 0";
}

std::string slow(int x, int length, int f_ta) {
  return "rallentamento, " + std::to_string(x) + ", 60, " + std::to_string(length) + ", 0, " +
         std::to_string(f_ta) + ", 0";
}

Lines boards(int count, int first) {
  Lines rows;
  for (int i = 0; i < count; ++i)
    rows.push_back("cartello_indicatore, " + std::to_string(first + 100 * i) + ", (B)");
  return rows;
}

const std::vector<FaultyTexts>& faulty_texts() {
  static const std::vector<FaultyTexts> all = {
      {"1", 1, line_text({"lunghezza percorso, 1000001"}), run_text(), false},
      {"2", 2, line_text({"lunghezza percorso, 10000", "progressiva chilometrica uno, 75, 0, 0"}),
       run_text()},
      {"3", 3, line_text({"lunghezza percorso, 10000", "ripetizione segnali 4 codici, 1075, 9000"}),
       run_text()},
      {"4", 4, line_text({"lunghezza percorso, 10000", "ripetizione segnali 4 codici, 1000, 9010"}),
       run_text()},
      {"5", 5, line_text({"lunghezza percorso, 10000", "ripetizione segnali codici, 1000, 9000"}),
       run_text()},
      {"6", 6, line_with({"cartello_indicatore, 2000, (A)", "cartello_indicatore, 2000, (B)"}),
       run_text()},
      {"7", 7, line_text(), run_text({"abbattimento, 2000, 100", "abbattimento, 2000, 90"})},
      {"8", 8, line_text(), run_text({station(2025, 12, 500)})},
      {"9", 9, line_text(), run_text({station(2000, 12, 450)})},
      {"10", 10, line_with(boards(78, 2000)), run_text({station(1000, 27, 400)})},
      {"11", 11, line_text(),
       run_text({slow(5000, 500), signal(3350), signal(3400), signal(3450)})},
      {"12", 12, line_text(),
       run_text({slow(5000, 500), signal(4650), signal(4700), signal(4750)})},
      {"13", 13, line_text(),
       run_text({slow(5000, 1000), signal(5350), signal(5400), signal(5450)})},
      {"15a", 15, line_with({"pendenza, 20000, 0"}), run_text()},
      {"15b", 15, line_text(), run_text({"velocita, 20000, 50"})},
      {"16", 16, line_text(), run_text({signal(2000), signal(2000)})},
      {"17", 17, line_text(), run_text({signal(3800), slow(5000, 500)})},
      {"18", 18, line_text(), run_text({signal(5000), slow(5000, 500)})},
      {"19", 19, line_text(), run_text({signal(5500), slow(5000, 500)})},
      {"20", 20, line_text(), run_text({signal(3700), slow(5000, 500, 1)})},
      {"21", 21,
       line_with({"indicatori_vmax, 2000, 100, 100, 100, 0, , , , 0",
                  "indicatori_vmax, 2000, 90, 90, 90, 0, , , , 0"}),
       run_text()},
      {"22", 22, line_text(), run_text({station(2000, 12, 500, "A"), station(2500, 12, 500, "B")})},
      {"24", 24, line_text(), run_text({station(0, 12, 100)})},
      {"25", 25, line_text(), joined({"[generale]", "numero vetture, otto", "[fine]"})},
      {"102", 102, "nessuna sezione\r\n", run_text(), false},
      {"103", 103, line_text(kGeneral, {"curvad, 1000, 500", "pendenza, 0, 2"}), run_text()},
      {"201", 201, line_text({"sfondo uno, 1"}), run_text(), false},
      {"202", 202, line_text({"lunghezza percorso, -100"}), run_text(), false},
      {"203", 203, line_with({"montagna, 100, 20000, 2"}), run_text()},
      {"204", 204, line_with({"curvad2, 16000, 2000"}), run_text()},
      {"205", 205, line_with(boards(82, 1000)), run_text()},
      {"206", 206, line_with({"cartello_indicatore, -100, (A)"}), run_text()},
      {"207", 207, line_with(Lines(5, "pendenza, 16900, 1")), run_text()},
      {"208", 208, line_with({"pendenza, 1000, 200"}), run_text()},
      {"221", 221, line_text(), run_text({signal(-100)})},
      {"222", 222, line_text(), run_text({slow(16000, 2000)})},
      {"223", 223, line_text(), run_text({station(16000, 8, 1200)})},
      {"224", 224, line_text(), run_text({"abbattimento, -50, 100"})},
      {"241", 241, line_text(), run_text({slow(5000, 0)})},
      // Cell 1 (0 to 75 m) already holding what the stamps go into.
      {"1250", 1250, line_text(), run_text({signal(0, 1, 0)}), false},
      {"1251", 1251, line_text(), run_text({signal(0, 0, 1)}), false},
  };
  return all;
}

std::string builtin_texts_diagnostics(const std::string& run_text) {
  return run_text +
         ":96:12: avviso: il primo segnale dopo la fine del rallentamento della riga 61 del "
         "testo della corsa sta 16 celle dopo la cella di fine, oltre le 12 in cui la passata "
         "finale mette un punto di abbattimento davanti al primo segnale: questo non lo riceve\n"
         "segnale,   76000,   2, 4, 0,  0, 0,    2,  1,0,0,   0\n"
         "           ^~~~~\n"
         "0 errori, 1 avviso\n";
}

}  // namespace scenario::tools::test_texts
