#pragma once

#include <cstdint>

namespace scenario::run {

// Error codes recorded by the run compiler (see doc/error_codes.md).
inline constexpr std::int32_t kErrorKilometricReference = 2;
inline constexpr std::int32_t kErrorAbatementCellTaken = 7;
inline constexpr std::int32_t kErrorStationPosition = 8;
inline constexpr std::int32_t kErrorStationLength = 9;
inline constexpr std::int32_t kErrorStationsReachBoardTexts = 10;
inline constexpr std::int32_t kErrorBeyondTrack = 15;
inline constexpr std::int32_t kErrorSignalCellTaken = 16;
inline constexpr std::int32_t kErrorWarningPointTaken = 17;
inline constexpr std::int32_t kErrorSlowStartTaken = 18;
inline constexpr std::int32_t kErrorSlowEndTaken = 19;
inline constexpr std::int32_t kErrorPreWarningTaken = 20;
inline constexpr std::int32_t kErrorStationSpacing = 22;
inline constexpr std::int32_t kErrorStationAtLineStart = 24;

// Our own: rows that would address cells outside the cell array.
inline constexpr std::int32_t kErrorSignalOutsideCells = 221;
inline constexpr std::int32_t kErrorSlowSectionOutsideCells = 222;
inline constexpr std::int32_t kErrorStationStopOutsideCells = 223;
inline constexpr std::int32_t kErrorAbatementOutsideCells = 224;

}  // namespace scenario::run
