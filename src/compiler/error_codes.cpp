#include "compiler/error_codes.h"

#include <algorithm>
#include <array>

namespace scenario::compiler {
namespace {

constexpr std::array kAllErrorCodes = {
    kErrorLineTooLong,
    kErrorKilometricReference,
    kErrorRepetitionStart,
    kErrorRepetitionEnd,
    kErrorRepetitionCodes,
    kErrorSignBoardCell,
    kErrorAbatementCellTaken,
    kErrorStationPosition,
    kErrorStationLength,
    kErrorStationsReachBoardTexts,
    kErrorSignalNotCovered,
    kErrorWindowTaken,
    kErrorNoRoomForPoint,
    kErrorBeyondTrack,
    kErrorSignalCellTaken,
    kErrorWarningPointTaken,
    kErrorSlowStartTaken,
    kErrorSlowEndTaken,
    kErrorPreWarningTaken,
    kErrorSpeedIndicatorCell,
    kErrorStationSpacing,
    kErrorStationAtLineStart,
    kErrorUnexpectedFailure,
    kErrorNoLineText,
    kErrorNoGeneralSection,
    kErrorPlan,
    kErrorNoLineLength,
    kErrorNegativeLineLength,
    kErrorStretchOutsideCells,
    kErrorCurveBeyondPlan,
    kErrorNoBoardSlotLeft,
    kErrorBoardBeforeLineStart,
    kErrorGradientFillPastTrack,
    kErrorGradientOutOfRange,
    kErrorSignalOutsideCells,
    kErrorSlowSectionOutsideCells,
    kErrorStationStopOutsideCells,
    kErrorAbatementOutsideCells,
    kErrorSectionEndMissing,
    kErrorFormatStampSet,
    kErrorIdentificationCodeSet,
};

// Sorted by number, and no number given to two rows.
constexpr bool strictly_increasing() {
  for (std::size_t i = 1; i < kAllErrorCodes.size(); ++i) {
    if (kAllErrorCodes[i - 1].number >= kAllErrorCodes[i].number)
      return false;
  }
  return true;
}
static_assert(strictly_increasing());

}  // namespace

std::span<const ErrorCode> error_codes() {
  return kAllErrorCodes;
}

const ErrorCode* find_error_code(std::int32_t number) {
  const auto found = std::lower_bound(
      kAllErrorCodes.begin(), kAllErrorCodes.end(), number,
      [](const ErrorCode& row, std::int32_t wanted) { return row.number < wanted; });
  if (found == kAllErrorCodes.end() || found->number != number)
    return nullptr;
  return &*found;
}

}  // namespace scenario::compiler
