#include "tools/command_line.h"

#include <algorithm>

namespace scenario::tools {
namespace {

// The canonical name of the option `word` names, if any.
std::optional<std::string> option_named(const CommandSpec& grammar, const std::string& word) {
  for (const auto& names : grammar.options) {
    if (std::find(names.begin(), names.end(), word) != names.end())
      return names.front();
  }
  return std::nullopt;
}

bool is_flag(const CommandSpec& grammar, const std::string& word) {
  return std::find(grammar.flags.begin(), grammar.flags.end(), word) != grammar.flags.end();
}

}  // namespace

CommandLine::CommandLine(const CommandSpec& grammar, std::span<const std::string> args)
    : command_(grammar.name) {
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (options_ended || word.size() < 2 || word[0] != '-') {
      arguments_.push_back(word);
      continue;
    }
    if (word == "--") {
      options_ended = true;
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    if (is_flag(grammar, name) && equals == std::string::npos) {
      flags_.insert(name);
      continue;
    }
    const auto option = option_named(grammar, name);
    if (!option)
      throw UsageError(grammar.name + ": opzione sconosciuta: " + word);
    std::string value;
    if (equals != std::string::npos) {
      value = word.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      throw UsageError(grammar.name + ": manca il valore di " + name);
    }
    if (!values_.emplace(*option, value).second)
      throw UsageError(grammar.name + ": " + *option + " data più di una volta");
  }
  if (arguments_.size() != grammar.arguments) {
    throw UsageError(grammar.name + ": servono " + std::to_string(grammar.arguments) +
                     " argomenti, ne sono stati dati " + std::to_string(arguments_.size()));
  }
}

std::optional<std::string> CommandLine::value(const std::string& option) const {
  const auto found = values_.find(option);
  if (found == values_.end())
    return std::nullopt;
  return found->second;
}

std::string CommandLine::required(const std::string& option) const {
  const auto found = value(option);
  if (!found)
    throw UsageError(command_ + ": manca " + option);
  return *found;
}

std::string CommandLine::required_output(std::string_view extension) const {
  const std::string output = required("-o");
  if (!output.ends_with(extension) || output.size() == extension.size()) {
    throw UsageError(command_ + ": -o vuole un nome di file che finisce in " +
                     std::string(extension) + ", non " + output);
  }
  return output;
}

}  // namespace scenario::tools
