#include "tools/package_bases.h"

#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace scenario::tools {

std::string package_base_name(PackageSystem system) {
  return system == PackageSystem::kWindows ? "scenario_package_base.exe" : "scenario_package_base";
}

std::optional<std::string> package_base(PackageSystem system) {
  std::string beside_tool;
  try {
    beside_tool = platform::join_path(platform::executable_folder(), package_base_name(system));
  } catch (const platform::FileError&) {
    // The tool's own folder is unknown: only the build's place is left.
  }
  const std::string built = system == PackageSystem::kWindows ? SCENARIO_PACKAGE_BASE_WINDOWS
                                                              : SCENARIO_PACKAGE_BASE_LINUX;
  for (const std::string& candidate : {beside_tool, built}) {
    if (!candidate.empty() && platform::file_exists(candidate))
      return candidate;
  }
  return std::nullopt;
}

}  // namespace scenario::tools
