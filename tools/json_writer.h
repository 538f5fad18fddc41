#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::tools {

// Writes one JSON value to a stream, compactly, putting the commas itself.
// Strings are given as UTF-8; control characters, quotes and backslashes
// are escaped. Numbers that JSON cannot carry (NaN, infinities) are written
// as null.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void begin_object();
  void end_object();
  void begin_array();
  void end_array();
  // The key of the next member of the object being written.
  void key(std::string_view name);

  void string(std::string_view utf8);
  void number(std::int64_t value);
  void number(double value);
  void boolean(bool value);
  void null();

  // Shorthands for a member: key and value.
  void member(std::string_view name, std::string_view utf8) {
    key(name);
    string(utf8);
  }
  void member(std::string_view name, const char* utf8) { member(name, std::string_view(utf8)); }
  void member(std::string_view name, std::int64_t value) {
    key(name);
    number(value);
  }
  void member(std::string_view name, int value) { member(name, std::int64_t{value}); }
  void member(std::string_view name, double value) {
    key(name);
    number(value);
  }
  template <typename T>
  void member(std::string_view name, const std::optional<T>& value) {
    if (value) {
      member(name, *value);
    } else {
      key(name);
      null();
    }
  }

 private:
  void before_value();
  void quoted(std::string_view utf8);

  std::ostream& out_;
  // Per open container: whether a value has been written in it yet.
  std::vector<bool> has_values_;
  bool after_key_ = false;
};

// Shortest decimal text that reads back as the same double ("0.1", "2",
// "-0", "1e+300").
std::string shortest_decimal(double value);

}  // namespace scenario::tools
