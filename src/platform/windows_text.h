#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace scenario::platform {

// The program's texts and paths are UTF-8; Windows takes UTF-16.
std::wstring to_wide(std::string_view utf8);
std::string to_utf8(std::wstring_view wide);

// The system's own description of an error code from GetLastError.
std::string system_reason(DWORD error);

}  // namespace scenario::platform
