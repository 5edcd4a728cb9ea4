// ventora.keep_freed_memory and ventora.heap_in_huge_pages: the heap of a
// process that sweeps partition after partition, tuned where glibc and
// Linux allow it (docs/scaling.md has the figures). Elsewhere they change
// nothing and say so.

#include <pybind11/pybind11.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "huge_pages.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ventora::python {
namespace {

namespace py = pybind11;

// Freed memory stays with the process for the next task instead of going
// back to the system: every task's table (tens of MB) would otherwise come
// back as fresh pages, each a page fault.
bool KeepFreedMemory() {
#if defined(__GLIBC__)
  return mallopt(M_MMAP_THRESHOLD, 32 << 20) == 1 && mallopt(M_TRIM_THRESHOLD, 1 << 30) == 1;
#else
  return false;
#endif
}

// The first `megabytes` of the heap advised into 2 MB pages: blocks below
// the mmap threshold are taken from the heap, advised where they lie side
// by side, and given back, so that the allocator hands the same pages out
// again. A worker's first task otherwise grows its heap in 4 kB pages.
bool HeapInHugePages(std::size_t megabytes) {
#if defined(__GLIBC__) && defined(__linux__)
  constexpr std::size_t kBlock = std::size_t{8} << 20;
  constexpr std::uintptr_t kHeader = 64;  // glibc's bookkeeping between blocks
  std::vector<void*> blocks;
  for (std::size_t i = 0; i < (megabytes << 20) / kBlock; ++i)
    if (void* block = std::malloc(kBlock)) blocks.push_back(block);
  std::vector<void*> sorted = blocks;
  std::sort(sorted.begin(), sorted.end());
  for (std::size_t first = 0; first < sorted.size();) {
    std::size_t last = first;
    while (last + 1 < sorted.size() && reinterpret_cast<std::uintptr_t>(sorted[last + 1]) -
                                               reinterpret_cast<std::uintptr_t>(sorted[last]) <=
                                           kBlock + kHeader)
      ++last;
    const auto begin = reinterpret_cast<std::uintptr_t>(sorted[first]);
    const auto end = reinterpret_cast<std::uintptr_t>(sorted[last]) + kBlock;
    AdviseHugePages(sorted[first], end - begin);
    first = last + 1;
  }
  for (auto block = blocks.rbegin(); block != blocks.rend(); ++block)
    std::free(*block);
  return !blocks.empty();
#else
  (void)megabytes;
  return false;
#endif
}

}  // namespace

void BindHeapSettings(py::module_& m) {
  m.def("keep_freed_memory", &KeepFreedMemory,
        "Has the C library (glibc) keep the memory a task frees for the next task, blocks up to "
        "32 MB, instead of giving it back to the system. Call it once in the process that sweeps "
        "(processes forked from it inherit it). False where the C library is not glibc.");
  m.def("heap_in_huge_pages", &HeapInHugePages, py::arg("megabytes") = 64,
        "Asks Linux to back the first `megabytes` of this process's heap with 2 MB pages where "
        "it can; call it in each worker process as it starts (after keep_freed_memory), so that "
        "its first task does not pay a page fault for every 4 kB. False where this is not Linux "
        "with glibc.");
}

}  // namespace ventora::python
