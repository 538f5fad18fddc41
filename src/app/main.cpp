// The scenario installer: writes the built-in scenario into the folder that
// holds this executable, then ends. It takes no input at all.

#include "app/builtin_scenario_content.h"
#include "app/installer_run.h"

int main() {
  using namespace scenario;
  return app::run_installer("scenario_installer", app::builtin_scenario_content);
}
