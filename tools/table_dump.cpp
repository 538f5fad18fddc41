#include "tools/table_dump.h"

#include "records/slot_roles.h"
#include "text/cp1252.h"
#include "tools/display_text.h"
#include "tools/record_fields.h"

namespace scenario::tools {
namespace {

using records::SlotRole;

void list_slot(const records::HeaderTable& table, std::size_t slot, std::ostream& out) {
  const records::TableRecord& record = table[slot];
  const SlotRole role = records::slot_role(table, slot);
  out << "slot " << slot << ": " << records::slot_role_name(role) << '\n';
  visit_texts(record, [&](std::string_view name, const std::string& text) {
    if (text.empty())
      return;
    out << "  " << padded(name, 8) << padded(quoted_text(text), 14) << "  "
        << records::field_meaning(role, name) << '\n';
  });
  visit_numbers(record, [&](std::string_view name, std::int64_t value) {
    if (value == 0)
      return;
    std::string meaning(records::field_meaning(role, name));
    if (role == SlotRole::kStation && name == "long_d")
      meaning += " " + time_of_day(value);
    out << "  " << padded(name, 8) << padded(std::to_string(value), 14) << "  " << meaning << '\n';
  });
}

}  // namespace

void list_table(const records::HeaderTable& table, std::ostream& out) {
  std::size_t used = 0;
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    if (!records::is_empty(table[slot]))
      ++used;
  }
  out << table.size() << " slot, " << used << " non vuoti (i campi non elencati valgono 0)\n";
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    if (!records::is_empty(table[slot]))
      list_slot(table, slot, out);
  }
}

void table_json(const records::HeaderTable& table, JsonWriter& json) {
  json.key("slots");
  json.begin_array();
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    const records::TableRecord& record = table[slot];
    json.begin_object();
    json.member("slot", static_cast<std::int64_t>(slot));
    json.member("role", records::slot_role_name(records::slot_role(table, slot)));
    visit_texts(record, [&](std::string_view name, const std::string& text) {
      json.member(name, text::cp1252_to_utf8(text));
    });
    visit_numbers(record,
                  [&](std::string_view name, std::int64_t value) { json.member(name, value); });
    json.end_object();
  }
  json.end_array();
}

}  // namespace scenario::tools
