#pragma once
// The shortest solution of every level, found by the solver and kept in the
// repository so that tests and tools need not search again.

#include <string_view>

namespace coilwend {

// The letters U, D, L, R and N to press from the level's keyboard start, or
// empty when none is stored.
std::string_view stored_solution(std::string_view id);

} // namespace coilwend
