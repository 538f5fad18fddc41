// The installer's window and message box on a real X server (Xvfb), looked
// at and clicked the way a person would: xdotool finds windows, moves the
// pointer and presses keys, ImageMagick's import takes the pictures.

#include <dlfcn.h>
#include <link.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/exit_status.h"
#include "app/form1.h"
#include "child_process.h"
#include "platform/window_pixels.h"
#include "test_support.h"
#include "xvfb_server.h"

namespace scenario::platform {
namespace {

using namespace std::chrono_literals;
using scenario::testing::find_program;
using scenario::testing::ProcessResult;
using scenario::testing::run_process;
using scenario::testing::SpawnedProcess;
using scenario::testing::TempFolder;
using scenario::testing::XvfbServer;

constexpr auto kPatience = 10s;
const std::string kProbe = SCENARIO_DISPLAY_PROBE;
const std::string kProbeTitle = "^" + std::filesystem::path(kProbe).filename().string() + "$";
const std::string kBoxTitle = "^Velbrio_Dolvena 30527$";

struct Rgb8 {
  unsigned char r, g, b;
  bool operator==(const Rgb8&) const = default;
  bool dark() const { return r < 100 && g < 100 && b < 100; }
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb8> pixels;
  Rgb8 at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// A binary PPM (P6, 8 bits per channel) as import writes it.
Image read_ppm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maximum = 0;
  Image image;
  in >> magic >> image.width >> image.height >> maximum;
  in.get();
  if (magic != "P6" || maximum != 255 || !in)
    throw std::runtime_error("not a P6 PPM: " + path);
  image.pixels.resize(static_cast<std::size_t>(image.width * image.height));
  in.read(reinterpret_cast<char*>(image.pixels.data()),
          static_cast<std::streamsize>(image.pixels.size() * 3));
  if (!in)
    throw std::runtime_error("short PPM: " + path);
  return image;
}

// The bounding box of the dark (text) pixels inside `area`.
struct Ink {
  int count = 0;
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

bool contains(const PixelRect& area, int x, int y) {
  return x >= area.left && y >= area.top && x < area.left + area.width &&
         y < area.top + area.height;
}

Ink ink_in(const Image& image, const PixelRect& area) {
  Ink ink;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!contains(area, x, y) || !image.at(x, y).dark())
        continue;
      ++ink.count;
      ink.left = std::min(ink.left, x);
      ink.top = std::min(ink.top, y);
      ink.right = std::max(ink.right, x);
      ink.bottom = std::max(ink.bottom, y);
    }
  }
  return ink;
}

class X11Window : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
#ifndef SCENARIO_HAVE_X11
    skip_reason_ = "built without libx11-dev and libxft-dev: the installer uses the console";
    return;
#endif
    for (const char* tool : {"Xvfb", "xdotool", "import", "convert"}) {
      if (find_program(tool).empty())
        skip_reason_ += std::string(" ") + tool;
    }
    if (!skip_reason_.empty()) {
      skip_reason_ = "missing" + skip_reason_ + " (apt-get install xvfb xdotool imagemagick)";
      return;
    }
    server_ = new XvfbServer(find_program("Xvfb"));
    if (server_->name().empty())
      skip_reason_ = "Xvfb did not start";
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override {
    if (!skip_reason_.empty())
      GTEST_SKIP() << skip_reason_;
  }

  static const std::string& display() {
    return server_->name();
  }

  // Runs one of the X tools (xdotool, import, convert) on the test's server.
  static ProcessResult on_display(const std::string& tool,
                                  const std::vector<std::string>& arguments) {
    return run_process(tool, arguments, ".", {.display = display()}, kPatience);
  }

  static std::string xdotool(const std::vector<std::string>& arguments) {
    return on_display("xdotool", arguments).standard_output;
  }

  // The one visible window whose name matches, once it has appeared.
  static std::string wait_for_window(const std::string& name) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    do {
      std::istringstream found(xdotool({"search", "--onlyvisible", "--name", name}));
      std::string id;
      if (found >> id)
        return id;
      std::this_thread::sleep_for(50ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return {};
  }

  static PixelRect geometry(const std::string& window) {
    std::istringstream shell(xdotool({"getwindowgeometry", "--shell", window}));
    PixelRect rect;
    for (std::string line; std::getline(shell, line);) {
      const auto equals = line.find('=');
      if (equals == std::string::npos)
        continue;
      const std::string key = line.substr(0, equals);
      const int value = std::stoi(line.substr(equals + 1));
      if (key == "X")
        rect.left = value;
      if (key == "Y")
        rect.top = value;
      if (key == "WIDTH")
        rect.width = value;
      if (key == "HEIGHT")
        rect.height = value;
    }
    return rect;
  }

  // A picture of `window`, kept as a PNG under `name` for people to look at.
  Image capture(const std::string& window, const std::string& name) const {
    const std::string ppm = scratch_.file("capture.ppm");
    const auto shot = on_display("import", {"-silent", "-window", window, "-depth", "8", ppm});
    EXPECT_EQ(shot.status, 0) << shot.standard_error;
    keep_as_png(ppm, name);
    return read_ppm(ppm);
  }

  // A picture of a part of the screen, kept for people to look at.
  void capture_screen(const PixelRect& area, const std::string& name) const {
    const std::string ppm = scratch_.file("screen.ppm");
    std::ostringstream crop;
    crop << area.width << 'x' << area.height << '+' << area.left << '+' << area.top;
    on_display("import", {"-silent", "-window", "root", "-crop", crop.str(), "-depth", "8", ppm});
    keep_as_png(ppm, name);
  }

  static void keep_as_png(const std::string& ppm, const std::string& name) {
    std::filesystem::create_directories(SCENARIO_SCREENSHOT_FOLDER);
    const std::string png = std::string(SCENARIO_SCREENSHOT_FOLDER) + "/" + name;
    on_display("convert", {ppm, "+repage", png});
  }

  // Starts the probe and waits for its window; the probe then waits for a
  // line before it opens the message box.
  std::string open_window(SpawnedProcess& probe) {
    EXPECT_EQ(probe.read_line(kPatience), "painted") << display() << ": " << probe.standard_error();
    return wait_for_window(kProbeTitle);
  }

  static XvfbServer* server_;
  static std::string skip_reason_;
  TempFolder scratch_;
};

XvfbServer* X11Window::server_ = nullptr;
std::string X11Window::skip_reason_;

TEST_F(X11Window, ShowsTheLabelInItsPlaceInABoldTwentyFourPointFont) {
  SpawnedProcess probe(kProbe, {}, ".", {.display = display()});
  const std::string window = open_window(probe);
  ASSERT_FALSE(window.empty()) << "no window appeared; " << probe.standard_error();

  const PixelLayout expected = to_pixels(app::Form1::layout());
  const PixelRect frame = geometry(window);
  EXPECT_EQ(frame.width, expected.client_width);
  EXPECT_EQ(frame.height, expected.client_height);

  const Image image = capture(window, "window_x11.png");
  ASSERT_EQ(image.width, expected.client_width);
  ASSERT_EQ(image.height, expected.client_height);
  const Rgb8 background = image.at(0, 0);
  EXPECT_GE(std::min({background.r, background.g, background.b}), 0xe0);
  int outside_the_label = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!contains(expected.label, x, y) && !(image.at(x, y) == background))
        ++outside_the_label;
    }
  }
  EXPECT_EQ(outside_the_label, 0) << "the window shows something besides its label";

  // "Attendere" in a 32-pixel bold face: capitals about 23 pixels high, the
  // word well over a hundred pixels wide, starting at the label's corner.
  const Ink ink = ink_in(image, expected.label);
  ASSERT_GT(ink.count, 0) << "the label is not drawn";
  EXPECT_GE(ink.height(), 20);
  EXPECT_LE(ink.height(), 34);
  EXPECT_GE(ink.width(), 120);
  EXPECT_LE(ink.left - expected.label.left, 6);
  EXPECT_LE(ink.top - expected.label.top, 14);
  EXPECT_GE(ink.count, 600) << "too few dark pixels for a bold face";
}

TEST_F(X11Window, TheMessageBoxShowsThePromptAndEndsTheProgramOnAClickOnOk) {
  SpawnedProcess probe(kProbe, {}, ".", {.display = display()});
  const std::string window = open_window(probe);
  ASSERT_FALSE(window.empty()) << probe.standard_error();
  probe.write_line("");
  const std::string box = wait_for_window(kBoxTitle);
  ASSERT_FALSE(box.empty()) << "no message box appeared; " << probe.standard_error();

  const PixelRect box_frame = geometry(box);
  const PixelRect window_frame = geometry(window);
  const Image image = capture(box, "message_box_only_x11.png");
  const int left = std::min(box_frame.left, window_frame.left);
  const int top = std::min(box_frame.top, window_frame.top);
  capture_screen(
      {left, top,
       std::max(box_frame.left + box_frame.width, window_frame.left + window_frame.width) - left,
       std::max(box_frame.top + box_frame.height, window_frame.top + window_frame.height) - top},
      "message_box_x11.png");

  // The prompt, starting with its blank, above the band with the button.
  const Ink prompt = ink_in(image, {0, 0, image.width, image.height - 42});
  ASSERT_GT(prompt.count, 0) << "the prompt is not drawn";
  EXPECT_GE(prompt.left, 26) << "the leading blank of the prompt is lost";
  EXPECT_EQ(probe.wait(0ms), std::nullopt) << "the box did not wait for the user";

  const std::string ok = wait_for_window("^OK$");
  ASSERT_FALSE(ok.empty());
  const PixelRect button = geometry(ok);
  EXPECT_EQ(button.width, 75);
  EXPECT_EQ(button.height, 23);
  xdotool({"mousemove", "--window", ok, "37", "11", "click", "1"});
  EXPECT_EQ(probe.wait(kPatience), app::kExitStampConflict) << probe.standard_error();
}

TEST_F(X11Window, TheMessageBoxAlsoClosesOnEnter) {
  SpawnedProcess probe(kProbe, {}, ".", {.display = display()});
  ASSERT_FALSE(open_window(probe).empty()) << probe.standard_error();
  probe.write_line("");
  ASSERT_FALSE(wait_for_window(kBoxTitle).empty()) << probe.standard_error();
  EXPECT_EQ(probe.wait(200ms), std::nullopt) << "the box did not wait for the user";
  xdotool({"key", "Return"});
  EXPECT_EQ(probe.wait(kPatience), app::kExitStampConflict) << probe.standard_error();
}

// The file the system's loader finds the library `soname` in, empty when
// it finds none.
std::string library_file(const char* soname) {
  void* library = ::dlopen(soname, RTLD_LAZY | RTLD_LOCAL);
  link_map* map = nullptr;
  if (library == nullptr || ::dlinfo(library, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr)
    return {};
  return map->l_name;
}

// The installer itself, with a server at hand, on a machine where its window's
// libraries are missing or broken: it installs all the same and shows its
// window on the console. The libraries are hidden by a mount seen only by
// the installer's process (a mount namespace of its own).
TEST_F(X11Window, WithoutItsLibrariesTheInstallerInstallsWithItsWindowOnTheConsole) {
  const std::string unshare = find_program("unshare");
  if (unshare.empty() || run_process(unshare, {"--mount", "true"}, ".").status != 0)
    GTEST_SKIP() << "cannot hide the libraries: no mount namespace (unshare --mount) here";
  const std::string xlib = library_file("libX11.so.6");
  const std::string xft = library_file("libXft.so.2");
  ASSERT_FALSE(xlib.empty() || xft.empty());

  struct Case {
    const char* what;
    std::vector<std::string> mount;
    std::string standard_error;
  };
  const std::vector<Case> cases = {
      {"with its libraries (the window on the server)", {}, ""},
      {"with a broken Xlib", {"--bind", "/dev/null", xlib}, "Attendere\n"},
      {"with a broken Xft", {"--bind", "/dev/null", xft}, "Attendere\n"},
  };
  for (const Case& c : cases) {
    TempFolder install;
    const std::string installer = install.file("scenario_installer");
    std::filesystem::copy_file(SCENARIO_INSTALLER, installer);
    std::vector<std::string> arguments = {
        "--mount",
        "--propagation",
        "private",
        "/bin/sh",
        "-c",
        R"(installer=$1; shift; [ $# -eq 0 ] || mount "$@" || exit 97; exec "$installer")",
        "sh",
        installer};
    arguments.insert(arguments.end(), c.mount.begin(), c.mount.end());
    SpawnedProcess run(unshare, arguments, ".", {.display = display()});
    EXPECT_EQ(run.wait(kPatience), app::kExitInstalled) << c.what << ": " << run.standard_error();
    EXPECT_EQ(run.standard_error(), c.standard_error) << c.what;
    EXPECT_EQ(install.entries().size(), 7u) << c.what << ": six files and the installer";
  }
}

// Whether the process has Xlib or Xft mapped.
bool maps_an_x_library(pid_t pid) {
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  for (std::string line; std::getline(maps, line);) {
    if (line.find("/libX11.so") != std::string::npos ||
        line.find("/libXft.so") != std::string::npos)
      return true;
  }
  return false;
}

TEST(ConsoleFallback, WithoutAReachableDisplayTheWindowIsALineOnStandardError) {
  struct Case {
    std::optional<std::string> display;
    bool names_a_display;
  };
  const Case cases[] = {{std::nullopt, false}, {"", false}, {":65000", true}};
  for (const Case& c : cases) {
    const std::string what = c.display ? "DISPLAY=" + *c.display : "no DISPLAY";
    SpawnedProcess probe(kProbe, {}, ".", {.display = c.display});
    EXPECT_EQ(probe.read_line(kPatience), "painted") << what;
    if (!c.names_a_display) {
      EXPECT_FALSE(maps_an_x_library(probe.pid())) << what << ": X libraries loaded all the same";
    }
    probe.write_line("");
    EXPECT_EQ(probe.wait(kPatience), app::kExitStampConflict) << what;
    EXPECT_EQ(probe.standard_error(),
              std::string("Attendere\nVelbrio_Dolvena 30527: Errore n. 1250\n"))
        << what;
  }
}

}  // namespace
}  // namespace scenario::platform
