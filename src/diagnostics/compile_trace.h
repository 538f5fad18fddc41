#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "compiler/compile_observer.h"
#include "records/compile_state.h"
#include "text/field_observer.h"

namespace scenario::diagnostics {

// A field of a text as it was read: its place and its bytes.
struct TracedField {
  text::FieldSpan span;
  std::string raw;
};

// One keyword field: examined (and then the start of `entries` or passed
// over) or passed over by the dash rule.
struct TracedKeyword {
  records::SourceText text = records::SourceText::kNone;
  TracedField field;
  text::KeywordUse use = text::KeywordUse::kExamined;
  int first_entry = -1;  // the entry it starts, -1 for none
};

// One entry as it was compiled: its kind, its keyword field, the value fields
// it read (fewer than its kind has when it stopped or the text ended) and
// the occupants it placed.
struct TracedEntry {
  records::SourceText text = records::SourceText::kNone;
  text::EntryInfo kind;
  int keyword = -1;  // index into CompileTrace::keywords
  std::vector<TracedField> values;
  bool ended = false;  // all its values read and compiled, well or not
};

// An occupant placed in a cell, by an entry or by the finishing pass.
struct TracedPlacement {
  std::int64_t cell = 0;
  std::uint8_t type = 0;
  int entry = -1;              // the entry that placed it; -1: the finishing pass
  std::int64_t for_cell = -1;  // finishing pass: the cell it was handling
};

// A code recorded, and what was being compiled then.
struct TracedCode {
  records::CompileState state;
  records::SourceText compiling = records::SourceText::kNone;  // kNone: the finishing pass
  int entry = -1;  // the entry being compiled, -1 for none
};

// What the trap caught, and where the reading stood.
struct TracedFailure {
  text::CompileFailure::Reason reason = text::CompileFailure::Reason::kPastEnd;
  int line = 0;
  std::string what;
  records::SourceText text = records::SourceText::kNone;
  int entry = -1;  // the entry being read, -1 for none
};

// Everything one compile and finishing pass did, as the authors'
// diagnostics read it: every keyword field, every entry with its values,
// every occupant placed and who placed it, every code recorded.
class CompileTrace final : public compiler::CompileObserver {
 public:
  std::vector<TracedKeyword> keywords;
  std::vector<TracedEntry> entries;
  std::vector<TracedPlacement> placements;
  std::vector<TracedCode> codes;
  std::optional<TracedFailure> failure;
  // The fields read before the first keyword field of each text (before
  // and including "[generale]").
  std::vector<TracedField> line_preamble;
  std::vector<TracedField> run_preamble;

  // The placement that put the occupant now in `cell`, if any.
  const TracedPlacement* occupant(std::int64_t cell) const;
  // The placement of `cell` as it stood when entry `entry` began: the
  // occupant that was in the way of that entry.
  const TracedPlacement* occupant_before(std::int64_t cell, int entry) const;

  // compiler::CompileObserver
  void text_begins(records::SourceText text) override;
  void field(const text::FieldSpan& span, std::string_view raw) override;
  void keyword(text::KeywordUse use) override;
  void entry(const text::EntryInfo& kind) override;
  void entry_end() override;
  void placed(std::int64_t cell, std::uint8_t type, std::int64_t for_cell) override;
  void trapped(const text::CompileFailure& failure) override;
  void recorded(const records::CompileState& state) override;

 private:
  records::SourceText text_ = records::SourceText::kNone;
  TracedField last_field_;
  bool keyword_seen_ = false;  // in the current text
  int open_entry_ = -1;
  std::unordered_map<std::int64_t, std::size_t> occupants_;
};

}  // namespace scenario::diagnostics
