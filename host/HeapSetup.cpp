#include "HeapSetup.h"

#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

// A drawing of 35 MB is read into a few million tags and written back through as many: with the
// default heap every fresh 4 KB page costs a fault, and faults were a third of the time of a
// large update. The heap is therefore grown in one large step, kept when freed, asked to be
// backed by 2 MB pages, and large blocks come from it instead of mappings of their own.
void SetUpHeapForLargeDrawings() {
    constexpr std::size_t kStep = std::size_t(512) << 20;
    constexpr std::size_t kLargeBlock = std::size_t(256) << 20;
    constexpr std::uintptr_t kHuge = std::uintptr_t(2) << 20;
    ::mallopt(M_MMAP_THRESHOLD, static_cast<int>(kLargeBlock));
    ::mallopt(M_TRIM_THRESHOLD, static_cast<int>(kStep));
    ::mallopt(M_TOP_PAD, static_cast<int>(kStep));
    // A block larger than the free top of the heap makes it grow by the new step now.
    void* probe = std::malloc(std::size_t(4) << 20);
    if (!probe) return;
    const auto first = (reinterpret_cast<std::uintptr_t>(probe) + kHuge - 1) & ~(kHuge - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(::sbrk(0)) & ~(kHuge - 1);
    if (last > first && last - first <= 2 * kStep) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    std::free(probe);
}
