#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::diagnostics {

// The keyword among `keywords` that `field` most likely misspells: the
// nearest by edit distance (a letter left out, added, changed, or two
// neighbours swapped count one each), letter case aside, when it is near
// enough to be a typo: one edit for short words, two from six letters on.
// None when no keyword is that near.
std::optional<std::string> nearest_keyword(std::string_view field,
                                           const std::vector<std::string>& keywords);

}  // namespace scenario::diagnostics
