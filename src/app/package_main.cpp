// The base of every packaged installer: the installer itself, whose
// scenario is not built in but appended to its own executable file by
// `scenario_tool package`. It reads that scenario back from its file and
// installs it into the folder that holds it, exactly as the installer
// installs its own; with no scenario appended, or a damaged one, it writes
// nothing. It takes no input: the program's name is read only to name it
// in its messages.

#include <string>

#include "app/installer_run.h"
#include "package/program_scenario.h"
#include "platform/paths.h"

int main(int argc, char** argv) {
  using namespace scenario;
  std::string name = argc > 0 && argv[0] != nullptr ? argv[0] : "";
  name.erase(0, name.find_last_of("/\\") + 1);
  if (name.empty())
    name = "installatore";
  return app::run_installer(
      name, [] { return package::read_program_scenario(platform::executable_file()); });
}
