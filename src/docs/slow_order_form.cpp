#include "docs/slow_order_form.h"

#include "docs/table_cells.h"

namespace scenario::docs {

std::string slow_order_instruction(std::string_view train_number) {
  return "  Si ordina al macchinista del treno " + std::string(train_number) +
         " di effettura i seguenti rallentamenti";
}

std::string empty_restriction_row() {
  return table_row({std::string(3, ' '), std::string(28, ' '), std::string(12, ' '),
                    std::string(10, ' '), std::string(9, ' '), std::string(12, ' ')});
}

}  // namespace scenario::docs
