#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace scenario::records {

// A binary file whose size or contents do not fit its format: `offset` is
// the byte where the misfit starts, `reason` says what is wrong there
// (Italian, for the authors' tools).
class DecodeError : public std::runtime_error {
 public:
  DecodeError(std::size_t offset, std::string reason)
      : std::runtime_error("byte " + std::to_string(offset) + ": " + reason),
        offset_(offset),
        reason_(std::move(reason)) {}

  std::size_t offset() const { return offset_; }
  const std::string& reason() const { return reason_; }

 private:
  std::size_t offset_;
  std::string reason_;
};

}  // namespace scenario::records
