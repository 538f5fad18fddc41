#include "line/dati_linea.h"

namespace scenario::line {

void dati_linea(const std::string& /*path*/) {}

}  // namespace scenario::line
