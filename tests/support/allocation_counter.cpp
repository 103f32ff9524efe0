#include "support/allocation_counter.hpp"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> counting{false};
std::atomic<std::size_t> allocations{0};

void* counted_allocation(std::size_t size) {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

template <class Function> struct Silent;
template <class Result, class... Args> struct Silent<Result(APIENTRYP)(Args...)> {
    static Result APIENTRY call(Args...) { return Result{}; }
};

} // namespace

void* operator new(std::size_t size) {
    return counted_allocation(size);
}
void* operator new[](std::size_t size) {
    return counted_allocation(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace coilwend::testing {

AllocationCounter::AllocationCounter() {
    allocations = 0;
    counting = true;
}

AllocationCounter::~AllocationCounter() {
    counting = false;
}

std::size_t AllocationCounter::count() const {
    return allocations.load();
}

GlFunctions silent_gl() {
    GlFunctions table;
#define COILWEND_SILENT_ENTRY(ret, name, params) table.name = &Silent<decltype(table.name)>::call;
    COILWEND_GL_FUNCTIONS(COILWEND_SILENT_ENTRY)
#undef COILWEND_SILENT_ENTRY
    return table;
}

} // namespace coilwend::testing
