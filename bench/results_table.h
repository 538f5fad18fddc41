#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace scenario::bench {

// Shows Google Benchmark's usual report and keeps the median of every
// measurement, in seconds, by name.
class MedianCollector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;

  const std::map<std::string, double>& medians() const { return medians_; }
  bool any_failed() const { return any_failed_; }

 private:
  std::map<std::string, double> medians_;
  bool any_failed_ = false;
};

// What the peak-memory probe reported for one generated line.
struct PeakMemory {
  std::int32_t length = 0;  // metres
  long before_kib = 0;      // resident before memorizza_percorso
  long peak_kib = 0;        // peak resident of the whole process
  std::uintmax_t output_bytes = 0;
};

struct TableInput {
  std::map<std::string, double> medians;  // seconds
  std::uintmax_t installed_bytes = 0;
  std::vector<PeakMemory> peaks;  // one per measured length, shortest first
  int runs = 0;
};

// The table of ratios and targets.
void print_table(std::ostream& out, const TableInput& input);

}  // namespace scenario::bench
