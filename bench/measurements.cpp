#include "bench/measurements.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

#include "app/builtin_scenario_content.h"
#include "bench/faulty_scenario.h"
#include "bench/generated_files.h"
#include "child_process.h"
#include "finish/memorizza_percorso.h"
#include "line/builtin_line.h"
#include "package/package_format.h"
#include "platform/files.h"
#include "run/builtin_run_text.h"
#include "text/line_list.h"

namespace scenario::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using scenario::testing::run_timed;
using scenario::testing::TimedRun;

fs::path fresh_folder(const fs::path& work, const std::string& prefix) {
  std::string pattern = (work / (prefix + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a folder in " + work.string());
  }
  return pattern;
}

double seconds_since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// An installer writes into the folder that holds it: a hard link puts it
// there without copying it (a copy where the link is refused).
fs::path place_program(const fs::path& program, const fs::path& folder) {
  const fs::path placed = folder / program.filename();
  std::error_code error;
  fs::create_hard_link(program, placed, error);
  if (error)
    fs::copy_file(program, placed);
  return placed;
}

std::string file_bytes(const fs::path& path) {
  return platform::read_file(path.string());
}

// Writes `bytes` with the program's own atomic replacement, in one write.
void replace_with(const std::string& path, const std::string& bytes) {
  platform::replace_file(path, [&](platform::OutputFile& out) { out.write(bytes); });
}

void fsync_file(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  const bool flushed = fd >= 0 && ::fsync(fd) == 0;
  if (fd >= 0)
    ::close(fd);
  if (!flushed)
    throw std::runtime_error("cannot fsync " + path.string());
}

void remove_outputs(const finish::BinaryFiles& files) {
  for (const auto& path : {files.line_data, files.scenario_table, files.cell_file})
    platform::remove_file(path);
}

benchmark::internal::Benchmark* timed(benchmark::internal::Benchmark* measurement,
                                      const BenchSettings& settings) {
  return measurement->Iterations(1)
      ->Repetitions(settings.runs)
      ->ReportAggregatesOnly(true)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

// A package of the built-in scenario, as `scenario_tool package` makes it
// from the built-in texts and documents, in a folder of its own.
fs::path make_builtin_package(const BenchSettings& settings) {
  const std::string base = platform::read_file(settings.package_base);
  const fs::path package =
      fresh_folder(settings.work, "package") / "Velbrio_Dolvena_30527_installer";
  replace_with(package.string(), package::packaged_program(base, app::builtin_scenario_content()));
  fs::permissions(package, fs::perms::owner_all);
  return package;
}

// An installer program run in an empty folder of its own.
void register_installer_run(const BenchSettings& settings, const char* name,
                            const fs::path& program) {
  timed(benchmark::RegisterBenchmark(name,
                                     [settings, program](benchmark::State& state) {
                                       for (auto _ : state) {
                                         const fs::path folder =
                                             fresh_folder(settings.work, "installer");
                                         const fs::path placed = place_program(program, folder);
                                         ::sync();
                                         const TimedRun run = run_timed(placed.string(), {});
                                         state.SetIterationTime(run.seconds);
                                         fs::remove_all(folder);
                                         if (run.status != 0) {
                                           state.SkipWithError("the installer failed");
                                           break;
                                         }
                                       }
                                     }),
        settings);
}

void register_copy(const BenchSettings& settings, const InstalledFiles& installed) {
  timed(benchmark::RegisterBenchmark(kCopyRun,
                                     [settings, installed](benchmark::State& state) {
                                       for (auto _ : state) {
                                         const fs::path folder =
                                             fresh_folder(settings.work, "copy");
                                         std::vector<std::string> arguments;
                                         for (const auto& path : installed.paths)
                                           arguments.push_back(path.string());
                                         arguments.push_back(folder.string());
                                         ::sync();
                                         const TimedRun run = run_timed("cp", arguments);
                                         state.SetIterationTime(run.seconds);
                                         fs::remove_all(folder);
                                         if (run.status != 0) {
                                           state.SkipWithError("cp failed");
                                           break;
                                         }
                                       }
                                     }),
        settings);
}

// The installer's six files written in-process through the atomic
// replacement, as they are and with each file flushed to disk as well.
void register_flush_policies(const BenchSettings& settings, const InstalledFiles& installed) {
  std::vector<std::string> contents;
  for (const auto& path : installed.paths)
    contents.push_back(file_bytes(path));
  for (const bool flush : {false, true}) {
    timed(benchmark::RegisterBenchmark(
              flush ? kFsyncEach : kNoFlush,
              [settings, installed, contents, flush](benchmark::State& state) {
                for (auto _ : state) {
                  const fs::path folder = fresh_folder(settings.work, "flush");
                  ::sync();
                  const Clock::time_point start = Clock::now();
                  for (std::size_t i = 0; i < contents.size(); ++i) {
                    const fs::path target = folder / installed.paths[i].filename();
                    replace_with(target.string(), contents[i]);
                    if (flush)
                      fsync_file(target);
                  }
                  state.SetIterationTime(seconds_since(start));
                  fs::remove_all(folder);
                }
              }),
          settings);
  }
}

// memorizza_percorso as the installer calls it once it has read both texts
// back: compile, finish, write the three binary files. The outputs are
// removed before each run, untimed.
void register_compile_write(const BenchSettings& settings, std::int32_t length) {
  timed(benchmark::RegisterBenchmark(
            compile_write_name(length).c_str(),
            [settings, length](benchmark::State& state) {
              const fs::path folder = fresh_folder(settings.work, "compile");
              const finish::BinaryFiles files = generated_binary_files(folder.string());
              const compiler::DescriptionTexts texts = generated_description_texts(length);
              for (auto _ : state) {
                remove_outputs(files);
                records::ScenarioRecords records = generated_records();
                std::int32_t j = 1;
                ::sync();
                const Clock::time_point start = Clock::now();
                finish::memorizza_percorso(records, texts, files, j);
                state.SetIterationTime(seconds_since(start));
                if (records.state.error_code != 0) {
                  state.SkipWithError("the generated scenario recorded an error");
                  break;
                }
              }
              fs::remove_all(folder);
            }),
        settings);
}

// The bytes of the same three files, already in memory, written with the
// same atomic replacement (and so the same flush policy), one write each.
void register_write_bytes(const BenchSettings& settings, std::int32_t length) {
  timed(benchmark::RegisterBenchmark(
            write_bytes_name(length).c_str(),
            [settings, length](benchmark::State& state) {
              const fs::path folder = fresh_folder(settings.work, "bytes");
              const finish::BinaryFiles files = generated_binary_files(folder.string());
              records::ScenarioRecords records = generated_records();
              std::int32_t j = 1;
              finish::memorizza_percorso(records, generated_description_texts(length), files, j);
              const std::string paths[] = {files.line_data, files.scenario_table, files.cell_file};
              std::vector<std::string> contents;
              for (const auto& path : paths)
                contents.push_back(file_bytes(path));
              records = records::ScenarioRecords{};
              for (auto _ : state) {
                remove_outputs(files);
                ::sync();
                const Clock::time_point start = Clock::now();
                for (std::size_t i = 0; i < contents.size(); ++i)
                  replace_with(paths[i], contents[i]);
                state.SetIterationTime(seconds_since(start));
              }
              fs::remove_all(folder);
            }),
        settings);
}

// `scenario_tool check` as an author runs it, on two texts in a folder of
// their own: reading them, the check, the report on standard output.
void register_check(const BenchSettings& settings, const char* name, const std::string& line_text,
                    const std::string& run_text, int expected_status) {
  timed(benchmark::RegisterBenchmark(
            name,
            [settings, name, line_text, run_text, expected_status](benchmark::State& state) {
              const fs::path folder = fresh_folder(settings.work, name);
              replace_with((folder / "linea.txt").string(), line_text);
              replace_with((folder / "corsa.txt").string(), run_text);
              const std::vector<std::string> arguments = {"check",
                                                          (folder / "linea.txt").string(),
                                                          (folder / "corsa.txt").string(),
                                                          "--line-id",
                                                          kGeneratedLineId,
                                                          "--train",
                                                          kGeneratedTrainNumber};
              for (auto _ : state) {
                const TimedRun run = run_timed(SCENARIO_TOOL, arguments);
                state.SetIterationTime(run.seconds);
                if (run.status != expected_status) {
                  state.SkipWithError("the check did not end as expected");
                  break;
                }
              }
              fs::remove_all(folder);
            }),
        settings);
}

void register_checks(const BenchSettings& settings) {
  // The built-in texts give one warning and no error (doc/authors_guide.md).
  register_check(settings, kCheckBuiltIn, text::render_lines(line::builtin_line()),
                 text::render_lines(run::builtin_run_text()), 0);
  PlantedFaults planted;
  const GeneratedTexts faulty = with_planted_faults(generate_texts(kMeasuredLengths[2]), planted);
  register_check(settings, kCheckFaulty, faulty.line_text, faulty.run_text, 1);
}

}  // namespace

InstalledFiles install_once(const BenchSettings& settings) {
  const fs::path folder = fresh_folder(settings.work, "installed");
  const fs::path installer = place_program(settings.installer, folder);
  if (run_timed(installer.string(), {}).status != 0) {
    throw std::runtime_error("the installer failed in " + folder.string());
  }
  fs::remove(installer);
  InstalledFiles installed;
  for (const auto& entry : fs::directory_iterator(folder)) {
    installed.paths.push_back(entry.path());
    installed.bytes += entry.file_size();
  }
  std::sort(installed.paths.begin(), installed.paths.end());
  return installed;
}

std::string compile_write_name(std::int32_t length) {
  return "compile_write_" + std::to_string(length / 1000) + "km";
}

std::string write_bytes_name(std::int32_t length) {
  return "write_bytes_" + std::to_string(length / 1000) + "km";
}

void register_measurements(const BenchSettings& settings, const InstalledFiles& installed) {
  register_installer_run(settings, kInstallerRun, settings.installer);
  register_installer_run(settings, kPackageRun, make_builtin_package(settings));
  register_copy(settings, installed);
  register_flush_policies(settings, installed);
  for (std::int32_t length : kMeasuredLengths) {
    register_compile_write(settings, length);
    register_write_bytes(settings, length);
  }
  register_checks(settings);
}

}  // namespace scenario::bench
