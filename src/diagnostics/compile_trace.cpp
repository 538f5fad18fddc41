#include "diagnostics/compile_trace.h"

namespace scenario::diagnostics {

const TracedPlacement* CompileTrace::occupant(std::int64_t cell) const {
  const auto found = occupants_.find(cell);
  return found == occupants_.end() ? nullptr : &placements[found->second];
}

const TracedPlacement* CompileTrace::occupant_before(std::int64_t cell, int entry) const {
  const TracedPlacement* before = nullptr;
  for (const TracedPlacement& placement : placements) {
    if (placement.entry == entry || (placement.entry > entry && entry >= 0) || placement.entry < 0)
      break;
    if (placement.cell == cell)
      before = &placement;
  }
  return before;
}

void CompileTrace::text_begins(records::SourceText text) {
  text_ = text;
  keyword_seen_ = false;
  open_entry_ = -1;
}

void CompileTrace::field(const text::FieldSpan& span, std::string_view raw) {
  last_field_ = {span, std::string(raw)};
  if (open_entry_ >= 0) {
    entries[static_cast<std::size_t>(open_entry_)].values.push_back(last_field_);
    return;
  }
  if (!keyword_seen_) {
    (text_ == records::SourceText::kRun ? run_preamble : line_preamble).push_back(last_field_);
  }
}

void CompileTrace::keyword(text::KeywordUse use) {
  if (!keyword_seen_) {
    // The field just read is a keyword field, not part of what came before.
    auto& preamble = text_ == records::SourceText::kRun ? run_preamble : line_preamble;
    if (!preamble.empty())
      preamble.pop_back();
  }
  keyword_seen_ = true;
  keywords.push_back({text_, last_field_, use, -1});
}

void CompileTrace::entry(const text::EntryInfo& kind) {
  const int index = static_cast<int>(entries.size());
  TracedEntry traced;
  traced.text = text_;
  traced.kind = kind;
  traced.keyword = static_cast<int>(keywords.size()) - 1;
  if (traced.keyword >= 0 && keywords.back().first_entry < 0)
    keywords.back().first_entry = index;
  entries.push_back(std::move(traced));
  open_entry_ = index;
}

void CompileTrace::entry_end() {
  if (open_entry_ >= 0)
    entries[static_cast<std::size_t>(open_entry_)].ended = true;
  open_entry_ = -1;
}

void CompileTrace::placed(std::int64_t cell, std::uint8_t type, std::int64_t for_cell) {
  occupants_[cell] = placements.size();
  placements.push_back({cell, type, open_entry_, for_cell});
}

void CompileTrace::trapped(const text::CompileFailure& caught) {
  failure = TracedFailure{caught.reason(), caught.line(), caught.what(), text_, open_entry_};
}

void CompileTrace::recorded(const records::CompileState& state) {
  TracedCode code;
  code.state = state;
  code.state.observer = nullptr;
  code.compiling = text_;
  code.entry = open_entry_;
  codes.push_back(std::move(code));
}

}  // namespace scenario::diagnostics
