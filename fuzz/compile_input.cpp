#include "fuzz/compile_input.h"

#include <stdexcept>

#include "app/builtin_scenario_content.h"

namespace scenario::fuzz {
namespace {

constexpr unsigned kWriteLineData = 1;
constexpr unsigned kRunTextMissing = 2;

}  // namespace

CompileInput parse_compile_input(std::string_view bytes) {
  CompileInput input;
  if (bytes.empty())
    return input;
  const auto options = static_cast<unsigned char>(bytes[0]);
  input.write_line_data = (options & kWriteLineData) != 0 ? 1 : 0;
  input.run_text_missing = (options & kRunTextMissing) != 0;
  const std::string_view texts = bytes.substr(1);
  const std::size_t separator = texts.find(kTextSeparator);
  input.line_text = std::string(texts.substr(0, separator));
  if (separator != std::string_view::npos)
    input.run_text = std::string(texts.substr(separator + 1));
  return input;
}

compiler::DescriptionTexts description_texts(const CompileInput& input) {
  compiler::DescriptionTexts texts;
  texts.line = compiler::DescriptionText{"linea", input.line_text};
  if (!input.run_text_missing)
    texts.run = compiler::DescriptionText{"corsa", input.run_text};
  return texts;
}

std::string compose_compile_input(const CompileInput& input) {
  if (input.line_text.find(kTextSeparator) != std::string::npos) {
    throw std::invalid_argument("a line text with a NUL byte cannot be split out again");
  }
  unsigned options = 0;
  if (input.write_line_data != 0)
    options |= kWriteLineData;
  if (input.run_text_missing)
    options |= kRunTextMissing;
  std::string bytes(1, static_cast<char>(options));
  bytes += input.line_text;
  bytes += kTextSeparator;
  bytes += input.run_text;
  return bytes;
}

finish::Outcome compile_as_installer(const compiler::DescriptionTexts& texts,
                                     std::int32_t write_line_data,
                                     records::ScenarioRecords& records) {
  records.line_id = app::kLineId;
  records.train_number = app::kTrainNumber;
  std::int32_t j = write_line_data;
  return finish::compile_and_complete(records, texts, j);
}

}  // namespace scenario::fuzz
