#include "line/builtin_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "line/dati_linea.h"
#include "test_support.h"

namespace scenario::line {
namespace {

// The lines before the end marker.
std::vector<std::string> written_lines() {
  const text::LineList list = builtin_line();
  std::vector<std::string> lines;
  for (const auto& slot : list.slots()) {
    if (slot == text::kEndMarker)
      break;
    lines.push_back(slot);
  }
  return lines;
}

std::vector<std::string> fields_of(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    std::string field = line.substr(start, comma - start);
    field.erase(0, field.find_first_not_of(' '));
    fields.push_back(field);
    if (comma == std::string::npos)
      return fields;
    start = comma + 1;
  }
}

int number(const std::string& field) {
  return field.empty() ? 0 : std::stoi(field);
}

// The entries whose keyword begins with `keyword`, as fields.
std::vector<std::vector<std::string>> entries(const std::string& keyword) {
  std::vector<std::vector<std::string>> found;
  for (const auto& line : written_lines()) {
    if (line.rfind(keyword, 0) == 0)
      found.push_back(fields_of(line));
  }
  return found;
}

bool is_header(const std::string& line) {
  return line.front() == '[';
}

TEST(BuiltinLine, Has188LinesInSevenSectionsWithTheirEntries) {
  const auto lines = written_lines();
  ASSERT_EQ(lines.size(), 188u);
  std::vector<std::string> headers;
  std::map<std::string, int> entries_per_section;
  for (const auto& line : lines) {
    if (is_header(line)) {
      headers.push_back(line);
    } else {
      ++entries_per_section[headers.back()];
    }
  }
  EXPECT_EQ(headers, (std::vector<std::string>{"[generale]", "[curve]", "[pendenze]", "[montagne]",
                                               "[cartelli]", "[indicazioni]", "[fine]"}));
  EXPECT_EQ(entries_per_section, (std::map<std::string, int>{{"[generale]", 8},
                                                             {"[curve]", 51},
                                                             {"[pendenze]", 68},
                                                             {"[montagne]", 28},
                                                             {"[cartelli]", 23},
                                                             {"[indicazioni]", 3}}));
  EXPECT_EQ(lines.front(), "[generale]");
  EXPECT_EQ(lines.back(), "[fine]");
}

TEST(BuiltinLine, GeneralSectionAndTellingRowsAreWrittenAsTheyStand) {
  const auto lines = written_lines();
  const std::vector<std::string> general(lines.begin() + 1, lines.begin() + 9);
  EXPECT_EQ(general, (std::vector<std::string>{
                         "lunghezza percorso,    97000",
                         "progressiva chilometrica uno,    0,    0,    0",
                         "progressiva chilometrica due,    0,    0,    0",
                         "progressiva chilometrica tre,    0,    0,    0",
                         "sfondo uno,    0",
                         "sfondo due,    1",
                         "sfondo tre,    0",
                         "ripetizione segnali 4 codici,    1050,    95500",
                     }));
  const char* const telling_rows[] = {
      "curvas2,  1000,  400",
      "curvad1,  6500,  2000",
      "curvad3,  18500,  200",
      "curvad4,  36750,  350",
      "curvas4,  55750,  1000",
      "curvad5,  71850,  400",
      "curvas4,  79950,  1000",
      "curvas4,  95500,  300",
      "pendenza,  0,   2",
      "pendenza,  2000,   0",
      "pendenza,  3500,   5",
      "pendenza,  81600,   -8",
      "pendenza,  81750,   -11",
      "pendenza,  96600,   0",
      "montagna,   18800,  18850,  2",
      "montagna,   31550,  31650,  12",
      "montagna,   37250,  55750,  11",
      "montagna,   72600,  79700,  12",
      "montagna,   86500,  86650,  12",
      "indicatori_vmax,  1000,  105,  115,  120,  0,  ,  ,  ,  0",
      "indicatori_vmax,  16800,  110,  115,  120,  0,  110,  115,  120,  0",
      "indicatori_vmax,  60100,  125,  135,  140,  0,  125,  130,  140,  0",
      "indicatori_vmax,  94300,  60,  65,  70,  0,  ,  ,  ,  0",
      "cartello_indicatore,  37200,   (GALLERIA )(M.SIVELLO)(Km 18+510)",
      "cartello_indicatore,  70250,   (VIADOTTO)(FRASSINE)",
      "cartello_indicatore,  72550,   (GALLERIA   )(POGGIO NERO)(Km 7+135   )",
  };
  for (const char* row : telling_rows) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), row), lines.end()) << row;
  }
  EXPECT_EQ(entries("curva").front()[0], "curvas2");
  EXPECT_EQ(entries("curva").back()[1], "95500");
  EXPECT_EQ(entries("pendenza").front()[1], "0");
  EXPECT_EQ(entries("pendenza").back()[1], "96600");
  EXPECT_EQ(entries("montagna").front()[1], "18800");
  EXPECT_EQ(entries("montagna").back()[1], "86500");
}

TEST(BuiltinLine, CurvesKeepTheirClassesApartAndLeaveBothTunnelsStraight) {
  std::map<std::string, int> classes;
  int previous_end = -1;
  std::vector<int> lengths;
  for (const auto& curve : entries("curva")) {
    ++classes[curve[0].substr(5)];
    const int start = number(curve[1]);
    const int length = number(curve[2]);
    EXPECT_GT(start, previous_end) << curve[0] << " at " << start << " overlaps";
    EXPECT_GE(start, 1000);
    EXPECT_LE(start, 95500);
    // Nothing curves from the end of one curve to the start of the next
    // inside the two long straights.
    EXPECT_FALSE(start > 37100 && start < 55750) << start;
    EXPECT_FALSE(start > 72250 && start < 79950) << start;
    previous_end = start + length;
    lengths.push_back(length);
  }
  EXPECT_EQ(classes, (std::map<std::string, int>{{"s1", 1},
                                                 {"s2", 5},
                                                 {"s3", 6},
                                                 {"s4", 11},
                                                 {"s5", 2},
                                                 {"d1", 4},
                                                 {"d2", 1},
                                                 {"d3", 5},
                                                 {"d4", 11},
                                                 {"d5", 5}}));
  std::sort(lengths.begin(), lengths.end());
  EXPECT_EQ(lengths.front(), 200);
  EXPECT_GT(lengths[1], 200);  // "curvad3,  18500,  200" alone is the shortest
  EXPECT_EQ(lengths.back(), 2000);
  EXPECT_LT(lengths[lengths.size() - 2], 2000);  // and "curvad1,  6500,  2000" the longest
}

TEST(BuiltinLine, GradientsStayWithinTwelvePerMilleAndClimbInRamps) {
  std::map<int, int> gradient_at;
  int previous = -1;
  for (const auto& entry : entries("pendenza")) {
    const int position = number(entry[1]);
    EXPECT_GT(position, previous);
    previous = position;
    gradient_at[position] = number(entry[2]);
  }
  const auto [lowest, highest] =
      std::minmax_element(gradient_at.begin(), gradient_at.end(),
                          [](const auto& a, const auto& b) { return a.second < b.second; });
  EXPECT_EQ(lowest->second, -12);
  EXPECT_EQ(highest->second, 12);
  const std::map<int, int> ramps = {
      {17000, 2},  {17200, 4},  {17400, 6},  {17600, 8},   {17800, 10},  {18000, 12},
      {61700, -4}, {61900, -6}, {62100, -8}, {62300, -10}, {62500, -12}, {70400, -10},
      {70500, -8}, {70600, -6}, {70700, -4}, {70800, -2},
  };
  for (const auto& [position, gradient] : ramps) {
    EXPECT_EQ(gradient_at.at(position), gradient) << position;
  }
}

TEST(BuiltinLine, TerrainStretchesFollowEachOtherWithSixCloseOnes) {
  std::map<int, int> types;
  int close_following = 0;
  int previous_end = -1000;
  int longest = 0;
  for (const auto& stretch : entries("montagna")) {
    const int start = number(stretch[1]);
    const int end = number(stretch[2]);
    ++types[number(stretch[3])];
    EXPECT_GT(start, previous_end);
    if (start - previous_end <= 150)
      ++close_following;
    longest = std::max(longest, end - start);
    previous_end = end;
  }
  EXPECT_EQ(types, (std::map<int, int>{{2, 2}, {11, 3}, {12, 23}}));
  EXPECT_EQ(close_following, 6);
  EXPECT_EQ(longest, 55750 - 37250);
}

TEST(BuiltinLine, BoardsOfBothKindsAndTheirSides) {
  std::vector<int> positions;
  int left_only = 0;
  int both_sides = 0;
  int different_sides = 0;
  for (const auto& board : entries("indicatori_vmax")) {
    ASSERT_EQ(board.size(), 10u);
    positions.push_back(number(board[1]));
    if (board[6].empty()) {
      ++left_only;
      EXPECT_EQ(board[9], "0");
    } else {
      ++both_sides;
      if (!std::equal(board.begin() + 2, board.begin() + 5, board.begin() + 6))
        ++different_sides;
    }
  }
  EXPECT_EQ(left_only, 10);
  EXPECT_EQ(both_sides, 13);
  EXPECT_EQ(different_sides, 1);
  for (const auto& board : entries("cartello_indicatore"))
    positions.push_back(number(board[1]));
  for (int position : positions)
    EXPECT_EQ(position % 50, 0) << position;
}

TEST(BuiltinLine, AnnouncedBoardsComeWithTwoAndOneStripesBeforeThem) {
  std::map<int, std::vector<std::string>> boards;
  for (const auto& board : entries("indicatori_vmax"))
    boards[number(board[1])] = board;
  struct Group {
    int board;
    int first_before;
    int second_before;
  };
  const Group groups[] = {
      {15100, 400, 200}, {60100, 400, 200}, {79000, 400, 200}, {94300, 400, 200}, {54500, 350, 150},
  };
  for (const auto& group : groups) {
    ASSERT_TRUE(boards.count(group.board)) << group.board;
    const auto& first = boards.at(group.board - group.first_before);
    const auto& second = boards.at(group.board - group.second_before);
    EXPECT_EQ(first[5], "2") << group.board;
    EXPECT_EQ(second[5], "1") << group.board;
    EXPECT_EQ(boards.at(group.board)[5], "0") << group.board;
  }
}

TEST(DatiLinea, WritesTheTextWithCrLfEndingInFineAndReplacesALongerFile) {
  scenario::testing::TempFolder folder;
  const std::string path = folder.file("Velbrio_Dolvena_linea.txt");
  scenario::testing::write_bytes(path, std::string(20000, 'Z'));
  dati_linea(path);
  const std::string bytes = scenario::testing::read_bytes(path);
  EXPECT_EQ(bytes.substr(0, 12), "[generale]\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 8), "[fine]\r\n");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 188);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 188);
  EXPECT_EQ(bytes.find("riferimento"), std::string::npos);
  EXPECT_EQ(bytes.find('Z'), std::string::npos);
}

}  // namespace
}  // namespace scenario::line
