#include "text/keyword_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/compile_failure.h"

namespace scenario::text {
namespace {

// The keyword fields a text gives under one dash rule, to the end.
std::vector<std::string> keywords(std::string_view text, const DashRule& rule) {
  FieldReader reader(text);
  std::vector<std::string> found;
  while (auto keyword = next_keyword(reader, rule))
    found.push_back(*keyword);
  return found;
}

TEST(KeywordReader, TheGeneralSectionIsFoundInAnyCaseAndNotAsTheVeryLastField) {
  struct Case {
    const char* text;
    bool found;
  };
  for (const Case& c :
       {Case{"x, y\r\n[GENERALE]\r\na", true}, Case{"[generale]", false},
        Case{"prima\r\n[generale]\r\n", false}, Case{"", false}, Case{"[generali]\r\na", false}}) {
    FieldReader reader(c.text);
    EXPECT_EQ(find_general_section(reader), c.found) << c.text;
  }
}

TEST(KeywordReader, TheTwoDashRules) {
  // Elsewhere: two dashed fields are passed over, a third is examined.
  EXPECT_EQ(keywords("-a\r\n-b\r\nx\r\n-c\r\n-d\r\n-e\r\nfine", kEntryDashRule),
            (std::vector<std::string>{"x", "-e"}));
  // In "[generale]": up to ten.
  EXPECT_EQ(keywords("-a,-b,-c,-d,-e,-f,-g,-h,-i,-j,x,y", kGeneralSectionDashRule),
            (std::vector<std::string>{"x"}));
  // The end of the text is looked for between the skips only elsewhere.
  EXPECT_TRUE(keywords("-a,-b", kEntryDashRule).empty());
  EXPECT_THROW(keywords("-a,-b", kGeneralSectionDashRule), CompileFailure);
  // A field that ends the text is never examined.
  EXPECT_EQ(keywords("a, b", kEntryDashRule), (std::vector<std::string>{"a"}));
}

TEST(KeywordReader, ASectionHeaderEndsTheGeneralSectionUnlessADashDisablesIt) {
  for (const char* header : {"[curve]", "  [x]", "a[b]c", "[]"})
    EXPECT_TRUE(is_section_header(header)) << header;
  for (const char* field : {"-[curve]", " -[x]", "[curve", "curve]", ""})
    EXPECT_FALSE(is_section_header(field)) << field;
}

struct Counts {
  std::vector<std::string> compiled;
  bool second_enabled = true;
};
EntryOutcome first(Counts& c) {
  c.compiled.push_back("first");
  return EntryOutcome::kGoOn;
}
EntryOutcome second(Counts& c) {
  c.compiled.push_back("second");
  return EntryOutcome::kStop;
}
EntryOutcome third(Counts& c) {
  c.compiled.push_back("third");
  return EntryOutcome::kGoOn;
}
constexpr EntryKind<Counts> kKinds[] = {
    {{"uno"}, {"uno", {}}, first},
    {{"due", "tre", false}, {"due", {}}, second, [](const Counts& c) { return c.second_enabled; }},
    {{"Due"}, {"Due", {}}, third},
};

TEST(KeywordReader, EveryMatchingKindCompilesInOrderUpToTheFirstStop) {
  Counts all;
  EXPECT_EQ(compile_entry<Counts>("UNO due tre", kKinds, all, nullptr), EntryOutcome::kStop);
  EXPECT_EQ(all.compiled, (std::vector<std::string>{"first", "second"}));

  // "due" and "tre" are looked for as written; "Due" in any case.
  Counts exact;
  EXPECT_EQ(compile_entry<Counts>("DUE tre", kKinds, exact, nullptr), EntryOutcome::kGoOn);
  EXPECT_EQ(exact.compiled, (std::vector<std::string>{"third"}));

  Counts disabled;
  disabled.second_enabled = false;
  EXPECT_EQ(compile_entry<Counts>("due tre", kKinds, disabled, nullptr), EntryOutcome::kGoOn);
  EXPECT_EQ(disabled.compiled, (std::vector<std::string>{"third"}));
}

}  // namespace
}  // namespace scenario::text
