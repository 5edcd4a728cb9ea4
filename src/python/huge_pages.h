// Large result columns in 2 MB pages where Linux allows it.
//
// A task's columns (tens of MB) are usually fresh memory: Dask's nanny sets
// MALLOC_TRIM_THRESHOLD_ in its workers, which also fixes glibc's mmap
// threshold at 128 kB, so every column is mapped anew for each call and
// each of its 4 kB pages costs a page fault when first written. On a virtual
// machine those faults made a worker's task take twice as long.

#pragma once

#include <cstddef>

#if defined(__linux__)
#include <sys/mman.h>

#include <cstdint>
#endif

namespace ventora::python {

// Advice only: a kernel without transparent huge pages, or a range too
// small to hold one, changes nothing.
inline void AdviseHugePages([[maybe_unused]] const void* data, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (begin + kHuge - 1) & ~(kHuge - 1);
  const std::uintptr_t last = (begin + bytes) & ~(kHuge - 1);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace ventora::python
