#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/builtin_scenario_content.h"
#include "app/file_names.h"
#include "compiler/description_texts.h"
#include "package/scenario_content.h"
#include "platform/display.h"
#include "records/scenario_records.h"

namespace scenario::app {

// The title of the installer's message boxes: "<line id> <train number>".
std::string application_title(const package::ScenarioContent& content);

// The installer's only window. It owns the scenario it installs (the
// built-in one, or the one a package carries) and its records for the whole
// run; its load handler runs the installation from start to end.
class Form1 {
 public:
  Form1(platform::Display& display, std::string installation_folder);
  Form1(platform::Display& display, std::string installation_folder,
        package::ScenarioContent content);

  // The start-up sequence. Returns the exit status of the run; throws
  // platform::FileError when a file cannot be written.
  int load();

  // Shows " Errore n. " followed by `a` in a message box and, once it is
  // closed, gives the exit status that ends the program.
  int errore(const std::string& a);

  // The window's stored properties.
  static platform::WindowLayout layout();

  const records::ScenarioRecords& records() const { return records_; }

 private:
  ScenarioFileNames file_names() const;

  void dati_linea();
  void dati_treno();
  void dati_note();
  void dati_rallentamenti();
  void dati_scheda();
  bool memorizza_percorso(std::int32_t& j);
  int report_outcome() const;

  platform::Display& display_;
  std::string installation_folder_;
  package::ScenarioContent content_;
  std::string line_id_;
  std::string train_number_;
  records::ScenarioRecords records_;
  // The two texts as the compile read them, for telling a recorded error.
  compiler::DescriptionTexts texts_;
};

}  // namespace scenario::app
