#include "tools/table_dump.h"

#include "text/cp1252.h"
#include "tools/display_text.h"
#include "tools/record_fields.h"
#include "tools/scenario_names.h"

namespace scenario::tools {
namespace {

void list_slot(const records::HeaderTable& table, std::size_t slot, std::ostream& out) {
  const records::TableRecord& record = table[slot];
  const SlotRole role = slot_role(table, slot);
  out << "slot " << slot << ": " << slot_role_name(role) << '\n';
  if (!record.text.empty()) {
    out << "  " << padded("text", 8) << padded(quoted_text(record.text), 14) << "  "
        << field_meaning(role, "text") << '\n';
  }
  for (const TableField& field : table_fields()) {
    const std::int64_t value = field.get(record);
    if (value == 0)
      continue;
    std::string meaning(field_meaning(role, field.name));
    if (role == SlotRole::kStation && field.name == "long_d")
      meaning += " " + time_of_day(value);
    out << "  " << padded(field.name, 8) << padded(std::to_string(value), 14) << "  " << meaning
        << '\n';
  }
}

}  // namespace

void list_table(const records::HeaderTable& table, std::ostream& out) {
  std::size_t used = 0;
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    if (!is_empty(table[slot]))
      ++used;
  }
  out << table.size() << " slot, " << used << " non vuoti (i campi non elencati valgono 0)\n";
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    if (!is_empty(table[slot]))
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
    json.member("role", slot_role_name(slot_role(table, slot)));
    json.member("text", text::cp1252_to_utf8(record.text));
    for (const TableField& field : table_fields())
      json.member(field.name, field.get(record));
    json.end_object();
  }
  json.end_array();
}

}  // namespace scenario::tools
