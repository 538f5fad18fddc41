#include "tools/documents/place_pair.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "text/cp1252.h"

namespace scenario::tools {
namespace {

constexpr std::string_view kJoint = " - ";
// A shortened word keeps this many letters before its full stop.
constexpr std::size_t kKeptLetters = 2;

struct Words {
  std::vector<std::string> words;

  explicit Words(std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
      const std::size_t end = std::min(text.find(' ', start), text.size());
      words.emplace_back(text.substr(start, end - start));
      start = end + 1;
    }
  }

  std::string joined() const {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i)
      text += (i == 0 ? "" : " ") + words[i];
    return text;
  }
};

bool can_shorten(const std::string& word) {
  return word.size() > kKeptLetters + 1 && word.find('.') == std::string::npos;
}

std::string pair_text(const Words& first, const std::optional<Words>& second) {
  return second ? first.joined() + std::string(kJoint) + second->joined() : first.joined();
}

}  // namespace

std::string place_pair(std::string_view first, std::string_view second, std::size_t width) {
  Words first_words(text::cp1252_upper(first));
  std::optional<Words> second_words;
  if (!second.empty())
    second_words.emplace(text::cp1252_upper(second));

  // The words in the order they are shortened.
  std::vector<std::string*> order;
  if (second_words) {
    for (auto word = second_words->words.rbegin(); word != second_words->words.rend(); ++word)
      order.push_back(&*word);
  }
  for (auto word = first_words.words.rbegin(); word != first_words.words.rend(); ++word)
    order.push_back(&*word);

  std::string text = pair_text(first_words, second_words);
  for (std::string* word : order) {
    if (text.size() <= width)
      return text;
    if (!can_shorten(*word))
      continue;
    *word = word->substr(0, kKeptLetters) + ".";
    text = pair_text(first_words, second_words);
  }
  return text.size() <= width ? text : text.substr(0, width);
}

}  // namespace scenario::tools
