#include "docs/driver_documents.h"

namespace scenario::docs {

void dati_note(const std::string& /*path*/) {}

}  // namespace scenario::docs
