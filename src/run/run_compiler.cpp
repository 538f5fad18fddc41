#include "run/run_compiler.h"

namespace scenario::run {

void compile_run(records::ScenarioRecords& /*records*/, const std::string& /*path*/,
                 std::int32_t /*next_board_slot*/) {}

}  // namespace scenario::run
