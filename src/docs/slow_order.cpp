// The slow order ("Modulo M. 3"): the temporary speed restrictions in force
// for train 30527, with the places named as on the train sheet.

#include <array>
#include <string_view>

#include "docs/driver_documents.h"
#include "docs/slow_order_form.h"
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

std::string restriction_row(const Restriction& restriction) {
  return table_row({" " + right_aligned(std::to_string(restriction.number), 1) + " ",
                    left_aligned(restriction.between, 28),
                    right_aligned(kilometres(restriction.after_post_metres), 9) + "   ",
                    "    " + right_aligned(std::to_string(restriction.speed), 2) + "    ",
                    "    " + right_aligned(std::to_string(restriction.length), 3) + "  ",
                    std::string(12, ' ')});
}

}  // namespace

text::LineList builtin_slow_order() {
  text::LineList lines;
  add_form_lines(lines, kSlowOrderTitle);
  lines.add("  Linea  VELBRIO S.M.N. - DOLVENA C.LE");
  lines.add("");
  lines.add(slow_order_instruction("30527"));
  add_form_lines(lines, kSlowOrderTableHead);
  for (const Restriction& restriction : kRestrictions)
    lines.add(restriction_row(restriction));
  for (std::size_t row = kRestrictions.size(); row < kRestrictionRowsOnAForm; ++row)
    lines.add(empty_restriction_row());
  add_form_lines(lines, kSlowOrderFoot);
  lines.end();
  return lines;
}

void dati_rallentamenti(const std::string& path) {
  text::write_lines(path, builtin_slow_order());
}

}  // namespace scenario::docs
