#include "finish/identification_codes.h"

#include "records/slot_roles.h"
#include "text/cp1252.h"

namespace scenario::finish {
namespace {

constexpr std::size_t kCodeTextLength = 25;
// Longer than the code text, so that it is always filled.
constexpr std::string_view kFiller = "zzyyxxwwvvuuttssrrqqppkkjj";

std::string code_text_of(const records::HeaderTable& header) {
  return identification_code_text(header[records::kRunSlot].text, header[records::kLineSlot].text);
}

std::int32_t byte_value(char c) {
  return static_cast<unsigned char>(c);
}

}  // namespace

std::string identification_code_text(std::string_view train_number, std::string_view line_id) {
  std::string code_text = text::cp1252_lower(std::string(train_number) + std::string(line_id));
  code_text += kFiller;
  code_text.resize(kCodeTextLength);
  return code_text;
}

std::int32_t codice_gara_og(const records::HeaderTable& header) {
  std::int32_t sum = 0;
  for (char c : code_text_of(header))
    sum += byte_value(c);
  return sum;
}

std::int32_t codice_gara_st(const records::HeaderTable& header) {
  const std::string code_text = code_text_of(header);
  std::int32_t sum = 0;
  for (std::size_t i = 0; i < code_text.size(); ++i) {
    sum += byte_value(code_text[i]) * static_cast<std::int32_t>(i + 1);
  }
  return sum;
}

}  // namespace scenario::finish
