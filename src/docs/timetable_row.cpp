#include "docs/timetable_row.h"

#include <stdexcept>

#include "docs/table_cells.h"

namespace scenario::docs {
namespace {

constexpr std::size_t kTimeWidth = 16;
constexpr std::size_t kPlaceWidth = 28;
// A single time stands 6 characters into its cell, between the two times of
// a stop.
constexpr std::size_t kMiddleIndent = 6;

std::string two_digits(int value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

// A speed right-aligned in 4 characters and a space; blank when it does not
// change here.
std::string speed_cell(int kmh) {
  if (kmh == 0)
    return std::string(5, ' ');
  return right_aligned(std::to_string(kmh), 4) + " ";
}

// The kilometre point right-aligned in 9 characters and a space. The first
// station is written as a bare 0 under the decimal points of the rows below.
std::string kilometre_cell(const std::optional<int>& metres) {
  if (!metres)
    return std::string(10, ' ');
  if (*metres == 0)
    return "     0    ";
  return right_aligned(kilometres(*metres), 9) + " ";
}

}  // namespace

std::string sheet_time(int seconds_of_day) {
  constexpr int kDay = 24 * 60 * 60;
  if (seconds_of_day < 0 || seconds_of_day >= kDay) {
    throw std::logic_error("time of day out of range: " + std::to_string(seconds_of_day) + " s");
  }
  const int half_minutes = seconds_of_day / 30;
  const int minutes = half_minutes / 2;
  return two_digits(minutes / 60) + "." + two_digits(minutes % 60) +
         (half_minutes % 2 == 1 ? "+" : "");
}

std::string time_cell(const TimeCell& time) {
  switch (time.form) {
    case TimeCell::Form::kNone:
      return std::string(kTimeWidth, ' ');
    case TimeCell::Form::kLeft:
      return left_aligned(sheet_time(time.first), kTimeWidth);
    case TimeCell::Form::kStop: {
      const std::string departure = sheet_time(time.second);
      return left_aligned(sheet_time(time.first), kTimeWidth - departure.size()) + departure;
    }
    case TimeCell::Form::kMiddle:
      return std::string(kMiddleIndent, ' ') +
             left_aligned(sheet_time(time.first), kTimeWidth - kMiddleIndent);
  }
  throw std::logic_error("unknown form of time cell");
}

std::string timetable_row(const TimetableRow& row) {
  const std::string running = speed_cell(row.running_speed);
  return table_row({speed_cell(row.line_speed), running, kilometre_cell(row.metres), running,
                    left_aligned(row.place, kPlaceWidth), time_cell(row.time),
                    std::string(5, ' ')});
}

}  // namespace scenario::docs
