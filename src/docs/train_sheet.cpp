// The train sheet: identity, classification and braked mass of train 30527,
// and its timetable from VELBRIO S.M.N. to DOLVENA C.LE.

#include <array>

#include "docs/driver_documents.h"
#include "docs/table_cells.h"
#include "docs/timetable_row.h"
#include "docs/train_sheet_form.h"
#include "text/line_list.h"

namespace scenario::docs {
namespace {

// The timetable rows. Stations, stops and times are those of the run: a stop
// is given by its departure and dwell time, a service stop shows its arrival
// alone. Passing times are the run's times interpolated by distance between
// the neighbouring stops, to the minute. Line speeds change where the run's
// speed limits change (at the nearest point the sheet lists); block posts
// stand at the run's main signals in open line.
const std::array<TimetableRow, 36> kTimetable = {{
    {30, 30, 0, "VELBRIO S.M.N.", departs(clock_time(21, 55))},
    {115, 105, 1000, "deviatoio uscita", {}},
    {0, 0, 2750, "VELBRIO PORTA SERRA", stops(clock_time(22, 0), 50)},
    {150, 140, 3300, "deviatoio uscita", {}},
    {0, 0, 5200, "CAMPOLUNGO", passes(clock_time(22, 4))},
    {160, 150, 5450, "deviatoio uscita", {}},
    {0, 0, 6600, "PIANELLA", passes(clock_time(22, 6))},
    {0, 0, 8000, "SESTO MARINO", stops(clock_time(22, 9), 50)},
    {0, 0, 9050, "CALVANO", passes(clock_time(22, 10))},
    {0, 0, 11000, "MONTERUPI", passes(clock_time(22, 12))},
    {0, 0, 12550, "LE FORNACI", passes(clock_time(22, 13))},
    {115, 105, 16350, "ROCCA-FIORALE", stops(clock_time(22, 18), 50)},
    {0, 0, 21350, "P 134", {}},
    {0, 0, 26200, "CASTELNUOVO ALTO", stops(clock_time(22, 27), 30)},
    {0, 0, 31400, "P 136", {}},
    {0, 0, 36800, "VALDERNO", stops(clock_time(22, 36), 30)},
    {0, 0, std::nullopt, "TERME DI VALDERNO", {}},
    {160, 150, 37250, "imbocco gall. MONTE SIVELLO", {}},
    {0, 0, 41900, "P 138", {}},
    {0, 0, 46800, "p.c. precedenze", passes(clock_time(22, 43, 30) - 30)},
    {0, 0, 51200, "P 140", {}},
    {120, 110, 55750, "sbocco gall. MONTE SIVELLO", {}},
    {0, 0, 56300, "SAN VITO IN VALLE", stops(clock_time(22, 49), 30)},
    {160, 150, 56850, "cippo km 56.850", {}},
    {135, 125, 61400, "POGGIOBRUNO", stops(clock_time(22, 54, 30), 30)},
    {0, 0, 66550, "P 142", {}},
    {0, 0, 71300, "LAGO DI VENTA", stops(clock_time(23, 3), 30)},
    // The line speed rises in the tunnel, the running speed stays: the slow
    // order at 74.950 and the stop at CERRETO SCALO follow.
    {160, 0, 72600, "imbocco gall. POGGIO NERO", {}},
    {0, 0, 76000, "P 144", {}},
    {135, 125, 80500, "CERRETO SCALO", stops(clock_time(23, 11, 30), 30)},
    {0, 0, 85000, "P 146", {}},
    {0, 0, 90600, "SANT'ILARIO", stops(clock_time(23, 19), 30)},
    {0, 0, 93650, "BIVIO CAMPORA", {}},
    {65, 60, 95500, "protezione DOLVENA C.LE", {}},
    {30, 30, 95950, "deviatoio ingresso", {}},
    {0, 0, 96600, "DOLVENA C.LE", arrives(clock_time(23, 26))},
}};

}  // namespace

text::LineList builtin_train_sheet() {
  text::LineList lines;
  lines.add("");
  lines.add("");
  // Identity band: train number, title with the terminal stations, speed
  // rank over braked-mass percentage.
  add_form_lines(lines, kSheetIdentityHead);
  lines.add(" |   TRENO n.30527   |                   da: VELBRIO S.M.N.        |   V 160 B    |");
  lines.add(" |___________________|                    a: DOLVENA C.LE          |     125%     |");
  add_form_lines(lines, kSheetClassificationHead);
  lines.add(" |     REGIONALE     |              |      360T         |");
  add_form_lines(lines, kSheetTimetableHead);
  for (const TimetableRow& row : kTimetable)
    lines.add(timetable_row(row));
  add_form_lines(lines, kSheetTimetableFoot);
  lines.add(" Fermata a p.c. precedenze per servizio personale, perditempo 2 min.");
  lines.end();
  return lines;
}

void dati_scheda(const std::string& path) {
  text::write_lines(path, builtin_train_sheet());
}

}  // namespace scenario::docs
