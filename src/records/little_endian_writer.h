#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::records {

// Receives encoded bytes in order, in chunks of any size.
using ByteConsumer = std::function<void(std::span<const std::uint8_t>)>;

// Serialises fields one by one, little-endian, without padding, into a
// buffer that is handed to the consumer whenever it fills and on flush().
// Never writes a struct's memory, so host layout and byte order play no part.
class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(const ByteConsumer& consumer);

  void u8(std::uint8_t value);
  void u16(std::uint16_t value);
  void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
  void i32(std::int32_t value);
  void f64(double value);
  // A text: unsigned 16-bit byte count, then the bytes, no terminator.
  // Throws std::length_error beyond 65535 bytes.
  void counted_text(std::string_view bytes);

  // Hands every byte still buffered to the consumer.
  void flush();

 private:
  void reserve(std::size_t count);

  const ByteConsumer& consumer_;
  std::vector<std::uint8_t> buffer_;
};

// Collects what an encoder produces, for callers that want the bytes whole.
std::string collect_bytes(const std::function<void(const ByteConsumer&)>& encode);

}  // namespace scenario::records
