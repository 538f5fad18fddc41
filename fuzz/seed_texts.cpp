#include "fuzz/seed_texts.h"

#include "line/builtin_line.h"
#include "run/builtin_run_text.h"
#include "text/line_list.h"

namespace scenario::fuzz {
namespace {

// A line of 3000 m (cells 0 to 200) followed by `entries`.
std::string short_line(const std::string& entries) {
  return "[generale]\r\nlunghezza percorso,    3000\r\n[curve]\r\n" + entries + "[fine]\r\n";
}

std::string run_text(const std::string& rows) {
  return "[generale]\r\n" + rows + "[fine]\r\n";
}

}  // namespace

SeedText builtin_line_seed() {
  return {"builtin-line", text::render_lines(line::builtin_line())};
}

SeedText builtin_run_seed() {
  return {"builtin-run", text::render_lines(run::builtin_run_text())};
}

std::vector<SeedText> small_line_texts() {
  return {
      {"short-line", short_line("")},
      {"gradients", short_line("pendenza,  0,   2\r\npendenza,  100,   4\r\npendenza,  100,   6\r\n"
                               "pendenza,  2000,   -12\r\n")},
      {"curves",
       short_line("curvad5,  100,  500\r\ncurvaS2,  700,  300\r\ncurvas61,  1200,  50\r\n")},
      {"terrain", short_line("montagna,   100,  1000,  12\r\nmontagna,   1150,  1500,  2\r\n"
                             "montagna,   1700,  2000,  11\r\n")},
      {"speed-indicators",
       short_line("indicatori_vmax,  1000,  105,  115,  120,  0,  ,  ,  ,  0\r\n"
                  "indicatori_vmax,  1600,  110,  115,  120,  2,  110,  115,  120,  1\r\n")},
      {"sign-boards",
       short_line("cartello_indicatore,  200,   (GALLERIA )(M.SIVELLO)(Km 18+510)\r\n"
                  "cartello_indicatore,  400,   (VIADOTTO)(FRASSINE)\r\n")},
      {"dashed", short_line("-a\r\n-b\r\n-pendenza,  100,   5\r\nla PENDENZA,  200,   5\r\n")},
      {"general-section",
       "[generale]\r\nprogressiva chilometrica uno,    5000,    1,    1\r\n"
       "progressiva chilometrica due,    9000,    2,    0\r\n"
       "progressiva chilometrica tre,    7000,    3,    0\r\n"
       "sfondo uno,    0\r\nsfondo due,    1\r\nsfondo tre,    0\r\n"
       "ripetizione segnali 9 codici,    1050,    2000\r\nLUNGHEZZA PERCORSO, 3000\r\n[fine]\r\n"},
      {"too-long", "[generale]\r\nlunghezza percorso, 1000001\r\n[fine]\r\n"},
      {"no-length", "[generale]\r\nsfondo uno, 0\r\n[curve]\r\npendenza, 0, 1\r\n"},
      {"cut-short", short_line("pendenza,  100")},
  };
}

std::vector<SeedText> small_run_texts() {
  return {
      {"train-values",
       run_text("numero vetture,    8\r\npercentuale massa frenata,    125\r\n"
                "sabbia,    300\r\norologio,    22              3             40 \r\n")},
      {"fills",
       run_text("aderenza,       0,    75\r\naderenza,    1000,    95\r\n"
                "velocita,   0,    30\r\nvelocita,     900,   115\r\nVELOCIT\xC0, 1500, 60\r\n")},
      {"stations",
       run_text(
           "stazione,       0,  8,  600,  0, 0, 0,  1,1,0,  4,1,1,    1,  21,55, 0, VELBRIO\r\n"
           "stazione,    1500, 12,  500,  0, 0, 1,  1,1,0,  5,6,1,   50,  22, 0, 0, "
           "ROCCA-FIORALE\r\n"
           "stazione,    2500, 27,  400,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, P.C. "
           "BIVIO\r\n")},
      {"slow-sections", run_text("rallentamento,    1550,    60,  150, 0,  1,  60\r\n"
                                 "rallentamento,    2400,    90,  450, 0,  0,  0\r\n")},
      {"signals", run_text("segnale,    1050,   1, 5, 1, 0,  0, 0,    0,  0,0,0,   0\r\n"
                           "segnale,    2500,   2, 2, 3, 0,  1, 2,    2,  1,0, 50\r\n")},
      {"abatement-points", run_text("abbattimento, 2000, 60\r\nabbattimento, 2200, 0\r\n")},
      {"comments", run_text("-- commento\r\n-- altro\r\nnumero vetture, 8\r\n-- a\r\n-- b\r\n"
                            "-- vetture, 12\r\nsabbia, 7\r\n")},
      {"cut-short", "[generale]\r\nnumero vetture, 8\r\nsegnale, 1050, 1, 5\r\n"},
  };
}

}  // namespace scenario::fuzz
