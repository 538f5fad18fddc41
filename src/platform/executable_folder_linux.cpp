// The folder of the running executable on Linux, read from /proc.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/file_error.h"
#include "platform/paths.h"

namespace scenario::platform {

std::string executable_folder() {
  std::vector<char> buffer(4096);
  for (;;) {
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) {
      throw FileError("/proc/self/exe", std::string("percorso dell'eseguibile non leggibile: ") +
                                            std::strerror(errno));
    }
    if (static_cast<std::size_t>(length) < buffer.size()) {
      std::string path(buffer.data(), static_cast<std::size_t>(length));
      auto slash = path.find_last_of('/');
      return slash == 0 ? std::string("/") : path.substr(0, slash);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace scenario::platform
