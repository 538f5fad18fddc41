#include "tools/author_scenario.h"

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "app/form1.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "text/cp1252.h"
#include "text/utf8.h"
#include "tools/command_line.h"

namespace scenario::tools {
namespace {

// Line and column (characters, 1-based) of byte `at` of `text`.
std::string place(const std::string& path, std::string_view text, std::size_t at) {
  int line = 1;
  std::size_t line_begin = 0;
  for (std::size_t i = 0; i < at; ++i) {
    if (text[i] == '\r' && i + 1 < at && text[i + 1] == '\n')
      ++i;
    if (text[i] == '\r' || text[i] == '\n') {
      ++line;
      line_begin = i + 1;
    }
  }
  int column = 1;
  for (std::size_t i = line_begin; i < at; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
      ++column;
  }
  return path + ":" + std::to_string(line) + ":" + std::to_string(column);
}

}  // namespace

std::string from_utf8_text(const std::string& path, std::string_view bytes) {
  std::string converted;
  converted.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size();) {
    const std::optional<text::Utf8Sequence> sequence = text::utf8_sequence(bytes, at);
    if (!sequence)
      throw platform::FileError(place(path, bytes, at), "sequenza UTF-8 non valida");
    const std::string_view character = bytes.substr(at, sequence->length);
    try {
      converted += text::utf8_to_cp1252(character);
    } catch (const std::invalid_argument& error) {
      throw platform::FileError(place(path, bytes, at),
                                "\"" + std::string(character) + "\": " + error.what());
    }
    at += sequence->length;
  }
  return converted;
}

namespace {

std::string identity_bytes(const std::string& command, const std::string& what,
                           const std::string& value) {
  if (value.empty())
    throw UsageError(command + ": " + what + " vuoto");
  if (value.find_first_of("/\\") != std::string::npos)
    throw UsageError(command + ": " + what + " non può contenere / o \\: " + value);
  try {
    return text::utf8_to_cp1252(value);
  } catch (const std::invalid_argument& error) {
    throw UsageError(command + ": " + what + " non rappresentabile in Windows-1252: " + value +
                     " (" + error.what() + ")");
  }
}

}  // namespace

TextEncoding encoding_named(const std::string& name) {
  if (name == "cp1252")
    return TextEncoding::kWindows1252;
  if (name == "utf-8")
    return TextEncoding::kUtf8;
  throw UsageError("--encoding vuole cp1252 o utf-8, non " + name);
}

std::string read_author_text(const std::string& path, TextEncoding encoding) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    throw platform::FileError(path, "è una cartella, non un testo");
  const std::string bytes = platform::read_file(path);
  if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos) {
    throw platform::FileError(place(path, bytes, nul),
                              "contiene byte NUL: non è un testo (un file binario?)");
  }
  return encoding == TextEncoding::kUtf8 ? from_utf8_text(path, bytes) : bytes;
}

Identity identity_of(const std::string& command, const std::string& line_path,
                     const std::string& run_path, const std::optional<std::string>& line_id,
                     const std::optional<std::string>& train_number) {
  const std::string line_name = std::filesystem::path(line_path).filename().string();
  const std::string run_name = std::filesystem::path(run_path).filename().string();
  constexpr std::string_view kLineSuffix = "_linea.txt";
  constexpr std::string_view kRunSuffix = "-.txt";
  Identity identity;
  if (line_id)
    identity.line_id = *line_id;
  else if (line_name.size() > kLineSuffix.size() && line_name.ends_with(kLineSuffix))
    identity.line_id = line_name.substr(0, line_name.size() - kLineSuffix.size());
  else
    identity.line_id = app::kLineId;
  const std::string run_prefix = identity.line_id + "_";
  if (train_number)
    identity.train_number = *train_number;
  else if (run_name.size() > run_prefix.size() + kRunSuffix.size() &&
           run_name.starts_with(run_prefix) && run_name.ends_with(kRunSuffix))
    identity.train_number =
        run_name.substr(run_prefix.size(), run_name.size() - run_prefix.size() - kRunSuffix.size());
  else
    identity.train_number = app::kTrainNumber;
  identity_bytes(command, "--line-id", identity.line_id);
  identity_bytes(command, "--train", identity.train_number);
  return identity;
}

AuthorScenario read_author_scenario(const std::string& command, const std::string& line_path,
                                    const std::string& run_path, const Identity& identity,
                                    TextEncoding encoding) {
  AuthorScenario scenario;
  scenario.line_path = line_path;
  scenario.run_path = run_path;
  scenario.line_id = identity.line_id;
  scenario.train_number = identity.train_number;
  scenario.line_id_bytes = identity_bytes(command, "--line-id", identity.line_id);
  scenario.train_number_bytes = identity_bytes(command, "--train", identity.train_number);
  scenario.line_text = read_author_text(line_path, encoding);
  scenario.run_text = read_author_text(run_path, encoding);
  return scenario;
}

}  // namespace scenario::tools
