#pragma once

#include <string>

namespace scenario::platform {

// The full path of the running executable, as Windows reports it.
std::wstring executable_path();

}  // namespace scenario::platform
