#pragma once

#include <memory>
#include <string>

namespace scenario::platform {

// Geometry of the installer's window and its one label, in twips
// (1/1440 inch; 15 twips are one pixel at 96 dots per inch).
struct WindowLayout {
  int client_width = 0;
  int client_height = 0;
  std::string label_caption;
  int label_left = 0;
  int label_top = 0;
  int label_width = 0;
  int label_height = 0;
  std::string font_name;
  int font_points = 0;
  int font_weight = 0;
};

// The installer's user interface: one modeless window with a label, and a
// modal message box. Backends: console (always), native ones where built.
class Display {
 public:
  virtual ~Display() = default;

  // Shows the window without waiting for the user.
  virtual void show_window(const WindowLayout& layout) = 0;

  // Draws the window now; nothing repaints it afterwards.
  virtual void repaint() = 0;

  // Shows an application-modal box with one OK button and no icon and
  // returns when the user has closed it.
  virtual void message_box(const std::string& title, const std::string& prompt) = 0;
};

// The best display this machine offers: a native window where one can be
// opened, the console otherwise.
std::unique_ptr<Display> make_display();

}  // namespace scenario::platform
