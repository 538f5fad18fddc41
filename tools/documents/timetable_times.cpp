#include "tools/documents/timetable_times.h"

#include <cstdint>
#include <optional>

#include "run/station.h"

namespace scenario::tools {
namespace {

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;
constexpr std::int64_t kSecondsPerMinute = 60;

std::int64_t floor_div(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t quotient = numerator / denominator;
  return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1
                                                                                : quotient;
}

std::int64_t arrival(const RunStation& station) {
  return std::int64_t{station.time} - station.dwell;
}

// A time and where it is, to interpolate from.
struct TimedPoint {
  std::int64_t position;
  std::int64_t time;
};

// The passing time at `position`, in seconds to the whole minute: the
// straight line from `before` to `after`, rounded half up. A run that
// crosses midnight counts the later time on into the next day.
int passing_time(const TimedPoint& before, const TimedPoint& after, std::int64_t position) {
  const std::int64_t distance = after.position - before.position;
  std::int64_t span = after.time - before.time;
  if (span < 0)
    span = ((span % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay;
  // The time is before.time + span × covered / distance seconds; in
  // minutes, rounded half up, that is floor((2 × seconds + 60) / 120).
  const std::int64_t covered = position - before.position;
  const std::int64_t seconds_times_distance = before.time * distance + span * covered;
  const std::int64_t minutes = floor_div(2 * seconds_times_distance + kSecondsPerMinute * distance,
                                         2 * kSecondsPerMinute * distance);
  return run_time_of_day(minutes * kSecondsPerMinute);
}

std::optional<TimedPoint> departure_before(const std::vector<RunStation>& stations,
                                           std::size_t row) {
  for (std::size_t i = row; i-- > 0;) {
    if (stations[i].gives_time())
      return TimedPoint{stations[i].position, stations[i].time};
  }
  return std::nullopt;
}

std::optional<TimedPoint> arrival_after(const std::vector<RunStation>& stations, std::size_t row) {
  for (std::size_t i = row + 1; i < stations.size(); ++i) {
    if (stations[i].gives_time())
      return TimedPoint{stations[i].position, arrival(stations[i])};
  }
  return std::nullopt;
}

docs::TimeCell time_cell_of(const std::vector<RunStation>& stations, std::size_t row) {
  const RunStation& station = stations[row];
  const bool first = row == 0;
  const bool last = row + 1 == stations.size();
  if (station.gives_time()) {
    if (first)
      return docs::departs(run_time_of_day(station.time));
    if (last)
      return docs::arrives(run_time_of_day(arrival(station)));
    if (station.kind < run::kFirstKindWithoutStop) {
      return {docs::TimeCell::Form::kStop, run_time_of_day(arrival(station)),
              run_time_of_day(station.time)};
    }
    return docs::passes(run_time_of_day(arrival(station)));
  }
  if (first || last || station.kind == run::kFirstKindWithoutStop)
    return {};
  const auto before = departure_before(stations, row);
  const auto after = arrival_after(stations, row);
  if (!before || !after || after->position <= before->position)
    return {};
  return docs::passes(passing_time(*before, *after, station.position));
}

}  // namespace

int run_time_of_day(std::int64_t seconds) {
  return static_cast<int>(((seconds % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay);
}

std::vector<docs::TimeCell> timetable_times(const std::vector<RunStation>& stations) {
  std::vector<docs::TimeCell> cells;
  cells.reserve(stations.size());
  for (std::size_t row = 0; row < stations.size(); ++row)
    cells.push_back(time_cell_of(stations, row));
  return cells;
}

}  // namespace scenario::tools
