#include "tools/package_command.h"

#include <stdexcept>

#include "app/file_names.h"
#include "package/package_format.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "text/line_list.h"
#include "tools/author_compile.h"
#include "tools/author_scenario.h"
#include "tools/command_line.h"
#include "tools/diagnostic_report.h"
#include "tools/documents/document_refusal.h"
#include "tools/documents/run_documents.h"
#include "tools/exit_codes.h"
#include "tools/folders.h"
#include "tools/package_bases.h"

namespace scenario::tools {
namespace {

const CommandSpec kGrammar{
    .name = "package",
    .options = {{"--line-id"}, {"--train"}, {"--documents"}, {"--encoding"}, {"-o", "--output"}},
    .flags = {},
    .arguments = 2,
};

// A packaged scenario names its files on the driver's system, Linux or
// Windows: its identity must suit both.
void check_identity(const std::string& option, const std::string& value) {
  if (const auto fault = package::identity_fault(value))
    throw UsageError("package: " + option + " " + *fault + ": " + value);
}

// The three documents as the author made them, under the installer's names.
void read_given_documents(const std::string& folder, const AuthorScenario& scenario,
                          package::ScenarioContent& content) {
  const app::ScenarioFileNames names =
      app::scenario_file_names(folder, scenario.line_id, scenario.train_number);
  for (const auto& [path, bytes] : {std::pair{&names.train_sheet, &content.train_sheet},
                                    std::pair{&names.slow_order, &content.slow_order},
                                    std::pair{&names.notes, &content.notes}}) {
    if (!platform::file_exists(*path)) {
      throw platform::FileError(*path,
                                "manca: --documents vuole la scheda treno, i rallentamenti e le "
                                "note con i nomi che dà loro l'installatore");
    }
    *bytes = platform::read_file(*path);
  }
}

// The package base's bytes, refused when it is already a package.
std::string read_base(const std::string& path) {
  std::string bytes = platform::read_file(path);
  if (package::ends_with_trailer(bytes))
    throw platform::FileError(path, "è già un pacchetto, non la base di un pacchetto");
  return bytes;
}

// The bases to make packages from, read: Linux's always, Windows's where
// it has been built.
struct PackageBases {
  std::string linux_base;
  std::optional<std::string> windows_base;
};
PackageBases read_bases() {
  const std::optional<std::string> linux_path = package_base(PackageSystem::kLinux);
  if (!linux_path) {
    throw platform::FileError(package_base_name(PackageSystem::kLinux),
                              "non trovata accanto a scenario_tool né dove la compila la "
                              "build: senza di essa non si fa un pacchetto");
  }
  PackageBases bases{.linux_base = read_base(*linux_path), .windows_base = {}};
  if (const auto windows_path = package_base(PackageSystem::kWindows))
    bases.windows_base = read_base(*windows_path);
  return bases;
}

void write_package(const std::string& target, const std::string& base,
                   const package::ScenarioContent& content) {
  const std::string program = package::packaged_program(base, content);
  platform::replace_file(
      target, [&](platform::OutputFile& out) { out.write(program); }, platform::FileKind::kProgram);
}

}  // namespace

int run_package(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const CommandLine command(kGrammar, args);
  const std::string& line_text = command.arguments()[0];
  const std::string& run_text = command.arguments()[1];
  const std::string line_id = command.required("--line-id");
  const std::string train = command.required("--train");
  const std::string out_folder = command.required("-o");
  check_identity("--line-id", line_id);
  check_identity("--train", train);

  // Everything read and made before anything is written: a refusal leaves
  // no package behind.
  const AuthorScenario scenario =
      read_author_scenario("package", line_text, run_text, {line_id, train},
                           encoding_named(command.value("--encoding").value_or("cp1252")));
  const PackageBases bases = read_bases();
  package::ScenarioContent content{.line_id = line_id,
                                   .train_number = train,
                                   .line_text = scenario.line_text,
                                   .run_text = scenario.run_text,
                                   .notes = {},
                                   .slow_order = {},
                                   .train_sheet = {}};
  if (const auto folder = command.value("--documents"))
    read_given_documents(*folder, scenario, content);

  const CompiledScenario compiled = compile_author_scenario(scenario, 1);
  const TextNames names{line_text, run_text};
  if (!compiled.diagnostics.diagnostics.empty())
    print_diagnostics(compiled.diagnostics, names, err);
  if (compiled.records.state.error_code != 0) {
    out << "nessun pacchetto scritto: i testi registrano l'errore "
        << compiled.records.state.error_code << '\n';
    return kExitErrorRecorded;
  }

  if (!command.value("--documents")) {
    try {
      const RunDocuments documents =
          run_documents(compiled.records, {.run_text = run_text, .sheet = {}, .notes = {}});
      content.train_sheet = text::render_lines(documents.train_sheet);
      content.slow_order = text::render_lines(documents.slow_order);
      content.notes = text::render_lines(documents.notes);
    } catch (const DocumentRefusal& refusal) {
      err << refusal.what() << '\n';
      out << "nessun pacchetto scritto: i documenti non si possono fare per questa corsa "
             "(scenario_tool documents, poi --documents)\n";
      return kExitErrorRecorded;
    }
  }

  ensure_folder(out_folder);
  const std::string target = platform::join_path(out_folder, line_id + "_" + train + "_installer");
  write_package(target, bases.linux_base, content);
  out << "scritto " << target << '\n';
  if (bases.windows_base) {
    write_package(target + ".exe", *bases.windows_base, content);
    out << "scritto " << target << ".exe\n";
  } else {
    out << "nessun installatore per Windows: manca " << package_base_name(PackageSystem::kWindows)
        << " (cmake --preset windows && cmake --build --preset windows)\n";
  }
  return kExitOk;
}

}  // namespace scenario::tools
