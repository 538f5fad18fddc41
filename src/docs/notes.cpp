// The notes: a page of free text for the driver of train 30527.

#include "docs/driver_documents.h"
#include "text/line_list.h"

namespace scenario::docs {

text::LineList builtin_notes() {
  text::LineList lines;
  lines.add("");
  lines.add("Scenario Velbrio_Dolvena - pacchetto di installazione");
  lines.add("");
  lines.add(
      "Treno 30527, con particolari attenzioni alla guida (si consiglia di leggere la scheda "
      "treno).");
  // Lines are kept as written, not wrapped to a width; the weather
  // paragraph's first line keeps the space before its break.
  lines.add(
      "Il tempo simulato cambia da un versante all'altro dei monti: a sud, da VELBRIO S.M.N. in "
      "poi, ");
  lines.add(
      "si incontrano temporali e rotaie bagnate, con aderenza spesso scarsa, fino all'imbocco "
      "della");
  lines.add(
      "galleria MONTE SIVELLO; in galleria non piove e a nord il cielo è sereno, con le rotaie "
      "asciutte.");
  lines.add("");
  lines.add(
      "Rispetto alla corsa dell'altro treno previsto sulla linea, il 30527 percorre la linea "
      "lenta, con");
  lines.add(
      "diverse fermate, ed è consentita la marcia su entrambi i binari, come sulle linee "
      "banalizzate.");
  lines.add("");
  lines.add(
      "Nel 1996 il treno reale era formato da sette carrozze a piano ribassato e da una "
      "semipilota,");
  lines.add(
      "in composizione reversibile con una locomotiva del gruppo E.646 oppure del gruppo E.656.");
  lines.add("");
  lines.add(
      "Il treno parte da VELBRIO S.M.N. in ritardo: l'orario prevede le 21.55, però sono già le "
      "22.03.");
  lines.add("");
  lines.add("Buon viaggio.");
  lines.end();
  return lines;
}

void dati_note(const std::string& path) {
  text::write_lines(path, builtin_notes());
}

}  // namespace scenario::docs
