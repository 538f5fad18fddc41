#pragma once

#include <string>

#include "records/scenario_records.h"

namespace scenario::run {

// Full paths of the two description texts.
struct DescriptionTexts {
  std::string line_text;
  std::string run_text;
};

// The compiler: the line text, then in the same call the run text, into the
// records. Problems end up in records.state, never as an exception: an
// unexpected failure is caught here, both texts are deleted where they still
// exist, and code 25 is recorded. A stop of the line text deletes the run
// text unread. On every way out neither text is left. Only a file that
// cannot be deleted escapes, as platform::FileError.
void memorizza_dati(records::ScenarioRecords& records, const DescriptionTexts& texts);

// Code recorded by the compiler's trap.
inline constexpr std::int32_t kErrorUnexpectedFailure = 25;

}  // namespace scenario::run
