#pragma once

#include <cstdint>

namespace scenario::line {

// Error codes the line compiler records (doc/error_codes.md).
inline constexpr std::int32_t kErrorLineTooLong = 1;
inline constexpr std::int32_t kErrorRepetitionStart = 3;
inline constexpr std::int32_t kErrorRepetitionEnd = 4;
inline constexpr std::int32_t kErrorRepetitionCodes = 5;
inline constexpr std::int32_t kErrorSignBoardCell = 6;
inline constexpr std::int32_t kErrorBeyondTrack = 15;
inline constexpr std::int32_t kErrorSpeedIndicatorCell = 21;
inline constexpr std::int32_t kErrorNoLineText = 101;
inline constexpr std::int32_t kErrorNoGeneralSection = 102;
inline constexpr std::int32_t kErrorPlan = 103;

// Texts that would leave nothing to write or make the compiler write outside
// the cell array, the plan array or the header table.
inline constexpr std::int32_t kErrorNoLineLength = 201;
inline constexpr std::int32_t kErrorNegativeLineLength = 202;
inline constexpr std::int32_t kErrorStretchOutsideCells = 203;
inline constexpr std::int32_t kErrorCurveBeyondPlan = 204;
inline constexpr std::int32_t kErrorNoBoardSlotLeft = 205;
inline constexpr std::int32_t kErrorBoardBeforeLineStart = 206;
inline constexpr std::int32_t kErrorGradientFillPastTrack = 207;
inline constexpr std::int32_t kErrorGradientOutOfRange = 208;

}  // namespace scenario::line
