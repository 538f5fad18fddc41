#pragma once

#include <memory>

#include "platform/display.h"

namespace scenario::platform {

// The installer's window and message box drawn on the X server named by
// DISPLAY; nullptr when no server answers or it offers no font to draw with.
std::unique_ptr<Display> open_x11_display();

}  // namespace scenario::platform
