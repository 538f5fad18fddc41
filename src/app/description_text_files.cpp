#include "app/description_text_files.h"

#include "platform/file_error.h"
#include "platform/files.h"

namespace scenario::app {
namespace {

std::optional<compiler::DescriptionText> read_text(const std::string& path) {
  if (!platform::file_exists(path))
    return std::nullopt;
  return compiler::DescriptionText{path, platform::read_file(path)};
}

}  // namespace

compiler::DescriptionTexts take_description_texts(const ScenarioFileNames& names) {
  compiler::DescriptionTexts texts;
  texts.line = read_text(names.line_text);
  try {
    texts.run = read_text(names.run_text);
  } catch (const platform::FileError&) {
    texts.run.reset();
  }
  platform::remove_file(names.line_text);
  platform::remove_file(names.run_text);
  return texts;
}

}  // namespace scenario::app
