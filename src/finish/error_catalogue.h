#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace scenario::finish {

// What an error code means, in Italian, for the messages of the installer
// and of the authors' tools; and whether the code records a position of its
// own (codes that keep the position held so far, or record none, do not).
struct ErrorMeaning {
  std::int32_t code = 0;
  std::string_view text;
  bool has_position = false;
};

// Every code the compiler, the finishing pass and the stamps can record,
// ordered by code.
std::span<const ErrorMeaning> error_catalogue();

// The meaning of `code`; nullopt for a code nothing records.
std::optional<ErrorMeaning> error_meaning(std::int32_t code);

// The two stamp conflicts, which errore shows as text, as numbers.
inline constexpr std::int32_t kCodeFormatStampSet = 1250;
inline constexpr std::int32_t kCodeIdentificationCodeSet = 1251;

}  // namespace scenario::finish
