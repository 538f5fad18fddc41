// `check` on short faulty texts: every error code and every warning, each
// with the exact lines an author reads.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "child_process.h"

#include "diagnostics/warnings.h"
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

using namespace test_texts;
using scenario::testing::read_bytes;
using scenario::testing::TempFolder;
using scenario::testing::write_bytes;

// Checks the two texts as linea.txt and corsa.txt of a folder of their own;
// the output with the folder left out of the file names.
struct Checked {
  int status = -1;
  std::string out;
  std::string err;
};
Checked check(const std::string& line, const std::string& run,
              const std::vector<std::string>& options = {}) {
  TempFolder folder;
  write_bytes(folder.file("linea.txt"), line);
  write_bytes(folder.file("corsa.txt"), run);
  std::vector<std::string> args{"check", folder.file("linea.txt"), folder.file("corsa.txt")};
  args.insert(args.end(), options.begin(), options.end());
  const ToolRun run_result = run_tool_here(args);
  const std::string prefix = folder.path().string() + "/";
  auto local = [&](std::string text) {
    for (std::size_t at; (at = text.find(prefix)) != std::string::npos;)
      text.erase(at, prefix.size());
    return text;
  };
  return {run_result.status, local(run_result.out), local(run_result.err)};
}

const std::map<std::string, std::string>& expected_errors() {
  static const std::map<std::string, std::string> expected = {
      {"1",
       "linea.txt:2:21: errore 1: la lunghezza del percorso è di 1000001 m, oltre il massimo di "
       "1000000 m\n"
       "lunghezza percorso, 1000001\n"
       "                    ^~~~~~~\n"
       "corsa.txt:1:1: nota: il testo della linea non dà un binario: il testo della corsa è "
       "controllato su un binario di 1000000 m senza cartelli, senza le prove di posizione né la "
       "passata finale\n"
       "[generale]\n"
       "^\n"
       "1 errore, 0 avvisi, 1 nota\n"},
      {"2",
       "linea.txt:3:31: errore 2: il primo valore della progressiva chilometrica, 75, non è "
       "multiplo di 50\n"
       "progressiva chilometrica uno, 75, 0, 0\n"
       "                              ^~\n"
       "1 errore, 0 avvisi\n"},
      {"3",
       "linea.txt:3:31: errore 3: l'inizio della ripetizione segnali, 1075 m, non è multiplo di "
       "50\n"
       "ripetizione segnali 4 codici, 1075, 9000\n"
       "                              ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"4",
       "linea.txt:3:37: errore 4: la fine della ripetizione segnali, 9010 m, non è multipla di 50\n"
       "ripetizione segnali 4 codici, 1000, 9010\n"
       "                                    ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"5",
       "linea.txt:3:1: errore 5: la parola chiave \"ripetizione segnali codici\" non dice quanti "
       "codici ha la ripetizione segnali: deve contenere 4 o 9, come \"ripetizione segnali 4 "
       "codici\"\n"
       "ripetizione segnali codici, 1000, 9000\n"
       "^~~~~~~~~~~~~~~~~~~~~~~~~~\n"
       "1 errore, 0 avvisi\n"},
      {"6",
       "linea.txt:8:22: errore 6: la cella 41 (km 2+050) del cartello è già occupata dal cartello "
       "con testo della riga 7 del testo della linea\n"
       "cartello_indicatore, 2000, (B)\n"
       "                     ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"7",
       "corsa.txt:6:15: errore 7: la cella 40 (km 2+000) del punto di abbattimento è già occupata "
       "dal punto di abbattimento della riga 5 del testo della corsa\n"
       "abbattimento, 2000, 90\n"
       "              ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"8",
       "corsa.txt:5:11: errore 8: la posizione della stazione, 2025 m, non è multipla di 50\n"
       "stazione, 2025, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, STAZIONE\n"
       "          ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"9",
       "corsa.txt:5:21: errore 9: la lunghezza dell'area della stazione, 450 m, non è multipla di "
       "100\n"
       "stazione, 2000, 12, 450, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, STAZIONE\n"
       "                    ^~~\n"
       "1 errore, 0 avvisi\n"},
      {"10",
       "corsa.txt:5:1: errore 10: non c'è più posto nella tabella per altre stazioni: le stazioni "
       "occupano gli slot da 1 in su e i 78 testi dei cartelli quelli da 80 in giù; qui si "
       "incontrano\n"
       "stazione, 1000, 27, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, STAZIONE\n"
       "^~~~~~~~\n"
       "1 errore, 0 avvisi\n"},
      {"11",
       "corsa.txt:8:10: errore 11: nessuna delle due celle davanti al segnale (69 e 68) è libera o "
       "è un punto di abbattimento: vi stanno il segnale della riga 7 del testo della corsa e il "
       "segnale della riga 6 del testo della corsa; il segnale sta entro 20 celle prima del punto "
       "di avviso di un rallentamento\n"
       "segnale, 3450, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0\n"
       "         ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"12",
       "corsa.txt:5:16: errore 12: il rallentamento che inizia nella cella 101 (km 5+050) non "
       "trova posto per un punto di abbattimento davanti a sé: le celle 96, 95 e 94 (da 5 a 7 "
       "celle prima dell'inizio) sono occupate: il segnale della riga 8 del testo della corsa, il "
       "segnale della riga 7 del testo della corsa, il segnale della riga 6 del testo della corsa\n"
       "rallentamento, 5000, 60, 500, 0, 0, 0\n"
       "               ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"13",
       "corsa.txt:5:16: errore 13: lungo il rallentamento non c'è posto per il punto di "
       "abbattimento attorno alla cella 109 (km 5+450): vi stanno il segnale della riga 7 del "
       "testo della corsa, il segnale della riga 6 del testo della corsa e il segnale della riga 8 "
       "del testo della corsa; lungo il resto del rallentamento non ne sono posti altri\n"
       "rallentamento, 5000, 60, 1000, 0, 0, 0\n"
       "               ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"15a",
       "linea.txt:7:11: errore 15: la voce a km 20+000 sta oltre la fine del binario: (20000 + "
       "100) / 50 supera l'ultima cella, 340 (la linea è lunga 10000 m e il binario prosegue per "
       "7000 m); qui finisce la lettura del testo della linea\n"
       "pendenza, 20000, 0\n"
       "          ^~~~~\n"
       "1 errore, 0 avvisi\n"},
      {"15b",
       "corsa.txt:5:11: errore 15: la voce a km 20+000 sta oltre la fine del binario: (20000 + "
       "100) / 50 supera l'ultima cella, 340 (la linea è lunga 10000 m e il binario prosegue per "
       "7000 m); qui finisce la lettura del testo della corsa\n"
       "velocita, 20000, 50\n"
       "          ^~~~~\n"
       "1 errore, 0 avvisi\n"},
      {"16",
       "corsa.txt:6:10: errore 16: la cella 41 (km 2+050) del segnale è già occupata dal segnale "
       "della riga 5 del testo della corsa\n"
       "segnale, 2000, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0\n"
       "         ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"17",
       "corsa.txt:6:16: errore 17: il punto di avviso del rallentamento, 1200 m prima del suo "
       "inizio, cade nella cella 77 (km 3+850), già occupata dal segnale della riga 5 del testo "
       "della corsa\n"
       "rallentamento, 5000, 60, 500, 0, 0, 0\n"
       "               ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"18",
       "corsa.txt:6:16: errore 18: la cella 101 (km 5+050) dell'inizio del rallentamento è già "
       "occupata dal segnale della riga 5 del testo della corsa\n"
       "rallentamento, 5000, 60, 500, 0, 0, 0\n"
       "               ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"19",
       "corsa.txt:6:16: errore 19: la cella 111 (km 5+550) della fine del rallentamento (5500 m) è "
       "già occupata dal segnale della riga 5 del testo della corsa\n"
       "rallentamento, 5000, 60, 500, 0, 0, 0\n"
       "               ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"20",
       "corsa.txt:6:16: errore 20: le quattro celle di preavviso del rallentamento (da 76 a 73) "
       "non sono tutte libere: la cella 75 (km 3+750) è occupata dal segnale della riga 5 del "
       "testo della corsa (il rallentamento resta, senza celle di preavviso)\n"
       "rallentamento, 5000, 60, 500, 0, 1, 0\n"
       "               ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"21",
       "linea.txt:8:18: errore 21: la cella 41 (km 2+050) dell'indicatore di velocità è già "
       "occupata dal cartello indicatore di velocità della riga 7 del testo della linea\n"
       "indicatori_vmax, 2000, 90, 90, 90, 0, , , , 0\n"
       "                 ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"22",
       "corsa.txt:6:11: errore 22: l'area della stazione (da 2250 m a 2750 m) inizia 0 m dopo la "
       "fine dell'area della stazione \"A\" della riga 5 del testo della corsa (da 1750 m a 2250 "
       "m): ne servono almeno 350\n"
       "stazione, 2500, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, B\n"
       "          ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"24",
       "corsa.txt:5:11: errore 24: l'area della stazione finisce entro i primi 100 m: la sua cella "
       "di fermata cadrebbe nella cella 1 o prima\n"
       "stazione, 0, 12, 100, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, STAZIONE\n"
       "          ^\n"
       "1 errore, 0 avvisi\n"},
      {"25",
       "corsa.txt:2:17: errore 25: atteso un numero (numero di vetture), trovato \"otto\"\n"
       "numero vetture, otto\n"
       "                ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"102",
       "linea.txt:1:1: errore 102: nessun campo contiene \"[generale]\" prima della fine del testo "
       "della linea: non c'è nulla da compilare\n"
       "nessuna sezione\n"
       "^\n"
       "corsa.txt:1:1: nota: il testo della linea non dà un binario: il testo della corsa è "
       "controllato su un binario di 1000000 m senza cartelli, senza le prove di posizione né la "
       "passata finale\n"
       "[generale]\n"
       "^\n"
       "1 errore, 0 avvisi, 1 nota\n"},
      {"103",
       "linea.txt:5:1: errore 103: la parola chiave della curva \"curvad\" non ha la cifra della "
       "classe di curvatura, da 1 a 6 (come \"curvas2\")\n"
       "curvad, 1000, 500\n"
       "^~~~~~\n"
       "1 errore, 0 avvisi\n"},
      {"201",
       "linea.txt:3:1: errore 201: la sezione \"[generale]\" finisce senza la voce \"lunghezza "
       "percorso\": non c'è un binario in cui compilare la linea\n"
       "[curve]\n"
       "^~~~~~~\n"
       "corsa.txt:1:1: nota: il testo della linea non dà un binario: il testo della corsa è "
       "controllato su un binario di 1000000 m senza cartelli, senza le prove di posizione né la "
       "passata finale\n"
       "[generale]\n"
       "^\n"
       "1 errore, 0 avvisi, 1 nota\n"},
      {"202",
       "linea.txt:2:21: errore 202: la lunghezza del percorso è negativa: -100 m\n"
       "lunghezza percorso, -100\n"
       "                    ^~~~\n"
       "corsa.txt:1:1: nota: il testo della linea non dà un binario: il testo della corsa è "
       "controllato su un binario di 1000000 m senza cartelli, senza le prove di posizione né la "
       "passata finale\n"
       "[generale]\n"
       "^\n"
       "1 errore, 0 avvisi, 1 nota\n"},
      {"203",
       "linea.txt:7:11: errore 203: il tratto di terreno da 100 m a 20000 m copre le celle da 2 a "
       "399, fuori dal binario (celle da 0 a 340)\n"
       "montagna, 100, 20000, 2\n"
       "          ^~~\n"
       "1 errore, 0 avvisi\n"},
      {"204",
       "linea.txt:7:17: errore 204: la curva da 16000 m lunga 2000 m arriva a 18000 m, oltre la "
       "fine del tracciato a 17000 m\n"
       "curvad2, 16000, 2000\n"
       "                ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"205",
       "linea.txt:88:1: errore 205: un 82° cartello con testo: gli slot dei testi, da 80 a 0, sono "
       "tutti occupati\n"
       "cartello_indicatore, 9100, (B)\n"
       "^~~~~~~~~~~~~~~~~~~\n"
       "1 errore, 0 avvisi\n"},
      {"206",
       "linea.txt:7:22: errore 206: il cartello a -100 m cadrebbe nella cella -1, prima della "
       "cella 0\n"
       "cartello_indicatore, -100, (A)\n"
       "                     ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"207",
       "linea.txt:8:11: avviso: la pendenza a 16900 m non segue quella a 16900 m della riga 7 del "
       "testo della linea: le pendenze vanno in ordine di posizione, e la precedente vale così per "
       "una sola cella\n"
       "pendenza, 16900, 1\n"
       "          ^~~~~\n"
       "linea.txt:9:11: avviso: la pendenza a 16900 m non segue quella a 16900 m della riga 8 del "
       "testo della linea: le pendenze vanno in ordine di posizione, e la precedente vale così per "
       "una sola cella\n"
       "pendenza, 16900, 1\n"
       "          ^~~~~\n"
       "linea.txt:10:11: avviso: la pendenza a 16900 m non segue quella a 16900 m della riga 9 del "
       "testo della linea: le pendenze vanno in ordine di posizione, e la precedente vale così per "
       "una sola cella\n"
       "pendenza, 16900, 1\n"
       "          ^~~~~\n"
       "linea.txt:11:11: errore 207: con le pendenze fuori ordine le celle riempite arrivano oltre "
       "l'ultima cella, 340: ogni pendenza che non segue la precedente ne riempie comunque una\n"
       "pendenza, 16900, 1\n"
       "          ^~~~~\n"
       "1 errore, 3 avvisi\n"},
      {"208",
       "linea.txt:7:17: errore 208: la pendenza 200 per mille è fuori dall'intervallo da -100 a "
       "155 che la cella può contenere\n"
       "pendenza, 1000, 200\n"
       "                ^~~\n"
       "1 errore, 0 avvisi\n"},
      {"221",
       "corsa.txt:5:10: errore 221: il segnale a -100 m cadrebbe nella cella -1, prima della cella "
       "0\n"
       "segnale, -100, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0\n"
       "         ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"222",
       "corsa.txt:5:16: errore 222: le celle del rallentamento da 16000 m lungo 2000 m (avviso e "
       "preavvisi compresi) cadrebbero fuori dal binario, celle da 0 a 340\n"
       "rallentamento, 16000, 60, 2000, 0, 0, 0\n"
       "               ^~~~~\n"
       "1 errore, 0 avvisi\n"},
      {"223",
       "corsa.txt:5:11: errore 223: la cella di fermata della stazione cadrebbe oltre l'ultima "
       "cella, 340\n"
       "stazione, 16000, 8, 1200, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, STAZIONE\n"
       "          ^~~~~\n"
       "1 errore, 0 avvisi\n"},
      {"224",
       "corsa.txt:5:15: errore 224: il punto di abbattimento a -50 m cadrebbe prima della cella 0\n"
       "abbattimento, -50, 100\n"
       "              ^~~\n"
       "1 errore, 0 avvisi\n"},
      {"241",
       "corsa.txt:5:16: errore 241: il rallentamento che inizia nella cella 101 (km 5+050) non ha "
       "cella di fine: inizio e fine cadono nella stessa cella (un rallentamento più corto di 50 "
       "m) e nessun rallentamento segue\n"
       "rallentamento, 5000, 60, 0, 0, 0, 0\n"
       "               ^~~~\n"
       "1 errore, 0 avvisi\n"},
      {"1250",
       "corsa.txt:5:10: errore 1250: la cella 1 (km 0+050) deve restare libera per il timbro di "
       "formato, ma value_a vale 10: vi sta il segnale della riga 5 del testo della corsa; nessun "
       "file binario sarebbe scritto\n"
       "segnale, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0\n"
       "         ^\n"
       "1 errore, 0 avvisi\n"},
      {"1251",
       "corsa.txt:5:10: errore 1251: la cella 1 (km 0+050) deve restare libera per il codice "
       "d'identificazione, ma value_b vale 10: vi sta il segnale della riga 5 del testo della "
       "corsa; nessun file binario sarebbe scritto\n"
       "segnale, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0\n"
       "         ^\n"
       "1 errore, 0 avvisi\n"},
  };
  return expected;
}

TEST(CheckCommand, EveryErrorCodeWithItsPlaceAndConcreteMeaning) {
  for (const FaultyTexts& c : faulty_texts()) {
    SCOPED_TRACE("case " + c.name);
    const Checked checked = check(c.line, c.run);
    EXPECT_EQ(checked.status, kExitErrorRecorded);
    EXPECT_EQ(checked.out, expected_errors().at(c.name));
    EXPECT_EQ(checked.err, "");
  }
}

struct WarningCase {
  std::string id;
  std::string line;
  std::string run;
  std::string expected;
};

TEST(CheckCommand, EveryWarningWithItsPlace) {
  const WarningCase cases[] = {
      {"unknown_keyword", line_with({"pendnza, 3000, 12"}),
       run_text({"segnael, 2000, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0"}),
       "linea.txt:7:1: avviso: \"pendnza\" non contiene alcuna parola chiave: il campo è ignorato; "
       "forse \"pendenza\"?\n"
       "pendnza, 3000, 12\n"
       "^~~~~~~\n"
       "corsa.txt:5:1: avviso: \"segnael\" non contiene alcuna parola chiave: il campo è ignorato; "
       "forse \"segnale\"?\n"
       "segnael, 2000, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0\n"
       "^~~~~~~\n"
       "0 errori, 2 avvisi\n"},
      {"keyword_out_of_place", line_with({"sfondo uno, 1"}), run_text({"pendenza, 100, 2"}),
       "linea.txt:7:1: avviso: \"sfondo uno\" vale solo nella sezione \"[generale]\": qui è "
       "ignorata\n"
       "sfondo uno, 1\n"
       "^~~~~~~~~~\n"
       "corsa.txt:5:1: avviso: \"pendenza\" è una voce del testo della linea: qui è ignorata\n"
       "pendenza, 100, 2\n"
       "^~~~~~~~\n"
       "0 errori, 2 avvisi\n"},
      {"missing_values", line_text(),
       run_text({"stazione, 3000, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0", signal(5000)}),
       "corsa.txt:5:1: avviso: la voce \"stazione\" ha 16 valori sulla sua riga, ne servono 17: il "
       "nome della stazione è stato preso dalla riga 6 (\"segnale\"), che così va perduta\n"
       "stazione, 3000, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0\n"
       "^~~~~~~~\n"
       "0 errori, 1 avviso\n"},
      {"extra_values", line_with({"pendenza, 3000, 5, 7"}), run_text(),
       "linea.txt:7:20: avviso: la riga ha valori in più dopo i 2 della voce \"pendenza\": \"7\" e "
       "i campi che seguono sulla riga sono letti come parole chiave\n"
       "pendenza, 3000, 5, 7\n"
       "                   ^\n"
       "0 errori, 1 avviso\n"},
      {"empty_number", line_with({"pendenza, 3000, "}), run_text(),
       "linea.txt:7:17: avviso: il campo pendenza in per mille della voce \"pendenza\" è vuoto e "
       "vale 0\n"
       "pendenza, 3000, \n"
       "                ^\n"
       "0 errori, 1 avviso\n"},
      {"disabled_entry", line_with({"-pendenza, 3000, 5"}), run_text(),
       "linea.txt:7:1: nota: la voce \"-pendenza\" è disattivata dal segno meno: i suoi valori "
       "sono letti come parole chiave e ignorati\n"
       "-pendenza, 3000, 5\n"
       "^~~~~~~~~\n"
       "0 errori, 0 avvisi, 1 nota\n"},
      {"duplicate_general_entry",
       line_text({"lunghezza percorso, 10000", "lunghezza percorso, 12000"}), run_text(),
       "linea.txt:3:1: avviso: la voce \"lunghezza percorso\" compare più di una volta: vale "
       "l'ultima\n"
       "lunghezza percorso, 12000\n"
       "^~~~~~~~~~~~~~~~~~\n"
       "0 errori, 1 avviso\n"},
      {"gradient_out_of_order", line_with({"pendenza, 3000, 5", "pendenza, 2000, 12"}), run_text(),
       "linea.txt:8:11: avviso: la pendenza a 2000 m non segue quella a 3000 m della riga 7 del "
       "testo della linea: le pendenze vanno in ordine di posizione, e la precedente vale così per "
       "una sola cella\n"
       "pendenza, 2000, 12\n"
       "          ^~~~\n"
       "0 errori, 1 avviso\n"},
      {"curve_out_of_order",
       line_text(kGeneral, {"curvad2, 3000, 500", "curvas1, 2000, 200", "pendenza, 0, 2"}),
       run_text(),
       "linea.txt:6:10: avviso: la curva a 2000 m viene dopo quella a 3000 m: le curve vanno in "
       "ordine di posizione, e questa è applicata solo dal punto in cui il tracciato era arrivato\n"
       "curvas1, 2000, 200\n"
       "         ^~~~\n"
       "0 errori, 1 avviso\n"},
      {"curve_overlap",
       line_text(kGeneral, {"curvad2, 1000, 500", "curvas1, 1200, 200", "pendenza, 0, 2"}),
       run_text(),
       "linea.txt:6:10: avviso: la curva a 1200 m inizia prima della fine di quella da 1000 a 1500 "
       "m: le curve non si sovrappongono, e questa è applicata solo da 1501 m\n"
       "curvas1, 1200, 200\n"
       "         ^~~~\n"
       "0 errori, 1 avviso\n"},
      {"item_in_tail", line_text(), run_text({signal(12000)}),
       "corsa.txt:5:10: avviso: la voce \"segnale\" a 12000 m sta oltre la fine della linea (10000 "
       "m), nei 7000 m di binario che la seguono\n"
       "segnale, 12000, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0\n"
       "         ^~~~~\n"
       "0 errori, 1 avviso\n"},
      {"speed_not_multiple_of_5", line_with({"indicatori_vmax, 4000, 102, 100, 100, 0, , , , 0"}),
       run_text({"velocita, 3000, 62"}),
       "linea.txt:7:24: avviso: la velocità 102 km/h del cartello non è multipla di 5: il cartello "
       "la tiene in unità di 5 km/h\n"
       "indicatori_vmax, 4000, 102, 100, 100, 0, , , , 0\n"
       "                       ^~~\n"
       "corsa.txt:5:17: avviso: la velocità 62 km/h non è multipla di 5: la cella la tiene in "
       "unità di 5 km/h, come 60 km/h\n"
       "velocita, 3000, 62\n"
       "                ^~\n"
       "0 errori, 2 avvisi\n"},
      {"value_wrapped", line_text(), run_text({"aderenza, 3000, 300"}),
       "corsa.txt:5:17: avviso: l'aderenza 300 non sta in un byte: la cella ne tiene gli 8 bit "
       "bassi, 44\n"
       "aderenza, 3000, 300\n"
       "                ^~~\n"
       "0 errori, 1 avviso\n"},
      {"slow_order_without_warning_point", line_text(), run_text({slow(1500, 100)}),
       "corsa.txt:5:16: avviso: il rallentamento a 1500 m inizia entro i primi 1500 m: non ha "
       "punto di avviso né celle di preavviso\n"
       "rallentamento, 1500, 60, 100, 0, 0, 0\n"
       "               ^~~~\n"
       "0 errori, 1 avviso\n"},
      {"signal_without_point_after_slow_order", line_text(),
       run_text({slow(3000, 100), signal(4000)}),
       "corsa.txt:6:10: avviso: il primo segnale dopo la fine del rallentamento della riga 5 del "
       "testo della corsa sta 18 celle dopo la cella di fine, oltre le 12 in cui la passata finale "
       "mette un punto di abbattimento davanti al primo segnale: questo non lo riceve\n"
       "segnale, 4000, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0\n"
       "         ^~~~\n"
       "0 errori, 1 avviso\n"},
      {"run_without_general_section", line_text(),
       joined({"[generali]", "numero vetture, 4", "[fine]"}),
       "corsa.txt:1:1: avviso: il testo della corsa non ha un campo con \"[generale]\" seguito da "
       "altro: della corsa non è compilato nulla\n"
       "[generali]\n"
       "^\n"
       "0 errori, 1 avviso\n"},
      {"suspicious_station_name", line_text(), run_text({station(3000, 12, 500, "123")}),
       "corsa.txt:5:67: avviso: il nome della stazione è \"123\", un numero: manca o c'è in più un "
       "valore nella riga?\n"
       "stazione, 3000, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, 123\n"
       "                                                                  ^~~\n"
       "0 errori, 1 avviso\n"},
      {"comment_becomes_entry", line_text(),
       run_text(
           {"- commento uno", "- commento due", "- la velocita cambia qui", "velocita, 3000, 80"}),
       "corsa.txt:7:1: errore 25: la voce \"velocita\" ha 0 valori sulla sua riga, ne servono 2: "
       "il valore posizione in m è stato letto alla riga 8, dove c'è \"velocita\", che non è un "
       "numero\n"
       "- la velocita cambia qui\n"
       "^~~~~~~~~~~~~~~~~~~~~~~~\n"
       "corsa.txt:7:1: avviso: il campo \"- la velocita cambia qui\" contiene \"-\" ma è letto "
       "come voce \"velocita\": solo due campi con il segno meno di fila si saltano, il terzo è "
       "esaminato\n"
       "- la velocita cambia qui\n"
       "^~~~~~~~~~~~~~~~~~~~~~~~\n"
       "1 errore, 1 avviso\n"},
  };
  std::set<std::string> covered;
  for (const WarningCase& c : cases) {
    SCOPED_TRACE(c.id);
    const Checked checked = check(c.line, c.run);
    EXPECT_EQ(checked.out, c.expected);
    EXPECT_EQ(checked.status,
              c.expected.find(": errore ") == std::string::npos ? kExitOk : kExitErrorRecorded);
    covered.insert(c.id);
  }
  // The encoding's own warning and the note of a run checked without a
  // track have tests of their own.
  covered.insert(std::string(diagnostics::warning_id::kUtf8Text));
  covered.insert(std::string(diagnostics::warning_id::kRunCheckedWithoutTrack));
  EXPECT_EQ(covered.size(), 20u);
}

TEST(CheckCommand, TheBuiltInTextsGiveNoErrorAndTheOneWarningTheGuideExplains) {
  TempFolder folder;
  ASSERT_EQ(run_tool_here({"texts", folder.path().string()}).status, kExitOk);
  const std::string run_path = folder.file("Velbrio_Dolvena_30527-.txt");
  const ToolRun run = run_tool_here({"check", folder.file("Velbrio_Dolvena_linea.txt"), run_path});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.out, builtin_texts_diagnostics(run_path));
  EXPECT_EQ(run.err, "");
}

TEST(CheckCommand, ErrorsBehindTheFirstAreFoundTooAndALineErrorHidesNoRunError) {
  // Two stops of the line text, then two of the run text.
  const Checked checked =
      check(line_with({"cartello_indicatore, 2000, (A)", "cartello_indicatore, 2000, (B)",
                       "pendenza, 5000, 300"}),
            run_text({signal(3000), signal(3000), station(6025, 12, 500)}));
  EXPECT_EQ(checked.status, kExitErrorRecorded);
  EXPECT_EQ(checked.out,
            "linea.txt:8:22: errore 6: la cella 41 (km 2+050) del cartello è già occupata dal "
            "cartello con testo della riga 7 del testo della linea\n"
            "cartello_indicatore, 2000, (B)\n"
            "                     ^~~~\n"
            "linea.txt:9:17: errore 208: la pendenza 300 per mille è fuori dall'intervallo da -100 "
            "a 155 che la cella può contenere\n"
            "pendenza, 5000, 300\n"
            "                ^~~\n"
            "corsa.txt:6:10: errore 16: la cella 61 (km 3+050) del segnale è già occupata dal "
            "segnale della riga 5 del testo della corsa\n"
            "segnale, 3000, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0\n"
            "         ^~~~\n"
            "corsa.txt:7:11: errore 8: la posizione della stazione, 6025 m, non è multipla di 50\n"
            "stazione, 6025, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, STAZIONE\n"
            "          ^~~~\n"
            "4 errori, 0 avvisi\n");
}

// A misspelt length is told where it stands, the section without one where
// it ends, and the run text is still checked; a missing value is told at
// its own row.
TEST(CheckCommand, ALineWithoutTrackStillLetsTheRunBeChecked) {
  const Checked checked = check(
      joined({"[generale]", "lunghezza percorzo, 10000", "[curve]", "pendenza, 0, 2", "[fine]"}),
      joined({"[generale]", "numero vetture, 4", "velocita, 0", "aderenza, 0, 90", "[fine]"}));
  EXPECT_EQ(checked.status, kExitErrorRecorded);
  EXPECT_EQ(checked.out,
            "linea.txt:2:1: avviso: \"lunghezza percorzo\" non contiene alcuna parola chiave: il "
            "campo è ignorato; forse \"lunghezza percorso\"?\n"
            "lunghezza percorzo, 10000\n"
            "^~~~~~~~~~~~~~~~~~\n"
            "linea.txt:3:1: errore 201: la sezione \"[generale]\" finisce senza la voce "
            "\"lunghezza percorso\": non c'è un binario in cui compilare la linea\n"
            "[curve]\n"
            "^~~~~~~\n"
            "corsa.txt:1:1: nota: il testo della linea non dà un binario: il testo della corsa è "
            "controllato su un binario di 1000000 m senza cartelli, senza le prove di posizione né "
            "la passata finale\n"
            "[generale]\n"
            "^\n"
            "corsa.txt:3:1: errore 25: la voce \"velocita\" ha 1 valore sulla sua riga, ne servono "
            "2: il valore velocità in km/h è stato letto alla riga 4, dove c'è \"aderenza\", che "
            "non è un numero\n"
            "velocita, 0\n"
            "^~~~~~~~\n"
            "2 errori, 1 avviso, 1 nota\n");
}

// The compile's own failures say what was read and what was expected.
TEST(CheckCommand, Code25SaysWhatWasReadAndWhatWasExpected) {
  const Checked checked =
      check(joined({"[generale]", "lunghezza percorso, 10000",
                    "progressiva chilometrica uno, 50, 2147483600, 1", "[curve]", "pendenza, 0, 2",
                    "indicatori_vmax, 2000, 1700, 100, 100, 0, , , , 0", "[fine]"}),
            joined({"[generale]", "numero vetture, 4", "velocita, 0, 2000", "aderenza, 0, 90",
                    station(3000, 300, 500, "X"), "sabbia, 70000", "[fine]"}));
  EXPECT_EQ(checked.status, kExitErrorRecorded);
  EXPECT_EQ(checked.out,
            "linea.txt:3:35: errore 25: il secondo valore della progressiva chilometrica, con il "
            "terzo a 1, riceve 100 in più e non sta più in un campo a 32 bit\n"
            "progressiva chilometrica uno, 50, 2147483600, 1\n"
            "                                  ^~~~~~~~~~\n"
            "linea.txt:6:24: errore 25: i valori del cartello non stanno nei 16 bit della cella: "
            "ogni rango vale velocità a sinistra × 20 + velocità a destra / 5, le strisce sinistra "
            "× 10 + destra\n"
            "indicatori_vmax, 2000, 1700, 100, 100, 0, , , , 0\n"
            "                       ^~~~\n"
            "corsa.txt:3:14: errore 25: la velocità 2000 km/h non sta nella cella, che tiene da 0 "
            "a 1275 km/h in unità di 5 km/h\n"
            "velocita, 0, 2000\n"
            "             ^~~~\n"
            "corsa.txt:5:17: errore 25: tipo di stazione vale 300, fuori dai limiti di un campo a "
            "8 bit (da 0 a 255)\n"
            "stazione, 3000, 300, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, X\n"
            "                ^~~\n"
            "corsa.txt:6:9: errore 25: sabbia vale 70000, fuori dai limiti di un campo a 16 bit "
            "(da -32768 a 32767)\n"
            "sabbia, 70000\n"
            "        ^~~~~\n"
            "5 errori, 0 avvisi\n");
}

TEST(CheckCommand, TheIdentityComesFromTheNamesOfTheTexts) {
  TempFolder folder;
  // A signal in cell 1 makes the identity visible in no message, but the
  // names must give an identity the files could be named with.
  write_bytes(folder.file("Mia_linea.txt"), line_text());
  write_bytes(folder.file("Mia_42-.txt"), run_text());
  EXPECT_EQ(
      run_tool_here({"check", folder.file("Mia_linea.txt"), folder.file("Mia_42-.txt")}).status,
      kExitOk);
  const ToolRun bad = run_tool_here(
      {"check", folder.file("Mia_linea.txt"), folder.file("Mia_42-.txt"), "--train", "a/b"});
  EXPECT_EQ(bad.status, kExitUsageOrFile);
  EXPECT_EQ(bad.err,
            "scenario_tool: check: --train non può contenere / o \\: a/b\n"
            "scenario_tool --help spiega l'uso.\n");
}

TEST(CheckCommand, ATextSavedAsUtf8IsToldAndConverted) {
  // "CITTÀ" as an editor saving UTF-8 leaves it: C3 80 for the À.
  const std::string run = run_text({station(3000, 12, 500, "CITT\xC3\x80")});
  const Checked as_cp1252 = check(line_text(), run);
  EXPECT_EQ(as_cp1252.status, kExitOk);
  EXPECT_EQ(as_cp1252.out,
            "corsa.txt:5:71: avviso: il testo sembra salvato in UTF-8: \"Ã€\" è forse \"À\"; i "
            "testi sono in Windows-1252 (con --encoding utf-8 il testo è convertito)\n"
            "stazione, 3000, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 22, 0, 0, CITTÃ€\n"
            "                                                                      ^~\n"
            "0 errori, 1 avviso\n");
  const Checked converted = check(line_text(), run, {"--encoding", "utf-8"});
  EXPECT_EQ(converted.status, kExitOk);
  EXPECT_EQ(converted.out, "0 errori, 0 avvisi\n");

  // A character Windows-1252 cannot hold is refused with its place.
  const Checked refused = check(line_text(), run_text({station(3000, 12, 500, "OK \xE2\x9C\x93")}),
                                {"--encoding", "utf-8"});
  EXPECT_EQ(refused.status, kExitUsageOrFile);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err,
            "scenario_tool: corsa.txt:5:70: \"✓\": il carattere U+2713 non ha forma in "
            "Windows-1252\n");
}

TEST(CheckCommand, AFolderOrAFileWithNulBytesIsNoText) {
  TempFolder folder;
  write_bytes(folder.file("linea.txt"), line_text());
  write_bytes(folder.file("nul.txt"), std::string("[generale]\r\nnumero\0 vetture, 4\r\n", 30));
  std::filesystem::create_directory(folder.file("cartella"));
  const ToolRun directory =
      run_tool_here({"check", folder.file("linea.txt"), folder.file("cartella")});
  EXPECT_EQ(directory.status, kExitUsageOrFile);
  EXPECT_EQ(directory.err,
            "scenario_tool: " + folder.file("cartella") + ": è una cartella, non un testo\n");
  const ToolRun nul = run_tool_here({"check", folder.file("linea.txt"), folder.file("nul.txt")});
  EXPECT_EQ(nul.status, kExitUsageOrFile);
  EXPECT_EQ(nul.err, "scenario_tool: " + folder.file("nul.txt") +
                         ":2:7: contiene byte NUL: non è un testo (un file binario?)\n");
}

// The JSON output is valid UTF-8 JSON whatever the texts hold: here a
// Windows-1252 letter and control bytes in a field that is no keyword.
TEST(CheckCommand, JsonIsReadByAStrictParser) {
  const Checked checked = check(
      line_text(), run_text({"citt\xE0\x01\x1b[31m, 1", signal(2000), signal(2000)}), {"--json"});
  EXPECT_EQ(checked.status, kExitErrorRecorded);
  TempFolder folder;
  write_bytes(folder.file("out.json"), checked.out);
  // Python's json module refuses anything but strict JSON in UTF-8.
  const scenario::testing::ProcessResult parsed = scenario::testing::run_process(
      "/usr/bin/python3",
      {"-c",
       "import json, sys\n"
       "data = json.loads(open(sys.argv[1], 'rb').read().decode('utf-8', 'strict'))\n"
       "print(data['errors'], data['warnings'], len(data['diagnostics']))\n"
       "print(data['diagnostics'][0]['message'])\n",
       folder.file("out.json")},
      folder.path().string());
  ASSERT_EQ(parsed.status, 0) << parsed.standard_error << checked.out;
  EXPECT_EQ(parsed.standard_output,
            "1 1 2\n"
            "\"città\\x01\\x1b[31m\" non contiene alcuna parola chiave: il campo è ignorato\n");
}

}  // namespace
}  // namespace scenario::tools
