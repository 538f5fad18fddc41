#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace scenario::bench {

// Lengths of the generated lines measured, in metres.
inline constexpr std::int32_t kMeasuredLengths[] = {10000, 100000, 1000000};

struct BenchSettings {
  std::filesystem::path work;  // every folder of the measurements is made in here
  bool own_work = false;       // `work` was made for this run and goes with it
  std::string installer;       // the installer executable
  std::string package_base;    // the program packages are made from
  int runs = 21;               // timed runs of each measurement; medians are reported
};

// The six files one installer run leaves, kept as the source of the copy.
struct InstalledFiles {
  std::vector<std::filesystem::path> paths;
  std::uintmax_t bytes = 0;
};

// Runs the installer once in a folder of its own under settings.work.
InstalledFiles install_once(const BenchSettings& settings);

// Names under which the medians are reported.
inline constexpr char kInstallerRun[] = "installer";
inline constexpr char kPackageRun[] = "package_of_the_builtin_scenario";
inline constexpr char kCopyRun[] = "copy_six_files";
inline constexpr char kNoFlush[] = "six_files_no_flush";
inline constexpr char kFsyncEach[] = "six_files_fsync_each";
inline constexpr char kCheckBuiltIn[] = "check_builtin_texts";
inline constexpr char kCheckFaulty[] = "check_1000km_100_faults";
std::string compile_write_name(std::int32_t length);
std::string write_bytes_name(std::int32_t length);

// Registers every timed measurement with Google Benchmark: each runs
// settings.runs times, one call per run, timed by hand around the work
// alone, after sync() so that no earlier run's writeback falls into it.
void register_measurements(const BenchSettings& settings, const InstalledFiles& installed);

}  // namespace scenario::bench
