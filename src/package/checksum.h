#pragma once

#include <cstdint>
#include <string_view>

namespace scenario::package {

// CRC-32 as zip and PNG compute it (reflected polynomial 0xEDB88320, initial
// and final value 0xFFFFFFFF): "123456789" gives 0xCBF43926.
std::uint32_t crc32(std::string_view bytes);

}  // namespace scenario::package
