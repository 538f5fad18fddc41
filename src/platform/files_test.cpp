#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_error.h"
#include "platform/paths.h"
#include "test_support.h"

namespace scenario::platform {
namespace {

using scenario::testing::read_bytes;
using scenario::testing::TempFolder;
using scenario::testing::write_bytes;

void write_text(const std::string& path, std::string_view text) {
  replace_file(path, [&](OutputFile& out) { out.write(text); });
}

TEST(ReplaceFile, WritesExactlyTheBytesGivenAndNothingElse) {
  TempFolder folder;
  const std::string path = folder.file("a.dat");
  write_text(path, std::string("\0\1\2\r\n", 5));
  EXPECT_EQ(read_bytes(path), std::string("\0\1\2\r\n", 5));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.dat"});
}

TEST(ReplaceFile, AShorterFileReplacesALongerOneWhole) {
  TempFolder folder;
  const std::string path = folder.file("a.txt");
  write_bytes(path, std::string(5000, 'x'));
  write_text(path, "short");
  EXPECT_EQ(read_bytes(path), "short");
}

TEST(ReplaceFile, AFailureWhileWritingKeepsTheOldFileAndLeavesNoTemporary) {
  TempFolder folder;
  const std::string path = folder.file("a.dat");
  write_bytes(path, "old contents");
  EXPECT_THROW(replace_file(path,
                            [](OutputFile& out) {
                              out.write(std::string_view("partial"));
                              throw FileError("x", "injected");
                            }),
               FileError);
  EXPECT_EQ(read_bytes(path), "old contents");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.dat"});
}

TEST(ReplaceFile, AMissingFolderNamesTheFileAndTheReason) {
  TempFolder folder;
  const std::string path = folder.file("missing/a.dat");
  try {
    write_text(path, "x");
    FAIL() << "expected FileError";
  } catch (const FileError& error) {
    EXPECT_EQ(error.path(), path);
    EXPECT_NE(error.reason().find("No such file or directory"), std::string::npos)
        << error.reason();
  }
  EXPECT_TRUE(folder.entries().empty());
}

TEST(ReplaceFile, ATargetHeldByAFolderFailsAndLeavesNoTemporary) {
  TempFolder folder;
  std::filesystem::create_directory(folder.file("a.dat"));
  EXPECT_THROW(write_text(folder.file("a.dat"), "x"), FileError);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.dat"});
  EXPECT_TRUE(std::filesystem::is_directory(folder.file("a.dat")));
}

TEST(Files, ExistenceReadingAndRemoval) {
  TempFolder folder;
  const std::string path = folder.file("t.txt");
  EXPECT_FALSE(file_exists(path));
  EXPECT_NO_THROW(remove_file(path));  // removing a missing file is no error
  write_bytes(path, "abc");
  EXPECT_TRUE(file_exists(path));
  EXPECT_EQ(read_file(path), "abc");
  remove_file(path);
  EXPECT_FALSE(file_exists(path));
  EXPECT_THROW(read_file(path), FileError);
  EXPECT_FALSE(file_exists(folder.path().string()));  // a folder is not a file
}

TEST(Files, TheTailOfAFileAndItsSize) {
  TempFolder folder;
  const std::string path = folder.file("t.bin");
  write_bytes(path, std::string("0123456789\0xy", 13));
  const FileTail last = read_file_tail(path, 4);
  EXPECT_EQ(last.file_size, 13u);
  EXPECT_EQ(last.bytes, std::string("9\0xy", 4));
  const FileTail all = read_file_tail(path, 100);  // more than the file holds
  EXPECT_EQ(all.file_size, 13u);
  EXPECT_EQ(all.bytes, std::string("0123456789\0xy", 13));
  EXPECT_EQ(read_file_tail(path, 0).bytes, "");
  write_bytes(path, "");
  EXPECT_EQ(read_file_tail(path, 4).file_size, 0u);
  try {
    read_file_tail(folder.file("missing.bin"), 4);
    ADD_FAILURE() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.path(), folder.file("missing.bin"));
    EXPECT_TRUE(error.reason().starts_with("lettura non riuscita: ")) << error.reason();
  }
}

TEST(Paths, JoinsWithThePlatformSeparatorAndFindsTheExecutable) {
  EXPECT_EQ(join_path("dir", "name.txt"), std::string("dir") + kPathSeparator + "name.txt");
  const std::string folder = executable_folder();
  EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
  EXPECT_EQ(std::filesystem::path(executable_file()).parent_path().string(), folder);
  EXPECT_TRUE(file_exists(executable_file()));
  EXPECT_NE(folder, std::filesystem::current_path().string() + "/nonexistent");
}

}  // namespace
}  // namespace scenario::platform
