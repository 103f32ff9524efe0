#pragma once
// How the C library hands freed memory back to the system.

namespace coilwend {

// Large blocks (the driver's framebuffers, textures) get pages of their own
// that go back to the system when freed. Left alone, the C library raises
// that limit after the first large block is freed, so the framebuffers of
// every later window size land in the heap, which never shrinks: sixty
// resizes kept some 60 MB. Call before anything allocates large blocks.
void return_large_blocks_when_freed();

} // namespace coilwend
