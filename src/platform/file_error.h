#pragma once

#include <stdexcept>
#include <string>

namespace scenario::platform {

// A file that could not be created, read, replaced or removed. Carries the
// path and the operating system's reason so that the one place that reports
// it (the application's main) can name both.
class FileError : public std::runtime_error {
 public:
  FileError(std::string path, std::string reason)
      : std::runtime_error(path + ": " + reason),
        path_(std::move(path)),
        reason_(std::move(reason)) {}

  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string path_;
  std::string reason_;
};

}  // namespace scenario::platform
