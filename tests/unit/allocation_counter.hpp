#pragma once
// Counts heap allocations while alive. The global allocation functions of the
// test binary are replaced (allocation_counter.cpp) with ones that count only
// while a counter exists, so steady-frame tests can ask for zero.

#include <cstddef>

#include "graphics/gl_functions.hpp"

namespace coilwend::testing {

class AllocationCounter {
  public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;
    std::size_t count() const;
};

// A GL table whose entries answer zero and neither record nor allocate.
GlFunctions silent_gl_table();

} // namespace coilwend::testing
