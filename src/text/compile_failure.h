#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace scenario::text {

// An unexpected failure while a description text is compiled: reading past
// the end of the text, a field that is not the number expected, a value that
// does not fit the field it is stored in. Raised by the field reader and the
// compilers, caught only by the compiler's trap, which records code 25.
// `line` is the 1-based line of the text where the failing field stands;
// `reason` says which kind of failure it is, what() says it in Italian.
class CompileFailure : public std::runtime_error {
 public:
  enum class Reason : std::uint8_t {
    kPastEnd,        // a field read where the text has ended
    kNotANumber,     // a number field holding anything but an optional "-" and digits
    kOutOfRange,     // a number beyond the range of the field it is read into
    kTextTooLong,    // a text beyond the 65535 bytes a 16-bit count announces
    kValueTooLarge,  // a value computed from the fields that its record field cannot hold
    kNoText,         // the text to compile is not there at all
  };

  CompileFailure(int line, Reason reason, const std::string& what)
      : std::runtime_error(what), line_(line), reason_(reason) {}
  int line() const { return line_; }
  Reason reason() const { return reason_; }

 private:
  int line_;
  Reason reason_;
};

}  // namespace scenario::text
