// The picture of the built-in scenario: what it reads from the binary files,
// and that its texts stand clear of each other.

#include "tools/scenario_plot.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"
#include "tools/binary_inputs.h"
#include "tools/exit_codes.h"
#include "tools/tool_test_support.h"

namespace scenario::tools {
namespace {

using scenario::testing::TempFolder;

// The built-in scenario compiled by the tool into `folder`/out.
void compile_builtin(const TempFolder& folder) {
  ASSERT_EQ(run_tool_here({"texts", folder.file("src")}).status, kExitOk);
  ASSERT_EQ(run_tool_here({"compile", folder.file("src/Velbrio_Dolvena_linea.txt"),
                           folder.file("src/Velbrio_Dolvena_30527-.txt"), "--line-id",
                           "Velbrio_Dolvena", "--train", "30527", "--out", folder.file("out")})
                .status,
            kExitOk);
}

ScenarioView builtin_view(const TempFolder& folder, bool with_plan = true) {
  std::optional<records::PlanArray> plan;
  if (with_plan)
    plan = read_line_data_file(folder.file("out/Velbrio_Dolvena_linea.dat"));
  return scenario_view(read_table_file(folder.file("out/Velbrio_Dolvena_30527.sim")),
                       read_cell_file(folder.file("out/Velbrio_Dolvena_30527.dat")),
                       std::move(plan));
}

class BuiltInPlot : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempFolder;
    compile_builtin(*folder_);
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  static TempFolder* folder_;
};
TempFolder* BuiltInPlot::folder_ = nullptr;

TEST_F(BuiltInPlot, ReadsThePlacesOfTheScenarioFromItsFiles) {
  const ScenarioView view = builtin_view(*folder_);
  EXPECT_EQ(view.line_id, "Velbrio_Dolvena");
  EXPECT_EQ(view.train_number, "30527");
  EXPECT_EQ(view.line_length, 97000);
  ASSERT_EQ(view.stations.size(), 19u);
  EXPECT_EQ(view.stations[1].name, "VELBRIO PORTA SERRA");
  EXPECT_EQ(view.stations[1].position, 2750);
  EXPECT_EQ(view.stations[18].name, "DOLVENA C.LE");
  EXPECT_EQ(view.signals.size(), 44u);
  EXPECT_EQ(view.signals[9].position, 15150);  // at its row's position
  EXPECT_EQ(view.signals[9].sx, 2);
  ASSERT_EQ(view.slow_sections.size(), 2u);
  EXPECT_EQ(view.slow_sections[0].start, 9850);
  EXPECT_EQ(view.slow_sections[0].end, 10000);
  EXPECT_EQ(view.slow_sections[0].speed, 60);
  EXPECT_EQ(view.slow_sections[0].warning, 8650);
  EXPECT_EQ(view.boards.size(), 26u);
  const auto sign =
      std::find_if(view.boards.begin(), view.boards.end(), [](const Board& b) { return b.sign; });
  ASSERT_NE(sign, view.boards.end());
  EXPECT_EQ(sign->position, 37200);
  EXPECT_EQ(sign->text, "GALLERIA · M.SIVELLO · Km 18+510");
  // Speed limits from 30 km/h at the start; the tunnel under MONTE SIVELLO.
  EXPECT_EQ(view.speed_limits.front().value, 30);
  const auto long_tunnel = std::find_if(view.terrain.begin(), view.terrain.end(),
                                        [](const TerrainStretch& t) { return t.start == 37250; });
  ASSERT_NE(long_tunnel, view.terrain.end());
  EXPECT_EQ(long_tunnel->end, 55750);
  EXPECT_TRUE(long_tunnel->tunnel);
  // The first curve of the line text, "curvas2, 1000, 400", read back from
  // the plan: straight up to metre 1000, then class 2 to the left.
  ASSERT_GE(view.curves.size(), 3u);
  EXPECT_EQ(view.curves[0].curve_class, 0);
  EXPECT_EQ(view.curves[1].curve_class, 2);
  EXPECT_EQ(view.curves[1].side, -1);
  EXPECT_EQ(view.curves[1].start, 1000);
  EXPECT_EQ(view.curves[1].end, 1400);
  EXPECT_EQ(view.curves[2].curve_class, 0);
  EXPECT_EQ(view.adhesions.front().start, 0);
  EXPECT_EQ(view.heights.front().height, 0.0);
}

TEST_F(BuiltInPlot, NoTwoTextsOverlapAndAllStayOnThePage) {
  const SvgCanvas canvas = plot_scenario(builtin_view(*folder_));
  const std::vector<Box>& boxes = canvas.text_boxes();
  ASSERT_GT(boxes.size(), 100u);
  const std::string svg = canvas.document();
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_GE(boxes[i].left, 0) << canvas.texts()[i];
    EXPECT_LE(boxes[i].right, 1600) << canvas.texts()[i];
    EXPECT_GE(boxes[i].top, 0) << canvas.texts()[i];
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      EXPECT_FALSE(boxes[i].overlaps(boxes[j]))
          << "\"" << canvas.texts()[i] << "\" and \"" << canvas.texts()[j] << "\"";
    }
  }
  // Every station is named twice: in the plan and along the distance.
  for (const char* name : {"VELBRIO S.M.N.", "P.C. PRECEDENZE", "SANT&apos;ILARIO"}) {
    std::size_t count = 0;
    for (auto at = svg.find(std::string(">") + name + "<"); at != std::string::npos;
         at = svg.find(std::string(">") + name + "<", at + 1))
      ++count;
    EXPECT_GE(count, 2u) << name;
  }
}

TEST_F(BuiltInPlot, WithoutLineDataThePlanSaysSo) {
  const SvgCanvas canvas = plot_scenario(builtin_view(*folder_, false));
  const std::string svg = canvas.document();
  EXPECT_NE(svg.find("Pianta non disponibile"), std::string::npos);
  EXPECT_NE(svg.find(">DOLVENA C.LE<"), std::string::npos);
}

TEST(BoardCaption, JoinsTheBoardLinesWithoutTheirBlanks) {
  EXPECT_EQ(board_caption("(GALLERIA   )(POGGIO NERO)(Km 7+135   )"),
            "GALLERIA · POGGIO NERO · Km 7+135");
  EXPECT_EQ(board_caption("(VIADOTTO)(FRASSINE)"), "VIADOTTO · FRASSINE");
  EXPECT_EQ(board_caption("senza parentesi "), "senza parentesi");
  EXPECT_EQ(board_caption("(a)( )coda"), "a · coda");
  EXPECT_EQ(board_caption("(\xC0"), "(À");
}

}  // namespace
}  // namespace scenario::tools
