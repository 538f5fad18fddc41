#include "platform/x11_message_box.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>

#include "platform/word_wrap.h"
#include "platform/x11_font.h"

namespace scenario::platform {
namespace {

// The look of a message box on a current Windows desktop, in pixels at 96
// dots per inch: the prompt on white, the button on a grey band below it.
constexpr Rgb kPanel = 0xffffff;
constexpr Rgb kBand = 0xf0f0f0;
constexpr Rgb kText = 0x000000;
constexpr Rgb kButtonFace = 0xe1e1e1;
constexpr Rgb kButtonBorder = 0x0078d7;  // the default button's
constexpr Rgb kPressedFace = 0xcce4f7;
constexpr Rgb kPressedBorder = 0x005499;
constexpr Rgb kFrame = 0x808080;  // seen only where no window manager frames the box
constexpr int kPadding = 24;      // around the prompt
constexpr int kBandHeight = 42;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonMargin = 11;  // from the band's right edge

const FontRequest kMessageFont{
    .families = {"Segoe UI", "Tahoma", "sans-serif"}, .pixel_size = 12, .weight = 400};

struct BoxGeometry {
  int width = 0;
  int height = 0;
  PixelRect text;
  PixelRect button;
};

BoxGeometry box_geometry(const std::vector<std::string>& lines, const X11Font& font,
                         int title_width) {
  int text_width = 0;
  for (const std::string& line : lines)
    text_width = std::max(text_width, font.width(line));
  const int text_height = static_cast<int>(lines.size()) * font.line_height();
  BoxGeometry box;
  box.width = std::max({text_width, title_width, kButtonWidth}) + 2 * kPadding;
  box.height = text_height + 2 * kPadding + kBandHeight;
  box.text = {kPadding, kPadding, text_width, text_height};
  box.button = {box.width - kButtonMargin - kButtonWidth,
                box.height - kBandHeight + (kBandHeight - kButtonHeight) / 2, kButtonWidth,
                kButtonHeight};
  return box;
}

// Top-left corner that centres a box of this size over `owner`, or over the
// screen, keeping it on the screen.
void centre(const X11Connection& connection, Window owner, const BoxGeometry& box, int& x, int& y) {
  int left = 0;
  int top = 0;
  int width = connection.screen_width();
  int height = connection.screen_height();
  XWindowAttributes attributes;
  const X11Library& x11 = connection.x11();
  if (owner != None && x11.XGetWindowAttributes(connection.display(), owner, &attributes) != 0) {
    Window child;
    x11.XTranslateCoordinates(connection.display(), owner, connection.root(), 0, 0, &left, &top,
                              &child);
    width = attributes.width;
    height = attributes.height;
  }
  x = std::clamp(left + (width - box.width) / 2, 0,
                 std::max(0, connection.screen_width() - box.width));
  y = std::clamp(top + (height - box.height) / 2, 0,
                 std::max(0, connection.screen_height() - box.height));
}

Pixmap panel(const X11Connection& connection, Window box_window, const BoxGeometry& box,
             const X11Font& font, const std::vector<std::string>& lines) {
  const X11Library& x11 = connection.x11();
  ::Display* display = connection.display();
  const Pixmap pixmap = connection.filled_pixmap(box_window, box.width, box.height, kPanel);
  GC gc = x11.XCreateGC(display, pixmap, 0, nullptr);
  x11.XSetForeground(display, gc, connection.pixel(kBand));
  x11.XFillRectangle(display, pixmap, gc, 0, box.height - kBandHeight,
                     static_cast<unsigned>(box.width), kBandHeight);
  x11.XFreeGC(display, gc);
  font.draw(pixmap, lines, box.text.left, box.text.top, kText, box.text);
  return pixmap;
}

Pixmap button_face(const X11Connection& connection, Window button, const X11Font& font,
                   bool pressed) {
  const X11Library& x11 = connection.x11();
  ::Display* display = connection.display();
  const Pixmap pixmap = connection.filled_pixmap(button, kButtonWidth, kButtonHeight,
                                                 pressed ? kPressedFace : kButtonFace);
  GC gc = x11.XCreateGC(display, pixmap, 0, nullptr);
  x11.XSetForeground(display, gc, connection.pixel(pressed ? kPressedBorder : kButtonBorder));
  x11.XDrawRectangle(display, pixmap, gc, 0, 0, kButtonWidth - 1, kButtonHeight - 1);
  x11.XFreeGC(display, gc);
  const std::string caption = "OK";
  font.draw(pixmap, {caption}, (kButtonWidth - font.width(caption)) / 2,
            (kButtonHeight - font.line_height()) / 2, kText, {0, 0, kButtonWidth, kButtonHeight});
  return pixmap;
}

void mark_as_modal_dialog(const X11Connection& connection, Window box, Window owner) {
  const X11Library& x11 = connection.x11();
  ::Display* display = connection.display();
  if (owner != None)
    x11.XSetTransientForHint(display, box, owner);
  const Atom type = connection.atom("_NET_WM_WINDOW_TYPE_DIALOG");
  x11.XChangeProperty(display, box, connection.atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32,
                      PropModeReplace, reinterpret_cast<const unsigned char*>(&type), 1);
  const Atom state = connection.atom("_NET_WM_STATE_MODAL");
  x11.XChangeProperty(display, box, connection.atom("_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(&state), 1);
}

bool closes_the_box(const X11Library& x11, const XKeyEvent& key) {
  XKeyEvent copy = key;
  const KeySym symbol = x11.XLookupKeysym(&copy, 0);
  return symbol == XK_Return || symbol == XK_KP_Enter || symbol == XK_space || symbol == XK_Escape;
}

// The button's life: pressed by the first mouse button, shown pressed while
// the pointer stays on it, clicked when released there.
class OkButton {
 public:
  OkButton(const X11Connection& connection, Window window, const X11Font& font)
      : connection_(connection),
        window_(window),
        normal_(button_face(connection, window, font, false)),
        pressed_(button_face(connection, window, font, true)) {
    show(false);
  }
  ~OkButton() {
    connection_.x11().XFreePixmap(connection_.display(), normal_);
    connection_.x11().XFreePixmap(connection_.display(), pressed_);
  }
  OkButton(const OkButton&) = delete;
  OkButton& operator=(const OkButton&) = delete;

  // True once the event completes a click.
  bool clicked_by(const XEvent& event) {
    if (event.xany.window != window_)
      return false;
    switch (event.type) {
      case ButtonPress:
        if (event.xbutton.button != Button1)
          return false;
        held_ = inside_ = true;
        show(true);
        return false;
      case ButtonRelease:
        if (event.xbutton.button != Button1 || !held_)
          return false;
        held_ = false;
        show(false);
        return event.xbutton.x >= 0 && event.xbutton.y >= 0 && event.xbutton.x < kButtonWidth &&
               event.xbutton.y < kButtonHeight;
      case EnterNotify:
      case LeaveNotify:
        inside_ = event.type == EnterNotify;
        if (held_)
          show(inside_);
        return false;
      default:
        return false;
    }
  }

 private:
  void show(bool pressed) {
    const X11Library& x11 = connection_.x11();
    x11.XSetWindowBackgroundPixmap(connection_.display(), window_, pressed ? pressed_ : normal_);
    x11.XClearWindow(connection_.display(), window_);
    x11.XFlush(connection_.display());
  }

  const X11Connection& connection_;
  Window window_;
  Pixmap normal_;
  Pixmap pressed_;
  bool held_ = false;
  bool inside_ = false;
};

}  // namespace

void run_x11_message_box(const X11Connection& connection, Window owner, const std::string& title,
                         const std::string& prompt) {
  const X11Library& x11 = connection.x11();
  ::Display* display = connection.display();
  const X11Font font(connection, kMessageFont);
  const int widest_text = connection.screen_width() * 5 / 8 - 2 * kPadding;
  const std::vector<std::string> lines =
      wrap_words(prompt, widest_text, [&](std::string_view text) { return font.width(text); });
  const BoxGeometry box = box_geometry(lines, font, std::min(font.width(title), widest_text));
  int x = 0;
  int y = 0;
  centre(connection, owner, box, x, y);

  const Window box_window = connection.create_top_level(title, box.width, box.height, true, x, y);
  mark_as_modal_dialog(connection, box_window, owner);
  x11.XSetWindowBorderWidth(display, box_window, 1);
  x11.XSetWindowBorder(display, box_window, connection.pixel(kFrame));
  x11.XSelectInput(display, box_window, KeyPressMask | StructureNotifyMask | ExposureMask);
  const Pixmap background = panel(connection, box_window, box, font, lines);
  x11.XSetWindowBackgroundPixmap(display, box_window, background);
  x11.XFreePixmap(display, background);

  const Window button_window = x11.XCreateSimpleWindow(
      display, box_window, box.button.left, box.button.top, kButtonWidth, kButtonHeight, 0, 0, 0);
  x11.XStoreName(display, button_window, "OK");
  x11.XSelectInput(display, button_window,
                   ButtonPressMask | ButtonReleaseMask | EnterWindowMask | LeaveWindowMask);
  OkButton button(connection, button_window, font);

  x11.XMapWindow(display, button_window);
  x11.XMapRaised(display, box_window);
  connection.wait_until_shown(box_window, std::chrono::seconds(5));
  connection.focus(box_window);

  const Atom delete_window = connection.atom("WM_DELETE_WINDOW");
  for (;;) {
    XEvent event;
    x11.XNextEvent(display, &event);
    if (button.clicked_by(event))
      break;
    if (event.type == KeyPress && closes_the_box(connection.x11(), event.xkey))
      break;
    if (event.type == ClientMessage && event.xclient.window == box_window &&
        static_cast<Atom>(event.xclient.data.l[0]) == delete_window) {
      break;
    }
  }
  x11.XDestroyWindow(display, box_window);
  x11.XSync(display, False);
}

}  // namespace scenario::platform
