#include "platform/x11_display.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "platform/window_pixels.h"
#include "platform/word_wrap.h"
#include "platform/x11_connection.h"
#include "platform/x11_font.h"
#include "platform/x11_message_box.h"

namespace scenario::platform {
namespace {

constexpr Rgb kFace = 0xf0f0f0;  // a Windows form's default background
constexpr Rgb kText = 0x000000;

// Where the label's font is not installed: its TrueType successor, then
// Arial, for which fontconfig knows metric-compatible stand-ins (Liberation
// Sans, Arimo) that keep the caption's width close, then any sans-serif.
FontRequest label_font(const WindowLayout& layout, const PixelLayout& pixels) {
  return {.families = {layout.font_name, "Microsoft Sans Serif", "Arial", "sans-serif"},
          .pixel_size = pixels.font_pixels,
          .weight = layout.font_weight};
}

class X11Display final : public Display {
 public:
  explicit X11Display(std::unique_ptr<X11Connection> connection)
      : connection_(std::move(connection)) {}

  ~X11Display() override {
    font_.reset();
    if (window_ != None)
      connection_->x11().XDestroyWindow(connection_->display(), window_);
  }

  // The window carries the program's own name as its title and is placed
  // by the window manager.
  void show_window(const WindowLayout& layout) override {
    const X11Library& x11 = connection_->x11();
    ::Display* display = connection_->display();
    if (window_ != None)
      x11.XDestroyWindow(display, window_);
    caption_ = layout.label_caption;
    pixels_ = to_pixels(layout);
    font_ = std::make_unique<X11Font>(*connection_, label_font(layout, pixels_));
    window_ = connection_->create_top_level(program_invocation_short_name, pixels_.client_width,
                                            pixels_.client_height);
    x11.XSetWindowBackground(display, window_, connection_->pixel(kFace));
    x11.XSelectInput(display, window_, StructureNotifyMask | ExposureMask);
    x11.XMapWindow(display, window_);
    x11.XFlush(display);
  }

  // The caption becomes the window's background picture, which the server
  // itself puts back whenever the window is uncovered: the program never
  // handles another event, yet the label stays visible for the whole run.
  void repaint() override {
    if (window_ == None)
      return;
    const X11Library& x11 = connection_->x11();
    ::Display* display = connection_->display();
    connection_->wait_until_shown(window_, std::chrono::seconds(5));
    const Pixmap picture =
        connection_->filled_pixmap(window_, pixels_.client_width, pixels_.client_height, kFace);
    const auto lines = wrap_words(caption_, pixels_.label.width,
                                  [&](std::string_view text) { return font_->width(text); });
    font_->draw(picture, lines, pixels_.label.left, pixels_.label.top, kText, pixels_.label);
    x11.XSetWindowBackgroundPixmap(display, window_, picture);
    x11.XFreePixmap(display, picture);
    x11.XClearWindow(display, window_);
    x11.XSync(display, False);
  }

  void message_box(const std::string& title, const std::string& prompt) override {
    run_x11_message_box(*connection_, window_, title, prompt);
  }

 private:
  std::unique_ptr<X11Connection> connection_;
  Window window_ = None;
  std::string caption_;
  PixelLayout pixels_;
  std::unique_ptr<X11Font> font_;
};

}  // namespace

std::unique_ptr<Display> open_x11_display(const X11LibraryFiles& files) {
  const char* server = std::getenv("DISPLAY");
  if (server == nullptr || *server == '\0')
    return nullptr;
  X11LibraryLoad load = load_x11_library(files);
  if (load.library == nullptr)
    return nullptr;
  auto connection = std::make_unique<X11Connection>(std::move(load.library));
  if (!connection->is_open())
    return nullptr;
  try {
    X11Font any_font(*connection, {.families = {"sans-serif"}, .pixel_size = 12, .weight = 400});
  } catch (const std::runtime_error&) {
    return nullptr;
  }
  return std::make_unique<X11Display>(std::move(connection));
}

}  // namespace scenario::platform
