#pragma once

#include <ostream>
#include <span>
#include <string>

namespace scenario::tools {

// `package LINE_TEXT RUN_TEXT --line-id ID --train NUMBER [--documents DIR]
// [--encoding cp1252|utf-8] -o DIR`: compiles the texts as `compile` does
// and, where they record no error, writes ID_NUMBER_installer (and, where
// the Windows package base has been built, ID_NUMBER_installer.exe): the
// package base with the scenario appended, which installs it as the
// installer installs its own. The documents are the three files of
// --documents, named as the installer names them, or else those
// `documents` writes. Returns kExitOk, or kExitErrorRecorded when the texts
// record an error or the run does not fit the documents (nothing written
// then); throws UsageError and platform::FileError.
int run_package(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace scenario::tools
