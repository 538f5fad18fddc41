// Writes the seed corpora of the fuzzers into one folder:
// <folder>/field_reader, <folder>/compile, <folder>/check (as compile),
// <folder>/decoders, <folder>/documents, <folder>/notes and
// <folder>/package, from the built-in texts, the short texts of the unit
// tests, the binary files that compiling them gives, the installer's notes
// and packages of short scenarios.
//
// Usage: fuzz_seed_corpus FOLDER

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "app/form1.h"
#include "docs/driver_documents.h"
#include "finish/memorizza_percorso.h"
#include "fuzz/compile_input.h"
#include "fuzz/decoder_input.h"
#include "fuzz/seed_texts.h"
#include "package/package_format.h"
#include "records/cell_file.h"
#include "records/line_data_file.h"
#include "records/little_endian_writer.h"
#include "records/table_file.h"
#include "text/cp1252.h"

namespace {

using namespace scenario;
namespace fs = std::filesystem;

void write_seed(const fs::path& folder, const std::string& name, const std::string& bytes) {
  fs::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out)
    throw std::runtime_error("cannot write the seed " + (folder / name).string());
}

std::vector<fuzz::SeedText> all_texts() {
  std::vector<fuzz::SeedText> texts = {fuzz::builtin_line_seed(), fuzz::builtin_run_seed()};
  for (auto& text : fuzz::small_line_texts())
    texts.push_back({"line-" + text.name, text.text});
  for (auto& text : fuzz::small_run_texts())
    texts.push_back({"run-" + text.name, text.text});
  return texts;
}

// Scripts of reads: text fields only, then a keyword and numbers of each
// width (a script byte chooses by its value modulo 4: 0 text, 1 32-bit,
// 2 16-bit, 3 8-bit; NUL ends the script, so text is 4).
void write_field_reader_seeds(const fs::path& folder) {
  const std::pair<const char*, std::string> scripts[] = {
      {"", ""}, {"-numbers", "\x04\x01\x01\x01"}, {"-narrow", "\x04\x02\x03\x03"}};
  for (const auto& text : all_texts()) {
    for (const auto& [suffix, script] : scripts) {
      const std::string bytes = script.empty() ? text.text : script + '\0' + text.text;
      write_seed(folder, text.name + suffix, bytes);
    }
  }
}

void write_compile_seed(const fs::path& folder, const std::string& name, const std::string& line,
                        const std::string& run, std::int32_t write_line_data) {
  fuzz::CompileInput input;
  input.write_line_data = write_line_data;
  input.line_text = line;
  input.run_text = run;
  write_seed(folder, name + (write_line_data != 0 ? "" : "-no-line-data"),
             fuzz::compose_compile_input(input));
}

void write_compile_seeds(const fs::path& folder) {
  const fuzz::SeedText line = fuzz::builtin_line_seed();
  const fuzz::SeedText run = fuzz::builtin_run_seed();
  write_compile_seed(folder, "builtin", line.text, run.text, 1);
  write_compile_seed(folder, "builtin", line.text, run.text, 0);
  const auto small_lines = fuzz::small_line_texts();
  const auto small_runs = fuzz::small_run_texts();
  for (const auto& small_run : small_runs) {
    write_compile_seed(folder, "builtin-line-" + small_run.name, line.text, small_run.text, 0);
  }
  for (std::size_t i = 0; i < small_lines.size(); ++i) {
    const fuzz::SeedText& small_line = small_lines[i];
    const fuzz::SeedText& small_run = small_runs[i % small_runs.size()];
    for (const std::int32_t j : {1, 0}) {
      write_compile_seed(folder, small_line.name + "-" + small_run.name, small_line.text,
                         small_run.text, j);
    }
  }
  write_compile_seed(folder, "short-line-builtin-run", small_lines.front().text, run.text, 1);
}

// The first `metres` metres of a plan, as a line data file of its own.
std::string first_metres(const records::PlanArray& plan, std::int32_t metres) {
  records::PlanArray part(metres - 1);
  for (std::int32_t m = 0; m < metres; ++m) {
    for (const int axis : {records::PlanArray::kX, records::PlanArray::kY}) {
      if (plan.kind(m, axis) == records::PlanArray::Kind::kInt16)
        part.set_int16(m, axis, static_cast<std::int16_t>(plan.value(m, axis)));
      else if (plan.kind(m, axis) == records::PlanArray::Kind::kDouble)
        part.set_double(m, axis, plan.value(m, axis));
    }
  }
  return records::collect_bytes(
      [&](const records::ByteConsumer& out) { records::encode_line_data_file(part, out); });
}

// The binary files of a short line with curves and boards and a run with
// stations; the line data file cut down to its first 40 metres.
void write_decoder_seeds(const fs::path& folder) {
  std::string line_text;
  std::string run_text;
  for (const auto& text : fuzz::small_line_texts()) {
    if (text.name == "curves")
      line_text = text.text + "cartello_indicatore,  200,   (VIADOTTO)(FRASSINE)\r\n";
  }
  for (const auto& text : fuzz::small_run_texts()) {
    if (text.name == "stations")
      run_text = text.text;
  }
  records::ScenarioRecords records;
  records.line_id = app::kLineId;
  records.train_number = app::kTrainNumber;
  std::int32_t j = 1;
  const compiler::DescriptionTexts texts{compiler::DescriptionText{"linea", line_text},
                                         compiler::DescriptionText{"corsa", run_text}};
  if (finish::compile_and_complete(records, texts, j) != finish::Outcome::kComplete ||
      records.state.error_code != 0)
    throw std::runtime_error("the seed scenario does not compile cleanly");

  using fuzz::BinaryFileKind;
  write_seed(
      folder, "scenario-table",
      fuzz::compose_decoder_input(BinaryFileKind::kScenarioTable,
                                  records::collect_bytes([&](const records::ByteConsumer& out) {
                                    records::encode_table_file(records.header, out);
                                  })));
  write_seed(
      folder, "cells",
      fuzz::compose_decoder_input(BinaryFileKind::kCell,
                                  records::collect_bytes([&](const records::ByteConsumer& out) {
                                    records::encode_cell_file(records.cells, out);
                                  })));
  write_seed(
      folder, "line-data",
      fuzz::compose_decoder_input(BinaryFileKind::kLineData, first_metres(*records.plan, 40)));
}

// The installer's notes as an author might hand them in: as written
// (Windows-1252, CR LF), in UTF-8 with and without a byte order mark, and
// with LF and lone CR line ends.
void write_notes_seeds(const fs::path& folder) {
  fs::create_directories(folder);
  const fs::path builtin = folder / "builtin";
  docs::dati_note(builtin.string());
  std::ifstream in(builtin, std::ios::binary);
  const std::string cp1252((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string utf8 = text::cp1252_to_utf8(cp1252);
  write_seed(folder, "utf8", utf8);
  write_seed(folder, "utf8-bom", "\xEF\xBB\xBF" + utf8);
  std::string lf;
  std::string cr;
  for (const char c : cp1252) {
    if (c != '\r')
      lf += c;
    if (c != '\n')
      cr += c;
  }
  write_seed(folder, "lf", lf);
  write_seed(folder, "cr", cr);
}

// Packages of the short texts (with short documents), as whole programs
// behind a small base (first byte even) and as payloads alone (odd).
void write_package_seeds(const fs::path& folder) {
  const auto lines = fuzz::small_line_texts();
  const auto runs = fuzz::small_run_texts();
  for (std::size_t i = 0; i < lines.size() && i < runs.size(); ++i) {
    const package::ScenarioContent content{.line_id = "Linea_" + std::to_string(i),
                                           .train_number = std::to_string(1000 + i),
                                           .line_text = lines[i].text,
                                           .run_text = runs[i].text,
                                           .notes = "Buon viaggio.\r\n",
                                           .slow_order = "",
                                           .train_sheet = "TRENO\r\n"};
    const std::string base =
        "\x7F"
        "ELF base";
    write_seed(folder, "program-" + std::to_string(i),
               std::string(1, '\0') + base + package::packaged_scenario(content, base.size()));
    const std::string tail = package::packaged_scenario(content, 0);
    write_seed(folder, "payload-" + std::to_string(i),
               "\x01" + tail.substr(0, tail.size() - package::kTrailerSize));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "uso: fuzz_seed_corpus CARTELLA\n";
    return 2;
  }
  try {
    const fs::path folder = argv[1];
    write_field_reader_seeds(folder / "field_reader");
    write_compile_seeds(folder / "compile");
    // The check reads its input as the compile fuzzer does.
    write_compile_seeds(folder / "check");
    write_decoder_seeds(folder / "decoders");
    // The documents fuzzer reads the compile fuzzer's inputs.
    write_compile_seeds(folder / "documents");
    write_notes_seeds(folder / "notes");
    write_package_seeds(folder / "package");
  } catch (const std::exception& error) {
    std::cerr << "fuzz_seed_corpus: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
