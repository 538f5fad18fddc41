#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

#include "records/zeroed_memory.h"

namespace scenario::records {

// Allocator of large arrays whose elements start as zero bytes (0.0, 0, an
// enumeration's zero value). The memory comes zeroed from calloc
// (allocate_zeroed), and value-initialising an element does not write its
// zeros again: memory fresh from the system is zero already (calloc clears
// only memory it hands out a second time), so a new array of millions of
// elements costs no pass over its memory before the program's own first
// writes. The elements are objects of implicit lifetime that calloc creates
// with the value of their zero bytes.
template <typename T>
struct ZeroedAllocator {
  static_assert(std::is_trivially_default_constructible_v<T> &&
                    std::is_trivially_destructible_v<T> && std::is_trivially_copyable_v<T>,
                "only for elements that are their bytes");
  using value_type = T;

  ZeroedAllocator() = default;
  template <typename U>
  ZeroedAllocator(const ZeroedAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) {
    void* memory = allocate_zeroed(count, sizeof(T));
    if (memory == nullptr)
      throw std::bad_alloc();
    return static_cast<T*>(memory);
  }
  void deallocate(T* elements, std::size_t) noexcept { std::free(elements); }

  // Value-initialisation: the element is already its zero bytes.
  template <typename U>
  void construct(U*) noexcept {}
  template <typename U, typename... Arguments>
  void construct(U* element, Arguments&&... arguments) {
    ::new (static_cast<void*>(element)) U(std::forward<Arguments>(arguments)...);
  }

  friend bool operator==(const ZeroedAllocator&, const ZeroedAllocator&) { return true; }
};

}  // namespace scenario::records
