#pragma once

#include <optional>
#include <string>

#include "child_process.h"

namespace scenario::testing {

// An X server of a test's own (Xvfb, 800 x 600 in 24 bits), on a display
// number it picks itself; ended when the object goes.
class XvfbServer {
 public:
  explicit XvfbServer(const std::string& program);
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // ":N", empty when the server did not start.
  const std::string& name() const { return name_; }

 private:
  std::optional<SpawnedProcess> server_;
  std::string name_;
};

}  // namespace scenario::testing
