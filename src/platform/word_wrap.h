#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::platform {

// Width in pixels of a piece of text in the font it will be drawn with.
using TextMeasure = std::function<int(std::string_view)>;

// The lines a label or a message box shows for `text`: a new line at every
// line break, and between words wherever the next word would pass `width`.
// A line that fits is kept whole, blanks included; the blanks at a break are
// dropped. A word wider than `width` gets a line of its own and is clipped by
// whoever draws it.
std::vector<std::string> wrap_words(std::string_view text, int width, const TextMeasure& measure);

}  // namespace scenario::platform
