#include "tools/dump_command.h"

#include <variant>

#include "platform/files.h"
#include "tools/binary_inputs.h"
#include "tools/cell_dump.h"
#include "tools/command_line.h"
#include "tools/exit_codes.h"
#include "tools/plan_dump.h"
#include "tools/table_dump.h"

namespace scenario::tools {
namespace {

FileKind kind_from_option(const std::string& kind) {
  if (kind == "table")
    return FileKind::kTable;
  if (kind == "cells")
    return FileKind::kCells;
  if (kind == "plan")
    return FileKind::kPlan;
  throw UsageError("dump: --kind vuole table, cells o plan, non " + kind);
}

std::string_view kind_key(FileKind kind) {
  switch (kind) {
    case FileKind::kTable:
      return "table";
    case FileKind::kCells:
      return "cells";
    case FileKind::kPlan:
      return "plan";
  }
  return "";
}

std::string_view kind_title(FileKind kind) {
  switch (kind) {
    case FileKind::kTable:
      return "tabella dello scenario";
    case FileKind::kCells:
      return "file delle celle";
    case FileKind::kPlan:
      return "dati di linea";
  }
  return "";
}

}  // namespace

FileKind kind_from_name(const std::string& path) {
  if (path.ends_with("_linea.dat"))
    return FileKind::kPlan;
  if (path.ends_with(".sim"))
    return FileKind::kTable;
  if (path.ends_with(".dat"))
    return FileKind::kCells;
  throw UsageError("dump: dal nome di " + path +
                   " non si capisce il tipo di file; indicarlo con --kind table|cells|plan");
}

int run_dump(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const CommandLine command(
      {.name = "dump", .options = {{"--kind"}}, .flags = {"--all", "--json"}, .arguments = 1},
      args);
  const std::string& path = command.arguments()[0];
  const auto option = command.value("--kind");
  const FileKind kind = option ? kind_from_option(*option) : kind_from_name(path);
  const bool all = command.has("--all");
  const std::string bytes = platform::read_file(path);
  // Decoded whole before anything is printed: a refused file prints nothing.
  std::variant<records::HeaderTable, records::CellArray, records::PlanArray> contents;
  if (kind == FileKind::kTable)
    contents = decode_table(path, bytes);
  else if (kind == FileKind::kCells)
    contents = decode_cells(path, bytes);
  else
    contents = decode_plan(path, bytes);
  if (const auto* plan = std::get_if<records::PlanArray>(&contents))
    warn_about_plan_shape(path, *plan, err);

  if (command.has("--json")) {
    JsonWriter json(out);
    json.begin_object();
    json.member("file", path);
    json.member("kind", kind_key(kind));
    json.member("bytes", static_cast<std::int64_t>(bytes.size()));
    if (const auto* table = std::get_if<records::HeaderTable>(&contents))
      table_json(*table, json);
    else if (const auto* cells = std::get_if<records::CellArray>(&contents))
      cells_json(*cells, json);
    else
      plan_json(std::get<records::PlanArray>(contents), all, json);
    json.end_object();
    out << '\n';
    return kExitOk;
  }
  out << kind_title(kind) << ": " << path << " (" << bytes.size() << " byte)\n";
  if (const auto* table = std::get_if<records::HeaderTable>(&contents))
    list_table(*table, out);
  else if (const auto* cells = std::get_if<records::CellArray>(&contents))
    list_cells(*cells, all, out);
  else
    list_plan(std::get<records::PlanArray>(contents), all, out);
  return kExitOk;
}

}  // namespace scenario::tools
