#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace scenario::records {

// Reads the fields that LittleEndianWriter writes, in the same order, from a
// buffer it never reads outside of. A decoder states what it is about to
// read with require(), which throws DecodeError naming the item and the
// bytes missing; a read that would still pass the end throws DecodeError
// too.
class LittleEndianReader {
 public:
  explicit LittleEndianReader(std::string_view bytes) : bytes_(bytes) {}

  std::size_t offset() const { return offset_; }
  std::size_t remaining() const { return bytes_.size() - offset_; }
  bool at_end() const { return offset_ == bytes_.size(); }

  // Throws DecodeError at the current offset unless `count` more bytes are
  // left; `item` names what needs them ("cella 12").
  void require(std::size_t count, const std::string& item) const;

  std::uint8_t u8();
  std::uint16_t u16();
  std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
  std::int32_t i32();
  std::uint32_t u32();
  std::uint64_t u64();
  double f64();
  // `count` bytes as they stand.
  std::string bytes(std::size_t count);

 private:
  std::uint64_t little_endian(std::size_t width);

  std::string_view bytes_;
  std::size_t offset_ = 0;
};

}  // namespace scenario::records
