#pragma once

#include <string>

#include "platform/x11_connection.h"

namespace scenario::platform {

// Shows `prompt` in a box titled `title` with one OK button, centred over
// `owner` (over the screen when `owner` is None), and returns once the user
// has clicked OK, pressed Enter, Space or Escape, or asked the box to close.
// The box is modal: nothing else of the program's reacts meanwhile.
void run_x11_message_box(const X11Connection& connection, Window owner, const std::string& title,
                         const std::string& prompt);

}  // namespace scenario::platform
