// File operations on POSIX systems.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/file_error.h"
#include "platform/files.h"

namespace scenario::platform {
namespace {

std::string reason(std::string_view what, int error) {
  return std::string(what) + ": " + std::strerror(error);
}

std::string folder_of(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos)
    return ".";
  if (slash == 0)
    return "/";
  return path.substr(0, slash);
}

std::string name_of(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

class PosixOutputFile final : public OutputFile {
 public:
  PosixOutputFile(int fd, const std::string& target) : fd_(fd), target_(target) {}
  using OutputFile::write;

  void write(std::span<const std::uint8_t> bytes) override {
    const std::uint8_t* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
      ssize_t done = ::write(fd_, data, left);
      if (done < 0) {
        if (errno == EINTR)
          continue;
        throw FileError(target_, reason("scrittura non riuscita", errno));
      }
      data += done;
      left -= static_cast<std::size_t>(done);
    }
  }

 private:
  int fd_;
  const std::string& target_;
};

// Closes the descriptor and removes the named temporary file (if any) unless
// the replacement was completed.
class TemporaryFile {
 public:
  ~TemporaryFile() {
    if (fd >= 0)
      ::close(fd);
    if (!name.empty())
      ::unlink(name.c_str());
  }
  int fd = -1;
  std::string name;  // empty while the file is anonymous
};

// Opens the new file's contents. Where the file system allows it the file has
// no name at all until it is complete, so a run killed mid-write leaves
// nothing behind; elsewhere it gets a hidden name beside the target.
void open_temporary(const std::string& path, mode_t mode, TemporaryFile& temp) {
  const std::string folder = folder_of(path);
#ifdef O_TMPFILE
  temp.fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  if (temp.fd >= 0) {
    // An anonymous file is created with the mode bits unmasked.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temp.fd, mode & ~mask);
    return;
  }
  if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
    throw FileError(path, reason("creazione non riuscita", errno));
  }
#endif
  for (int attempt = 0;; ++attempt) {
    std::ostringstream name;
    name << folder << '/' << '.' << name_of(path) << ".tmp-" << ::getpid() << '-' << attempt;
    temp.fd = ::open(name.str().c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
    if (temp.fd >= 0) {
      temp.name = name.str();
      return;
    }
    if (errno != EEXIST || attempt == 100) {
      throw FileError(path, reason("creazione non riuscita", errno));
    }
  }
}

// The anonymous temporary file as a path the system's calls can link.
std::string descriptor_path(int fd) {
  return "/proc/self/fd/" + std::to_string(fd);
}

// Gives a complete anonymous file the target's own name when no file has it
// yet: the file appears whole at once, with no rename. False when the target
// exists (or the link fails for any other reason, which the rename path
// then reports).
bool link_as_target(const std::string& path, const TemporaryFile& temp) {
  return temp.name.empty() && ::linkat(AT_FDCWD, descriptor_path(temp.fd).c_str(), AT_FDCWD,
                                       path.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Gives an anonymous temporary file a hidden name beside the target, the
// step just before the rename.
void name_temporary(const std::string& path, TemporaryFile& temp) {
  if (!temp.name.empty())
    return;
  const std::string proc = descriptor_path(temp.fd);
  for (int attempt = 0;; ++attempt) {
    std::ostringstream name;
    name << folder_of(path) << '/' << '.' << name_of(path) << ".new-" << ::getpid() << '-'
         << attempt;
    if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.str().c_str(), AT_SYMLINK_FOLLOW) == 0) {
      temp.name = name.str();
      return;
    }
    if (errno != EEXIST || attempt == 100) {
      throw FileError(path, reason("creazione non riuscita", errno));
    }
  }
}

}  // namespace

bool file_exists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw FileError(path, reason("lettura non riuscita", errno));
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad())
    throw FileError(path, reason("lettura non riuscita", errno));
  return std::move(bytes).str();
}

FileTail read_file_tail(const std::string& path, std::uint64_t count) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    throw FileError(path, reason("lettura non riuscita", errno));
  struct stat info;
  if (::fstat(fd, &info) != 0) {
    const int error = errno;
    ::close(fd);
    throw FileError(path, reason("lettura non riuscita", error));
  }
  FileTail tail;
  tail.file_size = static_cast<std::uint64_t>(info.st_size);
  const std::uint64_t wanted = std::min(count, tail.file_size);
  tail.bytes.resize(static_cast<std::size_t>(wanted));
  std::uint64_t done = 0;
  while (done < wanted) {
    const ssize_t got =
        ::pread(fd, tail.bytes.data() + done, static_cast<std::size_t>(wanted - done),
                static_cast<off_t>(tail.file_size - wanted + done));
    if (got < 0 && errno == EINTR)
      continue;
    if (got <= 0) {
      const int error = got < 0 ? errno : EIO;
      ::close(fd);
      throw FileError(path, reason("lettura non riuscita", error));
    }
    done += static_cast<std::uint64_t>(got);
  }
  ::close(fd);
  return tail;
}

void remove_file(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
    throw FileError(path, reason("cancellazione non riuscita", errno));
  }
}

void replace_file(const std::string& path, const std::function<void(OutputFile&)>& write,
                  FileKind kind) {
  TemporaryFile temp;
  open_temporary(path, kind == FileKind::kProgram ? 0777 : 0666, temp);
  PosixOutputFile out(temp.fd, path);
  write(out);
  // No fsync: the link or the rename alone keeps the target whole on any
  // failure of the run; flushing every file would multiply the installer's
  // time for the sake of a power cut in the seconds after it (see
  // doc/decisions.md).
  if (link_as_target(path, temp))
    return;
  name_temporary(path, temp);
  if (::rename(temp.name.c_str(), path.c_str()) != 0) {
    throw FileError(path, reason("sostituzione non riuscita", errno));
  }
  temp.name.clear();  // the temporary file is now the target
}

}  // namespace scenario::platform
