#include "bench/results_table.h"

#include <cstdio>

#include "bench/measurements.h"

namespace scenario::bench {
namespace {

constexpr double kInstallerTarget = 1.5;
constexpr double kCompileWriteTarget = 2.0;
constexpr double kPeakMemoryTarget = 2.0;
constexpr double kCheckBuiltInTargetMs = 50;
constexpr double kCheckFaultyTargetMs = 1000;

// printf into a std::string.
template <typename... Values>
std::string format(const char* pattern, Values... values) {
  char line[256];
  std::snprintf(line, sizeof line, pattern, values...);
  return line;
}

double megabytes(double bytes) {
  return bytes / 1e6;
}
double kib_to_bytes(long kib) {
  return static_cast<double>(kib) * 1024.0;
}

const char* verdict(bool met) {
  return met ? "met" : "NOT MET";
}

double median_ms(const TableInput& input, const std::string& name) {
  auto found = input.medians.find(name);
  return found == input.medians.end() ? 0.0 : found->second * 1e3;
}

void print_installer(std::ostream& out, const TableInput& input) {
  const double installer = median_ms(input, kInstallerRun);
  const double copy = median_ms(input, kCopyRun);
  const double ratio = installer / copy;
  out << format("Installer, built-in scenario: six files, %.2f MB; medians of %d runs\n",
                megabytes(static_cast<double>(input.installed_bytes)), input.runs);
  out << format("  %-58s %9.2f ms\n", "installer process in an empty folder", installer);
  out << format("  %-58s %9.2f ms\n", "cp of its six files into an empty folder (one process)",
                copy);
  out << format("  %-58s %9.2f    target <= %.1f: %s\n", "ratio", ratio, kInstallerTarget,
                verdict(ratio <= kInstallerTarget));
  const double package = median_ms(input, kPackageRun);
  out << format("  %-58s %9.2f ms  (x %.2f of the installer)\n",
                "a package of the built-in scenario (scenario_tool package)", package,
                package / installer);
  const double no_flush = median_ms(input, kNoFlush);
  const double fsync_each = median_ms(input, kFsyncEach);
  out << "  The same six files written in-process by the atomic replacement:\n";
  out << format("  %-58s %9.2f ms\n", "  without a flush (the installer's policy)", no_flush);
  out << format("  %-58s %9.2f ms  (x %.1f)\n", "  the same with an fsync of each file", fsync_each,
                fsync_each / no_flush);
}

void print_compile_write(std::ostream& out, const TableInput& input) {
  out << format(
      "\nmemorizza_percorso on generated lines against writing its three files' "
      "bytes; medians of %d runs\n",
      input.runs);
  out << format("  %7s %9s %12s %10s %6s %9s %11s %11s %10s\n", "line", "output", "compile+write",
                "write", "ratio", "peak RSS", "peak/output", "growth/out", "ms per km");
  out << format("  %7s %9s %12s %10s %6s %9s %11s %11s %10s\n", "", "MB", "ms", "ms", "", "MB", "",
                "", "");
  bool ratios_met = true;
  double last_peak_ratio = 0;
  for (const PeakMemory& peak : input.peaks) {
    const double compile = median_ms(input, compile_write_name(peak.length));
    const double write = median_ms(input, write_bytes_name(peak.length));
    const double output = static_cast<double>(peak.output_bytes);
    const double peak_ratio = kib_to_bytes(peak.peak_kib) / output;
    const double growth_ratio = kib_to_bytes(peak.peak_kib - peak.before_kib) / output;
    ratios_met = ratios_met && compile / write <= kCompileWriteTarget;
    last_peak_ratio = peak_ratio;
    out << format("  %4d km %9.2f %12.2f %10.2f %6.2f %9.2f %11.2f %11.2f %10.4f\n",
                  peak.length / 1000, megabytes(output), compile, write, compile / write,
                  megabytes(kib_to_bytes(peak.peak_kib)), peak_ratio, growth_ratio,
                  compile / (peak.length / 1000.0));
  }
  if (input.peaks.size() >= 2) {
    const PeakMemory& shorter = input.peaks[input.peaks.size() - 2];
    const PeakMemory& longer = input.peaks.back();
    const double times = median_ms(input, compile_write_name(longer.length)) /
                         median_ms(input, compile_write_name(shorter.length));
    const double growths = static_cast<double>(longer.peak_kib - longer.before_kib) /
                           static_cast<double>(shorter.peak_kib - shorter.before_kib);
    out << format("  %.0f x the line (%d to %d km): %.1f x the time, %.1f x the memory growth\n",
                  static_cast<double>(longer.length) / shorter.length, shorter.length / 1000,
                  longer.length / 1000, times, growths);
  }
  out << format("  compile+write within %.1f x writing its bytes at every length: %s\n",
                kCompileWriteTarget, verdict(ratios_met));
  out << format(
      "  peak resident memory of the whole process under %.1f x the output at the "
      "longest line: %s\n",
      kPeakMemoryTarget, verdict(last_peak_ratio < kPeakMemoryTarget));
  out << "  (growth/out: peak less the process's resident memory before the call, over the "
         "output)\n";
}

void print_checks(std::ostream& out, const TableInput& input) {
  out << format("\nscenario_tool check as a process, texts read from disk; medians of %d runs\n",
                input.runs);
  const double builtin = median_ms(input, kCheckBuiltIn);
  const double faulty = median_ms(input, kCheckFaulty);
  out << format("  %-58s %9.2f ms  target < %.0f ms: %s\n", "the built-in texts (one warning)",
                builtin, kCheckBuiltInTargetMs, verdict(builtin < kCheckBuiltInTargetMs));
  out << format("  %-58s %9.2f ms  target < %.0f ms: %s\n",
                "generated 1000 km line with 100 faults planted", faulty, kCheckFaultyTargetMs,
                verdict(faulty < kCheckFaultyTargetMs));
}

}  // namespace

void MedianCollector::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred)
      any_failed_ = true;
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
      medians_[run.run_name.function_name] =
          run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

void print_table(std::ostream& out, const TableInput& input) {
  print_installer(out, input);
  print_compile_write(out, input);
  print_checks(out, input);
}

}  // namespace scenario::bench
