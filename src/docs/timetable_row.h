#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scenario::docs {

// Seconds of the day.
constexpr int clock_time(int hours, int minutes, int seconds = 0) {
  return (hours * 60 + minutes) * 60 + seconds;
}

// What the "Orario" cell of a train sheet row shows. Times are seconds of
// the day; the sheet prints them to the half minute.
struct TimeCell {
  enum class Form {
    kNone,    // no time
    kLeft,    // one time at the left: departure from the first station, arrival at the last
    kStop,    // arrival at the left, departure at the right
    kMiddle,  // one time in the middle: passing, or a service stop
  };
  Form form = Form::kNone;
  int first = 0;   // the time at the left or in the middle; the arrival of a stop
  int second = 0;  // the departure of a stop
};

constexpr TimeCell departs(int departure) {
  return {TimeCell::Form::kLeft, departure, 0};
}
constexpr TimeCell arrives(int arrival) {
  return {TimeCell::Form::kLeft, arrival, 0};
}
// A stop given as the run gives it: its departure and its dwell time in
// seconds; the train arrives `dwell` seconds before it leaves.
constexpr TimeCell stops(int departure, int dwell) {
  return {TimeCell::Form::kStop, departure - dwell, departure};
}
constexpr TimeCell passes(int time) {
  return {TimeCell::Form::kMiddle, time, 0};
}

// One row of the train sheet's timetable.
struct TimetableRow {
  int line_speed = 0;         // km/h in force from this point on; 0: no change here
  int running_speed = 0;      // km/h, repeated under "No Rs"; 0: no change here
  std::optional<int> metres;  // kilometre point; none in a row that only carries a second name
  std::string_view place;
  TimeCell time;
};

// "hh.mm" for a time of the day, truncated to the half minute, with "+"
// behind it for the second half of the minute: 22:26:30 gives "22.26+",
// 22:17:10 gives "22.17".
std::string sheet_time(int seconds_of_day);

// The 16 characters of the "Orario" cell.
std::string time_cell(const TimeCell& time);

// The whole 83-character table line of a row.
std::string timetable_row(const TimetableRow& row);

}  // namespace scenario::docs
