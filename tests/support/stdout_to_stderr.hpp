#pragma once
// Fatal errors print their panic line to standard output, while death tests
// match standard error: run the body with both going to standard error.

#include <cstdio>
#include <unistd.h>

namespace coilwend::testing {

template <class F> void stdout_to_stderr(F&& body) {
    std::fflush(stdout);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    body();
}

} // namespace coilwend::testing
