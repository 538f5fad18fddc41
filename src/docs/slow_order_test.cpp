#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "docs/driver_documents.h"
#include "document_test_support.h"
#include "text/line_list.h"

namespace scenario::docs {
namespace {

using testing::bar_positions;
using testing::lines_of;
using testing::trimmed;
using testing::written_bytes;

constexpr std::size_t kTableHead = 8;
constexpr std::size_t kTableBottom = 38;

class SlowOrder : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(lines.size(), 46u); }

  const std::string bytes = written_bytes(dati_rallentamenti);
  const std::vector<std::string> lines = lines_of(bytes);
};

TEST_F(SlowOrder, Is46LinesOfPlainTextEachEndedByCrLf) {
  EXPECT_EQ(bytes.substr(0, 2), "\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(bytes.find(text::kEndMarker), std::string::npos);
  for (unsigned char c : bytes) {
    EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << int(c);
  }
}

TEST_F(SlowOrder, EveryTableLineHasItsBarsAndLength) {
  const std::vector<std::size_t> kBars = {1, 5, 34, 47, 58, 68, 81};
  for (std::size_t i = kTableHead; i <= kTableBottom; ++i) {
    EXPECT_EQ(lines[i].size(), 82u) << "line " << i << ": " << lines[i];
    EXPECT_EQ(bar_positions(lines[i]), kBars) << "line " << i << ": " << lines[i];
  }
  EXPECT_EQ(lines[kTableBottom], lines[11]);
  for (std::size_t i = 14; i < kTableBottom; ++i) {
    EXPECT_EQ(lines[i].find_first_not_of(" |"), std::string::npos) << "line " << i;
  }
  EXPECT_EQ(lines[3], " " + std::string(80, '_'));
  EXPECT_EQ(lines[7], "  " + std::string(79, '_'));
  EXPECT_EQ(lines[6],
            "  Si ordina al macchinista del treno 30527 di effettura i seguenti rallentamenti");
  EXPECT_EQ(lines[45], "     i giorni esclusi i seguenti:.........");
}

// The line's places by kilometre, named as the train sheet names them.
std::vector<std::pair<int, std::string>> sheet_places() {
  std::vector<std::pair<int, std::string>> places;
  const std::vector<std::string> sheet = lines_of(written_bytes(dati_scheda));
  static const std::regex kRow(R"( \|.{5}\|.{5}\| *(\d+)\.(\d{3}) \|.{5}\|(.{28})\|.*)");
  for (const std::string& line : sheet) {
    std::smatch match;
    if (std::regex_match(line, match, kRow)) {
      places.emplace_back(std::stoi(match[1]) * 1000 + std::stoi(match[2]),
                          trimmed(match[3].str()));
    }
  }
  return places;
}

// The kilometre of the sheet place that `name` stands for: the same name, or
// the name shortened to the text before a final ".".
int kilometre_of(const std::vector<std::pair<int, std::string>>& places, const std::string& name) {
  for (const auto& [metres, place] : places) {
    if (place == name)
      return metres;
    if (name.back() == '.' && place.rfind(name.substr(0, name.size() - 1), 0) == 0)
      return metres;
  }
  ADD_FAILURE() << "\"" << name << "\" is not a place of the train sheet";
  return -1;
}

TEST_F(SlowOrder, RestrictionRowsAreTheRunsSlowOrdersBetweenSheetPlaces) {
  // The run's slow orders: start position, speed, length.
  struct RunSlowOrder {
    int start, speed, length;
  };
  const RunSlowOrder kRun[] = {{9850, 60, 150}, {74950, 90, 250}};
  static const std::regex kRow(
      R"( \| (\d) \|([A-Z' .-]+) - ([A-Z' .-]+?) *\| *(\d+)\.(\d{3})   \|    (\d\d)    \|    (\d{3})  \| {12}\|)");
  const auto places = sheet_places();
  for (std::size_t i = 0; i < std::size(kRun); ++i) {
    const std::string& line = lines[12 + i];
    SCOPED_TRACE(line);
    std::smatch match;
    ASSERT_TRUE(std::regex_match(line, match, kRow));
    EXPECT_EQ(std::stoi(match[1]), static_cast<int>(i + 1));
    const int from = kilometre_of(places, match[2]);
    const int to = kilometre_of(places, match[3]);
    const int post = std::stoi(match[4]) * 1000 + std::stoi(match[5]);
    EXPECT_LT(from, kRun[i].start);
    EXPECT_GT(to, kRun[i].start + kRun[i].length);
    EXPECT_LE(post, kRun[i].start);
    EXPECT_GT(post + 1000, kRun[i].start) << "the post is the last one before the start";
    EXPECT_EQ(std::stoi(match[6]), kRun[i].speed);
    EXPECT_EQ(std::stoi(match[7]), kRun[i].length);
  }
  EXPECT_EQ(lines[12],
            " | 1 |CALVANO - MONTERUPI         |    9.000   |    60    |    150  |            |");
}

}  // namespace
}  // namespace scenario::docs
