#pragma once

#include <string>

#include "package/scenario_content.h"

namespace scenario::package {

// The scenario the program file at `path` carries, reading only its end:
// the trailer, then the payload and trailer again, never the program
// before them. Throws PackageFault (package_format.h) and
// platform::FileError.
ScenarioContent read_program_scenario(const std::string& path);

}  // namespace scenario::package
