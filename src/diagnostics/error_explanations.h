#pragma once

#include <optional>

#include "diagnostics/diagnostic.h"
#include "diagnostics/pass.h"

namespace scenario::diagnostics {

// A recorded code told in the author's terms: the diagnostic (its place and
// a meaning that names the concrete values: what occupies a taken cell and
// where it comes from, the areas of two stations too close, what was read
// where a number was expected) and the entry to blame, which a second
// compile leaves out to find the errors behind it.
struct ExplainedCode {
  Diagnostic diagnostic;
  int blamed_entry = -1;                    // -1: no entry
  std::optional<TracedField> blamed_field;  // a field to leave out when no entry is to blame
};

ExplainedCode explain_code(const Pass& pass, const TracedCode& code);

}  // namespace scenario::diagnostics
