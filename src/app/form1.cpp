#include "app/form1.h"

#include <iostream>

#include "app/compile_error_message.h"
#include "app/description_text_files.h"
#include "app/exit_status.h"
#include "diagnostics/checker.h"
#include "finish/memorizza_percorso.h"
#include "platform/files.h"
#include "text/cp1252.h"

namespace scenario::app {

std::string application_title(const package::ScenarioContent& content) {
  return content.line_id + " " + content.train_number;
}

Form1::Form1(platform::Display& display, std::string installation_folder)
    : Form1(display, std::move(installation_folder), builtin_scenario_content()) {}

Form1::Form1(platform::Display& display, std::string installation_folder,
             package::ScenarioContent content)
    : display_(display),
      installation_folder_(std::move(installation_folder)),
      content_(std::move(content)) {}

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
  line_id_ = content_.line_id;
  train_number_ = content_.train_number;
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
  display_.message_box(application_title(content_), " Errore n. " + a);
  return kExitStampConflict;
}

namespace {

// Replaces the file at `path` with `bytes`, which are let go once written:
// the run needs them no more, and the compile then reuses their memory.
// Throws platform::FileError.
void write_text(const std::string& path, std::string& bytes) {
  const std::string written = std::move(bytes);
  platform::replace_file(path, [&](platform::OutputFile& out) { out.write(written); });
}

}  // namespace

void Form1::dati_linea() {
  write_text(file_names().line_text, content_.line_text);
}
void Form1::dati_treno() {
  write_text(file_names().run_text, content_.run_text);
}
void Form1::dati_note() {
  write_text(file_names().notes, content_.notes);
}
void Form1::dati_rallentamenti() {
  write_text(file_names().slow_order, content_.slow_order);
}
void Form1::dati_scheda() {
  write_text(file_names().train_sheet, content_.train_sheet);
}

// False after a stamp conflict, whose code is in the compile state: then no
// binary file has been written.
bool Form1::memorizza_percorso(std::int32_t& j) {
  const ScenarioFileNames names = file_names();
  // The stamps take the identity in the records' own character set.
  records_.line_id = text::utf8_to_cp1252(line_id_);
  records_.train_number = text::utf8_to_cp1252(train_number_);
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
