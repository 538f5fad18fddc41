// The scenario installer: writes the built-in scenario into the folder that
// holds this executable, then ends. It takes no input at all.

#include <exception>
#include <iostream>

#include "app/exit_status.h"
#include "app/form1.h"
#include "platform/display.h"
#include "platform/file_error.h"
#include "platform/paths.h"

int main() {
  using namespace scenario;
  try {
    auto display = platform::make_display();
    app::Form1 form(*display, platform::executable_folder());
    return form.load();
  } catch (const platform::FileError& error) {
    std::cerr << "scenario_installer: impossibile completare l'installazione: " << error.path()
              << ": " << error.reason() << '\n';
    return app::kExitFileFailure;
  } catch (const std::exception& error) {
    std::cerr << "scenario_installer: errore interno: " << error.what() << '\n';
    return app::kExitInternalError;
  }
}
