// SPDX-License-Identifier: MIT
#include <new>

#include "core/list/table_memory.h"

namespace qorl {

// Large pages on Windows need a privilege that users do not have; the heap serves every store.
void* AllocateTableMemory(std::size_t bytes) {
  return ::operator new(bytes);
}

void FreeTableMemory(void* memory, std::size_t) noexcept {
  ::operator delete(memory);
}

}  // namespace qorl
