// Compiles the generated scenario of a line of LENGTH metres and writes its
// binary files into FOLDER, as the installer does, in a process of its own
// so that its peak resident memory is the path's own.
// Prints one line: resident KiB before the call, peak resident KiB, bytes of
// the three files written, the error code recorded.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/generated_files.h"
#include "finish/memorizza_percorso.h"

namespace {

// A "VmRSS:" or "VmHWM:" line of /proc/self/status, in KiB.
long status_kib(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0)
      return std::stol(line.substr(key.size()));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace scenario;
  if (argc != 3) {
    std::cerr << "uso: scenario_peak_memory CARTELLA LUNGHEZZA\n";
    return 2;
  }
  const finish::BinaryFiles files = bench::generated_binary_files(argv[1]);
  // The texts as the installer holds them once it has read them back.
  const compiler::DescriptionTexts texts = bench::generated_description_texts(std::stoi(argv[2]));
  const long before = status_kib("VmRSS:");
  records::ScenarioRecords records = bench::generated_records();
  std::int32_t j = 1;
  if (finish::memorizza_percorso(records, texts, files, j) != finish::Outcome::kComplete)
    return 3;
  const long peak = status_kib("VmHWM:");
  std::uintmax_t written = 0;
  for (const auto& path : {files.line_data, files.scenario_table, files.cell_file}) {
    written += std::filesystem::file_size(path);
  }
  std::cout << before << ' ' << peak << ' ' << written << ' ' << records.state.error_code << '\n';
  return 0;
}
