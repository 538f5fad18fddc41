#pragma once

#include <cstdint>
#include <string>

namespace scenario::records {

// A position in metres as railway kilometres: whole kilometres, "+", the
// metres in three digits ("15+150" for 15150 m, "0+075" for 75 m, "-0+100"
// for -100 m).
std::string kilometre_text(std::int64_t metres);

}  // namespace scenario::records
