#pragma once

#include <memory>

#include "platform/display.h"
#include "platform/x11_library.h"

namespace scenario::platform {

// The installer's window and message box drawn on the X server named by
// DISPLAY; nullptr when DISPLAY is unset or empty (nothing is loaded then),
// when `files` cannot be loaded or lack a function the window calls, when
// no server answers, or when it offers no font to draw with.
std::unique_ptr<Display> open_x11_display(const X11LibraryFiles& files = {});

}  // namespace scenario::platform
