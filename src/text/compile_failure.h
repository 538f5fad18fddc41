#pragma once

#include <stdexcept>
#include <string>

namespace scenario::text {

// An unexpected failure while a description text is compiled: reading past
// the end of the text, a field that is not the number expected, a value that
// does not fit the field it is stored in. Raised by the field reader and the
// compilers, caught only by the compiler's trap, which records code 25.
// `line` is the 1-based line of the text where the failing field stands.
class CompileFailure : public std::runtime_error {
 public:
  CompileFailure(int line, const std::string& reason) : std::runtime_error(reason), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

}  // namespace scenario::text
