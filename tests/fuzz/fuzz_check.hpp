#pragma once
// What the fuzz targets share: turning the input into text, and stopping at
// the first broken property with a message (abort() is what libFuzzer records
// as a fault, saving the input that led to it).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace coilwend::fuzzing {

inline void require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken property: %s\n", property);
    std::abort();
}

inline std::string as_text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

} // namespace coilwend::fuzzing
