// The child-process helper that the process tests and the measurements
// stand on, through small shell scripts.

#include "child_process.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "test_support.h"

namespace scenario::testing {
namespace {

using namespace std::chrono_literals;

// DISPLAY names `value` in this process for the life of the object, so
// that the child's own DISPLAY is seen to be the one asked for.
class DisplayOfTheTest {
 public:
  explicit DisplayOfTheTest(const char* value) {
    if (const char* old = std::getenv("DISPLAY"))
      old_ = old;
    ::setenv("DISPLAY", value, 1);
  }
  ~DisplayOfTheTest() {
    if (old_)
      ::setenv("DISPLAY", old_->c_str(), 1);
    else
      ::unsetenv("DISPLAY");
  }

 private:
  std::optional<std::string> old_;
};

ProcessResult shell(const std::string& script, const std::string& folder = ".",
                    const ProcessOptions& options = {}) {
  return run_process("sh", {"-c", script}, folder, options);
}

TEST(RunProcess, GivesTheStatusAndWhatTheProgramWroteOnEachStream) {
  const DisplayOfTheTest display(":99");
  struct Case {
    const char* script;
    std::optional<std::string> display;
    int status;
    std::string standard_output;
    std::string standard_error;
  };
  const Case cases[] = {
      {"echo uscita; echo errore >&2; exit 3", {}, 3, "uscita\n", "errore\n"},
      {"kill -TERM $$", {}, 128 + SIGTERM, "", ""},
      {"read line; echo \"[$line] $?\"", {}, 0, "[] 1\n", ""},
      {"echo \"${DISPLAY-none}\"", {}, 0, "none\n", ""},
      {"echo \"${DISPLAY-none}\"", ":7", 0, ":7\n", ""},
      {"echo \"${DISPLAY-none}\"", "", 0, "\n", ""},
  };
  for (const Case& c : cases) {
    const ProcessResult result = shell(c.script, ".", {.display = c.display});
    EXPECT_EQ(result.status, c.status) << c.script;
    EXPECT_EQ(result.standard_output, c.standard_output) << c.script;
    EXPECT_EQ(result.standard_error, c.standard_error) << c.script;
    EXPECT_FALSE(result.timed_out) << c.script;
  }
}

TEST(RunProcess, RunsInTheFolderItIsGivenAndFindsTheProgramFromHere) {
  TempFolder folder;
  write_bytes(folder.file("script.sh"), "pwd\n");
  const ProcessResult result = run_process("sh", {"script.sh"}, folder.path().string());
  EXPECT_EQ(result.standard_output, std::filesystem::canonical(folder.path()).string() + "\n");
  // A program named with a slash is this process's path, not the folder's.
  write_bytes(folder.file("pwd.sh"), "#!/bin/sh\npwd\n");
  std::filesystem::permissions(folder.file("pwd.sh"), std::filesystem::perms::owner_all);
  const std::string program =
      std::filesystem::relative(folder.file("pwd.sh"), std::filesystem::current_path()).string();
  EXPECT_EQ(run_process(program, {}, folder.path().string()).standard_output,
            result.standard_output);
}

TEST(RunProcess, ReadsBothStreamsAsTheyComeSoThatNeitherPipeFillsUp) {
  const ProcessResult result =
      shell("head -c 300000 /dev/zero; head -c 200000 /dev/zero >&2; head -c 1000 /dev/zero");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.standard_output.size(), 301000u);
  EXPECT_EQ(result.standard_error.size(), 200000u);
}

TEST(RunProcess, KillsTheProgramAtTheTimeout) {
  const auto start = std::chrono::steady_clock::now();
  const ProcessResult result = run_process("sleep", {"30"}, ".", {}, 200ms);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  EXPECT_TRUE(result.timed_out);
  EXPECT_EQ(result.status, 128 + SIGKILL);
}

TEST(RunProcess, AProgramThatCannotStartIsAnErrorNotAStatus) {
  EXPECT_THROW(run_process("/nonexistent/program", {}, "."), std::system_error);
  EXPECT_THROW(run_process("scenario-no-such-program", {}, "."), std::system_error);
  try {
    run_process("sh", {"-c", "true"}, "/nonexistent/folder");
    FAIL() << "started in a folder that does not exist";
  } catch (const std::system_error& error) {
    EXPECT_NE(std::string(error.what()).find("/nonexistent/folder"), std::string::npos)
        << error.what();
  }
}

TEST(RunProcess, AFileSizeLimitMakesWritesPastItFailWithoutEndingTheProgram) {
  TempFolder folder;
  const ProcessResult result = shell("head -c 5000 /dev/zero > big; echo $?",
                                     folder.path().string(), {.file_size_limit = 1000});
  EXPECT_EQ(result.status, 0) << result.standard_error;
  EXPECT_EQ(result.standard_output, "1\n");
  EXPECT_NE(result.standard_error.find("File too large"), std::string::npos)
      << result.standard_error;
  EXPECT_EQ(std::filesystem::file_size(folder.file("big")), 1000u);
}

TEST(RunProcess, DroppedPrivilegesAreThoseOfNobodyWhenTheTestRunsAsRoot) {
  const ProcessResult result = shell("id -u; id -G", ".", {.drop_privileges = true});
  ASSERT_EQ(result.status, 0) << result.standard_error;
  if (::geteuid() == 0) {
    EXPECT_EQ(result.standard_output, "65534\n65534\n");
  } else {
    EXPECT_EQ(result.standard_output.substr(0, result.standard_output.find('\n')),
              std::to_string(::geteuid()));
  }
}

TEST(SpawnedProcess, TalksToTheProgramLineByLine) {
  SpawnedProcess child(
      "sh", {"-c", "echo pronto; read line; echo \"letto $line\"; echo fine >&2; exit 4"}, ".");
  EXPECT_EQ(child.read_line(10s), "pronto");
  EXPECT_EQ(child.wait(0ms), std::nullopt) << "ended before its line came";
  child.write_line("riga");
  EXPECT_EQ(child.read_line(10s), "letto riga");
  EXPECT_EQ(child.wait(10s), 4);
  EXPECT_EQ(child.standard_error(), "fine\n");
  EXPECT_EQ(child.read_line(10s), std::nullopt) << "a line after the end";
}

TEST(SpawnedProcess, ALineThatDoesNotComeEndsTheReadAtItsTimeout) {
  const auto start = std::chrono::steady_clock::now();
  {
    SpawnedProcess child("sleep", {"30"}, ".");
    EXPECT_EQ(child.read_line(100ms), std::nullopt);
    EXPECT_EQ(child.wait(100ms), std::nullopt);
  }  // killed here
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

TEST(SpawnedProcess, PausesAndResumesTheProgram) {
  SpawnedProcess child("sh", {"-c", "read line; exit 6"}, ".");
  ASSERT_TRUE(child.pause());
  child.write_line("");
  EXPECT_EQ(child.wait(200ms), std::nullopt) << "it ran while it stood still";
  child.resume();
  EXPECT_EQ(child.wait(10s), 6);
  EXPECT_FALSE(child.pause()) << "an ended program cannot stand still";
}

TEST(SpawnedProcess, ASignalSentEndsTheProgramWithItsNumber) {
  SpawnedProcess child("sleep", {"30"}, ".");
  child.send(SIGTERM);
  EXPECT_EQ(child.wait(10s), 128 + SIGTERM);
}

TEST(RunTimed, CapturesStandardOutputOnlyWithoutDisplayAndTimesTheRun) {
  const DisplayOfTheTest display(":99");
  const TimedRun run =
      run_timed("sh", {"-c", "echo \"${DISPLAY-none}\"; echo errore >&2; sleep 0.1; exit 5"});
  EXPECT_EQ(run.status, 5);
  EXPECT_EQ(run.output, "none\n");
  EXPECT_GE(run.seconds, 0.1);
  EXPECT_LT(run.seconds, 10);
  EXPECT_THROW(run_timed("scenario-no-such-program", {}), std::system_error);
}

}  // namespace
}  // namespace scenario::testing
