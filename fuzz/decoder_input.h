#pragma once

#include <string>
#include <string_view>

namespace scenario::fuzz {

// One input of the decoder fuzzer: a byte that chooses the file kind, then
// the file's bytes.
enum class BinaryFileKind { kScenarioTable, kCell, kLineData };

struct DecoderInput {
  BinaryFileKind kind = BinaryFileKind::kScenarioTable;
  std::string_view bytes;
};

inline DecoderInput parse_decoder_input(std::string_view input) {
  if (input.empty())
    return {};
  const auto choice = static_cast<unsigned char>(input[0]) % 3;
  return {static_cast<BinaryFileKind>(choice), input.substr(1)};
}

inline std::string compose_decoder_input(BinaryFileKind kind, std::string_view bytes) {
  return std::string(1, static_cast<char>(kind)) + std::string(bytes);
}

}  // namespace scenario::fuzz
