#pragma once

#include <stdexcept>

namespace scenario::tools {

// The run cannot be put on the driver documents as they are laid out (a
// name wider than its cell, a time the sheet cannot show, a notes text the
// line writer cannot carry). The message, in Italian, names the file, the
// place and the reason; nothing has been written.
class DocumentRefusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace scenario::tools
