// Display factory for builds with X11: the native window where an X server
// answers, the console otherwise (no DISPLAY, a server that is gone).

#include "platform/console_display.h"
#include "platform/x11_display.h"

namespace scenario::platform {

std::unique_ptr<Display> make_display() {
  if (auto native = open_x11_display())
    return native;
  return make_console_display();
}

}  // namespace scenario::platform
