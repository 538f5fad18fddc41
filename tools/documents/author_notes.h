#pragma once

#include <string_view>

#include "text/line_list.h"

namespace scenario::tools {

// The notes document from an author's text, its lines kept as written. The
// text is read as UTF-8 when its bytes are valid UTF-8 (a byte order mark
// in front is dropped), else as Windows-1252; a line ends at CR LF, LF or a
// lone CR, and the text after the last line end, if any, is the last line.
// The document gets the same lines, each ended by CR LF, in Windows-1252.
// Throws DocumentRefusal naming `name` and the line for a character that
// Windows-1252 cannot hold, a byte it leaves without a character, a line
// that is the line writer's end marker, or more lines than a document has
// room for.
text::LineList author_notes(std::string_view bytes, std::string_view name);

}  // namespace scenario::tools
