#include "finish/error_catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "finish/finish_errors.h"
#include "finish/format_stamps.h"
#include "line/line_errors.h"
#include "run/memorizza_dati.h"
#include "run/run_error_codes.h"

namespace scenario::finish {
namespace {

std::set<std::int32_t> catalogue_codes() {
  std::set<std::int32_t> codes;
  for (const ErrorMeaning& entry : error_catalogue())
    codes.insert(entry.code);
  return codes;
}

TEST(ErrorCatalogue, HasAMeaningForEveryCodeTheProgramRecords) {
  const std::int32_t recorded[] = {
      line::kErrorLineTooLong,
      line::kErrorRepetitionStart,
      line::kErrorRepetitionEnd,
      line::kErrorRepetitionCodes,
      line::kErrorSignBoardCell,
      line::kErrorBeyondTrack,
      line::kErrorSpeedIndicatorCell,
      line::kErrorNoLineText,
      line::kErrorNoGeneralSection,
      line::kErrorPlan,
      line::kErrorNoLineLength,
      line::kErrorNegativeLineLength,
      line::kErrorStretchOutsideCells,
      line::kErrorCurveBeyondPlan,
      line::kErrorNoBoardSlotLeft,
      line::kErrorBoardBeforeLineStart,
      line::kErrorGradientFillPastTrack,
      line::kErrorGradientOutOfRange,
      run::kErrorKilometricReference,
      run::kErrorAbatementCellTaken,
      run::kErrorStationPosition,
      run::kErrorStationLength,
      run::kErrorStationsReachBoardTexts,
      run::kErrorBeyondTrack,
      run::kErrorSignalCellTaken,
      run::kErrorWarningPointTaken,
      run::kErrorSlowStartTaken,
      run::kErrorSlowEndTaken,
      run::kErrorPreWarningTaken,
      run::kErrorStationSpacing,
      run::kErrorStationAtLineStart,
      run::kErrorSignalOutsideCells,
      run::kErrorSlowSectionOutsideCells,
      run::kErrorStationStopOutsideCells,
      run::kErrorAbatementOutsideCells,
      run::kErrorUnexpectedFailure,
      kErrorSignalNotCovered,
      kErrorWindowTaken,
      kErrorNoRoomForPoint,
      kErrorSectionEndMissing,
      std::stoi(kErrorFormatStampSet),
      std::stoi(kErrorIdentificationCodeSet),
  };
  for (std::int32_t code : recorded) {
    const auto meaning = error_meaning(code);
    ASSERT_TRUE(meaning.has_value()) << code;
    EXPECT_EQ(meaning->code, code);
    EXPECT_FALSE(meaning->text.empty()) << code;
  }
  EXPECT_EQ(error_meaning(0), std::nullopt);
  EXPECT_EQ(error_meaning(14), std::nullopt);
  EXPECT_EQ(error_meaning(9999), std::nullopt);
}

TEST(ErrorCatalogue, OnlyCodesThatRecordAPositionOfTheirOwnSayTheyHaveOne) {
  for (std::int32_t code : {1, 2, 3, 4, 5, 10, 24, 25, 101, 102, 103, 201, 1250, 1251})
    EXPECT_FALSE(error_meaning(code)->has_position) << code;
  for (std::int32_t code : {6, 7, 8, 9, 11, 12, 13, 15, 16, 20, 21, 22, 202, 208, 221, 241})
    EXPECT_TRUE(error_meaning(code)->has_position) << code;
}

// The documentation lists the same codes as the catalogue, no more, no less.
TEST(ErrorCatalogue, ListsTheCodesOfTheDocumentation) {
  std::ifstream doc(std::string(SCENARIO_SOURCE_DIR) + "/doc/error_codes.md");
  ASSERT_TRUE(doc) << "doc/error_codes.md not found";
  std::set<std::int32_t> documented;
  const std::regex row(R"(^\| (\d+) \|)");
  std::string line;
  while (std::getline(doc, line)) {
    std::smatch match;
    if (std::regex_search(line, match, row))
      documented.insert(std::stoi(match[1]));
  }
  EXPECT_EQ(documented, catalogue_codes());
}

}  // namespace
}  // namespace scenario::finish
