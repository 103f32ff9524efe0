#include "graphics/programs.hpp"

#include <string>

#include "graphics/shader_build.hpp"

namespace coilwend {

GLuint build_program(ProgramId id) {
    const ProgramSource source = program_source(id);
    const GLuint vertex = compile_shader(source.vertex, ShaderKind::Vertex);
    GLuint fragment = 0;
    if (source.noise == NoiseFunctions::Appended) {
        std::string text(source.fragment);
        text += noise_source();
        fragment = compile_shader(text, ShaderKind::Fragment);
    } else {
        fragment = compile_shader(source.fragment, ShaderKind::Fragment);
    }
    return link_program(vertex, fragment, source.bindings);
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

OverworldPrograms build_overworld_programs() {
    OverworldPrograms programs;
    programs.mesh = build_program(ProgramId::Mesh);
    programs.pattern = build_program(ProgramId::Pattern);
    programs.shadow = build_program(ProgramId::Shadow);
    programs.colour = build_program(ProgramId::Colour);
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
