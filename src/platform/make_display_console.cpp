// Display factory for builds without a native window system.

#include "platform/console_display.h"

namespace scenario::platform {

std::unique_ptr<Display> make_display() {
  return make_console_display();
}

}  // namespace scenario::platform
