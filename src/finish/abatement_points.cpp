#include "finish/abatement_points.h"

#include "finish/minimo.h"

namespace scenario::finish {
namespace {

bool exists(const records::CellArray& cells, std::int32_t k) {
  return k >= 0 && k <= last_cell(cells);
}

}  // namespace

bool place_point_if_free(records::CellArray& cells, std::int32_t k) {
  if (!exists(cells, k) || !records::is_free(cells[k])) {
    return false;
  }
  cells[k].type = records::kAbatementWithSpeed;
  cells[k].value_a = kPointSpeed;
  return true;
}

bool cap_point_if_present(records::CellArray& cells, std::int32_t k) {
  if (!exists(cells, k) || cells[k].type != records::kAbatementWithSpeed) {
    return false;
  }
  cells[k].value_a = static_cast<std::int16_t>(minimo(kPointSpeed, cells[k].value_a));
  return true;
}

}  // namespace scenario::finish
