#pragma once
// Large pages for a large block of memory not yet written: far fewer page faults when it fills.
#include <cstddef>
#include <cstdint>
#include <sys/mman.h>

namespace platform::dxf {

inline void AdviseHugePages(void* begin, std::size_t bytes) {
    constexpr std::uintptr_t kHuge = 2u << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(begin);
    const auto first = (start + kHuge - 1) & ~(kHuge - 1);
    const auto last = (start + bytes) & ~(kHuge - 1);
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

}  // namespace platform::dxf
