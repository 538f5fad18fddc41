#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "docs/driver_documents.h"
#include "document_test_support.h"
#include "text/line_list.h"

namespace scenario::docs {
namespace {

using testing::lines_of;
using testing::written_bytes;

class Notes : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(lines.size(), 17u); }

  const std::string bytes = written_bytes(dati_note);
  const std::vector<std::string> lines = lines_of(bytes);
};

TEST_F(Notes, AreParagraphsOfProseBetweenEmptyLines) {
  EXPECT_EQ(bytes.substr(0, 2), "\r\n");
  EXPECT_EQ(bytes.find(text::kEndMarker), std::string::npos);
  const std::set<std::size_t> kEmpty = {0, 2, 7, 10, 13, 15};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].empty(), kEmpty.count(i) == 1) << "line " << i << ": " << lines[i];
  }
  EXPECT_NE(lines[1].find("Velbrio_Dolvena"), std::string::npos) << lines[1];
  EXPECT_EQ(lines[3],
            "Treno 30527, con particolari attenzioni alla guida (si consiglia di leggere la "
            "scheda treno).");
  EXPECT_EQ(lines[16], "Buon viaggio.");
}

TEST_F(Notes, KeepTheirLineBreaksAndTrailingSpace) {
  std::size_t longest = 0;
  for (const std::string& line : lines)
    longest = std::max(longest, line.size());
  EXPECT_EQ(longest, 97u);
  EXPECT_EQ(lines[4].back(), ' ');
}

TEST_F(Notes, AccentedLettersAreSingleWindows1252Bytes) {
  // à, è and ò; nothing else outside ASCII.
  const std::set<unsigned char> kAccented = {0xE0, 0xE8, 0xF2};
  std::set<unsigned char> found;
  for (unsigned char c : bytes) {
    if (c >= 0x80)
      found.insert(c);
  }
  EXPECT_EQ(found, kAccented);
  EXPECT_NE(bytes.find("\xE8 sereno"), std::string::npos);
}

}  // namespace
}  // namespace scenario::docs
