#include "tools/binary_inputs.h"

#include "app/file_names.h"
#include "platform/files.h"
#include "records/cell_file_decoder.h"
#include "records/decode_error.h"
#include "records/line_data_file_decoder.h"
#include "records/table_file_decoder.h"

namespace scenario::tools {
namespace {

template <typename Decode>
auto decode_file(const std::string& path, std::string_view bytes, Decode decode) {
  try {
    return decode(bytes);
  } catch (const records::DecodeError& error) {
    throw FileDecodeError(path, error.offset(), error.reason());
  }
}

}  // namespace

records::HeaderTable decode_table(const std::string& path, std::string_view bytes) {
  return decode_file(path, bytes, records::decode_table_file);
}

records::CellArray decode_cells(const std::string& path, std::string_view bytes) {
  return decode_file(path, bytes, records::decode_cell_file);
}

records::PlanArray decode_plan(const std::string& path, std::string_view bytes) {
  return decode_file(path, bytes, records::decode_line_data_file);
}

records::HeaderTable read_table_file(const std::string& path) {
  return decode_table(path, platform::read_file(path));
}

records::CellArray read_cell_file(const std::string& path) {
  return decode_cells(path, platform::read_file(path));
}

records::PlanArray read_line_data_file(const std::string& path) {
  return decode_plan(path, platform::read_file(path));
}

void warn_about_plan_shape(const std::string& path, const records::PlanArray& plan,
                           std::ostream& warnings) {
  for (const std::string& departure : records::compiled_shape_departures(plan))
    warnings << "scenario_tool: " << path << ": avviso: " << departure << '\n';
}

CompiledScenario read_compiled_scenario(const std::string& folder, const std::string& line_id,
                                        const std::string& train, std::ostream& warnings) {
  const app::ScenarioFileNames names = app::scenario_file_names(folder, line_id, train);
  CompiledScenario scenario{read_table_file(names.scenario_table), read_cell_file(names.cell_file),
                            std::nullopt};
  if (platform::file_exists(names.line_data)) {
    scenario.plan = read_line_data_file(names.line_data);
    warn_about_plan_shape(names.line_data, *scenario.plan, warnings);
  }
  return scenario;
}

}  // namespace scenario::tools
