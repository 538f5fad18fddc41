#pragma once

#include <string_view>
#include <vector>

#include "diagnostics/diagnostic.h"
#include "diagnostics/pass.h"

namespace scenario::diagnostics {

// The identifiers of every warning and note, as the JSON output and
// doc/authors_guide.md name them.
namespace warning_id {
inline constexpr std::string_view kUnknownKeyword = "unknown_keyword";
inline constexpr std::string_view kKeywordOutOfPlace = "keyword_out_of_place";
inline constexpr std::string_view kMissingValues = "missing_values";
inline constexpr std::string_view kExtraValues = "extra_values";
inline constexpr std::string_view kEmptyNumber = "empty_number";
inline constexpr std::string_view kDisabledEntry = "disabled_entry";
inline constexpr std::string_view kDuplicateGeneralEntry = "duplicate_general_entry";
inline constexpr std::string_view kGradientOutOfOrder = "gradient_out_of_order";
inline constexpr std::string_view kCurveOutOfOrder = "curve_out_of_order";
inline constexpr std::string_view kCurveOverlap = "curve_overlap";
inline constexpr std::string_view kItemInTail = "item_in_tail";
inline constexpr std::string_view kSpeedNotMultipleOf5 = "speed_not_multiple_of_5";
inline constexpr std::string_view kValueWrapped = "value_wrapped";
inline constexpr std::string_view kSlowOrderWithoutWarningPoint =
    "slow_order_without_warning_point";
inline constexpr std::string_view kSignalWithoutPointAfterSlowOrder =
    "signal_without_point_after_slow_order";
inline constexpr std::string_view kRunWithoutGeneralSection = "run_without_general_section";
inline constexpr std::string_view kSuspiciousStationName = "suspicious_station_name";
inline constexpr std::string_view kCommentBecomesEntry = "comment_becomes_entry";
inline constexpr std::string_view kUtf8Text = "utf8_text";
inline constexpr std::string_view kRunCheckedWithoutTrack = "run_checked_without_track";
}  // namespace warning_id

// Every warning and note about the texts of a pass that compiled without a
// stopping error: what the format accepts silently and an author almost
// never means. `stand_in_track`: the line text gave no track and the run
// was compiled over a stand-in, so nothing that depends on the line's
// length is said.
void add_warnings(const Pass& pass, bool stand_in_track, std::vector<Diagnostic>& out);

// Warnings about how a pass read its texts that the error it may have
// stopped at does not tell: a comment line with a dash read as an entry.
// Said in every pass, since the entry may be one left out later.
void add_reading_warnings(const Pass& pass, std::vector<Diagnostic>& out);

// A text whose bytes beyond ASCII all form UTF-8 sequences was most likely
// saved as UTF-8 by an editor: a warning at the first such character.
void add_encoding_warning(const Pass& pass, records::SourceText text, std::string_view bytes,
                          std::vector<Diagnostic>& out);

}  // namespace scenario::diagnostics
