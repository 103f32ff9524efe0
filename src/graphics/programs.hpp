#pragma once
// The program sets built once and kept for the process: one for the board,
// one for the overworld, one for the user interface.

#include "graphics/gl_functions.hpp"

#include "graphics/shader_sources.hpp"
#include <array>
#include <cstddef>

namespace coilwend {

// Compiles and links one program for the current dialect.
GLuint build_program(ProgramId id);

// The patterned program's patterns: 1 desert to 8 tire; 0 (and anything
// else) is plain.
inline constexpr std::size_t kPatternCount = 9;
// The patterned program built for vertices of one pattern only.
GLuint build_pattern_program(std::size_t pattern);

struct ScenePrograms {
    GLuint mesh = 0;
    GLuint pattern = 0;
    GLuint facet = 0;
    GLuint shadow = 0;
    GLuint colour = 0;
    GLuint textured = 0;
};

struct OverworldPrograms {
    GLuint mesh = 0;
    GLuint pattern = 0;
    // The same for one pattern each, where the dialect draws patterns
    // (not under GLES 2; zeros there).
    std::array<GLuint, kPatternCount> pattern_for{};
    GLuint shadow = 0;
    GLuint colour = 0;
    GLuint point = 0;
};

struct UiPrograms {
    GLuint textured = 0; // icons
    GLuint glyph = 0;    // text from the glyph cache
    GLuint flat = 0;     // panels
};

ScenePrograms build_scene_programs();
// The map's own programs, with the mesh, pattern, shadow and colour programs
// taken from the board's set.
OverworldPrograms build_overworld_programs(const ScenePrograms& shared);
UiPrograms build_ui_programs();

} // namespace coilwend
