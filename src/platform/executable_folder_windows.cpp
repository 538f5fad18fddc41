// The file and folder of the running executable on Windows, from the module's own
// file name.

#include <windows.h>

#include "platform/executable_path_windows.h"
#include "platform/file_error.h"
#include "platform/paths.h"
#include "platform/windows_text.h"

namespace scenario::platform {

std::wstring executable_path() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      throw FileError("scenario_installer.exe",
                      "percorso dell'eseguibile non leggibile: " + system_reason(GetLastError()));
    }
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);  // the name was cut short
  }
}

std::string executable_file() {
  return to_utf8(executable_path());
}

std::string executable_folder() {
  const std::string path = executable_file();
  const auto separator = path.find_last_of("\\/");
  return separator == std::string::npos ? "." : path.substr(0, separator);
}

}  // namespace scenario::platform
