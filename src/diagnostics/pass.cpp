#include "diagnostics/pass.h"

#include "text/keyword_match.h"

namespace scenario::diagnostics {

std::optional<std::int32_t> Pass::line_length() const {
  if (records.cells.empty())
    return std::nullopt;
  return records.header[records::kTrainValuesSlot].long_b;
}

void run_pass(Pass& pass, std::string_view line_id, std::string_view train_number,
              std::int32_t write_line_data) {
  pass.records = records::ScenarioRecords{};
  pass.records.line_id = line_id;
  pass.records.train_number = train_number;
  pass.trace = CompileTrace{};
  const compiler::DescriptionTexts texts{compiler::DescriptionText{"linea", pass.line_text},
                                         compiler::DescriptionText{"corsa", pass.run_text}};
  std::int32_t j = write_line_data;
  pass.outcome = finish::compile_and_complete(pass.records, texts, j, &pass.trace);
}

text::FieldSpan span_at(std::string_view text, std::size_t begin, std::size_t end) {
  text::FieldSpan span;
  span.line = 1;
  for (std::size_t i = 0; i < begin && i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      ++i;
    if (text[i] == '\r' || text[i] == '\n') {
      ++span.line;
      span.line_begin = i + 1;
    }
  }
  span.begin = begin;
  span.end = end;
  span.first_column = static_cast<int>(begin - span.line_begin) + 1;
  span.last_column = static_cast<int>(end - span.line_begin);
  return span;
}

void run_line_pass(Pass& line, std::string_view line_id, std::string_view train_number,
                   std::int32_t write_line_data) {
  line.records = records::ScenarioRecords{};
  line.records.line_id = line_id;
  line.records.train_number = train_number;
  line.records.write_line_data = write_line_data;
  line.trace = CompileTrace{};
  line.records.state.observer = &line.trace;
  const compiler::DescriptionTexts texts{compiler::DescriptionText{"linea", line.line_text},
                                         compiler::DescriptionText{"corsa", line.run_text}};
  line.line_half = compiler::compile_line_half(line.records, texts, &line.trace);
  line.records.state.observer = nullptr;
  line.outcome =
      line.records.cells.empty() ? finish::Outcome::kNoTrack : finish::Outcome::kComplete;
}

void run_run_pass(Pass& pass, const Pass& line) {
  pass.line_text = line.line_text;
  pass.line_half = line.line_half;
  pass.records.line_id = line.records.line_id;
  pass.records.train_number = line.records.train_number;
  pass.records.write_line_data = line.records.write_line_data;
  pass.records.header = line.records.header;
  pass.records.cells = line.records.cells;
  pass.records.plan.reset();
  pass.records.state = line.records.state;
  pass.trace = line.trace;
  pass.records.state.observer = &pass.trace;
  const compiler::DescriptionTexts texts{compiler::DescriptionText{"linea", pass.line_text},
                                         compiler::DescriptionText{"corsa", pass.run_text}};
  if (line.line_half.run_follows)
    compiler::compile_run_half(pass.records, texts, line.line_half, &pass.trace);
  pass.outcome = finish::Outcome::kNoTrack;
  if (!pass.records.cells.empty()) {
    pass.outcome = finish::complete_records(pass.records, &pass.trace)
                       ? finish::Outcome::kComplete
                       : finish::Outcome::kStampConflict;
  }
  pass.records.state.observer = nullptr;
}

std::string_view line_of(std::string_view text, const text::FieldSpan& span) {
  const std::size_t begin = std::min(span.line_begin, text.size());
  std::size_t end = begin;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n')
    ++end;
  return text.substr(begin, end - begin);
}

Diagnostic at_field(const Pass& pass, records::SourceText text, const TracedField& field) {
  Diagnostic diagnostic;
  diagnostic.text = text;
  diagnostic.line = field.span.line;
  diagnostic.column = field.span.first_column;
  diagnostic.end_column = field.span.last_column;
  diagnostic.source_line = std::string(line_of(pass.text_of(text), field.span));
  return diagnostic;
}

Diagnostic at_text_start(const Pass& pass, records::SourceText text) {
  TracedField start;
  start.span.line = 1;
  start.span.first_column = 1;
  start.span.last_column = 0;
  Diagnostic diagnostic = at_field(pass, text, start);
  return diagnostic;
}

std::optional<std::int64_t> number_of(std::string_view raw) {
  raw = text::trimmed(raw);
  if (raw.empty())
    return 0;
  const bool negative = raw[0] == '-';
  if (negative)
    raw.remove_prefix(1);
  if (raw.empty() || raw.size() > 12)
    return std::nullopt;
  std::int64_t value = 0;
  for (char c : raw) {
    if (c < '0' || c > '9')
      return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

}  // namespace scenario::diagnostics
