#include "solve_all.hpp"

#include <algorithm>
#include <atomic>
#include <thread>

namespace coilwend {

std::vector<SolveReport> solve_all(const std::vector<Level>& levels, unsigned threads) {
    std::vector<SolveReport> reports(levels.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < levels.size(); i = next++)
            reports[i] = solve(levels[i].puzzle);
    };
    std::vector<std::jthread> workers;
    for (unsigned t = 1; t < std::max(1u, threads); ++t)
        workers.emplace_back(work);
    work();
    return reports;
}

} // namespace coilwend
