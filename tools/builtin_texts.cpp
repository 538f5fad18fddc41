#include "tools/builtin_texts.h"

#include "app/file_names.h"
#include "app/form1.h"
#include "line/dati_linea.h"
#include "platform/files.h"
#include "run/dati_treno.h"
#include "tools/command_line.h"
#include "tools/folders.h"

namespace scenario::tools {

std::vector<std::string> write_builtin_texts(const std::string& folder, bool overwrite) {
  const app::ScenarioFileNames names =
      app::scenario_file_names(folder, app::kLineId, app::kTrainNumber);
  if (!overwrite) {
    for (const std::string& path : {names.line_text, names.run_text}) {
      if (platform::file_exists(path))
        throw UsageError("texts: " + path + " esiste già; --force lo sovrascrive");
    }
  }
  ensure_folder(folder);
  line::dati_linea(names.line_text);
  run::dati_treno(names.run_text);
  return {names.line_text, names.run_text};
}

}  // namespace scenario::tools
