// A windowed program started from the desktop has no standard error: what
// the installer reports there (a file that could not be written, an error
// recorded by the compiler) would be lost. It is collected instead and shown
// in a message box when the program ends, after the installer's own window
// is gone. Started from a console, or with standard error redirected, the
// report goes there as usual.

#include <windows.h>

#include <iostream>
#include <sstream>

#include "platform/executable_path_windows.h"
#include "platform/windows_text.h"

namespace scenario::platform {
namespace {

bool has_standard_error() {
  const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

class StandardErrorReport {
 public:
  StandardErrorReport() : previous_(std::cerr.rdbuf(collected_.rdbuf())) {}
  ~StandardErrorReport() {
    std::cerr.rdbuf(previous_);
    const std::string text = collected_.str();
    if (text.empty())
      return;
    std::wstring title = executable_path();
    title.erase(0, title.find_last_of(L"\\/") + 1);
    MessageBoxW(nullptr, to_wide(text).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
  }
  StandardErrorReport(const StandardErrorReport&) = delete;
  StandardErrorReport& operator=(const StandardErrorReport&) = delete;

 private:
  std::ostringstream collected_;
  std::streambuf* previous_;
};

}  // namespace

void report_standard_error_at_exit() {
  if (has_standard_error())
    return;
  // Destroyed when main has returned, after every object of main's.
  static StandardErrorReport report;
}

}  // namespace scenario::platform
