#pragma once

#include <ostream>
#include <span>
#include <string>

namespace scenario::tools {

// `view DIR --line-id ID --train NUMBER -o FILE.html`: reads the compiled
// scenario's binary files from DIR through the decoders and writes its
// interactive page; warnings about the files go to `err`. Throws
// UsageError, platform::FileError and FileDecodeError.
int run_view(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace scenario::tools
