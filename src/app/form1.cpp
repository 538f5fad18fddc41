#include "app/form1.h"

#include <iostream>

#include "app/compile_error_message.h"
#include "app/description_text_files.h"
#include "app/exit_status.h"
#include "diagnostics/checker.h"
#include "docs/driver_documents.h"
#include "finish/memorizza_percorso.h"
#include "line/dati_linea.h"
#include "run/dati_treno.h"

namespace scenario::app {

Form1::Form1(platform::Display& display, std::string installation_folder)
    : display_(display), installation_folder_(std::move(installation_folder)) {}

platform::WindowLayout Form1::layout() {
  return {
      .client_width = 4200,
      .client_height = 2688,
      .label_caption = "Attendere",
      .label_left = 960,
      .label_top = 960,
      .label_width = 2652,
      .label_height = 792,
      .font_name = "MS Sans Serif",
      .font_points = 24,
      .font_weight = 700,
  };
}

ScenarioFileNames Form1::file_names() const {
  return scenario_file_names(installation_folder_, line_id_, train_number_);
}

int Form1::load() {
  line_id_ = kLineId;
  train_number_ = kTrainNumber;
  display_.show_window(layout());
  display_.repaint();
  dati_linea();
  dati_treno();
  dati_note();
  dati_rallentamenti();
  dati_scheda();
  std::int32_t j = 1;
  if (!memorizza_percorso(j))
    return errore(std::to_string(records_.state.error_code));
  return report_outcome();
}

int Form1::errore(const std::string& a) {
  display_.message_box(kApplicationTitle, " Errore n. " + a);
  return kExitStampConflict;
}

void Form1::dati_linea() {
  line::dati_linea(file_names().line_text);
}
void Form1::dati_treno() {
  run::dati_treno(file_names().run_text);
}
void Form1::dati_note() {
  docs::dati_note(file_names().notes);
}
void Form1::dati_rallentamenti() {
  docs::dati_rallentamenti(file_names().slow_order);
}
void Form1::dati_scheda() {
  docs::dati_scheda(file_names().train_sheet);
}

// False after a stamp conflict, whose code is in the compile state: then no
// binary file has been written.
bool Form1::memorizza_percorso(std::int32_t& j) {
  const ScenarioFileNames names = file_names();
  records_.line_id = line_id_;
  records_.train_number = train_number_;
  texts_ = take_description_texts(names);
  return finish::memorizza_percorso(records_, texts_,
                                    {names.line_data, names.scenario_table, names.cell_file},
                                    j) != finish::Outcome::kStampConflict;
}

int Form1::report_outcome() const {
  const records::CompileState& state = records_.state;
  if (state.error_code == 0)
    return kExitInstalled;
  // Only on this path, where an error is to be told: the same texts
  // compiled again, traced, to tell it in the author's terms.
  std::optional<diagnostics::Diagnostic> explained;
  if (texts_.line && texts_.run) {
    explained = diagnostics::explain_recorded_code({texts_.line->content, texts_.run->content,
                                                    records_.line_id, records_.train_number,
                                                    records_.write_line_data});
  }
  std::cerr << compile_error_message(state, explained ? &*explained : nullptr) << '\n';
  return kExitCompileError;
}

}  // namespace scenario::app
