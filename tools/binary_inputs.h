#pragma once

#include <cstddef>
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

}  // namespace scenario::tools
