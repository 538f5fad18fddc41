#include "records/zeroed_memory.h"

#include <cstdint>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace scenario::records {
namespace {

// From this size on malloc takes fresh pages from the system (glibc's
// default threshold for a block of its own).
constexpr std::size_t kLargeBlock = 128 * 1024;

// Asks the system to fault in the whole pages of the block now. A refusal
// (an older kernel, no memory to spare yet) changes nothing: the pages are
// then faulted in one by one as before.
void fault_in(void* block, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(block);
  const std::uintptr_t first = (start + page - 1) / page * page;
  const std::uintptr_t end = (start + bytes) / page * page;
  if (first < end)
    ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
  (void)block;
  (void)bytes;
#endif
}

}  // namespace

void* allocate_zeroed(std::size_t count, std::size_t size) {
  void* block = std::calloc(count, size);
  if (block != nullptr && count * size >= kLargeBlock)
    fault_in(block, count * size);
  return block;
}

}  // namespace scenario::records
