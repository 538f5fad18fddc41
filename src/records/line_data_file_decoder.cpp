#include "records/line_data_file_decoder.h"

#include <limits>
#include <span>
#include <vector>

#include "records/decode_error.h"
#include "records/little_endian_reader.h"

namespace scenario::records {
namespace {

struct Element {
  PlanArray::Kind kind = PlanArray::Kind::kUnset;
  double value = 0.0;
};

std::string element_name(std::size_t k) {
  return "elemento " + std::to_string(k);
}

// Requires `count` more bytes for element k; its name is formed only for
// the message, since a plan has two million elements.
void require_for_element(const LittleEndianReader& reader, std::size_t count, std::size_t k,
                         const char* what) {
  if (count > reader.remaining())
    reader.require(count, element_name(k) + what);
}

// Element k of the file, with where it starts for the messages.
Element read_element(LittleEndianReader& reader, std::size_t k) {
  const std::size_t start = reader.offset();
  require_for_element(reader, 2, k, "");
  const std::uint16_t code = reader.u16();
  switch (code) {
    case static_cast<std::uint16_t>(PlanArray::Kind::kUnset):
      return {};
    case static_cast<std::uint16_t>(PlanArray::Kind::kInt16):
      require_for_element(reader, 2, k, " (intero a 16 bit)");
      return {PlanArray::Kind::kInt16, static_cast<double>(reader.i16())};
    case static_cast<std::uint16_t>(PlanArray::Kind::kDouble):
      require_for_element(reader, 8, k, " (double)");
      return {PlanArray::Kind::kDouble, reader.f64()};
    default:
      throw DecodeError(start, element_name(k) + ": codice di tipo " + std::to_string(code) +
                                   " sconosciuto (attesi 0, 2 o 5)");
  }
}

// The kind the line compiler writes at `metre` of a column that ends at
// `last_metre`.
PlanArray::Kind compiled_kind(std::int32_t metre, std::int32_t last_metre) {
  if (metre < 2)
    return PlanArray::Kind::kInt16;
  if (metre >= last_metre - 1)
    return PlanArray::Kind::kUnset;
  return PlanArray::Kind::kDouble;
}

const char* kind_words(PlanArray::Kind kind) {
  switch (kind) {
    case PlanArray::Kind::kUnset:
      return "non impostato";
    case PlanArray::Kind::kInt16:
      return "intero a 16 bit";
    case PlanArray::Kind::kDouble:
      return "double";
  }
  return "";
}

}  // namespace

std::vector<std::string> compiled_shape_departures(const PlanArray& plan) {
  std::vector<std::string> departures;
  const std::int32_t last = plan.last_metre();
  for (int column : {PlanArray::kX, PlanArray::kY}) {
    const std::span<const PlanArray::Kind> kinds = plan.kinds(column);
    std::size_t count = 0;
    std::int32_t first = -1;
    for (std::int32_t metre = 0; metre <= last; ++metre) {
      if (kinds[static_cast<std::size_t>(metre)] == compiled_kind(metre, last))
        continue;
      if (count++ == 0)
        first = metre;
    }
    if (count == 0)
      continue;
    const PlanArray::Kind found = kinds[static_cast<std::size_t>(first)];
    departures.push_back(
        std::string("colonna ") + (column == PlanArray::kX ? "x" : "y") + ": " +
        std::to_string(count) + (count == 1 ? " metro" : " metri") + " su " +
        std::to_string(last + 1) +
        " fuori dalla forma che scrive il compilatore (metri 0 e 1 interi a 16 bit, poi double, "
        "gli ultimi due non impostati), il primo è il metro " +
        std::to_string(first) + ": " + kind_words(found) + " invece di " +
        kind_words(compiled_kind(first, last)) + "; il file può essere tagliato o allungato");
  }
  return departures;
}

PlanArray decode_line_data_file(std::string_view bytes) {
  LittleEndianReader reader(bytes);
  std::vector<Element> elements;
  std::size_t last_start = 0;
  while (!reader.at_end()) {
    last_start = reader.offset();
    elements.push_back(read_element(reader, elements.size()));
  }
  if (elements.empty())
    throw DecodeError(0, "file vuoto: servono almeno le coordinate x e y del metro 0");
  if (elements.size() % 2 != 0) {
    throw DecodeError(last_start, "numero dispari di elementi (" + std::to_string(elements.size()) +
                                      "): le colonne x e y devono avere la stessa lunghezza");
  }
  const std::size_t column = elements.size() / 2;
  if (column - 1 > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw DecodeError(0, "troppi elementi per una colonna");
  PlanArray plan(static_cast<std::int32_t>(column - 1));
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const auto metre = static_cast<std::int32_t>(k % column);
    const int axis = k < column ? PlanArray::kX : PlanArray::kY;
    if (elements[k].kind == PlanArray::Kind::kInt16)
      plan.set_int16(metre, axis, static_cast<std::int16_t>(elements[k].value));
    else if (elements[k].kind == PlanArray::Kind::kDouble)
      plan.set_double(metre, axis, elements[k].value);
  }
  return plan;
}

}  // namespace scenario::records
