#pragma once
// The embedded GLSL sources of every program, with how each is linked.

#include <array>
#include <span>
#include <string_view>

#include "graphics/shader_build.hpp"

namespace coilwend {

enum class ProgramId {
    Mesh,
    Pattern,
    Facet,
    Shadow,
    Colour,
    Textured,
    Point,
    UiTextured,
    UiGlyph,
    UiFlat,
};

inline constexpr std::array<ProgramId, 10> all_program_ids{
    ProgramId::Mesh,    ProgramId::Pattern,  ProgramId::Facet, ProgramId::Shadow,
    ProgramId::Colour,  ProgramId::Textured, ProgramId::Point, ProgramId::UiTextured,
    ProgramId::UiGlyph, ProgramId::UiFlat,
};

// Whether the shared noise functions are appended to the fragment source.
enum class NoiseFunctions { Omitted, Appended };

struct ProgramSource {
    std::string_view name; // for messages and tools
    std::string_view vertex;
    std::string_view fragment;
    NoiseFunctions noise;
    std::span<const AttributeBinding> bindings;
};

ProgramSource program_source(ProgramId id);

// The noise functions that NoiseFunctions::Appended adds after the fragment source.
std::string_view noise_source();

} // namespace coilwend
