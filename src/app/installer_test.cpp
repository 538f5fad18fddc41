// The installer as a process, copied into a folder of its own.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/exit_status.h"
#include "test_support.h"

namespace scenario::app {
namespace {

namespace fs = std::filesystem;
using scenario::testing::read_bytes;
using scenario::testing::run_process;
using scenario::testing::TempFolder;

const char kInstallerName[] = "scenario_installer";

// The files a run leaves beside the installer, sorted.
const std::vector<std::string> kInstalledFiles = {
    "Velbrio_Dolvena_30527.dat",
    "Velbrio_Dolvena_30527.sim",
    "Velbrio_Dolvena_30527_note.txt",
    "Velbrio_Dolvena_30527_rallentamenti.txt",
    "Velbrio_Dolvena_30527_scheda_treno.txt",
    kInstallerName,
};

std::string copy_installer(const TempFolder& folder) {
  const std::string target = folder.file(kInstallerName);
  fs::copy_file(SCENARIO_INSTALLER, target);
  return target;
}

TEST(Installer, WritesIntoItsOwnFolderNotTheCurrentOne) {
  TempFolder install;
  TempFolder elsewhere;
  const std::string installer = copy_installer(install);
  const auto result = run_process(installer, {}, elsewhere.path().string());
  EXPECT_EQ(result.status, kExitInstalled) << result.standard_error;
  EXPECT_EQ(install.entries(), kInstalledFiles);
  EXPECT_TRUE(elsewhere.entries().empty());
}

TEST(Installer, ASecondRunGivesTheSameBytesAndReplacesOlderFiles) {
  TempFolder install;
  const std::string installer = copy_installer(install);
  ASSERT_EQ(run_process(installer, {}, install.path().string()).status, kExitInstalled);
  std::map<std::string, std::string> first;
  for (const auto& name : install.entries()) first[name] = read_bytes(install.file(name));
  // Lengthen every file so that a write in place would leave a tail.
  for (const auto& [name, bytes] : first) {
    if (name != kInstallerName) scenario::testing::write_bytes(install.file(name), bytes + "tail");
  }
  ASSERT_EQ(run_process(installer, {}, install.path().string()).status, kExitInstalled);
  for (const auto& [name, bytes] : first) {
    EXPECT_EQ(read_bytes(install.file(name)), bytes) << name;
  }
  EXPECT_EQ(install.entries(), kInstalledFiles);
}

TEST(Installer, AFolderThatCannotBeWrittenStopsTheRunNamingTheFile) {
  TempFolder install;
  const std::string installer = copy_installer(install);
  fs::permissions(install.path(),
                  fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                      fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  const auto result =
      run_process(installer, {}, install.path().string(), {.drop_privileges = true});
  EXPECT_EQ(result.status, kExitFileFailure) << result.standard_error;
  EXPECT_NE(result.standard_error.find(install.path().string()), std::string::npos)
      << result.standard_error;
  EXPECT_NE(result.standard_error.find("Permission denied"), std::string::npos)
      << result.standard_error;
  EXPECT_EQ(install.entries(), std::vector<std::string>{kInstallerName});
}

}  // namespace
}  // namespace scenario::app
