#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/file_error.h"

namespace scenario::testing {
namespace {

namespace fs = std::filesystem;

TEST(ScratchFolder, IsNewEmptyAndGoesWithItsContents) {
  const ScratchFolder parent("scratch-parent-");
  fs::path first_path;
  {
    const ScratchFolder first("x-", parent.path());
    const ScratchFolder second("x-", parent.path());
    first_path = first.path();
    EXPECT_NE(first.path(), second.path());
    EXPECT_EQ(first.path().parent_path(), parent.path());
    EXPECT_EQ(first.path().filename().string().rfind("x-", 0), 0u);
    EXPECT_TRUE(first.entries().empty());

    fs::create_directory(first.path() / "sub");
    std::ofstream(first.file("sub/a")) << "a";
    std::ofstream(first.file(".hidden")) << "h";
    EXPECT_EQ(first.entries(), (std::vector<std::string>{".hidden", "sub"}));
    first.clear();
    EXPECT_TRUE(first.entries().empty());
    std::ofstream(first.file("b")) << "b";
    // A folder whose write permission was taken away still goes.
    fs::permissions(first.path(), fs::perms::owner_write, fs::perm_options::remove);
  }
  EXPECT_FALSE(fs::exists(first_path));
  EXPECT_TRUE(parent.entries().empty());
}

TEST(ScratchFolder, MissingParentIsAFileErrorNamingTheFolder) {
  const ScratchFolder parent("scratch-parent-");
  try {
    const ScratchFolder folder("x-", parent.path() / "missing");
    FAIL() << "no error";
  } catch (const platform::FileError& error) {
    EXPECT_NE(error.path().find("missing"), std::string::npos) << error.path();
  }
}

}  // namespace
}  // namespace scenario::testing
