#include "tools/documents/document_lines.h"

#include "text/cp1252.h"
#include "tools/documents/document_refusal.h"

namespace scenario::tools {

void DocumentLines::add(std::string_view cp1252) {
  // Checked where each text comes in, with its place; this only keeps a
  // byte without a character from reaching the line writer.
  for (const char c : cp1252) {
    if (!text::cp1252_defines(static_cast<unsigned char>(c)))
      throw DocumentRefusal(document_ + ": un byte che Windows-1252 non definisce");
  }
  const std::string utf8 = text::cp1252_to_utf8(cp1252);
  if (utf8 == text::kEndMarker) {
    throw DocumentRefusal(document_ + ": la riga \"" + utf8 +
                          "\" è il segno di fine dei documenti e non può esserne una riga");
  }
  // The last slot is the end marker's.
  if (lines_.slots().size() + 1 >= text::kLineSlots) {
    throw DocumentRefusal(document_ + ": più di " + std::to_string(text::kLineSlots - 1) +
                          " righe, quante un documento ne può avere");
  }
  lines_.add(utf8);
}

text::LineList DocumentLines::finished() && {
  lines_.end();
  return std::move(lines_);
}

}  // namespace scenario::tools
