#include "platform/word_wrap.h"

namespace scenario::platform {
namespace {

std::string_view drop_leading_blanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view drop_trailing_blanks(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// Where the first line of `rest` ends: at the last blank before which the
// text still fits, or after the first word when even that one does not.
std::size_t line_end(std::string_view rest, int width, const TextMeasure& measure) {
  const std::size_t first_word = rest.find_first_not_of(' ');
  std::size_t fitting = std::string_view::npos;
  for (std::size_t blank = rest.find(' ', first_word); blank != std::string_view::npos;
       blank = rest.find(' ', blank + 1)) {
    if (measure(drop_trailing_blanks(rest.substr(0, blank))) > width)
      break;
    fitting = blank;
  }
  if (fitting != std::string_view::npos)
    return fitting;
  const std::size_t after_first_word = rest.find(' ', first_word);
  return after_first_word == std::string_view::npos ? rest.size() : after_first_word;
}

void wrap_paragraph(std::string_view paragraph, int width, const TextMeasure& measure,
                    std::vector<std::string>& lines) {
  std::string_view rest = paragraph;
  do {
    if (measure(rest) <= width) {
      lines.emplace_back(rest);
      return;
    }
    const std::size_t end = line_end(rest, width, measure);
    lines.emplace_back(drop_trailing_blanks(rest.substr(0, end)));
    rest = drop_leading_blanks(rest.substr(end));
  } while (!rest.empty());
}

}  // namespace

std::vector<std::string> wrap_words(std::string_view text, int width, const TextMeasure& measure) {
  std::vector<std::string> lines;
  for (;;) {
    const auto newline = text.find('\n');
    std::string_view paragraph = text.substr(0, newline);
    if (!paragraph.empty() && paragraph.back() == '\r')
      paragraph.remove_suffix(1);
    wrap_paragraph(paragraph, width, measure, lines);
    if (newline == std::string_view::npos)
      return lines;
    text.remove_prefix(newline + 1);
  }
}

}  // namespace scenario::platform
