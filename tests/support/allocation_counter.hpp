#pragma once
// Counting heap allocations for the steady-frame tests. allocation_counter.cpp
// replaces the global allocation functions for the whole test binary; they
// count only while an AllocationCounter lives. silent_gl() is a GL table that
// answers every call with zero and records nothing, so drawing through it
// allocates only what the code under test allocates.

#include "graphics/gl_functions.hpp"

#include <cstddef>

namespace coilwend::testing {

class AllocationCounter {
  public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;
    std::size_t count() const;
};

GlFunctions silent_gl();

} // namespace coilwend::testing
