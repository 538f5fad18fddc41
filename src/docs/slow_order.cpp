// The slow order ("Modulo M. 3"): the temporary speed restrictions in force
// for train 30527, with the places named as on the train sheet.

#include <array>
#include <string_view>

#include "docs/driver_documents.h"
#include "docs/table_cells.h"
#include "text/line_list.h"

namespace scenario::docs {
namespace {

struct Restriction {
  int number;
  std::string_view between;  // the two places, joined by " - "
  int after_post_metres;     // the kilometre post after which it begins
  int speed;                 // km/h
  int length;                // metres
};

// The run's two slow orders, from 9850 and from 74950. "CERRETO SCALO" is
// shortened to "CERRETO SC." because both names in full do not fit the
// 28-character cell.
constexpr std::array<Restriction, 2> kRestrictions = {{
    {1, "CALVANO - MONTERUPI", 9000, 60, 150},
    {2, "LAGO DI VENTA - CERRETO SC.", 74000, 90, 250},
}};

constexpr std::size_t kRowsOnTheForm = 26;

std::string restriction_row(const Restriction& restriction) {
  return table_row({" " + right_aligned(std::to_string(restriction.number), 1) + " ",
                    left_aligned(restriction.between, 28),
                    right_aligned(kilometres(restriction.after_post_metres), 9) + "   ",
                    "    " + right_aligned(std::to_string(restriction.speed), 2) + "    ",
                    "    " + right_aligned(std::to_string(restriction.length), 3) + "  ",
                    std::string(12, ' ')});
}

std::string empty_row() {
  return table_row({std::string(3, ' '), std::string(28, ' '), std::string(12, ' '),
                    std::string(10, ' '), std::string(9, ' '), std::string(12, ' ')});
}

constexpr const char* kTableBottom =
    " |___|____________________________|____________|__________|_________|____________|";

}  // namespace

text::LineList builtin_slow_order() {
  text::LineList lines;
  lines.add("");
  lines.add("                               Modulo M. 3");
  lines.add("                           ORDINE DI RALLENTAMENTO");
  lines.add(" " + std::string(80, '_'));
  lines.add("  Linea  VELBRIO S.M.N. - DOLVENA C.LE");
  lines.add("");
  lines.add("  Si ordina al macchinista del treno 30527 di effettura i seguenti rallentamenti");
  lines.add("  " + std::string(79, '_'));
  lines.add(" |   |                            |Inizio dopo |          |         |            |");
  lines.add(" | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|");
  lines.add(" |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |");
  lines.add(kTableBottom);
  for (const Restriction& restriction : kRestrictions)
    lines.add(restriction_row(restriction));
  for (std::size_t row = kRestrictions.size(); row < kRowsOnTheForm; ++row)
    lines.add(empty_row());
  lines.add(kTableBottom);
  lines.add("");
  // The letters of the "Prescrizioni specifiche" column, in the form's own
  // order A, B, D, C.
  lines.add("              Prescrizioni specifiche");
  lines.add(" A - Da rispettare con tutto il treno (per i treni viaggiatori)");
  lines.add(" B - Interessa anche la stazione di.......");
  lines.add(" D - Rallentamneto N. ... e N. ...  sono contigui");
  lines.add(" C - Da rispettare dalle ore ....  alle ore ..... di tutti");
  lines.add("     i giorni esclusi i seguenti:.........");
  lines.end();
  return lines;
}


void dati_rallentamenti(const std::string& path) {
  text::write_lines(path, builtin_slow_order());
}

}  // namespace scenario::docs
