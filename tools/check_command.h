#pragma once

#include <ostream>
#include <span>
#include <string>

namespace scenario::tools {

// `check TESTO_LINEA TESTO_CORSA [--line-id ID --train NUMERO] [--json]
// [--encoding cp1252|utf-8]`: every diagnostic of the two texts, nothing
// written. Returns kExitOk without errors (warnings allowed),
// kExitErrorRecorded with at least one; throws UsageError and
// platform::FileError.
int run_check(std::span<const std::string> args, std::ostream& out);

}  // namespace scenario::tools
