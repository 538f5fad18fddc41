#pragma once

#include <istream>
#include <ostream>

#include "platform/display.h"

namespace scenario::platform {

// The window as a line on standard error: the label's caption when it is
// drawn, the prompt of a message box, which waits for Enter only when
// someone can press it.
class ConsoleDisplay final : public Display {
 public:
  ConsoleDisplay(std::ostream& out, std::istream& in, bool interactive)
      : out_(out), in_(in), interactive_(interactive) {}

  void show_window(const WindowLayout& layout) override { caption_ = layout.label_caption; }
  void repaint() override;
  void message_box(const std::string& title, const std::string& prompt) override;

 private:
  std::ostream& out_;
  std::istream& in_;
  bool interactive_;
  std::string caption_;
};

// A console display on standard error, interactive when standard input is a
// terminal.
std::unique_ptr<Display> make_console_display();

}  // namespace scenario::platform
