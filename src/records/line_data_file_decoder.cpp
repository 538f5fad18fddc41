#include "records/line_data_file_decoder.h"

#include <limits>
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

}  // namespace

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
