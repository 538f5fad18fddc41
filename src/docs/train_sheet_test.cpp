#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "builtin_scenario.h"
#include "docs/driver_documents.h"
#include "document_test_support.h"
#include "text/cp1252.h"
#include "text/line_list.h"

namespace scenario::docs {
namespace {

using testing::bar_positions;
using testing::lines_of;
using testing::trimmed;
using testing::written_bytes;

constexpr std::size_t kFirstRow = 16;
constexpr std::size_t kRowCount = 36;

int seconds(int hours, int minutes, int secs) {
  return (hours * 60 + minutes) * 60 + secs;
}

// A time as the sheet shows it, to the half minute.
int shown(int seconds_of_day) {
  return seconds_of_day / 30 * 30;
}

// "hh.mm" with an optional "+" (30 seconds more), read back into seconds.
int parse_time(const std::string& text) {
  static const std::regex kForm(R"((\d\d)\.(\d\d)(\+?))");
  std::smatch match;
  if (!std::regex_match(text, match, kForm)) {
    ADD_FAILURE() << "not a time: \"" << text << "\"";
    return -1;
  }
  return seconds(std::stoi(match[1]), std::stoi(match[2]), match[3].length() == 1 ? 30 : 0);
}

// The "Orario" cell read back: which of its forms it has and its times.
struct SheetTimes {
  enum class Form { kNone, kLeft, kStop, kMiddle, kMalformed };
  Form form = Form::kMalformed;
  int first = -1;
  int second = -1;
  bool plus_on_first = false;
  bool plus_on_second = false;
};

SheetTimes parse_time_cell(const std::string& cell) {
  struct Token {
    std::size_t start;
    std::string text;
  };
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < cell.size();) {
    if (cell[i] == ' ') {
      ++i;
      continue;
    }
    const std::size_t end = std::min(cell.find(' ', i), cell.size());
    tokens.push_back({i, cell.substr(i, end - i)});
    i = end;
  }
  SheetTimes times;
  using Form = SheetTimes::Form;
  if (cell.size() != 16)
    return times;
  if (tokens.empty()) {
    times.form = Form::kNone;
    return times;
  }
  times.first = parse_time(tokens[0].text);
  times.plus_on_first = tokens[0].text.back() == '+';
  if (tokens.size() == 1 && tokens[0].start == 0)
    times.form = Form::kLeft;
  if (tokens.size() == 1 && tokens[0].start == 6)
    times.form = Form::kMiddle;
  if (tokens.size() == 2 && tokens[0].start == 0 &&
      tokens[1].start + tokens[1].text.size() == cell.size()) {
    times.form = Form::kStop;
    times.second = parse_time(tokens[1].text);
    times.plus_on_second = tokens[1].text.back() == '+';
  }
  return times;
}

// A speed cell: blank, or a number right-aligned in 4 characters and a space.
std::optional<int> parse_speed(const std::string& cell) {
  if (cell == "     ")
    return std::nullopt;
  static const std::regex kForm(R"( {0,3}\d{1,4} )");
  EXPECT_TRUE(std::regex_match(cell, kForm)) << "speed cell \"" << cell << "\"";
  return std::atoi(cell.c_str());
}

// A kilometre cell: blank, the first station's bare 0, or three decimals
// right-aligned in 9 characters and a space.
std::optional<int> parse_kilometre(const std::string& cell) {
  if (cell == std::string(10, ' '))
    return std::nullopt;
  if (cell == "     0    ")
    return 0;
  static const std::regex kForm(R"( *(\d+)\.(\d{3}) )");
  std::smatch match;
  if (cell.size() != 10 || !std::regex_match(cell, match, kForm)) {
    ADD_FAILURE() << "kilometre cell \"" << cell << "\"";
    return -1;
  }
  return std::stoi(match[1]) * 1000 + std::stoi(match[2]);
}

// One timetable row read back cell by cell.
struct SheetRow {
  std::string line;
  std::optional<int> line_speed;
  std::optional<int> running_speed;
  std::optional<int> metres;
  std::optional<int> no_rs;
  std::string place;
  SheetTimes times;
  std::string rec;
};

SheetRow read_row(const std::string& line) {
  const std::string padded = line + std::string(83, ' ');  // a short line fails elsewhere
  return {line,
          parse_speed(padded.substr(2, 5)),
          parse_speed(padded.substr(8, 5)),
          parse_kilometre(padded.substr(14, 10)),
          parse_speed(padded.substr(25, 5)),
          trimmed(padded.substr(31, 28)),
          parse_time_cell(padded.substr(60, 16)),
          padded.substr(77, 5)};
}

std::vector<SheetRow> rows_of(const std::vector<std::string>& lines) {
  std::vector<SheetRow> rows;
  for (std::size_t i = kFirstRow; i < kFirstRow + kRowCount && i < lines.size(); ++i) {
    rows.push_back(read_row(lines[i]));
  }
  return rows;
}

class TrainSheet : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(rows.size(), kRowCount); }

  // The row at a kilometre point, or null.
  const SheetRow* row_at(int metres) const {
    auto found = std::find_if(rows.begin(), rows.end(),
                              [&](const SheetRow& row) { return row.metres == metres; });
    return found == rows.end() ? nullptr : &*found;
  }

  const std::string bytes = written_bytes(dati_scheda);
  const std::vector<std::string> lines = lines_of(bytes);
  const std::vector<SheetRow> rows = rows_of(lines);
};

TEST_F(TrainSheet, Is56LinesOfPlainTextEachEndedByCrLf) {
  EXPECT_EQ(bytes.substr(0, 2), "\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(lines.size(), 56u);
  EXPECT_EQ(bytes.find(text::kEndMarker), std::string::npos);
  for (unsigned char c : bytes) {
    EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << int(c);
  }
}

TEST_F(TrainSheet, BandsAndTableKeepTheirBarsAndLengths) {
  struct Layout {
    std::size_t first, last, length;
    std::vector<std::size_t> bars;
  };
  const std::vector<std::size_t> kTableBars = {1, 7, 13, 24, 30, 59, 76, 82};
  const Layout layouts[] = {
      {0, 1, 0, {}},                 // empty
      {2, 2, 82, {}},                // top of the identity band
      {3, 5, 83, {1, 21, 67, 82}},   // identity band
      {6, 6, 83, {67, 82}},          // bottom of its right box
      {7, 7, 56, {}},                // top of the classification band
      {8, 8, 64, {1, 21, 36, 56}},   // with its 7 trailing spaces
      {9, 10, 57, {1, 21, 36, 56}},  // classification band
      {11, 11, 0, {}},               // empty
      {12, 12, 82, {}},              // top of the table
      {13, 52, 83, kTableBars},      // head, rows and bottom
      {53, 53, 1, {}},               // a single space
  };
  ASSERT_EQ(lines.size(), 56u);
  for (const Layout& layout : layouts) {
    for (std::size_t i = layout.first; i <= layout.last; ++i) {
      EXPECT_EQ(lines[i].size(), layout.length) << "line " << i << ": " << lines[i];
      EXPECT_EQ(bar_positions(lines[i]), layout.bars) << "line " << i << ": " << lines[i];
    }
  }
  EXPECT_EQ(lines[8].substr(57), std::string(7, ' '));
  EXPECT_EQ(lines[53], " ");
  EXPECT_EQ(lines[12], "  " + std::string(80, '_'));
  EXPECT_EQ(lines[52], lines[15]);
  EXPECT_EQ(lines[4],
            " |   TRENO n.30527   |                   da: VELBRIO S.M.N.        |   V 160 B    |");
}

TEST_F(TrainSheet, TellingRowsStandAsTheyAre) {
  ASSERT_EQ(lines.size(), 56u);
  EXPECT_EQ(lines[kFirstRow],
            " |  30 |  30 |     0    |  30 |VELBRIO S.M.N.              |21.55           |     |");
  EXPECT_EQ(lines[kFirstRow + kRowCount - 1],
            " |     |     |   96.600 |     |DOLVENA C.LE                |23.26           |     |");
  const char* const kAmongTheRows[] = {
      " | 115 | 105 |    1.000 | 105 |deviatoio uscita            |                |     |",
      " |     |     |   21.350 |     |P 134                       |                |     |",
      " |     |     |   46.800 |     |p.c. precedenze             |      22.43     |     |",
      " | 115 | 105 |   16.350 | 105 |ROCCA-FIORALE               |22.17      22.18|     |",
      " |     |     |   26.200 |     |CASTELNUOVO ALTO            |22.26+     22.27|     |",
      " | 135 | 125 |   61.400 | 125 |POGGIOBRUNO                 |22.54     22.54+|     |",
  };
  const auto first = lines.begin() + kFirstRow;
  for (const char* row : kAmongTheRows) {
    EXPECT_NE(std::find(first, first + kRowCount, row), first + kRowCount) << row;
  }
}

TEST_F(TrainSheet, RowsRunFromKilometre0To96600InIncreasingOrder) {
  int previous = -1;
  for (const SheetRow& row : rows) {
    EXPECT_EQ(row.rec, "     ") << row.line;
    if (!row.metres)
      continue;  // the second-name row
    EXPECT_GT(*row.metres, previous) << row.line;
    previous = *row.metres;
  }
  EXPECT_EQ(rows.front().metres, 0);
  EXPECT_EQ(rows.back().metres, 96600);
}

TEST_F(TrainSheet, RowCountsByKind) {
  using Form = SheetTimes::Form;
  int stops = 0, plus_on_arrival = 0, plus_on_departure = 0, single_times = 0, left_times = 0;
  int without_time = 0, exit_switches = 0, block_posts = 0, portals = 0, second_names = 0;
  int full_speed_rows = 0, line_speed_only_rows = 0;
  static const std::regex kBlockPost(R"(P \d+)");
  for (const SheetRow& row : rows) {
    switch (row.times.form) {
      case Form::kStop:
        ++stops;
        plus_on_arrival += row.times.plus_on_first;
        plus_on_departure += row.times.plus_on_second;
        break;
      case Form::kMiddle:
        ++single_times;
        EXPECT_FALSE(row.times.plus_on_first) << row.line;
        break;
      case Form::kLeft:
        ++left_times;
        break;
      case Form::kNone:
        ++without_time;
        exit_switches += row.place == "deviatoio uscita";
        block_posts += std::regex_match(row.place, kBlockPost);
        portals += row.place.find("gall.") != std::string::npos;
        second_names += !row.metres;
        break;
      case Form::kMalformed:
        ADD_FAILURE() << "time cell of " << row.line;
    }
    if (row.line_speed && row.running_speed && row.no_rs)
      ++full_speed_rows;
    if (row.line_speed && !row.running_speed && !row.no_rs)
      ++line_speed_only_rows;
    if (!row.line_speed) {
      EXPECT_FALSE(row.running_speed || row.no_rs) << row.line;
    }
    EXPECT_EQ(row.no_rs, row.running_speed) << row.line;
  }
  EXPECT_EQ(left_times, 2);
  EXPECT_EQ(stops, 10);
  EXPECT_EQ(plus_on_arrival, 5);
  EXPECT_EQ(plus_on_departure, 2);
  EXPECT_EQ(single_times, 6);
  EXPECT_EQ(without_time, 18);
  EXPECT_EQ(exit_switches, 3);
  EXPECT_EQ(block_posts, 7);
  EXPECT_EQ(portals, 3);
  EXPECT_EQ(second_names, 1);
  EXPECT_EQ(full_speed_rows, 12);
  EXPECT_EQ(line_speed_only_rows, 1);
}

// Every station of the compiled built-in run: its position, name, kind,
// dwell and departure time (the arrival at the last station; 0 where it does
// not stop).
TEST_F(TrainSheet, AgreesWithTheRunsStationsAndTimes) {
  using Form = SheetTimes::Form;
  const std::vector<records::TableRecord> run_stations =
      scenario::testing::stations(scenario::testing::builtin_scenario());
  ASSERT_EQ(run_stations.size(), 19u);
  const records::TableRecord& first = run_stations.front();
  const records::TableRecord& last = run_stations.back();
  for (const records::TableRecord& station : run_stations) {
    SCOPED_TRACE(station.text);
    const SheetRow* row = row_at(station.long_c);
    ASSERT_NE(row, nullptr);
    // The sheet writes the kind of place of a "p.c." in lower case.
    EXPECT_EQ(text::cp1252_lower(row->place), text::cp1252_lower(station.text));
    const int time = station.long_d;
    const int dwell = station.byte_c;
    const SheetTimes& shown_times = row->times;
    if (&station == &first) {  // departure only
      EXPECT_EQ(shown_times.form, Form::kLeft);
      EXPECT_EQ(shown_times.first, shown(time));
    } else if (&station == &last) {  // arrival only
      EXPECT_EQ(shown_times.form, Form::kLeft);
      EXPECT_EQ(shown_times.first, shown(time));
    } else if (station.kind == 26) {  // service stop: its arrival alone
      EXPECT_EQ(shown_times.form, Form::kMiddle);
      EXPECT_EQ(shown_times.first, shown(time - dwell));
    } else if (time != 0) {  // a stop: arrives dwell seconds before it leaves
      EXPECT_EQ(shown_times.form, Form::kStop);
      EXPECT_EQ(shown_times.first, shown(time - dwell));
      EXPECT_EQ(shown_times.second, shown(time));
    } else if (station.kind == 25) {  // the junction
      EXPECT_EQ(shown_times.form, Form::kNone);
    } else {  // passing
      EXPECT_EQ(shown_times.form, Form::kMiddle);
    }
  }
}

TEST_F(TrainSheet, TimesNeverRunBackwards) {
  int previous = 0;
  for (const SheetRow& row : rows) {
    for (int time : {row.times.first, row.times.second}) {
      if (time < 0)
        continue;
      EXPECT_GE(time, previous) << row.line;
      previous = time;
    }
  }
}

TEST_F(TrainSheet, SpeedChangesAreTheRunsSpeedLimits) {
  // The compiled run's speed limits: where each changes along the cells,
  // km/h from there on.
  const std::vector<scenario::testing::SpeedChange> run_limits =
      scenario::testing::speed_changes(scenario::testing::builtin_scenario());
  ASSERT_EQ(run_limits.size(), 13u);
  // The sheet lists a change at the nearest point it shows.
  constexpr int kNearEnough = 200;
  std::vector<const SheetRow*> changes;
  for (const SheetRow& row : rows) {
    if (row.line_speed)
      changes.push_back(&row);
  }
  ASSERT_EQ(changes.size(), run_limits.size());
  int running = 0;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const SheetRow& row = *changes[i];
    EXPECT_EQ(row.line_speed, run_limits[i].km_per_hour) << row.line;
    EXPECT_LE(std::abs(*row.metres - run_limits[i].metres), kNearEnough) << row.line;
    if (row.running_speed)
      running = *row.running_speed;
    EXPECT_LE(running, *row.line_speed) << "running faster than the line allows: " << row.line;
  }
}

TEST_F(TrainSheet, BlockPostsStandAtSignalsAndPortalsAtTunnelEnds) {
  const std::vector<std::int32_t> run_signals =
      scenario::testing::signal_positions(scenario::testing::builtin_scenario());
  ASSERT_EQ(run_signals.size(), 44u);
  std::vector<std::string> post_names;
  for (const SheetRow& row : rows) {
    if (row.place.rfind("P ", 0) != 0)
      continue;
    ASSERT_TRUE(row.metres) << row.line;
    EXPECT_NE(std::find(run_signals.begin(), run_signals.end(), *row.metres), run_signals.end())
        << row.line;
    post_names.push_back(row.place);
  }
  std::sort(post_names.begin(), post_names.end());
  EXPECT_EQ(std::adjacent_find(post_names.begin(), post_names.end()), post_names.end());

  // The line's tunnels: MONTE SIVELLO 37250 to 55750, POGGIO NERO from 72600.
  const std::pair<int, const char*> kPortals[] = {
      {37250, "MONTE SIVELLO"}, {55750, "MONTE SIVELLO"}, {72600, "POGGIO NERO"}};
  for (const auto& [metres, tunnel] : kPortals) {
    const SheetRow* row = row_at(metres);
    ASSERT_NE(row, nullptr) << metres;
    EXPECT_NE(row->place.find(tunnel), std::string::npos) << row->line;
  }
}

TEST_F(TrainSheet, TheSecondNameRowCarriesOnlyANameUnderAStop) {
  const std::vector<SheetRow>& all = rows;
  for (std::size_t i = 1; i < all.size(); ++i) {
    if (all[i].metres)
      continue;
    EXPECT_EQ(all[i].times.form, SheetTimes::Form::kNone) << all[i].line;
    EXPECT_FALSE(all[i].line_speed || all[i].running_speed || all[i].no_rs) << all[i].line;
    EXPECT_FALSE(all[i].place.empty());
    EXPECT_EQ(all[i - 1].times.form, SheetTimes::Form::kStop) << all[i - 1].line;
  }
}

TEST_F(TrainSheet, TheLegendExplainsThePlusAndTheServiceStop) {
  ASSERT_EQ(lines.size(), 56u);
  EXPECT_EQ(lines[54], " Il segno (+) indica la misura di tempo di 30 sec.");
  EXPECT_EQ(lines[55], " Fermata a p.c. precedenze per servizio personale, perditempo 2 min.");
}

}  // namespace
}  // namespace scenario::docs
