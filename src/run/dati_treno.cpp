#include "run/dati_treno.h"

#include "run/builtin_run_text.h"

namespace scenario::run {

void dati_treno(const std::string& path) {
  text::write_lines(path, builtin_run_text());
}

}  // namespace scenario::run
