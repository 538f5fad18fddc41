#pragma once

#include <map>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::tools {

// Wrong arguments: the message says what is wrong, in Italian.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What one command accepts: its options that take a value (each with the
// names it may go by, "-o" and "--output" say), its flags, and how many
// plain arguments it needs.
struct CommandSpec {
  std::string name;
  std::vector<std::vector<std::string>> options;  // first name is the canonical one
  std::vector<std::string> flags;
  std::size_t arguments = 0;
};

// The arguments of one command, options by their canonical names.
class CommandLine {
 public:
  // Reads `args` (the words after the command name). Options go anywhere,
  // as "--name value" or "--name=value"; "--" ends them. Throws UsageError
  // for an unknown option, a missing value, an option given twice or the
  // wrong number of plain arguments.
  CommandLine(const CommandSpec& grammar, std::span<const std::string> args);

  const std::vector<std::string>& arguments() const { return arguments_; }
  bool has(const std::string& flag) const { return flags_.contains(flag); }
  std::optional<std::string> value(const std::string& option) const;
  // The value of an option the command cannot do without.
  std::string required(const std::string& option) const;
  // The file named by -o, refused unless it ends in `extension` (".svg"):
  // a picture never lands under a name another program opens as something
  // else, nor over an author's text.
  std::string required_output(std::string_view extension) const;

 private:
  std::string command_;
  std::vector<std::string> arguments_;
  std::set<std::string> flags_;
  std::map<std::string, std::string> values_;
};

}  // namespace scenario::tools
