#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/shown_text.h"

namespace scenario::tools {

using text::quoted_text;

// Seconds of the day as hh:mm:ss (hours may pass 23; negative values keep
// their sign).
std::string time_of_day(std::int64_t seconds);

// `text` padded with blanks to `width` characters (UTF-8 letters count as
// one).
std::string padded(std::string_view text, std::size_t width);

}  // namespace scenario::tools
