#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::text {

// Closes every built-in list of text lines; never written to a file.
inline constexpr std::string_view kEndMarker = "riferimento fine del file";

// Room of a list of text lines: slots 0 to 1000.
inline constexpr std::size_t kLineSlots = 1001;

// An ordered list of text lines as the writers hold them, filled from slot 0
// upwards; the slot after the last line holds the end marker.
class LineList {
 public:
  // Appends a line (UTF-8). Throws std::length_error when all slots are used.
  void add(std::string line);
  // Appends the end marker.
  void end() { add(std::string(kEndMarker)); }

  const std::vector<std::string>& slots() const { return slots_; }

 private:
  std::vector<std::string> slots_;
};

// The lines before the first slot equal to the end marker (exact,
// case-sensitive), each followed by CR LF, as Windows-1252 bytes. A list
// without an end marker in slots 0 to 1000 is a programming error:
// std::logic_error, and no slot beyond 1000 is ever read.
std::string render_lines(const LineList& lines);

// Replaces the file at path with render_lines(lines). Throws
// platform::FileError.
void write_lines(const std::string& path, const LineList& lines);

}  // namespace scenario::text
