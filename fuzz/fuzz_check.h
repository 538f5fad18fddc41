#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace scenario::fuzz {

// A property every input must keep. A broken one is a finding: it is
// reported and the program aborts, so that libFuzzer keeps the input.
inline void require(bool holds, const std::string& property) {
  if (holds)
    return;
  std::fprintf(stderr, "fuzz property broken: %s\n", property.c_str());
  std::abort();
}

}  // namespace scenario::fuzz
