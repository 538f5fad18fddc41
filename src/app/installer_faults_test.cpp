// The installer as a process under faults of its surroundings: a folder it
// may not write, a target name held by a folder, a file size limit reached
// halfway through the plan, a kill halfway through the plan. In every case
// the files of the previous run stay whole, each file holds either all its
// old bytes or all its new ones, no temporary file is left behind, and the
// message names the file and the reason.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/exit_status.h"
#include "child_process.h"
#include "interrupted_run.h"
#include "test_support.h"

namespace scenario::app {
namespace {

namespace fs = std::filesystem;
using scenario::testing::read_bytes;
using scenario::testing::run_process;
using scenario::testing::TempFolder;
using scenario::testing::write_bytes;

const char kInstallerName[] = "scenario_installer";
const char kLineData[] = "Velbrio_Dolvena_linea.dat";
const char kScenarioTable[] = "Velbrio_Dolvena_30527.sim";
const char kCellFile[] = "Velbrio_Dolvena_30527.dat";

// The six files a run leaves, in the order it writes them: the three driver
// documents, then the three binary files.
const char* const kInstalledFiles[] = {
    "Velbrio_Dolvena_30527_note.txt",
    "Velbrio_Dolvena_30527_rallentamenti.txt",
    "Velbrio_Dolvena_30527_scheda_treno.txt",
    kLineData,
    kScenarioTable,
    kCellFile,
};

using FileBytes = std::map<std::string, std::string>;

std::string copy_installer(const TempFolder& folder) {
  const std::string target = folder.file(kInstallerName);
  fs::copy_file(SCENARIO_INSTALLER, target);
  return target;
}

// The bytes of a complete run, from a folder of its own.
const FileBytes& new_bytes() {
  static const FileBytes bytes = [] {
    TempFolder folder;
    const auto result = run_process(copy_installer(folder), {}, folder.path().string());
    if (result.status != kExitInstalled)
      throw std::runtime_error("the installer failed: " + result.standard_error);
    FileBytes files;
    for (const char* name : kInstalledFiles)
      files[name] = read_bytes(folder.file(name));
    return files;
  }();
  return bytes;
}

// A folder holding the installer and the files of a previous run, each
// with bytes of its own that no run of today writes.
struct PreviousRun {
  PreviousRun() : installer(copy_installer(folder)) {
    for (const char* name : kInstalledFiles) {
      old_bytes[name] = std::string("file ") + name + " della corsa precedente\r\n";
      write_bytes(folder.file(name), old_bytes[name]);
    }
  }

  // Each file holds all its old bytes (`kept`) or all the new ones, and the
  // folder holds nothing else: no temporary file, no description text.
  void expect_whole_files(const std::vector<std::string>& kept,
                          const std::vector<std::string>& extra_entries = {}) const {
    std::vector<std::string> expected = {kInstallerName};
    for (const char* name : kInstalledFiles)
      expected.push_back(name);
    expected.insert(expected.end(), extra_entries.begin(), extra_entries.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.entries(), expected);
    for (const char* name : kInstalledFiles) {
      if (!fs::is_regular_file(folder.file(name)))
        continue;
      const bool old = std::find(kept.begin(), kept.end(), name) != kept.end();
      EXPECT_EQ(read_bytes(folder.file(name)), old ? old_bytes.at(name) : new_bytes().at(name))
          << name << (old ? " lost its old bytes" : " is not the new file");
    }
  }

  TempFolder folder;
  std::string installer;
  FileBytes old_bytes;
};

void expect_message(const std::string& standard_error, const std::string& path,
                    const std::string& reason) {
  EXPECT_NE(standard_error.find(path), std::string::npos) << standard_error;
  EXPECT_NE(standard_error.find(reason), std::string::npos) << standard_error;
}

TEST(InstallerFaults, AFolderThatCannotBeWrittenKeepsEveryOldFile) {
  PreviousRun previous;
  // Readable and searchable by all, writable by none.
  fs::permissions(previous.folder.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                              fs::perms::group_read | fs::perms::group_exec |
                                              fs::perms::others_read | fs::perms::others_exec);
  const auto result = run_process(previous.installer, {}, previous.folder.path().string(),
                                  {.drop_privileges = true});
  EXPECT_EQ(result.status, kExitFileFailure);
  // The line text is the first file the installer writes.
  expect_message(result.standard_error, previous.folder.file("Velbrio_Dolvena_linea.txt"),
                 "Permission denied");
  previous.expect_whole_files({std::begin(kInstalledFiles), std::end(kInstalledFiles)});
}

TEST(InstallerFaults, ATargetNameHeldByAFolderStopsThereAndLeavesTheFolderAlone) {
  // The scenario table file comes after the line data file and before the
  // cell file.
  PreviousRun previous;
  fs::remove(previous.folder.file(kScenarioTable));
  fs::create_directory(previous.folder.file(kScenarioTable));
  write_bytes(previous.folder.file(kScenarioTable) + "/dentro.txt", "resta");
  const auto result = run_process(previous.installer, {}, previous.folder.path().string());
  EXPECT_EQ(result.status, kExitFileFailure);
  expect_message(result.standard_error, previous.folder.file(kScenarioTable), "Is a directory");
  previous.expect_whole_files({kCellFile});
  EXPECT_TRUE(fs::is_directory(previous.folder.file(kScenarioTable)));
  EXPECT_EQ(read_bytes(previous.folder.file(kScenarioTable) + "/dentro.txt"), "resta");
}

TEST(InstallerFaults, AFileSizeLimitHalfwayThroughThePlanKeepsTheOldBinaryFiles) {
  // About 2 MB of plan against a limit of 1 MB: the texts and documents fit.
  PreviousRun previous;
  const auto result = run_process(previous.installer, {}, previous.folder.path().string(),
                                  {.file_size_limit = 1000000});
  EXPECT_EQ(result.status, kExitFileFailure);
  expect_message(result.standard_error, previous.folder.file(kLineData), "File too large");
  previous.expect_whole_files({kLineData, kScenarioTable, kCellFile});
}

TEST(InstallerFaults, AKillHalfwayThroughThePlanKeepsTheOldBinaryFilesAndTheNextRunMendsAll) {
  // The plan is the only file beyond 100000 bytes; the kill falls while it
  // is being written. A run may end before it is caught writing: try again.
  const std::uint64_t plan_size = new_bytes().at(kLineData).size();
  for (int attempt = 1; attempt <= 20; ++attempt) {
    PreviousRun previous;
    const scenario::testing::Interruption interruption = scenario::testing::kill_while_writing(
        previous.installer, previous.folder.path().string(), 100000, plan_size);
    if (!interruption.killed) {
      ASSERT_EQ(interruption.status, kExitInstalled);
      continue;
    }
    EXPECT_EQ(interruption.status, 128 + SIGKILL);
    previous.expect_whole_files({kLineData, kScenarioTable, kCellFile});

    ASSERT_EQ(run_process(previous.installer, {}, previous.folder.path().string()).status,
              kExitInstalled);
    previous.expect_whole_files({});
    return;
  }
  FAIL() << "the installer was never caught writing its plan in 20 runs";
}

}  // namespace
}  // namespace scenario::app
