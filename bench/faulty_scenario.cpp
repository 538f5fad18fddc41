#include "bench/faulty_scenario.h"

#include <string>
#include <string_view>
#include <vector>

namespace scenario::bench {
namespace {

// Of a kind, one fault per so many rows at least.
constexpr std::size_t kEach = 1;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  return text;
}

// Rows starting with `keyword`, spread evenly: `count` of them.
std::vector<std::size_t> spread(const std::vector<std::string>& lines, std::string_view keyword,
                                std::size_t count, std::size_t offset) {
  std::vector<std::size_t> rows;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].starts_with(keyword))
      rows.push_back(i);
  }
  std::vector<std::size_t> chosen;
  if (rows.empty() || count == 0)
    return chosen;
  const std::size_t step = std::max(kEach, rows.size() / count);
  for (std::size_t k = offset % step; k < rows.size() && chosen.size() < count; k += step)
    chosen.push_back(rows[k]);
  return chosen;
}

void misspell(std::string& line, std::string_view keyword, std::string_view typo) {
  line.replace(0, keyword.size(), typo);
}

}  // namespace

GeneratedTexts with_planted_faults(GeneratedTexts texts, PlantedFaults& planted) {
  std::vector<std::string> run = lines_of(texts.run_text);
  std::vector<std::string> line = lines_of(texts.line_text);
  planted = {};

  // Errors: a signal given twice (16), a speed that is no number (25).
  for (std::size_t row : spread(run, "segnale", 20, 3)) {
    run[row] += "\r\n" + run[row];
    ++planted.errors;
  }
  for (std::size_t row : spread(run, "velocita", 15, 5)) {
    const std::size_t comma = run[row].rfind(',');
    run[row] = run[row].substr(0, comma + 1) + "    l00";
    ++planted.errors;
  }
  // A sign board on the cell of a speed indicator (6).
  for (std::size_t row : spread(line, "indicatori_vmax", 15, 1)) {
    const std::size_t first = line[row].find(',');
    const std::size_t second = line[row].find(',', first + 1);
    line[row] += "\r\ncartello_indicatore," + line[row].substr(first + 1, second - first - 1) +
                 ",   (DOPPIO)";
    ++planted.errors;
  }
  // Warnings: keywords misspelt.
  for (std::size_t row : spread(run, "aderenza", 25, 11)) {
    misspell(run[row], "aderenza", "aderneza");
    ++planted.warnings;
  }
  for (std::size_t row : spread(line, "pendenza", 25, 7)) {
    misspell(line[row], "pendenza", "pendnza");
    ++planted.warnings;
  }
  texts.run_text = joined(run);
  texts.line_text = joined(line);
  return texts;
}

}  // namespace scenario::bench
