// Measures the installer against copying the files it leaves, and the
// compile and write path against writing its bytes, then prints a table of
// the ratios. Google Benchmark's own report goes to standard error, the
// table to standard output.
//
//   scenario_bench [--work=FOLDER] [--runs=N] [Google Benchmark flags]
//
// FOLDER (default: a new folder in the system's temporary folder) holds every
// file the measurements write, so all of them go to one disk.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "bench/generated_files.h"
#include "bench/measurements.h"
#include "bench/results_table.h"
#include "child_process.h"

namespace {

namespace fs = std::filesystem;
using namespace scenario::bench;
using scenario::testing::run_timed;
using scenario::testing::TimedRun;

constexpr int kFewestRuns = 20;

// Runs the probe on a generated line in a folder of its own.
PeakMemory measure_peak_memory(const BenchSettings& settings, std::int32_t length) {
  const fs::path folder = settings.work / ("peak-" + std::to_string(length / 1000) + "km");
  fs::create_directories(folder);
  const TimedRun run = run_timed(SCENARIO_PEAK_MEMORY, {folder.string(), std::to_string(length)});
  fs::remove_all(folder);
  PeakMemory peak;
  peak.length = length;
  int error_code = -1;
  std::istringstream(run.output) >> peak.before_kib >> peak.peak_kib >> peak.output_bytes >>
      error_code;
  if (run.status != 0 || error_code != 0) {
    throw std::runtime_error("the peak-memory probe failed on the " + std::to_string(length) +
                             " m line: " + run.output);
  }
  return peak;
}

BenchSettings read_settings(int argc, char** argv) {
  BenchSettings settings;
  settings.installer = SCENARIO_INSTALLER;
  settings.package_base = SCENARIO_PACKAGE_BASE;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument.starts_with("--work=")) {
      settings.work = argument.substr(7);
    } else if (argument.starts_with("--runs=")) {
      settings.runs = std::stoi(std::string(argument.substr(7)));
    } else {
      throw std::invalid_argument("unknown argument: " + std::string(argument));
    }
  }
  if (settings.runs < kFewestRuns) {
    std::cerr << "scenario_bench: " << settings.runs << " runs, fewer than " << kFewestRuns
              << ": the medians are less steady\n";
  }
  if (settings.work.empty()) {
    std::string pattern = (fs::temp_directory_path() / "scenario-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("cannot make " + pattern);
    settings.work = pattern;
    settings.own_work = true;
  }
  fs::create_directories(settings.work);
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  // The runs of all measurements are interleaved in random order, so that
  // a change in the machine's load while they run falls on all of them
  // alike rather than on one side of a ratio. A flag given later wins.
  std::vector<char*> arguments(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, interleave);
  argc = static_cast<int>(arguments.size());
  argv = arguments.data();
  benchmark::Initialize(&argc, argv);
  // The installer runs once, so its large blocks (the plan array) come
  // fresh from the system and are faulted in page by page. Without this,
  // glibc would keep them after the first run of a measurement and the
  // later runs would reuse warm memory.
  ::mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  try {
    const BenchSettings settings = read_settings(argc, argv);
    TableInput table;
    table.runs = settings.runs;
    const InstalledFiles installed = install_once(settings);
    table.installed_bytes = installed.bytes;
    for (std::int32_t length : kMeasuredLengths) {
      table.peaks.push_back(measure_peak_memory(settings, length));
    }

    register_measurements(settings, installed);
    MedianCollector collector;
    collector.SetOutputStream(&std::cerr);
    collector.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    table.medians = collector.medians();
    std::cout << '\n';
    print_table(std::cout, table);
    fs::remove_all(settings.own_work ? settings.work : installed.paths.front().parent_path());
    return collector.any_failed() ? 1 : 0;
  } catch (const std::exception& error) {
    std::cerr << "scenario_bench: " << error.what() << '\n';
    return 1;
  }
}
