#pragma once

#include <cstddef>

namespace scenario::records {

// Memory for `count` elements of `size` bytes, all zero bytes, from calloc;
// nullptr when there is none. Where the system offers it (Linux 5.14 and
// later), a large block is also faulted in at once: one call instead of a
// trap on the first write to each of its 4 KiB pages. Released with free().
void* allocate_zeroed(std::size_t count, std::size_t size);

}  // namespace scenario::records
