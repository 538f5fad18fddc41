#include "records/little_endian_writer.h"

#include <cstring>
#include <stdexcept>

namespace scenario::records {

LittleEndianWriter::LittleEndianWriter(const ByteConsumer& consumer)
    : consumer_(consumer), buffer_(kChunk) {}

void LittleEndianWriter::counted_text(std::string_view bytes) {
  if (bytes.size() > 0xFFFF)
    throw std::length_error("text longer than 65535 bytes");
  u16(static_cast<std::uint16_t>(bytes.size()));
  if (bytes.empty())
    return;
  if (kChunk - used_ < bytes.size())
    flush();
  std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

void LittleEndianWriter::flush() {
  if (used_ == 0)
    return;
  consumer_(std::span<const std::uint8_t>(buffer_.data(), used_));
  used_ = 0;
}

std::string collect_bytes(const std::function<void(const ByteConsumer&)>& encode) {
  std::string bytes;
  encode([&](std::span<const std::uint8_t> chunk) {
    bytes.append(reinterpret_cast<const char*>(chunk.data()), chunk.size());
  });
  return bytes;
}

}  // namespace scenario::records
