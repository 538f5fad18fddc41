#include "platform/windows_text.h"

namespace scenario::platform {

std::wstring to_wide(std::string_view utf8) {
  if (utf8.empty())
    return {};
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
      L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string to_utf8(std::wstring_view wide) {
  if (wide.empty())
    return {};
  const int size = static_cast<int>(wide.size());
  std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size,
                                                                nullptr, 0, nullptr, nullptr)),
                   '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()),
                      nullptr, nullptr);
  return utf8;
}

std::string system_reason(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0)
    return "errore di sistema " + std::to_string(error);
  std::wstring reason(text, length);
  LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' ||
                             reason.back() == L' ' || reason.back() == L'.')) {
    reason.pop_back();
  }
  return to_utf8(reason);
}

}  // namespace scenario::platform
