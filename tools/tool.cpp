#include "tools/tool.h"

#include "compiler/error_codes.h"
#include "platform/file_error.h"
#include "tools/binary_inputs.h"
#include "tools/builtin_texts.h"
#include "tools/check_command.h"
#include "tools/command_line.h"
#include "tools/compile_command.h"
#include "tools/documents_command.h"
#include "tools/dump_command.h"
#include "tools/exit_codes.h"
#include "tools/help_text.h"
#include "tools/package_command.h"
#include "tools/plot_command.h"
#include "tools/tool_version.h"
#include "tools/view/view_command.h"

namespace scenario::tools {
namespace {

int texts(std::span<const std::string> args, std::ostream& out) {
  const CommandLine command({.name = "texts", .options = {}, .flags = {"--force"}, .arguments = 1},
                            args);
  for (const std::string& path :
       write_builtin_texts(command.arguments()[0], command.has("--force")))
    out << "scritto " << path << '\n';
  return kExitOk;
}

int codes(std::span<const std::string> args, std::ostream& out) {
  const CommandLine command({.name = "codes", .options = {}, .flags = {}, .arguments = 0}, args);
  for (const compiler::ErrorCode& code : compiler::error_codes())
    out << code.number << '\t' << code.meaning << '\n';
  return kExitOk;
}

int dispatch(const std::string& name, std::span<const std::string> args, std::ostream& out,
             std::ostream& err) {
  if (name == "texts")
    return texts(args, out);
  if (name == "compile")
    return run_compile(args, out, err);
  if (name == "check")
    return run_check(args, out);
  if (name == "documents")
    return run_documents_command(args, out, err);
  if (name == "package")
    return run_package(args, out, err);
  if (name == "dump")
    return run_dump(args, out, err);
  if (name == "plot")
    return run_plot(args, out, err);
  if (name == "view")
    return run_view(args, out, err);
  if (name == "codes")
    return codes(args, out);
  throw UsageError("comando sconosciuto: " + name);
}

bool asks_for_help(std::span<const std::string> args) {
  for (const std::string& word : args) {
    if (word == "--help" || word == "-h")
      return true;
  }
  return false;
}

}  // namespace

int run_tool(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && args[0] == "--version") {
    out << "scenario_tool " << kToolVersion << '\n';
    return kExitOk;
  }
  if (args.empty() || asks_for_help(args) || args[0] == "help") {
    (args.empty() ? err : out) << help_text();
    return args.empty() ? kExitUsageOrFile : kExitOk;
  }
  try {
    return dispatch(args[0], args.subspan(1), out, err);
  } catch (const UsageError& error) {
    err << "scenario_tool: " << error.what() << "\nscenario_tool --help spiega l'uso.\n";
  } catch (const platform::FileError& error) {
    err << "scenario_tool: " << error.path() << ": " << error.reason() << '\n';
  } catch (const FileDecodeError& error) {
    err << "scenario_tool: " << error.path() << ": rifiutato al byte " << error.offset() << ": "
        << error.reason() << '\n';
  } catch (const std::exception& error) {
    err << "scenario_tool: errore interno: " << error.what() << '\n';
    return kExitInternal;
  }
  return kExitUsageOrFile;
}

}  // namespace scenario::tools
