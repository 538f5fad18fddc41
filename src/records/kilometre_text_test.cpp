#include "records/kilometre_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace scenario::records {
namespace {

TEST(KilometreText, KilometresPlusThreeDigitsOfMetres) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0+000"},          {75, "0+075"},
      {15150, "15+150"},     {97000, "97+000"},
      {1000000, "1000+000"}, {-100, "-0+100"},
      {-2050, "-2+050"},     {std::numeric_limits<std::int64_t>::min(), "-9223372036854775+808"},
  };
  for (const auto& [metres, text] : cases)
    EXPECT_EQ(kilometre_text(metres), text) << metres;
}

}  // namespace
}  // namespace scenario::records
