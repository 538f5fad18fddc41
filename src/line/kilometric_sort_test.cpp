#include "line/kilometric_sort.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "text/compile_failure.h"

namespace scenario::line {
namespace {

using Triple = std::array<std::int32_t, 3>;

struct Case {
  const char* what;
  std::array<Triple, 3> before;  // slots 81, 82, 83 ("tre", "due", "uno")
  std::array<Triple, 3> after;
};

const Case kCases[] = {
    {"uno (5000, 1, 1), due (9000, 2, 0), tre (7000, 3, 0)",
     {{{7000, 3, 0}, {9000, 2, 0}, {5000, 1, 1}}},
     {{{9000, 2, 0}, {7000, 3, 0}, {5000, 101, 1}}}},
    {"already in order",
     {{{30, 1, 0}, {20, 2, 0}, {10, 3, 0}}},
     {{{30, 1, 0}, {20, 2, 0}, {10, 3, 0}}}},
    {"reversed", {{{10, 1, 0}, {20, 2, 0}, {30, 3, 0}}}, {{{30, 3, 0}, {20, 2, 0}, {10, 1, 0}}}},
    {"the two lower equal: the higher slot first",
     {{{50, 1, 0}, {20, 2, 0}, {20, 3, 0}}},
     {{{50, 1, 0}, {20, 3, 0}, {20, 2, 0}}}},
    {"no strictly largest: all zero",
     {{{50, 1, 1}, {50, 2, 0}, {20, 3, 0}}},
     {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {"sum 0, only 81 has a second value: unchanged",
     {{{0, 5, 0}, {0, 0, 0}, {0, 0, 1}}},
     {{{0, 5, 0}, {0, 0, 0}, {0, 100, 1}}}},
    {"sum 0, 82 has a second value: 82, 81, 83",
     {{{0, 0, 0}, {0, 5, 0}, {0, 0, 0}}},
     {{{0, 5, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {"sum 0, 82 and 83 have one: the last rule wins, 83, 82, 81",
     {{{0, 7, 0}, {0, 5, 0}, {0, 6, 0}}},
     {{{0, 6, 0}, {0, 5, 0}, {0, 7, 0}}}},
    {"sum 0 with negative first values: by the second values",
     {{{-10, 0, 0}, {10, 4, 1}, {0, 0, 0}}},
     {{{10, 104, 1}, {-10, 0, 0}, {0, 0, 0}}}},
    {"sum 0, no second value above 0: all zero",
     {{{0, 0, 1}, {0, -5, 1}, {0, 0, 1}}},
     {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
    {"a sum beyond 32 bits is not 0",
     {{{2147483647, 0, 0}, {2147483647, 1, 0}, {2, 0, 0}}},
     {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
};

TEST(ProgressiveOrdina, SortsTheReferencesAsWholes) {
  for (const auto& c : kCases) {
    records::HeaderTable header{};
    for (int i = 0; i < 3; ++i) {
      header[81 + i].long_a = c.before[i][0];
      header[81 + i].long_b = c.before[i][1];
      header[81 + i].long_c = c.before[i][2];
    }
    progressive_ordina(header);
    for (int i = 0; i < 3; ++i) {
      const Triple got = {header[81 + i].long_a, header[81 + i].long_b, header[81 + i].long_c};
      EXPECT_EQ(got, c.after[i]) << c.what << ", slot " << 81 + i;
    }
  }
}

TEST(ProgressiveOrdina, ASecondValueThatCannotTake100MoreIsTheCompilersOwnFailure) {
  records::HeaderTable header{};
  header[81].long_a = 1;
  header[81].long_b = std::numeric_limits<std::int32_t>::max() - 99;
  header[81].long_c = 1;
  EXPECT_THROW(progressive_ordina(header), text::CompileFailure);
}

}  // namespace
}  // namespace scenario::line
