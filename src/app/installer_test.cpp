// The installer as a process, copied into a folder of its own.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/exit_status.h"
#include "child_process.h"
#include "test_support.h"

namespace scenario::app {
namespace {

namespace fs = std::filesystem;
using scenario::testing::hex_bytes;
using scenario::testing::read_bytes;
using scenario::testing::run_process;
using scenario::testing::TempFolder;
using scenario::testing::to_hex;

const char kInstallerName[] = "scenario_installer";

// The files a run leaves beside the installer, sorted. The line text is
// compiled and deleted within the run.
const std::vector<std::string> kInstalledFiles = {
    "Velbrio_Dolvena_30527.dat",
    "Velbrio_Dolvena_30527.sim",
    "Velbrio_Dolvena_30527_note.txt",
    "Velbrio_Dolvena_30527_rallentamenti.txt",
    "Velbrio_Dolvena_30527_scheda_treno.txt",
    "Velbrio_Dolvena_linea.dat",
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
  for (const auto& name : install.entries())
    first[name] = read_bytes(install.file(name));
  // Lengthen every file so that a write in place would leave a tail.
  for (const auto& [name, bytes] : first) {
    if (name != kInstallerName)
      scenario::testing::write_bytes(install.file(name), bytes + "tail");
  }
  ASSERT_EQ(run_process(installer, {}, install.path().string()).status, kExitInstalled);
  for (const auto& [name, bytes] : first) {
    EXPECT_EQ(read_bytes(install.file(name)), bytes) << name;
  }
  EXPECT_EQ(install.entries(), kInstalledFiles);
}

TEST(Installer, TheLineDataAndCellFilesCarryTheCompiledBuiltinLine) {
  TempFolder install;
  const std::string installer = copy_installer(install);
  ASSERT_EQ(run_process(installer, {}, install.path().string()).status, kExitInstalled);

  const std::string plan = read_bytes(install.file("Velbrio_Dolvena_linea.dat"));
  ASSERT_EQ(plan.size(), 2079964u);
  EXPECT_EQ(to_hex(plan.substr(0, 18)), to_hex(hex_bytes("02 00 0000  02 00 0000  "
                                                         "05 00 0000000000000000")));
  // The last y computed, metre 103998, then metres 103999 and 104000 unset.
  EXPECT_EQ(to_hex(plan.substr(plan.size() - 14)),
            to_hex(hex_bytes("05 00 c88fe5bab384f540  00 00  00 00")));

  const std::string cells = read_bytes(install.file("Velbrio_Dolvena_30527.dat"));
  ASSERT_EQ(cells.size(), 31215u);
  // Cell 337: the speed indicator at 16800 (type, values, tempo), level track.
  const std::string cell_337 = cells.substr(337 * 15, 15);
  EXPECT_EQ(to_hex(cell_337.substr(0, 10)), to_hex(hex_bytes("06 ae08 1309 7809 0000 00")));
  EXPECT_EQ(cell_337[11], 0);    // terrain
  EXPECT_EQ(cell_337[13], 100);  // gradient 0
  // Cell 745: the sign board of the MONTE SIVELLO tunnel, text in slot 80.
  EXPECT_EQ(to_hex(cells.substr(745 * 15, 3)), to_hex(hex_bytes("0e 5000")));
  EXPECT_EQ(cells[745 * 15 + 11], 1);
}

TEST(Installer, TheCellAndTableFilesCarryTheCompiledBuiltinRun) {
  TempFolder install;
  const std::string installer = copy_installer(install);
  ASSERT_EQ(run_process(installer, {}, install.path().string()).status, kExitInstalled);
  const std::string cells = read_bytes(install.file("Velbrio_Dolvena_30527.dat"));
  ASSERT_EQ(cells.size(), 31215u);
  // Cell 304: the signal at 15150 (values 22, 31, 0, 18, tempo 230), no
  // approach marker, 160 km/h, adhesion 75. Terrain and gradient are the line's.
  const std::string cell_304 = cells.substr(304 * 15, 15);
  EXPECT_EQ(to_hex(cell_304.substr(0, 11)), to_hex(hex_bytes("01 1600 1f00 0000 1200 e6 00")));
  EXPECT_EQ(to_hex(cell_304.substr(12, 1)), to_hex(hex_bytes("20")));
  EXPECT_EQ(to_hex(cell_304.substr(14, 1)), to_hex(hex_bytes("4b")));
  // Cell 302: the signal's first approach marker, 81.
  EXPECT_EQ(to_hex(cells.substr(302 * 15 + 10, 1)), to_hex(hex_bytes("51")));
  // Cell 11: the stop of VELBRIO S.M.N., station slot 1, 30 km/h.
  EXPECT_EQ(to_hex(cells.substr(11 * 15, 11)), to_hex(hex_bytes("0a 0100 0000 0000 0000 00 00")));
  EXPECT_EQ(to_hex(cells.substr(11 * 15 + 12, 1)), to_hex(hex_bytes("06")));

  const std::string table = read_bytes(install.file("Velbrio_Dolvena_30527.sim"));
  // Slot 1 follows the empty slot 0 (34 bytes).
  ASSERT_GT(table.size(), 34u + 48u);
  EXPECT_EQ(to_hex(table.substr(34, 48)),
            to_hex(hex_bytes("08 a8fdffff 58020000 00000000 00 0e00") + "VELBRIO S.M.N." +
                   hex_bytes("0100 0100 0400 0100 0100 00 01 00 00 34340100")));
  // The table ends with slot 84 (34 bytes), 85 (34 + 15) and 86 (34 + 5).
  ASSERT_GT(table.size(), 122u);
  EXPECT_EQ(to_hex(table.substr(table.size() - 122, 34)),
            to_hex(hex_bytes("00 7d000000 e87a0100 08000000 00 0000"
                             "0000 0000 0000 0000 0000 00 00 00 00 00000000")));
  EXPECT_EQ(to_hex(table.substr(table.size() - 39)),
            to_hex(hex_bytes("00 1a040000 0c750100 04000000 00 0500") + "30527" +
                   hex_bytes("2c01 0000 1600 0300 2800 00 00 00 00 00000000")));
}

TEST(Installer, TheScenarioCarriesItsStampsAndIdentificationCodes) {
  TempFolder install;
  const std::string installer = copy_installer(install);
  ASSERT_EQ(run_process(installer, {}, install.path().string()).status, kExitInstalled);

  // Cell 1: format stamp 5121, plain code 2458 of "30527velbrio_dolvenazzyyx".
  const std::string cells = read_bytes(install.file("Velbrio_Dolvena_30527.dat"));
  EXPECT_EQ(to_hex(cells.substr(15, 5)), to_hex(hex_bytes("00 0114 9a09")));

  // The table ends with slot 85 (34 + 15 bytes, text "Velbrio_Dolvena") and
  // slot 86 (34 + 5 bytes): stamp 610 in short_a, weighted code 35384 in long_d.
  const std::string table = read_bytes(install.file("Velbrio_Dolvena_30527.sim"));
  ASSERT_GT(table.size(), 88u);
  const std::string slot_85 = table.substr(table.size() - 88, 49);
  EXPECT_EQ(slot_85.substr(14, 17), hex_bytes("0f00") + "Velbrio_Dolvena");
  EXPECT_EQ(to_hex(slot_85.substr(31, 2)), to_hex(hex_bytes("6202")));
  EXPECT_EQ(to_hex(slot_85.substr(45, 4)), to_hex(hex_bytes("388a0000")));
}

TEST(Installer, AFolderThatCannotBeWrittenStopsTheRunNamingTheFile) {
  TempFolder install;
  const std::string installer = copy_installer(install);
  fs::permissions(install.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                      fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
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
