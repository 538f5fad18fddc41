#include "text/line_list.h"

#include <stdexcept>

#include "platform/files.h"
#include "text/cp1252.h"

namespace scenario::text {

void LineList::add(std::string line) {
  if (slots_.size() >= kLineSlots)
    throw std::length_error("line list full: 1001 slots");
  slots_.push_back(std::move(line));
}

std::string render_lines(const LineList& lines) {
  std::string bytes;
  const auto& slots = lines.slots();
  // Room for all of it at once: a line's Windows-1252 form is never longer
  // than its UTF-8 one.
  std::size_t room = 0;
  for (const std::string& line : slots)
    room += line.size() + 2;
  bytes.reserve(room);
  for (std::size_t slot = 0; slot < kLineSlots && slot < slots.size(); ++slot) {
    if (slots[slot] == kEndMarker)
      return bytes;
    bytes += utf8_to_cp1252(slots[slot]);
    bytes += "\r\n";
  }
  throw std::logic_error("line list without end marker");
}

void write_lines(const std::string& path, const LineList& lines) {
  const std::string bytes = render_lines(lines);
  platform::replace_file(path, [&](platform::OutputFile& out) { out.write(bytes); });
}

}  // namespace scenario::text
