#include "tools/documents/place_pair.h"

#include <gtest/gtest.h>

namespace scenario::tools {
namespace {

struct PairCase {
  const char* first;
  const char* second;
  std::size_t width;
  const char* expected;
};

TEST(PlacePair, ShortensTheSecondPlaceFromItsLastWordThenTheFirst) {
  const PairCase cases[] = {
      // Fits: joined as it is, in capitals.
      {"CALVANO", "MONTERUPI", 28, "CALVANO - MONTERUPI"},
      {"Sant'Ilario", "Bivio Campora", 28, "SANT'ILARIO - BIVIO CAMPORA"},
      {"LAGO DI VENTA", "", 28, "LAGO DI VENTA"},
      // Exactly the width: kept whole.
      {"ABCDEFGHIJKLM", "NOPQRSTUVWXY", 28, "ABCDEFGHIJKLM - NOPQRSTUVWXY"},
      // One character too many: the last word of the second place.
      {"LAGO DI VENTA", "CERRETO SCALO", 28, "LAGO DI VENTA - CERRETO SC."},
      // Then the second place's earlier words, then the first place's.
      {"LAGO DI VENTA", "CERRETO SCALO", 25, "LAGO DI VENTA - CE. SC."},
      {"LAGO DI VENTA", "CERRETO SCALO", 22, "LAGO DI VE. - CE. SC."},
      {"SAN GIOVANNI VALDARNO", "FIGLINE", 20, "SAN GI. VA. - FI."},
      // Words of three characters or fewer, and abbreviations, stay.
      {"VELBRIO S.M.N.", "DOLVENA C.LE", 26, "VELBRIO S.M.N. - DO. C.LE"},
      {"SAN VITO IN VALLE", "SAN VITO", 26, "SAN VITO IN VA. - SAN VI."},
      // Nothing left to shorten: cut at the width.
      {"S.M.N. S.M.N. S.M.N.", "S.M.N. S.M.N.", 28, "S.M.N. S.M.N. S.M.N. - S.M.N"},
      // A single place is shortened the same way.
      {"STAZIONE DI PORTA NUOVA CENTRALE", "", 28, "STAZIONE DI PORTA NUOVA CE."},
      // Windows-1252 capitals.
      {"CITT\xC0 ALTA", "CAST\xC8L", 28, "CITT\xC0 ALTA - CAST\xC8L"},
      {"citt\xE0", "", 28, "CITT\xC0"},
  };
  for (const PairCase& c : cases) {
    SCOPED_TRACE(std::string(c.first) + " / " + c.second);
    const std::string text = place_pair(c.first, c.second, c.width);
    EXPECT_EQ(text, c.expected);
    EXPECT_LE(text.size(), c.width);
  }
}

}  // namespace
}  // namespace scenario::tools
