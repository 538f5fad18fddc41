#pragma once

#include <optional>
#include <string>

namespace scenario::compiler {

// One description text as the compiler reads it: its bytes (Windows-1252)
// and a name to call it by in messages (the file it came from).
struct DescriptionText {
  std::string name;
  std::string content;
};

// The two texts of one scenario. A text that is not there is "no text",
// which the compiler records as such: no line text is kErrorNoLineText, no
// run text where the run is compiled its own failure,
// kErrorUnexpectedFailure.
struct DescriptionTexts {
  std::optional<DescriptionText> line;
  std::optional<DescriptionText> run;
};

}  // namespace scenario::compiler
