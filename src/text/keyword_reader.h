#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/field_reader.h"
#include "text/keyword_match.h"

namespace scenario::text {

// How both compilers find their entries in a description text: where the
// reading starts, which keyword fields are passed over (the dash rule), and
// which entry kinds a keyword field stands for. The line text and the run
// text differ only in the parameters given here.

// Everything before the first field that contains "[generale]" (any case)
// is passed over. False when the text ends first; a field containing it that
// is the very last of the text counts as missing, since nothing follows it.
bool find_general_section(FieldReader& reader);

// The dash rule: a keyword field that contains "-" is replaced by the next
// field, up to `fields_skipped` times in a row. With `end_test_between` the
// end of the text is looked for after each replacing read (and ends the
// reading there); without it a dash at the very end reads past the text.
struct DashRule {
  int fields_skipped;
  bool end_test_between;
};
// Inside the line text's "[generale]" section.
inline constexpr DashRule kGeneralSectionDashRule{10, false};
// Everywhere else, in both texts.
inline constexpr DashRule kEntryDashRule{2, true};

// The next keyword field, after the dash rule. None when the text has ended
// before it, or with it: a field that ends the text is never examined as a
// keyword, so a last line holding a keyword alone is no entry. The reader's
// observer hears of every field passed over by the dash rule and of the one
// examined.
std::optional<std::string> next_keyword(FieldReader& reader, const DashRule& rule);

// A "[...]" field, unless a dash in front disables it, ends the line text's
// "[generale]" section.
bool is_section_header(std::string_view field);

// How the compilation of one entry ends.
enum class EntryOutcome {
  kGoOn,       // read the next entry
  kEndOfText,  // stop reading, and finish as at the end of the text
  kStop,       // stop at once: an error that ends the compilation
};

// A keyword test: the field contains `word` (and `also`, when given), in any
// letter case or exactly.
struct KeywordTest {
  std::string_view word;
  std::string_view also = {};
  bool any_case = true;

  bool matches(std::string_view field) const {
    const auto holds = [&](std::string_view w) {
      return any_case ? contains_any_case(field, w) : contains(field, w);
    };
    return holds(word) && (also.empty() || holds(also));
  }
};

// One kind of entry of a text: its keyword test, what people call it and
// its value fields, what reads and compiles it, and whether it is read at
// all in this compilation (none: always). `compile` reads the value fields
// in the order `info` lists them.
template <typename Compilation>
struct EntryKind {
  KeywordTest test;
  EntryInfo info;
  EntryOutcome (*compile)(Compilation&);
  bool (*enabled)(const Compilation&) = nullptr;
};

// What people call each entry kind of a table, in its order.
template <typename Compilation>
std::vector<EntryInfo> entry_infos(std::span<const EntryKind<Compilation>> kinds) {
  std::vector<EntryInfo> infos;
  for (const EntryKind<Compilation>& kind : kinds)
    infos.push_back(kind.info);
  return infos;
}

// Runs every entry kind whose test the keyword field passes, in the order
// given: the tests are independent, so a field holding two keywords is two
// entries, each reading its own values. Stops at the first entry that does
// not end with kGoOn. `observer` (none: nobody) hears where each entry
// begins and ends.
template <typename Compilation>
EntryOutcome compile_entry(std::string_view keyword, std::span<const EntryKind<Compilation>> kinds,
                           Compilation& compilation, FieldObserver* observer) {
  for (const EntryKind<Compilation>& kind : kinds) {
    if (kind.enabled != nullptr && !kind.enabled(compilation))
      continue;
    if (!kind.test.matches(keyword))
      continue;
    if (observer != nullptr)
      observer->entry(kind.info);
    const EntryOutcome outcome = kind.compile(compilation);
    if (observer != nullptr)
      observer->entry_end();
    if (outcome != EntryOutcome::kGoOn)
      return outcome;
  }
  return EntryOutcome::kGoOn;
}

}  // namespace scenario::text
