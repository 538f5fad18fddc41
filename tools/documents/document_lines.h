#pragma once

#include <string>
#include <string_view>

#include "text/line_list.h"

namespace scenario::tools {

// The lines of one driver document as the shared line writer takes them.
// The documents are laid out in Windows-1252 bytes, one byte a character,
// so that every cell width counts characters; each line is handed to the
// line list as UTF-8 and comes out of text::render_lines as the same bytes.
class DocumentLines {
 public:
  // `document` names the text and the document in a refusal ("corsa.txt:
  // la scheda treno").
  explicit DocumentLines(std::string document) : document_(std::move(document)) {}

  // Appends a line of Windows-1252 bytes. Throws DocumentRefusal when the
  // document already fills every line of the list, when the line is the
  // list's end marker, which would end the document there, or when it holds
  // a byte the code page leaves without a character.
  void add(std::string_view cp1252);

  // The finished list, closed by the end marker.
  text::LineList finished() &&;

 private:
  std::string document_;
  text::LineList lines_;
};

}  // namespace scenario::tools
