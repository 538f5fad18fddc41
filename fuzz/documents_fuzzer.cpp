// The driver documents of whatever run the compiler takes cleanly: the
// texts of the compile fuzzer's input compiled and completed, then the
// train sheet, slow order and notes made from the records. Making them
// must end in the three documents or in a refusal of its own, never in a
// fault, and every table line must keep its length and its bars where the
// installer's documents have them, however wide the names, many the rows
// or odd the times.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "finish/memorizza_percorso.h"
#include "fuzz/compile_input.h"
#include "fuzz/fuzz_check.h"
#include "text/line_list.h"
#include "tools/documents/document_refusal.h"
#include "tools/documents/run_documents.h"

namespace {

using namespace scenario;
using fuzz::require;

std::vector<std::string> lines_of(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", start);
    require(end != std::string::npos, "every line ends with CR LF");
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

template <std::size_t N>
void require_bars(const std::string& line, std::size_t length,
                  const std::array<std::size_t, N>& bars, const std::string& what) {
  require(line.size() == length, what + ": a table line of " + std::to_string(length));
  for (const std::size_t bar : bars)
    require(line[bar] == '|', what + ": a bar at " + std::to_string(bar));
}

void check_train_sheet(const std::string& bytes) {
  const std::vector<std::string> lines = lines_of(bytes);
  require(lines.size() >= 19, "the bands, the head, the bottom and the legend");
  constexpr std::array<std::size_t, 8> kBars = {1, 7, 13, 24, 30, 59, 76, 82};
  for (std::size_t i = 3; i <= 5; ++i)
    require_bars(lines[i], 83, std::array<std::size_t, 4>{1, 21, 67, 82}, "identity band");
  require_bars(lines[9], 57, std::array<std::size_t, 4>{1, 21, 36, 56}, "classification band");
  const std::string& bottom = lines[15];
  std::size_t i = 13;
  for (; i < lines.size() && (i == 15 || lines[i] != bottom); ++i)
    require_bars(lines[i], 83, kBars, "train sheet");
  require(i < lines.size(), "the table has its bottom");
}

void check_slow_order(const std::string& bytes) {
  const std::vector<std::string> lines = lines_of(bytes);
  constexpr std::size_t kFormLines = 46;
  require(!lines.empty() && lines.size() % kFormLines == 0, "whole forms of 46 lines");
  constexpr std::array<std::size_t, 7> kBars = {1, 5, 34, 47, 58, 68, 81};
  for (std::size_t form = 0; form < lines.size(); form += kFormLines) {
    for (std::size_t i = 8; i <= 38; ++i)
      require_bars(lines[form + i], 82, kBars, "slow order");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::CompileInput input =
      fuzz::parse_compile_input({reinterpret_cast<const char*>(data), size});
  const compiler::DescriptionTexts texts = fuzz::description_texts(input);
  records::ScenarioRecords records;
  if (fuzz::compile_as_installer(texts, input.write_line_data, records) !=
          finish::Outcome::kComplete ||
      records.state.error_code != 0)
    return 0;  // refused as `compile` reports it

  tools::RunDocuments documents;
  try {
    documents = tools::run_documents(records, {.run_text = "corsa", .sheet = {}, .notes = {}});
  } catch (const tools::DocumentRefusal& refusal) {
    require(std::string_view(refusal.what()).starts_with("corsa: "),
            "a refusal names the run text");
    return 0;
  }
  check_train_sheet(text::render_lines(documents.train_sheet));
  check_slow_order(text::render_lines(documents.slow_order));
  lines_of(text::render_lines(documents.notes));
  return 0;
}
