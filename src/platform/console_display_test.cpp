#include "platform/console_display.h"

#include <gtest/gtest.h>

#include <sstream>

namespace scenario::platform {
namespace {

TEST(ConsoleDisplay, DrawsTheCaptionOnRepaintAndShowsThePromptVerbatim) {
  std::ostringstream out;
  std::istringstream in;
  ConsoleDisplay display(out, in, /*interactive=*/false);
  WindowLayout layout;
  layout.label_caption = "Attendere";
  display.show_window(layout);
  EXPECT_EQ(out.str(), "");
  display.repaint();
  EXPECT_EQ(out.str(), "Attendere\n");
  display.message_box("titolo", " Errore n. 1250");
  EXPECT_EQ(out.str(), "Attendere\ntitolo: Errore n. 1250\n");
}

TEST(ConsoleDisplay, WaitsForEnterOnlyWhenInteractive) {
  std::ostringstream out;
  std::istringstream in("\nrest");
  ConsoleDisplay display(out, in, /*interactive=*/true);
  display.message_box("t", " Errore n. 1251");
  std::string rest;
  std::getline(in, rest);
  EXPECT_EQ(rest, "rest");  // exactly one line was consumed
}

}  // namespace
}  // namespace scenario::platform
