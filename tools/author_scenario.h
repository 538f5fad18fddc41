#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scenario::tools {

// How an author's texts are stored: Windows-1252, as the installer writes
// them, or UTF-8 as many editors save them (converted on reading).
enum class TextEncoding { kWindows1252, kUtf8 };

// "cp1252" or "utf-8" as `--encoding` gives it. Throws UsageError for any
// other.
TextEncoding encoding_named(const std::string& name);

// An author's scenario as the tools read it: both texts and the identity.
struct AuthorScenario {
  std::string line_path;  // as given on the command line
  std::string run_path;
  std::string line_text;  // Windows-1252 bytes
  std::string run_text;
  std::string line_id;  // UTF-8, naming the files
  std::string train_number;
  std::string line_id_bytes;  // Windows-1252, for the header table
  std::string train_number_bytes;
};

// The Windows-1252 form of UTF-8 bytes read from `path`: a malformed
// sequence or a character Windows-1252 cannot hold is refused with
// platform::FileError naming its place ("path:3:7") and what it is.
std::string from_utf8_text(const std::string& path, std::string_view bytes);

// Reads one text: a folder, a file holding NUL bytes (no text at all), and
// with UTF-8 a malformed sequence or a character Windows-1252 cannot hold are
// refused with platform::FileError naming the place ("path:3:7") and what it
// is.
std::string read_author_text(const std::string& path, TextEncoding encoding);

// The identity, as the command line gives it, else as the names of the
// texts give it (the installer names them LINEA_linea.txt and
// LINEA_TRENO-.txt), else the built-in one. An identity that cannot name
// files or that Windows-1252 cannot hold is refused (UsageError naming
// `command`).
struct Identity {
  std::string line_id;
  std::string train_number;
};
Identity identity_of(const std::string& command, const std::string& line_path,
                     const std::string& run_path, const std::optional<std::string>& line_id,
                     const std::optional<std::string>& train_number);

// Both texts read (before anything is written, so that a missing one leaves
// no trace) and the identity.
AuthorScenario read_author_scenario(const std::string& command, const std::string& line_path,
                                    const std::string& run_path, const Identity& identity,
                                    TextEncoding encoding);

}  // namespace scenario::tools
