#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace scenario::tools {

// The "FRA LE STAZIONI" text of a restriction: `first` and `second` joined
// by " - " (just `first` when `second` is empty), in capitals, shortened to
// `width` characters when it is wider. Words are shortened one at a time,
// from the last word of the second place back to its first, then from the
// last word of the first place back to its first, each to its first two
// letters and a full stop ("SCALO" gives "SC."), until the text fits; words
// of three characters or fewer and words that already hold a full stop are
// kept. Should the text still be too wide, it is cut at `width`
// characters. All in Windows-1252 bytes.
std::string place_pair(std::string_view first, std::string_view second, std::size_t width);

}  // namespace scenario::tools
