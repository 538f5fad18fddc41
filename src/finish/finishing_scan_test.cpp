#include "finish/finishing_scan.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace scenario::finish {
namespace {

using records::CellArray;

struct Occupant {
  std::int32_t cell;
  std::uint8_t type;
  std::int16_t value_a = 0;
};

Occupant warning(std::int32_t cell) {
  return {cell, records::kWarningPoint, 60};
}
Occupant start(std::int32_t cell, std::int16_t speed) {
  return {cell, records::kSlowStart, speed};
}
Occupant end(std::int32_t cell) {
  return {cell, records::kSlowEnd, 60};
}
Occupant signal(std::int32_t cell) {
  return {cell, records::kSignal};
}
Occupant point(std::int32_t cell, std::int16_t speed) {
  return {cell, records::kAbatementWithSpeed, speed};
}
Occupant tunnel(std::int32_t cell) {
  return {cell, records::kTunnelMarker};
}
// A cell that is neither free nor a point.
Occupant taken(std::int32_t cell) {
  return {cell, records::kSignBoard};
}

CellArray track(std::int32_t last, const std::vector<Occupant>& occupants) {
  CellArray cells(static_cast<std::size_t>(last + 1));
  for (const Occupant& o : occupants) {
    cells[o.cell].type = o.type;
    cells[o.cell].value_a = o.value_a;
  }
  return cells;
}

// "cell:type:value_a" for every cell that is not empty, for readable failures.
std::vector<std::string> occupied(const CellArray& cells) {
  std::vector<std::string> out;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (cells[k].type == records::kFree) {
      continue;
    }
    out.push_back(std::to_string(k) + ":" + std::to_string(cells[k].type) + ":" +
                  std::to_string(cells[k].value_a));
  }
  return out;
}

struct ScanCase {
  std::string name;
  std::int32_t last;
  std::vector<Occupant> occupants;
  // Every point after the scan, with its speed; 180 unless said.
  std::map<std::int32_t, std::int16_t> points;
  std::int32_t error_code = 0;
  std::int32_t error_position = 0;
};

void PrintTo(const ScanCase& c, std::ostream* os) {
  *os << c.name;
}

std::map<std::int32_t, std::int16_t> at_180(std::initializer_list<std::int32_t> cells) {
  std::map<std::int32_t, std::int16_t> points;
  for (std::int32_t cell : cells)
    points[cell] = 180;
  return points;
}

std::map<std::int32_t, std::int16_t> with(std::map<std::int32_t, std::int16_t> points,
                                          std::int32_t cell, std::int16_t speed) {
  points[cell] = speed;
  return points;
}

class FinishingScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(FinishingScan, PlacesThePointsAndRecordsTheLastError) {
  const ScanCase& c = GetParam();
  CellArray cells = track(c.last, c.occupants);
  CellArray expected = cells;
  for (const auto& [cell, speed] : c.points) {
    expected[cell].type = records::kAbatementWithSpeed;
    expected[cell].value_a = speed;
  }
  records::CompileState state;
  finishing_scan(cells, state);
  EXPECT_EQ(occupied(cells), occupied(expected));
  EXPECT_TRUE(cells == expected);
  EXPECT_EQ(state.error_code, c.error_code);
  EXPECT_EQ(state.error_position, c.error_position);
  EXPECT_EQ(state.text, records::SourceText::kNone);
}

const ScanCase kSignalsBehindWarningPoints[] = {
    {"SignalsInFrontGetAPoint", 60, {warning(30), signal(25), signal(12)}, at_180({24, 11})},
    {"OnlyTheTwentyCellsBehindAreExamined", 60, {warning(30), signal(10), signal(8)}, at_180({9})},
    {"WarningPointAtCell3ExaminesNoSignal", 60, {warning(3), signal(2)}, {}},
    {"WarningPointAtCell10ExaminesCells9To3",
     60,
     {warning(10), signal(9), signal(3)},
     at_180({8, 2})},
    {"WarningPointAtCell10LeavesCell2Alone", 60, {warning(10), signal(2)}, {}},
    {"FreeCellBeforeAnOlderPointOf200",
     60,
     {warning(30), signal(25), point(23, 200)},
     with(at_180({24}), 23, 200)},
    {"SecondCellWhenTheFirstIsTaken", 60, {warning(30), signal(25), taken(24)}, at_180({23})},
    {"NearerPointOf200CappedTo180",
     60,
     {warning(30), signal(25), point(24, 200), taken(23)},
     at_180({24})},
    {"NearerPointOf150Kept", 60, {warning(30), signal(25), point(24, 150), taken(23)}, {{24, 150}}},
    {"FartherPointCappedWhenTheNearerCellIsTaken",
     60,
     {warning(30), signal(25), taken(24), point(23, 200)},
     at_180({23})},
    {"TunnelMarkerIsFree", 60, {warning(30), signal(25), tunnel(24)}, at_180({24})},
    {"BothCellsTakenIsError11AtTheSignal",
     60,
     {warning(30), signal(25), taken(24), taken(23)},
     {},
     11,
     1250},
    {"WarningPointInTheLastTwoCellsNotProcessed", 40, {warning(39), signal(35)}, {}},
    {"WarningPointAtNMinus2Processed", 40, {warning(38), signal(35)}, at_180({34})},
};

const ScanCase kWindowsAheadOfSections[] = {
    {"StartInCells1To7GetsNoWindow", 60, {start(7, 110), end(9)}, {}},
    {"StartAt8GetsTheFirstWindowOnly", 60, {start(8, 110), end(10)}, at_180({3})},
    {"StartAt13GetsTheFirstWindowOnly", 60, {start(13, 110), end(15)}, at_180({8})},
    {"StartAt14GetsTheFirstTwoWindows", 60, {start(14, 110), end(16)}, at_180({9, 3})},
    {"StartAt20GetsTheFirstTwoWindows", 60, {start(20, 110), end(22)}, at_180({15, 9})},
    {"StartAt21GetsAllThreeWindows", 60, {start(21, 110), end(23)}, at_180({16, 10, 3})},
    {"ExistingPointDoesNotSatisfyAWindow",
     60,
     {start(30, 110), end(32), point(25, 180)},
     at_180({25, 24, 19, 12})},
    {"WindowOfPointsIsError12AtTheStart",
     60,
     {start(30, 110), end(32), point(25, 180), point(24, 180), point(23, 180)},
     at_180({25, 24, 23, 19, 12}),
     12,
     1500},
    {"StartInTheLastTwoCellsNotProcessed", 40, {start(39, 110)}, {}},
};

const ScanCase kPointsAlongSections[] = {
    {"Speed110GetsNone", 60, {start(5, 110), end(25)}, {}},
    {"Speed109GetsThem", 60, {start(5, 109), end(25)}, at_180({13, 21})},
    {"SevenCellsLongGetsNone", 60, {start(5, 60), end(12)}, {}},
    {"EightCellsLongGetsOneBeforeTheEnd", 60, {start(5, 60), end(13)}, at_180({12})},
    {"EightCellsLongGetsOneAfterTheEndWhenBeforeIsTaken",
     60,
     {start(5, 60), end(13), taken(12)},
     at_180({14})},
    {"From100To125", 200, {start(100, 60), end(125)}, at_180({82, 89, 95, 108, 116, 124})},
    {"PointMovedBackCountsFromWhereItIs",
     200,
     {start(100, 60), end(125), taken(108)},
     at_180({82, 89, 95, 107, 115, 123})},
    {"PointMovedForwardCountsFromWhereItIs",
     200,
     {start(100, 60), end(125), taken(108), taken(107)},
     at_180({82, 89, 95, 109, 117, 124})},
    {"NoRoomIsError13AndEndsThePointsAlongTheSection",
     60,
     {start(5, 60), end(30), taken(12), taken(13), taken(14), signal(33)},
     at_180({32}),
     13,
     650},
};

const ScanCase kSignalsAfterSections[] = {
    {"SignalTwelveCellsAfterTheEndGetsAPoint",
     60,
     {start(5, 110), end(10), signal(22)},
     at_180({21})},
    {"SignalThirteenCellsAfterTheEndGetsNone", 60, {start(5, 110), end(10), signal(23)}, {}},
    {"OnlyTheFirstSignalGetsAPoint",
     60,
     {start(5, 110), end(10), signal(13), signal(16)},
     at_180({12})},
    {"SecondCellWhenTheFirstIsTaken",
     60,
     {start(5, 110), end(10), signal(13), taken(12)},
     at_180({11})},
    {"BothTakenIsError13AtTheEndCell",
     60,
     {start(5, 110), end(10), signal(13), taken(12), taken(11)},
     {},
     13,
     500},
    {"RunsAfterAFailedPointAlongTheSection",
     60,
     {start(5, 60), end(30), taken(12), taken(13), taken(14), signal(33), taken(32), taken(31)},
     {},
     13,
     1500},
};

const ScanCase kWholeScan[] = {
    {"ExampleWarningPointSectionAndSignal",
     260,
     {warning(174), start(198, 60), end(201), signal(204)},
     at_180({193, 187, 180, 203})},
    {"LastErrorFoundRemains",
     60,
     {start(30, 110), end(32), taken(25), taken(24), taken(23), warning(50), signal(45), taken(44),
      taken(43)},
     at_180({19, 12}),
     11,
     2250},
};

// The walk to a section's end that reaches cell N without finding it.
const ScanCase kSectionsWithoutEnd[] = {
    {"IsError241AtTheStart", 40, {start(30, 110)}, at_180({25, 19, 12}), 241, 1500},
    {"StartAtNMinus2", 40, {start(38, 110)}, at_180({33, 27, 20}), 241, 1900},
    {"PointsAlongItUpToTheLastCell", 40, {start(22, 60)}, at_180({17, 11, 4, 30, 38}), 241, 1100},
    // The point due at the last cell N finds N and N - 1 taken and does not
    // look at N + 1: error 13, then 241 when the walk ends.
    {"NeverLooksPastTheLastCell",
     29,
     {start(5, 60), taken(29), taken(28)},
     at_180({13, 21}),
     241,
     250},
};

std::string case_name(const ::testing::TestParamInfo<ScanCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(SignalsBehindWarningPoints, FinishingScan,
                         ::testing::ValuesIn(kSignalsBehindWarningPoints), case_name);
INSTANTIATE_TEST_SUITE_P(WindowsAheadOfSections, FinishingScan,
                         ::testing::ValuesIn(kWindowsAheadOfSections), case_name);
INSTANTIATE_TEST_SUITE_P(PointsAlongSections, FinishingScan,
                         ::testing::ValuesIn(kPointsAlongSections), case_name);
INSTANTIATE_TEST_SUITE_P(SignalsAfterSections, FinishingScan,
                         ::testing::ValuesIn(kSignalsAfterSections), case_name);
INSTANTIATE_TEST_SUITE_P(WholeScan, FinishingScan, ::testing::ValuesIn(kWholeScan), case_name);
INSTANTIATE_TEST_SUITE_P(SectionsWithoutEnd, FinishingScan,
                         ::testing::ValuesIn(kSectionsWithoutEnd), case_name);

}  // namespace
}  // namespace scenario::finish
