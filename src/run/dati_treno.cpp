#include "run/dati_treno.h"

namespace scenario::run {

void dati_treno(const std::string& /*path*/) {}

}  // namespace scenario::run
