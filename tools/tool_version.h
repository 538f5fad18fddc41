#pragma once

#include <string_view>

namespace scenario::tools {

// The version `scenario_tool --version` prints. It names the tool's own
// releases; the binary formats it reads and writes are those of the
// installer (doc/*_file.md) and do not change with it.
inline constexpr std::string_view kToolVersion = "1.1.0";

}  // namespace scenario::tools
