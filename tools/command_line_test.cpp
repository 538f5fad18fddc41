#include "tools/command_line.h"

#include <gtest/gtest.h>

namespace scenario::tools {
namespace {

const CommandSpec kSpec{.name = "plot",
                        .options = {{"--line-id"}, {"-o", "--output"}},
                        .flags = {"--all"},
                        .arguments = 1};

CommandLine parse(const std::vector<std::string>& args) {
  return CommandLine(kSpec, args);
}

TEST(CommandLine, OptionsGoAnywhereInEitherForm) {
  const CommandLine a = parse({"--line-id", "L", "dir", "-o=out.svg", "--all"});
  EXPECT_EQ(a.arguments(), std::vector<std::string>{"dir"});
  EXPECT_EQ(a.value("--line-id"), "L");
  EXPECT_EQ(a.required("-o"), "out.svg");
  EXPECT_TRUE(a.has("--all"));

  const CommandLine b = parse({"--output", "x.svg", "--", "--all"});
  EXPECT_EQ(b.arguments(), std::vector<std::string>{"--all"});
  EXPECT_FALSE(b.has("--all"));
  EXPECT_EQ(b.value("-o"), "x.svg");
  EXPECT_EQ(b.value("--line-id"), std::nullopt);
  // A lone "-" is an argument.
  EXPECT_EQ(parse({"-"}).arguments(), std::vector<std::string>{"-"});
}

TEST(CommandLine, RefusesWhatTheCommandDoesNotTake) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"dir", "--colour", "red"}, "plot: opzione sconosciuta: --colour"},
      {{"dir", "--line-id"}, "plot: manca il valore di --line-id"},
      {{"dir", "-o", "a", "--output", "b"}, "plot: -o data più di una volta"},
      {{}, "plot: servono 1 argomenti, ne sono stati dati 0"},
      {{"a", "b"}, "plot: servono 1 argomenti, ne sono stati dati 2"},
      {{"dir", "--all=yes"}, "plot: opzione sconosciuta: --all=yes"},
  };
  for (const Case& c : cases) {
    try {
      parse(c.args);
      ADD_FAILURE() << c.message;
    } catch (const UsageError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
  EXPECT_THROW(parse({"dir"}).required("--line-id"), UsageError);
}

}  // namespace
}  // namespace scenario::tools
