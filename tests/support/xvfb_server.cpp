#include "xvfb_server.h"

#include <signal.h>

#include <chrono>
#include <system_error>

namespace scenario::testing {
namespace {

using namespace std::chrono_literals;

// How long the server may take to start, and to end.
constexpr auto kServerPatience = 10s;

}  // namespace

XvfbServer::XvfbServer(const std::string& program) {
  // The server writes its display number and a line end on the descriptor
  // that -displayfd names, its standard output here. The pipe stays open
  // as long as the server runs.
  try {
    server_.emplace(program,
                    std::vector<std::string>{"-displayfd", "1", "-screen", "0", "800x600x24",
                                             "-nolisten", "tcp", "-noreset"},
                    ".");
  } catch (const std::system_error&) {
    return;
  }
  const std::optional<std::string> number = server_->read_line(kServerPatience);
  if (number && !number->empty())
    name_ = ":" + *number;
}

XvfbServer::~XvfbServer() {
  if (!server_)
    return;
  // SIGTERM, so that the server removes its lock file and socket.
  server_->send(SIGTERM);
  server_->wait(kServerPatience);
}

}  // namespace scenario::testing
