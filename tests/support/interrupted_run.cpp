#include "interrupted_run.h"

#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <system_error>
#include <thread>

#include "child_process.h"

namespace scenario::testing {
namespace {

namespace fs = std::filesystem;

// Time the program runs between two looks.
constexpr auto kRunBetweenLooks = std::chrono::microseconds(100);

// How long a killed program may take to be gone.
constexpr auto kEndPatience = std::chrono::seconds(10);

// A file of `folder` that the stopped process holds open with a size in
// the range, if any.
std::optional<Interruption> file_being_written(pid_t pid, const std::string& folder,
                                               std::uint64_t more_than, std::uint64_t less_than) {
  const fs::path descriptors = "/proc/" + std::to_string(pid) + "/fd";
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(descriptors, error)) {
    const fs::path target = fs::read_symlink(entry.path(), error);
    if (error || target.string().rfind(folder + "/", 0) != 0)
      continue;
    struct stat info;
    if (::stat(entry.path().c_str(), &info) != 0 || !S_ISREG(info.st_mode))
      continue;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > more_than && size < less_than)
      return Interruption{.killed = true, .status = -1, .file = target.string(), .size = size};
  }
  return std::nullopt;
}

}  // namespace

Interruption kill_while_writing(const std::string& program, const std::string& folder,
                                std::uint64_t more_than, std::uint64_t less_than) {
  SpawnedProcess child(program, {}, folder);
  for (;;) {
    std::this_thread::sleep_for(kRunBetweenLooks);
    if (!child.pause())
      return Interruption{
          .killed = false, .status = child.wait(kEndPatience).value_or(-1), .file = {}, .size = 0};
    if (auto seen = file_being_written(child.pid(), folder, more_than, less_than)) {
      child.send(SIGKILL);
      seen->status = child.wait(kEndPatience).value_or(-1);
      return *seen;
    }
    child.resume();
  }
}

}  // namespace scenario::testing
