#pragma once

#include <functional>
#include <string>

#include "package/scenario_content.h"

namespace scenario::app {

// One whole run of an installer program, as its main runs it: takes the
// scenario to install, opens the window, installs into the folder that
// holds the executable, and turns every way the run can end into its exit
// status (exit_status.h), with the message on standard error prefixed by
// `program_name`. `scenario` may throw package::PackageFault (the scenario
// a package carries cannot be read): then no window opens and nothing is
// written.
int run_installer(const std::string& program_name,
                  const std::function<package::ScenarioContent()>& scenario);

}  // namespace scenario::app
