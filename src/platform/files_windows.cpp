// File operations on Windows.

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/windows_text.h"

namespace scenario::platform {
namespace {

std::string reason(std::string_view what, DWORD error) {
  return std::string(what) + ": " + system_reason(error);
}

std::string folder_of(const std::string& path) {
  const auto separator = path.find_last_of("\\/");
  return separator == std::string::npos ? "." : path.substr(0, separator);
}

std::string name_of(const std::string& path) {
  const auto separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

// Closes the handle and removes the temporary file unless the replacement
// was completed.
class TemporaryFile {
 public:
  ~TemporaryFile() {
    if (handle != INVALID_HANDLE_VALUE)
      CloseHandle(handle);
    if (!name.empty())
      DeleteFileW(name.c_str());
  }
  HANDLE handle = INVALID_HANDLE_VALUE;
  std::wstring name;
};

class WindowsOutputFile final : public OutputFile {
 public:
  WindowsOutputFile(HANDLE handle, const std::string& target) : handle_(handle), target_(target) {}
  using OutputFile::write;

  void write(std::span<const std::uint8_t> bytes) override {
    const std::uint8_t* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 30));
      DWORD done = 0;
      if (!WriteFile(handle_, data, chunk, &done, nullptr)) {
        throw FileError(target_, reason("scrittura non riuscita", GetLastError()));
      }
      data += done;
      left -= done;
    }
  }

 private:
  HANDLE handle_;
  const std::string& target_;
};

// A new file beside the target, under a name no one else uses.
void open_temporary(const std::string& path, TemporaryFile& temp) {
  const std::string stem = folder_of(path) + "\\." + name_of(path) + ".tmp-" +
                           std::to_string(GetCurrentProcessId()) + "-";
  for (int attempt = 0;; ++attempt) {
    const std::wstring name = to_wide(stem + std::to_string(attempt));
    temp.handle = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (temp.handle != INVALID_HANDLE_VALUE) {
      temp.name = name;
      return;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS || attempt == 100) {
      throw FileError(path, reason("creazione non riuscita", error));
    }
  }
}

}  // namespace

bool file_exists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(to_wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string read_file(const std::string& path) {
  const HANDLE handle = CreateFileW(to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    throw FileError(path, reason("lettura non riuscita", GetLastError()));
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    DWORD done = 0;
    if (!ReadFile(handle, buffer, sizeof buffer, &done, nullptr)) {
      const DWORD error = GetLastError();
      CloseHandle(handle);
      throw FileError(path, reason("lettura non riuscita", error));
    }
    if (done == 0)
      break;
    bytes.append(buffer, done);
  }
  CloseHandle(handle);
  return bytes;
}

FileTail read_file_tail(const std::string& path, std::uint64_t count) {
  const HANDLE handle = CreateFileW(to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    throw FileError(path, reason("lettura non riuscita", GetLastError()));
  auto fail = [&](DWORD error) {
    CloseHandle(handle);
    throw FileError(path, reason("lettura non riuscita", error));
  };
  LARGE_INTEGER size;
  if (!GetFileSizeEx(handle, &size))
    fail(GetLastError());
  FileTail tail;
  tail.file_size = static_cast<std::uint64_t>(size.QuadPart);
  const std::uint64_t wanted = std::min(count, tail.file_size);
  LARGE_INTEGER start;
  start.QuadPart = static_cast<LONGLONG>(tail.file_size - wanted);
  if (!SetFilePointerEx(handle, start, nullptr, FILE_BEGIN))
    fail(GetLastError());
  tail.bytes.resize(static_cast<std::size_t>(wanted));
  std::uint64_t done = 0;
  while (done < wanted) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::uint64_t>(wanted - done, 1u << 20));
    DWORD got = 0;
    if (!ReadFile(handle, tail.bytes.data() + done, chunk, &got, nullptr))
      fail(GetLastError());
    if (got == 0)
      fail(ERROR_HANDLE_EOF);
    done += got;
  }
  CloseHandle(handle);
  return tail;
}

void remove_file(const std::string& path) {
  if (DeleteFileW(to_wide(path).c_str()))
    return;
  const DWORD error = GetLastError();
  if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
    throw FileError(path, reason("cancellazione non riuscita", error));
  }
}

void replace_file(const std::string& path, const std::function<void(OutputFile&)>& write,
                  FileKind /*kind: a file's name, not its mode, makes it a program here*/) {
  TemporaryFile temp;
  open_temporary(path, temp);
  WindowsOutputFile out(temp.handle, path);
  write(out);
  if (!FlushFileBuffers(temp.handle)) {
    throw FileError(path, reason("scrittura non riuscita", GetLastError()));
  }
  CloseHandle(temp.handle);
  temp.handle = INVALID_HANDLE_VALUE;
  if (!MoveFileExW(temp.name.c_str(), to_wide(path).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    throw FileError(path, reason("sostituzione non riuscita", GetLastError()));
  }
  temp.name.clear();  // the temporary file is now the target
}

}  // namespace scenario::platform
