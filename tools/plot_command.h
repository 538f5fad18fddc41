#pragma once

#include <ostream>
#include <span>
#include <string>

namespace scenario::tools {

// `plot DIR --line-id ID --train NUMBER -o FILE.svg`: reads the compiled
// scenario's binary files from DIR and writes its picture; warnings about
// the files go to `err`. Throws UsageError, platform::FileError and
// FileDecodeError.
int run_plot(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace scenario::tools
