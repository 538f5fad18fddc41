#pragma once

#include <optional>
#include <string>

namespace scenario::tools {

// The program a package is made from, one per system.
enum class PackageSystem { kLinux, kWindows };

// Where the package base for `system` is: beside scenario_tool
// (scenario_package_base, scenario_package_base.exe), else where the build
// that made this tool left it (the Windows one in the cross build's
// folder). Nothing where neither holds it.
std::optional<std::string> package_base(PackageSystem system);

// The name under which a package base is built: "scenario_package_base",
// with ".exe" for Windows.
std::string package_base_name(PackageSystem system);

}  // namespace scenario::tools
