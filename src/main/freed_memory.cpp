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
    // blocks, which come and go every frame, stay in the heap. Fixing it also
    // fixes how much free space the heap keeps at its top before giving it
    // back, at a default so small that every frame would shrink and regrow
    // the heap; a few mebibytes cover a frame's coming and going.
    constexpr int kOwnPagesFrom = 1 << 20;
    constexpr int kKeptAtTheTop = 4 << 20;
    mallopt(M_MMAP_THRESHOLD, kOwnPagesFrom);
    mallopt(M_TRIM_THRESHOLD, kKeptAtTheTop);
#endif
}

} // namespace coilwend
