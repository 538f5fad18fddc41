#include "diagnostics/keyword_suggestion.h"

#include <algorithm>

#include "text/cp1252.h"
#include "text/keyword_match.h"

namespace scenario::diagnostics {
namespace {

// Edits from `a` to `b` (optimal string alignment: insertion, deletion,
// substitution, and a swap of two neighbours).
std::size_t edit_distance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i)
    d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j)
    d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

std::string trimmed_lower(std::string_view text) {
  return text::cp1252_lower(text::trimmed(text));
}

}  // namespace

std::optional<std::string> nearest_keyword(std::string_view field,
                                           const std::vector<std::string>& keywords) {
  const std::string wanted = trimmed_lower(field);
  if (wanted.empty())
    return std::nullopt;
  std::optional<std::string> best;
  std::size_t best_distance = 0;
  for (const std::string& keyword : keywords) {
    const std::string candidate = text::cp1252_lower(keyword);
    // Far longer or shorter fields are comments, not typos.
    if (wanted.size() + 3 < candidate.size() || candidate.size() + 3 < wanted.size())
      continue;
    const std::size_t distance = edit_distance(wanted, candidate);
    const std::size_t allowed = candidate.size() >= 6 ? 2 : 1;
    if (distance <= allowed && (!best || distance < best_distance)) {
      best = keyword;
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace scenario::diagnostics
