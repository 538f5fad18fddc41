#include "app/form1.h"

#include <gtest/gtest.h>

#include "app/exit_status.h"
#include "test_support.h"

namespace scenario::app {
namespace {

using scenario::testing::TempFolder;

// Records what the installer asks of its window.
class RecordingDisplay final : public platform::Display {
 public:
  explicit RecordingDisplay(const TempFolder* folder = nullptr) : folder_(folder) {}
  void show_window(const platform::WindowLayout& layout) override {
    events.push_back("show " + layout.label_caption);
  }
  void repaint() override {
    events.push_back("repaint");
    if (folder_ != nullptr)
      files_at_repaint = folder_->entries().size();
  }
  void message_box(const std::string& title, const std::string& prompt) override {
    events.push_back("box " + title + "|" + prompt);
  }
  std::vector<std::string> events;
  std::size_t files_at_repaint = 99;

 private:
  const TempFolder* folder_;
};

TEST(Form1, ShowsAndPaintsTheWindowBeforeAnyFileWork) {
  TempFolder folder;
  RecordingDisplay display(&folder);
  Form1 form(display, folder.path().string());
  form.load();
  ASSERT_GE(display.events.size(), 2u);
  EXPECT_EQ(display.events[0], "show Attendere");
  EXPECT_EQ(display.events[1], "repaint");
  EXPECT_EQ(display.files_at_repaint, 0u);
  EXPECT_EQ(form.records().header[85].text, "Velbrio_Dolvena");
  EXPECT_EQ(form.records().header[86].text, "30527");
}

TEST(Form1, WindowPropertiesAreThoseOfTheInstallerForm) {
  const platform::WindowLayout layout = Form1::layout();
  EXPECT_EQ(layout.client_width, 4200);
  EXPECT_EQ(layout.client_height, 2688);
  EXPECT_EQ(layout.label_caption, "Attendere");
  EXPECT_EQ(layout.label_left, 960);
  EXPECT_EQ(layout.label_top, 960);
  EXPECT_EQ(layout.label_width, 2652);
  EXPECT_EQ(layout.label_height, 792);
  EXPECT_EQ(layout.font_name, "MS Sans Serif");
  EXPECT_EQ(layout.font_points, 24);
  EXPECT_EQ(layout.font_weight, 700);
}

TEST(Form1, ErroreShowsTheCodeDirectlyAfterThePromptAndEndsTheRun) {
  RecordingDisplay display;
  Form1 form(display, "unused");
  EXPECT_EQ(form.errore("1250"), kExitStampConflict);
  ASSERT_EQ(display.events.size(), 1u);
  EXPECT_EQ(display.events[0], "box Velbrio_Dolvena 30527| Errore n. 1250");

  // A packaged scenario's boxes carry its own identity.
  RecordingDisplay package_display;
  package::ScenarioContent content = builtin_scenario_content();
  content.line_id = "Colle_Alto";
  content.train_number = "2417";
  Form1 package_form(package_display, "unused", content);
  package_form.errore("1251");
  EXPECT_EQ(package_display.events.at(0), "box Colle_Alto 2417| Errore n. 1251");
}

}  // namespace
}  // namespace scenario::app
