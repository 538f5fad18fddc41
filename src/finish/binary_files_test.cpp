#include "finish/binary_files.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace scenario::finish {
namespace {

using scenario::testing::read_bytes;
using scenario::testing::TempFolder;
using scenario::testing::write_bytes;

BinaryFiles files_in(const TempFolder& folder) {
  return {folder.file("l.dat"), folder.file("t.sim"), folder.file("c.dat")};
}

records::ScenarioRecords small_records(std::int32_t write_line_data) {
  records::ScenarioRecords records;
  records.write_line_data = write_line_data;
  records.cells.resize(3);
  records.plan.emplace(1);
  return records;
}

TEST(WriteBinaryFiles, WithoutTheFlagTheLineDataFileIsNeitherWrittenNorTouched) {
  TempFolder folder;
  write_bytes(folder.file("l.dat"), "older line data");
  write_binary_files(small_records(0), files_in(folder));
  EXPECT_EQ(read_bytes(folder.file("l.dat")), "older line data");
  EXPECT_EQ(read_bytes(folder.file("t.sim")).size(), 2958u);
  EXPECT_EQ(read_bytes(folder.file("c.dat")).size(), 45u);
}

TEST(WriteBinaryFiles, WithTheFlagAllThreeFilesAreReplaced) {
  TempFolder folder;
  write_bytes(folder.file("l.dat"), std::string(1000, 'x'));
  write_binary_files(small_records(1), files_in(folder));
  EXPECT_EQ(read_bytes(folder.file("l.dat")), std::string(8, '\0'));  // four unset elements
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"c.dat", "l.dat", "t.sim"}));
}

}  // namespace
}  // namespace scenario::finish
