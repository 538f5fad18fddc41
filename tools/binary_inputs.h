#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "records/cell_record.h"
#include "records/plan_array.h"
#include "records/table_record.h"

namespace scenario::tools {

// A binary file refused by its decoder: which file, at which byte, why.
class FileDecodeError : public std::runtime_error {
 public:
  FileDecodeError(std::string path, std::size_t offset, std::string reason)
      : std::runtime_error(path + ": byte " + std::to_string(offset) + ": " + reason),
        path_(std::move(path)),
        offset_(offset),
        reason_(std::move(reason)) {}

  const std::string& path() const { return path_; }
  std::size_t offset() const { return offset_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string path_;
  std::size_t offset_;
  std::string reason_;
};

// Each decodes the bytes of the file at `path` with the library's decoder.
// Throws FileDecodeError when they do not fit the format.
records::HeaderTable decode_table(const std::string& path, std::string_view bytes);
records::CellArray decode_cells(const std::string& path, std::string_view bytes);
records::PlanArray decode_plan(const std::string& path, std::string_view bytes);

// Each reads a whole file and decodes it. Throws platform::FileError when
// the file cannot be read, FileDecodeError when it does not fit its format.
records::HeaderTable read_table_file(const std::string& path);
records::CellArray read_cell_file(const std::string& path);
records::PlanArray read_line_data_file(const std::string& path);

// Prints on `warnings` one line "scenario_tool: PATH: avviso: ..." for each
// column of `plan` that departs from the shape the line compiler writes
// (records::compiled_shape_departures): a file cut short or lengthened
// decodes, and the author is told.
void warn_about_plan_shape(const std::string& path, const records::PlanArray& plan,
                           std::ostream& warnings);

// The binary files of a compiled scenario, as the simulator loads them.
struct CompiledScenario {
  records::HeaderTable table;
  records::CellArray cells;
  std::optional<records::PlanArray> plan;  // none when compiled without line data
};

// Reads the scenario `line_id`/`train` compiled in `folder`, by the
// installer's file names; a missing line data file leaves no plan, one of
// an odd shape is warned about on `warnings`. Throws as the readers above.
CompiledScenario read_compiled_scenario(const std::string& folder, const std::string& line_id,
                                        const std::string& train, std::ostream& warnings);

}  // namespace scenario::tools
