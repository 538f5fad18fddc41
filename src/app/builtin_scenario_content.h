#pragma once

#include "package/scenario_content.h"

namespace scenario::app {

inline constexpr char kLineId[] = "Velbrio_Dolvena";
inline constexpr char kTrainNumber[] = "30527";

// The built-in scenario as the installer writes it: its identity, its two
// description texts and its three fixed driver documents.
package::ScenarioContent builtin_scenario_content();

}  // namespace scenario::app
