#include "package/package_format.h"

#include <array>

#include "package/checksum.h"
#include "records/little_endian_reader.h"
#include "records/little_endian_writer.h"
#include "text/cp1252.h"
#include "text/utf8.h"

namespace scenario::package {
namespace {

// The payload's fields in file order, with the name a fault gives each.
struct PayloadField {
  std::string ScenarioContent::*member;
  const char* name;
};
constexpr std::array<PayloadField, 7> kPayloadFields{{
    {&ScenarioContent::line_id, "l'identificativo della linea"},
    {&ScenarioContent::train_number, "il numero del treno"},
    {&ScenarioContent::line_text, "il testo della linea"},
    {&ScenarioContent::run_text, "il testo della corsa"},
    {&ScenarioContent::notes, "le note"},
    {&ScenarioContent::slow_order, "il modulo dei rallentamenti"},
    {&ScenarioContent::train_sheet, "la scheda treno"},
}};

// The trailer's fields before the magic word: payload start and length
// (u64), checksum and version (u32).
static_assert(8 + 8 + 4 + 4 + kTrailerMagic.size() == kTrailerSize);

template <std::size_t count>
void append_le(std::string& out, std::uint64_t value) {
  std::uint8_t bytes[count];
  records::put_little_endian<count>(bytes, value);
  out.append(reinterpret_cast<const char*>(bytes), count);
}

std::string hex32(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (int shift = 28; shift >= 0; shift -= 4)
    text.push_back(kDigits[(value >> shift) & 0xFu]);
  return text;
}

ScenarioContent read_fields(std::string_view payload) {
  ScenarioContent content;
  records::LittleEndianReader reader(payload);
  for (const PayloadField& field : kPayloadFields) {
    if (reader.remaining() < 4) {
      throw PackageFault(
          std::string("lo scenario è malformato: finisce prima della lunghezza di ") + field.name);
    }
    const std::uint32_t length = reader.u32();
    if (length > reader.remaining()) {
      throw PackageFault(std::string("lo scenario è malformato: ") + field.name + " dichiara " +
                         std::to_string(length) + " byte, ne restano " +
                         std::to_string(reader.remaining()));
    }
    content.*field.member = reader.bytes(length);
  }
  if (!reader.at_end()) {
    throw PackageFault("lo scenario è malformato: " + std::to_string(reader.remaining()) +
                       " byte dopo la scheda treno, che è l'ultimo campo");
  }
  for (const PayloadField& field : {kPayloadFields[0], kPayloadFields[1]}) {
    if (const auto fault = identity_fault(content.*field.member))
      throw PackageFault(std::string("lo scenario è malformato: ") + field.name + " " + *fault);
  }
  return content;
}

}  // namespace

std::string packaged_scenario(const ScenarioContent& content, std::uint64_t base_size) {
  std::string bytes;
  for (const PayloadField& field : kPayloadFields) {
    const std::string& value = content.*field.member;
    append_le<4>(bytes, value.size());
    bytes += value;
  }
  const std::uint64_t payload_length = bytes.size();
  const std::uint32_t checksum = crc32(bytes);
  append_le<8>(bytes, base_size);
  append_le<8>(bytes, payload_length);
  append_le<4>(bytes, checksum);
  append_le<4>(bytes, kFormatVersion);
  bytes += kTrailerMagic;
  return bytes;
}

std::string packaged_program(std::string_view base, const ScenarioContent& content) {
  return std::string(base) + packaged_scenario(content, base.size());
}

bool ends_with_trailer(std::string_view program) {
  return program.ends_with(kTrailerMagic);
}

PayloadPlace read_trailer(std::string_view tail, std::uint64_t program_size) {
  if (program_size < kTrailerSize || tail.size() < kTrailerSize || !ends_with_trailer(tail)) {
    throw PackageFault(
        "lo scenario manca: il programma non finisce con la coda che lo annuncia (è un "
        "installatore copiato o scaricato solo in parte, o non è un pacchetto)");
  }
  records::LittleEndianReader trailer(tail.substr(tail.size() - kTrailerSize));
  PayloadPlace place;
  place.start = trailer.u64();
  place.length = trailer.u64();
  place.checksum = trailer.u32();
  const std::uint32_t version = trailer.u32();
  if (version != kFormatVersion) {
    throw PackageFault("lo scenario è nel formato " + std::to_string(version) +
                       ", questo installatore conosce solo il formato " +
                       std::to_string(kFormatVersion));
  }
  const std::uint64_t before_trailer = program_size - kTrailerSize;
  const bool short_of_payload =
      place.start > before_trailer || place.length > before_trailer - place.start;
  if (short_of_payload || place.length != before_trailer - place.start) {
    // The size the trailer gives, formed only where a damaged trailer
    // cannot make it overflow.
    const bool representable = place.start <= UINT64_MAX - kTrailerSize &&
                               place.length <= UINT64_MAX - kTrailerSize - place.start;
    const std::string announced =
        representable ? std::to_string(place.start + place.length + kTrailerSize) + " byte"
                      : "più byte di quanti un file ne possa avere";
    throw PackageFault(
        std::string(short_of_payload ? "lo scenario è troncato" : "lo scenario ha byte in più") +
        ": secondo la sua coda il pacchetto ha " + announced + ", il file ne ha " +
        std::to_string(program_size));
  }
  return place;
}

ScenarioContent read_payload(std::string_view payload, const PayloadPlace& place) {
  const std::uint32_t actual = crc32(payload);
  if (payload.size() != place.length || actual != place.checksum) {
    throw PackageFault("lo scenario è stato alterato: la somma di controllo dei suoi " +
                       std::to_string(payload.size()) + " byte è " + hex32(actual) +
                       ", la coda dice " + hex32(place.checksum));
  }
  return read_fields(payload);
}

ScenarioContent read_packaged_scenario(std::string_view program) {
  const PayloadPlace place = read_trailer(program, program.size());
  return read_payload(
      program.substr(static_cast<std::size_t>(place.start), static_cast<std::size_t>(place.length)),
      place);
}

std::optional<std::string> identity_fault(std::string_view value) {
  if (value.empty())
    return "è vuoto";
  if (!text::is_utf8(value))
    return "non è UTF-8 valido";
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F)
      return "contiene un carattere di controllo";
    if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
      return std::string("contiene ") + c + ", che un nome di file non può contenere";
  }
  try {
    text::utf8_to_cp1252(value);
  } catch (const std::invalid_argument& error) {
    return std::string("non è rappresentabile in Windows-1252 (") + error.what() + ")";
  }
  return std::nullopt;
}

}  // namespace scenario::package
