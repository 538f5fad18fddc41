#pragma once

#include <string>

namespace scenario::package {

// Everything an installer writes for one scenario before it compiles: the
// identity that names the files and stamps the records, and the bytes of the
// two description texts and the three driver documents exactly as they go
// to disk (Windows-1252, CR LF).
struct ScenarioContent {
  std::string line_id;       // UTF-8, as it names the files
  std::string train_number;  // UTF-8, as it names the files
  std::string line_text;
  std::string run_text;
  std::string notes;
  std::string slow_order;
  std::string train_sheet;

  bool operator==(const ScenarioContent&) const = default;
};

}  // namespace scenario::package
