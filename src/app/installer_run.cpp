#include "app/installer_run.h"

#include <exception>
#include <iostream>

#include "app/exit_status.h"
#include "app/form1.h"
#include "package/package_format.h"
#include "platform/display.h"
#include "platform/file_error.h"
#include "platform/paths.h"

namespace scenario::app {

int run_installer(const std::string& program_name,
                  const std::function<package::ScenarioContent()>& scenario) {
  try {
    package::ScenarioContent content = scenario();
    auto display = platform::make_display();
    Form1 form(*display, platform::executable_folder(), std::move(content));
    return form.load();
  } catch (const package::PackageFault& fault) {
    std::cerr << program_name << ": nessun file scritto: " << fault.what() << '\n';
    return kExitPackageFault;
  } catch (const platform::FileError& error) {
    std::cerr << program_name << ": impossibile completare l'installazione: " << error.path()
              << ": " << error.reason() << '\n';
    return kExitFileFailure;
  } catch (const std::exception& error) {
    std::cerr << program_name << ": errore interno: " << error.what() << '\n';
    return kExitInternalError;
  }
}

}  // namespace scenario::app
