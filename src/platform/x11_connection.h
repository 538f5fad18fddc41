#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/x11_library.h"

namespace scenario::platform {

// 0xRRGGBB.
using Rgb = unsigned int;

// The connection to the X server named by DISPLAY and the default screen's
// drawing setup, shared by the installer's window and its message box, with
// the loaded libraries they call.
class X11Connection {
 public:
  explicit X11Connection(std::unique_ptr<const X11Library> library);
  ~X11Connection();
  X11Connection(const X11Connection&) = delete;
  X11Connection& operator=(const X11Connection&) = delete;

  // False when no X server answered.
  bool is_open() const { return display_ != nullptr; }

  // The X functions, to be called on display().
  const X11Library& x11() const { return *library_; }
  ::Display* display() const { return display_; }
  int screen() const { return DefaultScreen(display_); }
  Window root() const { return RootWindow(display_, screen()); }
  Visual* visual() const { return DefaultVisual(display_, screen()); }
  Colormap colormap() const { return DefaultColormap(display_, screen()); }
  int depth() const { return DefaultDepth(display_, screen()); }
  int screen_width() const { return DisplayWidth(display_, screen()); }
  int screen_height() const { return DisplayHeight(display_, screen()); }

  unsigned long pixel(Rgb colour) const;
  Atom atom(const char* name) const;

  // A top-level window of fixed client size that the window manager may
  // place itself, or at (x, y) when `place` is set. It carries `title`, the
  // program's name as its class, and asks to be told of a close request
  // rather than killed.
  Window create_top_level(const std::string& title, int width, int height, bool place = false,
                          int x = 0, int y = 0) const;

  // A pixmap for `window` filled with `colour`.
  Pixmap filled_pixmap(Window window, int width, int height, Rgb colour) const;

  // Waits until `window` is mapped and its first Expose has arrived, so that
  // what is drawn next is seen; gives up after `timeout` (a window manager
  // may keep a window hidden).
  void wait_until_shown(Window window, std::chrono::milliseconds timeout) const;

  // Gives `window` the keyboard, if the server lets it.
  void focus(Window window) const;

 private:
  std::unique_ptr<const X11Library> library_;
  ::Display* display_;
};

}  // namespace scenario::platform
