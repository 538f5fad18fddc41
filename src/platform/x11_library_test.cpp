// Loading Xlib, Xft and fontconfig when the window opens, and the window
// given up for the console when one of them is missing.

// Google Test first: Xlib's headers define None, a name Google Test uses.
#include <gtest/gtest.h>

#include "platform/x11_library.h"

#include <cstdlib>
#include <optional>

#include "child_process.h"
#include "platform/x11_display.h"
#include "xvfb_server.h"

namespace scenario::platform {
namespace {

using scenario::testing::find_program;
using scenario::testing::XvfbServer;

TEST(X11Library, FindsEveryFunctionOfTheWindowInTheSystemsLibraries) {
  const X11LibraryLoad load = load_x11_library();
  ASSERT_NE(load.library, nullptr) << load.failure;
  EXPECT_EQ(load.failure, "");
  // Xlib's and fontconfig's own functions, called through the table.
  EXPECT_EQ(load.library->XOpenDisplay(":65000"), nullptr);
  EXPECT_EQ(load.library->FcWeightFromOpenType(700), FC_WEIGHT_BOLD);
}

TEST(X11Library, AMissingLibraryOrFunctionIsNamedAndGivesNoTable) {
  struct Case {
    const char* what;
    X11LibraryFiles files;
    std::vector<std::string> named;
  };
  const Case cases[] = {
      {"Xlib not installed", {.xlib = "libX11-not-installed.so.6"}, {"libX11-not-installed.so.6"}},
      {"Xft not installed", {.xft = "libXft-not-installed.so.2"}, {"libXft-not-installed.so.2"}},
      {"fontconfig not installed",
       {.fontconfig = "libfontconfig-not-installed.so.1"},
       {"libfontconfig-not-installed.so.1"}},
      {"a library without Xft's functions", {.xft = "libX11.so.6"}, {"libX11.so.6", "Xft"}},
      {"a library without fontconfig's functions",
       {.fontconfig = "libX11.so.6"},
       {"libX11.so.6", "Fc"}},
  };
  for (const Case& c : cases) {
    const X11LibraryLoad load = load_x11_library(c.files);
    EXPECT_EQ(load.library, nullptr) << c.what;
    for (const std::string& name : c.named)
      EXPECT_NE(load.failure.find(name), std::string::npos) << c.what << ": " << load.failure;
  }
}

// DISPLAY names `value` for the life of the object.
class DisplayVariable {
 public:
  explicit DisplayVariable(const std::string& value) {
    if (const char* old = std::getenv("DISPLAY"))
      old_ = old;
    ::setenv("DISPLAY", value.c_str(), 1);
  }
  ~DisplayVariable() {
    if (old_)
      ::setenv("DISPLAY", old_->c_str(), 1);
    else
      ::unsetenv("DISPLAY");
  }

 private:
  std::optional<std::string> old_;
};

TEST(X11Display, OnAServerThatAnswersAMissingLibraryStillMeansNoWindow) {
  const std::string program = find_program("Xvfb");
  if (program.empty())
    GTEST_SKIP() << "missing Xvfb (apt-get install xvfb)";
  XvfbServer server(program);
  if (server.name().empty())
    GTEST_SKIP() << "Xvfb did not start";
  DisplayVariable display(server.name());

  EXPECT_NE(open_x11_display(), nullptr) << "no window with the system's libraries";
  EXPECT_EQ(open_x11_display({.xlib = "libX11-not-installed.so.6"}), nullptr);
  EXPECT_EQ(open_x11_display({.xft = "libX11.so.6"}), nullptr);
}

TEST(X11Display, NoDisplayNamedMeansNoWindow) {
  for (const char* value : {"", ":65000"}) {
    DisplayVariable display(value);
    EXPECT_EQ(open_x11_display(), nullptr) << "DISPLAY=" << value;
  }
}

}  // namespace
}  // namespace scenario::platform
