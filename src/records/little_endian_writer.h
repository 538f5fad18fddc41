#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scenario::records {

// Puts the `count` low bytes of `bits` at `at`, the lowest first, and
// returns the place after them. Written as one shift per byte, which the
// compiler turns into a single store.
template <std::size_t count>
std::uint8_t* put_little_endian(std::uint8_t* at, std::uint64_t bits) {
  [&]<std::size_t... i>(std::index_sequence<i...>) {
    ((at[i] = static_cast<std::uint8_t>(bits >> (8 * i))), ...);
  }
  (std::make_index_sequence<count>());
  return at + count;
}

// Receives encoded bytes in order, in chunks of any size.
using ByteConsumer = std::function<void(std::span<const std::uint8_t>)>;

// Serialises fields one by one, little-endian, without padding, into a
// buffer that is handed to the consumer whenever it fills and on flush().
// Never writes a struct's memory, so host layout and byte order play no part.
//
// The field writers are inline and store each field's bytes with shifts
// into a fixed buffer: the compiler turns that into one store per field,
// which keeps encoding the 20 MB of the longest line data file far cheaper
// than writing it.
class LittleEndianWriter {
 public:
  // Bytes handed to the consumer at a time, at most.
  static constexpr std::size_t kChunk = std::size_t{1} << 16;

  explicit LittleEndianWriter(const ByteConsumer& consumer);

  void u8(std::uint8_t value) { store<1>(value); }
  void u16(std::uint16_t value) { store<2>(value); }
  void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
  void i32(std::int32_t value) { store<4>(static_cast<std::uint32_t>(value)); }
  void f64(double value) { store<8>(std::bit_cast<std::uint64_t>(value)); }
  // A text: unsigned 16-bit byte count, then the bytes, no terminator.
  // Throws std::length_error beyond 65535 bytes.
  void counted_text(std::string_view bytes);

  // Hands every byte still buffered to the consumer.
  void flush();

  // For encoders of long runs of fields: the free rest of the buffer, at
  // least `at_least` bytes (at most kChunk). Fill it from its start with
  // put_little_endian, then advance() by the bytes written.
  std::span<std::uint8_t> room(std::size_t at_least) {
    if (kChunk - used_ < at_least)
      flush();
    return std::span<std::uint8_t>(buffer_).subspan(used_);
  }
  void advance(std::size_t written) { used_ += written; }

 private:
  // Appends a field; a field is never split between two chunks.
  template <std::size_t count>
  void store(std::uint64_t bits) {
    put_little_endian<count>(room(count).data(), bits);
    used_ += count;
  }

  const ByteConsumer& consumer_;
  std::vector<std::uint8_t> buffer_;
  std::size_t used_ = 0;
};

// Collects what an encoder produces, for callers that want the bytes whole.
std::string collect_bytes(const std::function<void(const ByteConsumer&)>& encode);

}  // namespace scenario::records
