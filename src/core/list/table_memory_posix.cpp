// SPDX-License-Identifier: MIT
#include <sys/mman.h>

#include <cstdint>
#include <new>

#include "core/list/table_memory.h"

namespace qorl {
namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;
constexpr std::size_t kPage = 4096;

// Under the address sanitizer every store comes from the heap, where overruns are caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUseMappings = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUseMappings = false;
#else
constexpr bool kUseMappings = true;
#endif
#else
constexpr bool kUseMappings = true;
#endif

bool IsLarge(std::size_t bytes) {
  return kUseMappings && bytes >= kLargePage;
}

std::size_t MappedLength(std::size_t bytes) {
  return (bytes + kPage - 1) / kPage * kPage;
}

}  // namespace

// A private mapping that starts on a large-page boundary, so that the system can back all of it
// but the last part with large pages.
void* AllocateTableMemory(std::size_t bytes) {
  if (!IsLarge(bytes)) return ::operator new(bytes);
  const std::size_t length = MappedLength(bytes);
  if (length > SIZE_MAX - kLargePage) throw std::bad_alloc();
  void* raw = mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const auto rawStart = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t start = (rawStart + kLargePage - 1) & ~std::uintptr_t{kLargePage - 1};
  if (start > rawStart) munmap(raw, start - rawStart);
  const std::uintptr_t tail = rawStart + length + kLargePage - (start + length);
  if (tail > 0) munmap(reinterpret_cast<void*>(start + length), tail);
  auto* memory = reinterpret_cast<void*>(start);
#ifdef MADV_HUGEPAGE
  madvise(memory, length, MADV_HUGEPAGE);  // only advice: without large pages all still works
#endif
  return memory;
}

void FreeTableMemory(void* memory, std::size_t bytes) noexcept {
  if (memory == nullptr) return;
  if (!IsLarge(bytes)) {
    ::operator delete(memory);
    return;
  }
  munmap(memory, MappedLength(bytes));
}

}  // namespace qorl
