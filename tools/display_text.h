#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scenario::tools {

// A Windows-1252 text of a binary file as UTF-8 in double quotes for a
// terminal: control characters and the bytes the code page leaves
// undefined appear as \xNN, a quote or backslash with a backslash before it.
std::string quoted_text(std::string_view cp1252);

// Seconds of the day as hh:mm:ss (hours may pass 23; negative values keep
// their sign).
std::string time_of_day(std::int64_t seconds);

// `text` padded with blanks to `width` characters (UTF-8 letters count as
// one).
std::string padded(std::string_view text, std::size_t width);

}  // namespace scenario::tools
