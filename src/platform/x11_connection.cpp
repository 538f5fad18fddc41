#include "platform/x11_connection.h"

#include <X11/Xatom.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace scenario::platform {
namespace {

int ignore_error(::Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

X11Connection::X11Connection(std::unique_ptr<const X11Library> library)
    : library_(std::move(library)), display_(library_->XOpenDisplay(nullptr)) {}

X11Connection::~X11Connection() {
  if (display_ != nullptr)
    library_->XCloseDisplay(display_);
}

unsigned long X11Connection::pixel(Rgb colour) const {
  XColor exact{};
  exact.red = static_cast<unsigned short>(((colour >> 16) & 0xff) * 0x101);
  exact.green = static_cast<unsigned short>(((colour >> 8) & 0xff) * 0x101);
  exact.blue = static_cast<unsigned short>((colour & 0xff) * 0x101);
  exact.flags = DoRed | DoGreen | DoBlue;
  if (library_->XAllocColor(display_, colormap(), &exact) == 0) {
    // A full palette: the nearer of black and white.
    const unsigned sum = ((colour >> 16) & 0xff) + ((colour >> 8) & 0xff) + (colour & 0xff);
    return sum > 3 * 128 ? WhitePixel(display_, screen()) : BlackPixel(display_, screen());
  }
  return exact.pixel;
}

Atom X11Connection::atom(const char* name) const {
  return library_->XInternAtom(display_, name, False);
}

Window X11Connection::create_top_level(const std::string& title, int width, int height, bool place,
                                       int x, int y) const {
  const Window window = library_->XCreateSimpleWindow(
      display_, root(), x, y, static_cast<unsigned>(width), static_cast<unsigned>(height), 0, 0, 0);

  XTextProperty name{};
  char* name_text = const_cast<char*>(title.c_str());
  library_->Xutf8TextListToTextProperty(display_, &name_text, 1, XUTF8StringStyle, &name);
  XSizeHints* size = library_->XAllocSizeHints();
  size->flags = PMinSize | PMaxSize | (place ? (PPosition | USPosition) : 0);
  size->x = x;
  size->y = y;
  size->min_width = size->max_width = width;
  size->min_height = size->max_height = height;
  XWMHints* hints = library_->XAllocWMHints();
  hints->flags = InputHint | StateHint;
  hints->input = True;
  hints->initial_state = NormalState;
  XClassHint* class_hint = library_->XAllocClassHint();
  class_hint->res_name = program_invocation_short_name;
  class_hint->res_class = program_invocation_short_name;
  library_->XSetWMProperties(display_, window, &name, &name, nullptr, 0, size, hints, class_hint);
  library_->XFree(class_hint);
  library_->XFree(hints);
  library_->XFree(size);
  library_->XFree(name.value);

  library_->XChangeProperty(display_, window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(title.data()),
                            static_cast<int>(title.size()));
  const long pid = ::getpid();
  library_->XChangeProperty(display_, window, atom("_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&pid), 1);
  Atom delete_window = atom("WM_DELETE_WINDOW");
  library_->XSetWMProtocols(display_, window, &delete_window, 1);
  return window;
}

Pixmap X11Connection::filled_pixmap(Window window, int width, int height, Rgb colour) const {
  const Pixmap pixmap =
      library_->XCreatePixmap(display_, window, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), static_cast<unsigned>(depth()));
  GC gc = library_->XCreateGC(display_, pixmap, 0, nullptr);
  library_->XSetForeground(display_, gc, pixel(colour));
  library_->XFillRectangle(display_, pixmap, gc, 0, 0, static_cast<unsigned>(width),
                           static_cast<unsigned>(height));
  library_->XFreeGC(display_, gc);
  return pixmap;
}

void X11Connection::wait_until_shown(Window window, std::chrono::milliseconds timeout) const {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + timeout;
  bool mapped = false;
  bool exposed = false;
  library_->XFlush(display_);
  while (!(mapped && exposed)) {
    XEvent event;
    if (library_->XCheckWindowEvent(display_, window, StructureNotifyMask | ExposureMask, &event)) {
      if (event.type == MapNotify)
        mapped = true;
      if (event.type == Expose)
        exposed = true;
      continue;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
      return;
    pollfd connection{.fd = ConnectionNumber(display_), .events = POLLIN, .revents = 0};
    if (::poll(&connection, 1, static_cast<int>(left)) < 0 && errno != EINTR)
      return;
  }
}

void X11Connection::focus(Window window) const {
  // Refused (BadMatch) while the window is not viewable; the user can still
  // click it then.
  library_->XSync(display_, False);
  auto previous = library_->XSetErrorHandler(ignore_error);
  library_->XSetInputFocus(display_, window, RevertToParent, CurrentTime);
  library_->XSync(display_, False);
  library_->XSetErrorHandler(previous);
}

}  // namespace scenario::platform
