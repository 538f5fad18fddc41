// The author's notes text on hostile bytes: any bytes at all, as a --notes
// file may hold. Reading them must end in the notes document or in a
// refusal of its own, and the document must keep every line as written:
// as many lines as the text has, each ended by CR LF and holding no other
// line end, and, for a text of plain ASCII, the very same bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "text/line_list.h"
#include "tools/documents/author_notes.h"
#include "tools/documents/document_refusal.h"

namespace {

using scenario::fuzz::require;

// The lines of a text counted apart from the reader: every CR LF, LF or
// lone CR ends one, and text after the last line end is one more.
std::size_t line_count(std::string_view bytes) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
      ++lines;
  }
  const char last = bytes.empty() ? '\n' : bytes.back();
  return lines + (last == '\n' || last == '\r' ? 0 : 1);
}

// The text with every line end written as CR LF, and one after the last line.
std::string with_crlf(std::string_view bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
      continue;  // the LF that follows writes it
    text += bytes[i] == '\r' || bytes[i] == '\n' ? std::string("\r\n") : std::string(1, bytes[i]);
  }
  if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r')
    text += "\r\n";
  return text;
}

bool is_ascii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string document;
  try {
    document = scenario::text::render_lines(scenario::tools::author_notes(bytes, "note"));
  } catch (const scenario::tools::DocumentRefusal& refusal) {
    require(std::string_view(refusal.what()).starts_with("note:"),
            "a refusal names the notes text");
    return 0;
  }
  std::size_t lines = 0;
  for (std::size_t i = 0; i < document.size(); ++i) {
    if (document[i] == '\r') {
      require(i + 1 < document.size() && document[i + 1] == '\n', "a CR only before an LF");
      ++lines;
    } else if (document[i] == '\n') {
      require(i > 0 && document[i - 1] == '\r', "an LF only after a CR");
    }
  }
  require(document.empty() || document.ends_with("\r\n"), "the document ends with a line end");
  // A byte order mark is dropped in front of UTF-8 and kept as the first
  // characters of a Windows-1252 text; a text of nothing else has no line.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const bool mark_dropped =
      bytes.starts_with(kByteOrderMark) && !std::string_view(document).starts_with(kByteOrderMark);
  const std::string_view text = mark_dropped ? bytes.substr(kByteOrderMark.size()) : bytes;
  require(lines == line_count(text), "as many lines as the text has");
  if (is_ascii(bytes))
    require(document == with_crlf(bytes), "a plain ASCII text keeps its bytes");
  return 0;
}
