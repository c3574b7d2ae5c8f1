// SPDX-License-Identifier: MIT
#pragma once
// Memory for the topic table's stores. A table of a large list holds tens of megabytes that are
// written once, front to back; in pages of 4 KiB every one of them costs a page fault, which
// takes longer than the scan itself. Stores of 2 MiB and more therefore come from memory that
// the system may back with large pages where it can; smaller ones come from the usual heap.

#include <cstddef>

namespace qorl {

// Throws std::bad_alloc when the memory is not there.
void* AllocateTableMemory(std::size_t bytes);
void FreeTableMemory(void* memory, std::size_t bytes) noexcept;

template <typename T>
struct TableAllocator {
  using value_type = T;

  TableAllocator() = default;
  template <typename U>
  TableAllocator(const TableAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) { return static_cast<T*>(AllocateTableMemory(count * sizeof(T))); }
  void deallocate(T* memory, std::size_t count) noexcept {
    FreeTableMemory(memory, count * sizeof(T));
  }

  friend bool operator==(const TableAllocator&, const TableAllocator&) { return true; }
};

}  // namespace qorl
