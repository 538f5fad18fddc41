#include "platform/console_display.h"

#include <unistd.h>

#include <iostream>
#include <string>

namespace scenario::platform {

void ConsoleDisplay::repaint() {
  out_ << caption_ << '\n' << std::flush;
}

void ConsoleDisplay::message_box(const std::string& title, const std::string& prompt) {
  out_ << title << ':' << prompt << '\n';
  if (interactive_) {
    out_ << "[OK: premere Invio]" << std::flush;
    std::string ignored;
    std::getline(in_, ignored);
  }
  out_ << std::flush;
}

std::unique_ptr<Display> make_console_display() {
  return std::make_unique<ConsoleDisplay>(std::cerr, std::cin, ::isatty(STDIN_FILENO) == 1);
}

}  // namespace scenario::platform
