#include "graphics/programs.hpp"

#include <string>
#include <string_view>

#include "graphics/gl_context_info.hpp"
#include "graphics/shader_build.hpp"

namespace coilwend {

namespace {

// `defines` go in front of the fragment source.
GLuint build_program(ProgramId id, std::string_view defines) {
    const ProgramSource source = program_source(id);
    const GLuint vertex = compile_shader(source.vertex, ShaderKind::Vertex);
    std::string text(defines);
    text += source.fragment;
    if (source.noise == NoiseFunctions::Appended)
        text += noise_source();
    return link_program(vertex, compile_shader(text, ShaderKind::Fragment), source.bindings);
}

} // namespace

GLuint build_program(ProgramId id) {
    return build_program(id, {});
}

GLuint build_pattern_program(std::size_t pattern) {
    return build_program(ProgramId::Pattern, "#define PATTERN " + std::to_string(pattern) + "\n");
}

ScenePrograms build_scene_programs() {
    ScenePrograms programs;
    programs.mesh = build_program(ProgramId::Mesh);
    programs.pattern = build_program(ProgramId::Pattern);
    programs.facet = build_program(ProgramId::Facet);
    programs.shadow = build_program(ProgramId::Shadow);
    programs.colour = build_program(ProgramId::Colour);
    programs.textured = build_program(ProgramId::Textured);
    return programs;
}

OverworldPrograms build_overworld_programs(const ScenePrograms& shared) {
    OverworldPrograms programs;
    programs.mesh = shared.mesh;
    programs.pattern = shared.pattern;
    if (shader_dialect() != ShaderDialect::Gles2)
        for (std::size_t pattern = 0; pattern < kPatternCount; ++pattern)
            programs.pattern_for[pattern] = build_pattern_program(pattern);
    programs.shadow = shared.shadow;
    programs.colour = shared.colour;
    programs.point = build_program(ProgramId::Point);
    return programs;
}

UiPrograms build_ui_programs() {
    UiPrograms programs;
    programs.textured = build_program(ProgramId::UiTextured);
    programs.glyph = build_program(ProgramId::UiGlyph);
    programs.flat = build_program(ProgramId::UiFlat);
    return programs;
}

} // namespace coilwend
