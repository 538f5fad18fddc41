// The data of the view page from records set by hand: the plan's program,
// and texts that would end the script element.

#include "tools/view/view_data.h"

#include <gtest/gtest.h>

#include <cmath>

namespace scenario::tools {
namespace {

using records::PlanArray;

std::string between(const std::string& text, const std::string& from, const std::string& to) {
  const auto start = text.find(from);
  if (start == std::string::npos)
    return "";
  const auto end = text.find(to, start + from.size());
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TEST(ViewData, ThePlanIsTheCompilersWalkAndEveryOtherPointAsItStands) {
  PlanArray plan(8);
  plan.set_int16(0, PlanArray::kX, 0);
  plan.set_int16(0, PlanArray::kY, 0);
  plan.set_int16(1, PlanArray::kX, 0);
  plan.set_int16(1, PlanArray::kY, 1);
  plan.set_double(2, PlanArray::kX, 0);  // straight on
  plan.set_double(2, PlanArray::kY, 2);
  // Two metres turned right by class 4 (0.001 per metre), as the walk does.
  double x0 = 0, y0 = 1, x1 = 0, y1 = 2;
  for (std::int32_t m = 3; m <= 4; ++m) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double x = x1 + (dx + 0.001 * dy), y = y1 + (dy - 0.001 * dx);
    plan.set_double(m, PlanArray::kX, x);
    plan.set_double(m, PlanArray::kY, y);
    x0 = x1, y0 = y1, x1 = x, y1 = y;
  }
  plan.set_double(5, PlanArray::kX, 0.5);  // no walk gives this
  plan.set_double(5, PlanArray::kY, 9);
  plan.set_double(6, PlanArray::kX, std::nan(""));
  plan.set_double(6, PlanArray::kY, -INFINITY);
  const CompiledScenario scenario{records::HeaderTable{}, records::CellArray(3), plan};
  const std::string json = view_data_json(scenario);
  EXPECT_EQ(between(json, "\"plan\":", "}"),
            "\"plan\":{\"last_metre\":8,\"x_kinds\":[2,2,5,5,0,2],\"y_kinds\":[2,2,5,5,0,2],"
            "\"points\":[[\"p\",0,0],[\"p\",0,1],[0,1],[0.001,2],[\"p\",0.5,9],"
            "[\"p\",\"NaN\",\"-Infinity\"],[\"p\",0,0],[\"p\",0,0]]");
}

TEST(ViewData, NoTextEndsTheScriptElementItStandsIn) {
  records::HeaderTable table{};
  table[80].text = "(</script><b>)";
  records::CellArray cells(3);
  cells[2] = {.type = records::kSignBoard, .value_a = 80};
  const std::string json = view_data_json({table, cells, std::nullopt});
  EXPECT_EQ(json.find("</"), std::string::npos);
  EXPECT_NE(json.find("(<\\/script><b>)"), std::string::npos);
  EXPECT_NE(json.find("\"plan\":null"), std::string::npos);
}

}  // namespace
}  // namespace scenario::tools
