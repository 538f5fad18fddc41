// `package` and the installers it makes, run as the driver runs them: the
// built-in scenario packaged writes the installer's files byte for byte, a
// scenario of the tests' own writes what compile and documents write, and
// a damaged package writes nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "child_process.h"
#include "package/checksum.h"
#include "package/package_format.h"
#include "test_support.h"
#include "tools/exit_codes.h"

namespace scenario::tools {
namespace {

namespace fs = std::filesystem;
using scenario::testing::read_bytes;
using scenario::testing::run_process;
using scenario::testing::TempFolder;
using scenario::testing::write_bytes;

const std::string kTool = SCENARIO_TOOL;
constexpr int kExitPackageFault = 5;  // the installer's status for a damaged package

// The names of the files in a folder.
std::set<std::string> names_in(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

// Every file of `expected` (but `except`) has the same bytes in `actual`,
// and `actual` holds no other file but `except_actual`.
void expect_same_files(const fs::path& expected, const std::string& except, const fs::path& actual,
                       const std::string& except_actual) {
  std::set<std::string> wanted = names_in(expected);
  wanted.erase(except);
  std::set<std::string> got = names_in(actual);
  got.erase(except_actual);
  EXPECT_EQ(got, wanted);
  for (const std::string& name : wanted) {
    if (got.contains(name)) {
      EXPECT_TRUE(read_bytes((expected / name).string()) == read_bytes((actual / name).string()))
          << name << " differs";
    }
  }
}

// Copies the package into a fresh folder and runs it from another folder,
// as a driver may start it; gives the result and leaves the files there.
testing::ProcessResult run_package_from_elsewhere(const std::string& package_bytes,
                                                  const TempFolder& install,
                                                  const std::string& name) {
  const std::string program = install.file(name);
  write_bytes(program, package_bytes);
  fs::permissions(program, fs::perms::owner_all);
  TempFolder elsewhere;
  return run_process(program, {}, elsewhere.path().string());
}

TEST(Package, OfTheBuiltInScenarioWritesTheInstallersSixFilesByteForByte) {
  TempFolder installed;
  fs::copy_file(SCENARIO_INSTALLER, installed.file("scenario_installer"));
  ASSERT_EQ(run_process(installed.file("scenario_installer"), {}, installed.path().string()).status,
            0);

  TempFolder work;
  ASSERT_EQ(run_process(kTool, {"texts", "."}, work.path().string()).status, kExitOk);
  const auto made =
      run_process(kTool,
                  {"package", "Velbrio_Dolvena_linea.txt", "Velbrio_Dolvena_30527-.txt",
                   "--line-id", "Velbrio_Dolvena", "--train", "30527", "--documents",
                   installed.path().string(), "-o", "pacchetto"},
                  work.path().string());
  ASSERT_EQ(made.status, kExitOk) << made.standard_error;
  EXPECT_TRUE(
      made.standard_output.starts_with("scritto pacchetto/Velbrio_Dolvena_30527_installer\n"))
      << made.standard_output;
  const std::string package = work.file("pacchetto/Velbrio_Dolvena_30527_installer");
  EXPECT_TRUE((fs::status(package).permissions() & fs::perms::owner_exec) != fs::perms::none);

  TempFolder install;
  const auto ran =
      run_package_from_elsewhere(read_bytes(package), install, "Velbrio_Dolvena_30527_installer");
  EXPECT_EQ(ran.status, 0) << ran.standard_error;
  EXPECT_EQ(ran.standard_error, "Attendere\n");  // the window, on the console without a display
  expect_same_files(installed.path(), "scenario_installer", install.path(),
                    "Velbrio_Dolvena_30527_installer");
}

// A short scenario of the tests' own: 6 km, three stations, one slow order.
const std::string kOwnLine =
    "[generale]\r\nlunghezza percorso, 6000\r\n[curve]\r\npendenza, 0, 3\r\n[fine]\r\n";
const std::string kOwnRun =
    "[generale]\r\nnumero vetture, 3\r\npercentuale massa frenata, 120\r\n"
    "velocita, 0, 90\r\naderenza, 0, 90\r\n"
    "stazione, 0, 8, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 7, 10, 0, COLLE ALTO\r\n"
    "stazione, 3000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 30, 7, 14, 0, PIANO\r\n"
    "stazione, 6000, 2, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 7, 19, 0, VALLE BASSA\r\n"
    "rallentamento, 2500, 30, 200, 0, 0, 0\r\n[fine]\r\n";

// An author's folder with the own scenario's texts.
class OwnScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    write_bytes(work.file("linea.txt"), kOwnLine);
    write_bytes(work.file("corsa.txt"), kOwnRun);
  }
  testing::ProcessResult tool(std::vector<std::string> args) {
    return run_process(kTool, args, work.path().string());
  }
  std::vector<std::string> package_args(const std::vector<std::string>& more = {}) {
    std::vector<std::string> args = {"package",   "linea.txt",   "corsa.txt",
                                     "--line-id", "Colle_Valle", "--train",
                                     "2417",      "-o",          "out"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }
  std::string package_bytes() { return read_bytes(work.file("out/Colle_Valle_2417_installer")); }

  TempFolder work;
};

TEST_F(OwnScenario, ItsPackageWritesWhatCompileAndDocumentsWrite) {
  for (const char* command : {"compile", "documents"}) {
    const auto done = tool({command, "linea.txt", "corsa.txt", "--line-id", "Colle_Valle",
                            "--train", "2417", "--out", "attesi"});
    ASSERT_EQ(done.status, kExitOk) << command << ": " << done.standard_error;
  }
  const auto made = tool(package_args());
  ASSERT_EQ(made.status, kExitOk) << made.standard_error;
  EXPECT_EQ(made.standard_error, "");

  TempFolder install;
  const auto ran =
      run_package_from_elsewhere(package_bytes(), install, "Colle_Valle_2417_installer");
  EXPECT_EQ(ran.status, 0) << ran.standard_error;
  EXPECT_EQ(names_in(work.path() / "attesi").size(), 6u);
  expect_same_files(work.path() / "attesi", "", install.path(), "Colle_Valle_2417_installer");
}

TEST_F(OwnScenario, ADamagedPackageSaysWhatIsWrongAndWritesNothing) {
  ASSERT_EQ(tool(package_args()).status, kExitOk);
  const std::string whole = package_bytes();
  const std::size_t size = whole.size();
  const std::string trailer = whole.substr(size - package::kTrailerSize);
  std::string payload_start_le = trailer.substr(0, 8);
  std::size_t payload_start = 0;
  for (int i = 7; i >= 0; --i)
    payload_start = payload_start * 256 + static_cast<unsigned char>(payload_start_le[i]);
  const std::string payload =
      whole.substr(payload_start, size - package::kTrailerSize - payload_start);
  const std::size_t changed_at = payload.find("PIANO");
  ASSERT_NE(changed_at, std::string::npos);
  std::string altered_payload = payload;
  altered_payload[changed_at] = 'Q';

  auto hex32 = [](std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return std::string(text);
  };
  const std::string prefix = "Colle_Valle_2417_installer: nessun file scritto: ";
  struct Case {
    const char* name;
    std::string bytes;
    std::string message;
  };
  const Case cases[] = {
      {"cut short inside its scenario",
       whole.substr(0, payload_start + 100) + whole.substr(payload_start + 101),
       "lo scenario è troncato: secondo la sua coda il pacchetto ha " + std::to_string(size) +
           " byte, il file ne ha " + std::to_string(size - 1)},
      {"one byte changed", whole.substr(0, payload_start) + altered_payload + trailer,
       "lo scenario è stato alterato: la somma di controllo dei suoi " +
           std::to_string(payload.size()) + " byte è " + hex32(package::crc32(altered_payload)) +
           ", la coda dice " + hex32(package::crc32(payload))},
      {"its trailer missing", whole.substr(0, size - package::kTrailerSize),
       "lo scenario manca: il programma non finisce con la coda che lo annuncia (è un "
       "installatore copiato o scaricato solo in parte, o non è un pacchetto)"},
      {"the last byte cut off", whole.substr(0, size - 1),
       "lo scenario manca: il programma non finisce con la coda che lo annuncia (è un "
       "installatore copiato o scaricato solo in parte, o non è un pacchetto)"},
  };
  for (const Case& fault : cases) {
    SCOPED_TRACE(fault.name);
    TempFolder install;
    const auto ran = run_package_from_elsewhere(fault.bytes, install, "Colle_Valle_2417_installer");
    EXPECT_EQ(ran.status, kExitPackageFault);
    EXPECT_EQ(ran.standard_error, prefix + fault.message + "\n");
    EXPECT_EQ(names_in(install.path()), std::set<std::string>{"Colle_Valle_2417_installer"});
  }
}

TEST_F(OwnScenario, APackageIsRefusedWhereItCouldNotInstall) {
  write_bytes(work.file("rotta.txt"),
              "[generale]\r\nnumero vetture, 3\r\npercentuale massa frenata, 120\r\n"
              "velocita, 0, l00\r\n[fine]\r\n");
  fs::create_directory(work.path() / "documenti");
  write_bytes(work.file("documenti/Colle_Valle_2417_scheda_treno.txt"), "scheda\r\n");
  struct Case {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out, err;
  };
  const Case cases[] = {
      {"a text with an error",
       {"package", "linea.txt", "rotta.txt", "--line-id", "Colle_Valle", "--train", "2417", "-o",
        "out"},
       kExitErrorRecorded,
       "nessun pacchetto scritto: i testi registrano l'errore 25\n",
       "rotta.txt:4:14: errore 25: atteso un numero (velocità in km/h), trovato \"l00\"\n"
       "velocita, 0, l00\n"
       "             ^~~\n"
       "1 errore, 0 avvisi\n"},
      {"an identity Windows cannot name files with",
       {"package", "linea.txt", "corsa.txt", "--line-id", "Colle:Valle", "--train", "2417", "-o",
        "out"},
       kExitUsageOrFile,
       "",
       "scenario_tool: package: --line-id contiene :, che un nome di file non può contenere: "
       "Colle:Valle\nscenario_tool --help spiega l'uso.\n"},
      {"a document missing from --documents", package_args({"--documents", "documenti"}),
       kExitUsageOrFile, "",
       "scenario_tool: documenti/Colle_Valle_2417_rallentamenti.txt: manca: --documents vuole la "
       "scheda treno, i rallentamenti e le note con i nomi che dà loro l'installatore\n"},
  };
  for (const Case& refusal : cases) {
    SCOPED_TRACE(refusal.name);
    const auto result = tool(refusal.args);
    EXPECT_EQ(result.status, refusal.status);
    EXPECT_EQ(result.standard_output, refusal.out);
    EXPECT_EQ(result.standard_error, refusal.err);
    EXPECT_FALSE(fs::exists(work.path() / "out"));
  }
}

}  // namespace
}  // namespace scenario::tools
