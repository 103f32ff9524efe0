#include "board_lab/solve_all.hpp"

#include <algorithm>
#include <atomic>
#include <thread>

namespace coilwend::board_lab {

std::vector<SolveReport> solve_all(const std::vector<Puzzle>& boards, SolveLimits limits,
                                   unsigned threads) {
    std::vector<SolveReport> reports(boards.size());
    std::atomic<std::size_t> next{0};
    // Each slot is filled by exactly one worker.
    auto work = [&] {
        for (std::size_t i = next++; i < boards.size(); i = next++)
            reports[i] = solve(boards[i], limits);
    };
    {
        std::vector<std::jthread> workers;
        for (unsigned t = 0; t < std::max(1u, threads); ++t)
            workers.emplace_back(work);
    }
    return reports;
}

} // namespace coilwend::board_lab
