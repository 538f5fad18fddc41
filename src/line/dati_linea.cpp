#include "line/dati_linea.h"

#include "line/builtin_line.h"
#include "text/line_list.h"

namespace scenario::line {

void dati_linea(const std::string& path) {
  text::write_lines(path, builtin_line());
}

}  // namespace scenario::line
