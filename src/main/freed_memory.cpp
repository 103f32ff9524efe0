#include "main/freed_memory.hpp"

#include <cstdlib> // brings the C library's own macros, __GLIBC__ among them

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace coilwend {

void return_large_blocks_when_freed() {
#if defined(M_MMAP_THRESHOLD)
    // Setting the limit at all keeps it from moving; a mebibyte sends the
    // driver's per-size buffers to their own pages while small and medium
    // blocks, which come and go every frame, stay in the heap.
    constexpr int kOwnPagesFrom = 1 << 20;
    mallopt(M_MMAP_THRESHOLD, kOwnPagesFrom);
#endif
}

} // namespace coilwend
