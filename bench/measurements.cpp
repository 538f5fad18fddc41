#include "bench/measurements.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

#include "bench/generated_files.h"
#include "child_process.h"
#include "finish/memorizza_percorso.h"
#include "platform/files.h"

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

// The installer writes into the folder that holds it: a hard link puts it
// there without copying it (a copy where the link is refused).
fs::path place_installer(const BenchSettings& settings, const fs::path& folder) {
  const fs::path installer = folder / "scenario_installer";
  std::error_code error;
  fs::create_hard_link(settings.installer, installer, error);
  if (error)
    fs::copy_file(settings.installer, installer);
  return installer;
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

void register_installer(const BenchSettings& settings) {
  timed(benchmark::RegisterBenchmark(kInstallerRun,
                                     [settings](benchmark::State& state) {
                                       for (auto _ : state) {
                                         const fs::path folder =
                                             fresh_folder(settings.work, "installer");
                                         const fs::path installer =
                                             place_installer(settings, folder);
                                         ::sync();
                                         const TimedRun run = run_timed(installer.string(), {});
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

}  // namespace

InstalledFiles install_once(const BenchSettings& settings) {
  const fs::path folder = fresh_folder(settings.work, "installed");
  const fs::path installer = place_installer(settings, folder);
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
  register_installer(settings);
  register_copy(settings, installed);
  register_flush_policies(settings, installed);
  for (std::int32_t length : kMeasuredLengths) {
    register_compile_write(settings, length);
    register_write_bytes(settings, length);
  }
}

}  // namespace scenario::bench
