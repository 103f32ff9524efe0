// Building the program sets against the recording GL fake.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "graphics/gl_context_info.hpp"
#include "graphics/programs.hpp"
#include "support/graphics_fake_gl.hpp"

namespace coilwend {
namespace {

using fake_gl::Recorder;

TEST(Programs, GivenTheNoisyPatternProgram_WhenBuilt_ThenNoiseFollowsTheFragmentSource) {
    set_shader_dialect(ShaderDialect::Gles3);
    Recorder gl_calls;
    const GLuint program = build_program(ProgramId::Pattern);

    const auto sources = gl_calls.named("ShaderSource");
    ASSERT_EQ(sources.size(), 2u);
    const std::string& vertex = sources[0].text;
    const std::string& fragment = sources[1].text;
    EXPECT_EQ(vertex.rfind(std::string(shader_prefix(ShaderDialect::Gles3, ShaderKind::Vertex)), 0),
              0u);
    const std::string fragment_body =
        std::string(program_source(ProgramId::Pattern).fragment) + std::string(noise_source());
    EXPECT_EQ(fragment, std::string(shader_prefix(ShaderDialect::Gles3, ShaderKind::Fragment)) +
                            fragment_body);

    const auto attached = gl_calls.named("AttachShader");
    ASSERT_EQ(attached.size(), 2u);
    EXPECT_EQ(attached[0].args[0], program);
    EXPECT_EQ(attached[0].args[1], sources[0].args[0]) << "vertex first";
    EXPECT_EQ(attached[1].args[1], sources[1].args[0]);
    EXPECT_EQ(gl_calls.count("BindAttribLocation"), 3u);
    set_shader_dialect(ShaderDialect::Desktop);
}

TEST(Programs, GivenAQuietProgram_WhenBuilt_ThenItsFragmentSourceIsUsedAlone) {
    set_shader_dialect(ShaderDialect::Desktop);
    Recorder gl_calls;
    build_program(ProgramId::Colour);
    const auto sources = gl_calls.named("ShaderSource");
    ASSERT_EQ(sources.size(), 2u);
    EXPECT_EQ(sources[1].text,
              std::string(shader_prefix(ShaderDialect::Desktop, ShaderKind::Fragment)) +
                  std::string(program_source(ProgramId::Colour).fragment));
    EXPECT_EQ(gl_calls.count("BindAttribLocation"), 0u);
}

TEST(Programs, GivenAPatternProgram_WhenBuilt_ThenItsPatternIsDefinedBeforeTheSource) {
    set_shader_dialect(ShaderDialect::Desktop);
    Recorder gl_calls;
    build_pattern_program(3);
    const auto sources = gl_calls.named("ShaderSource");
    ASSERT_EQ(sources.size(), 2u);
    const std::string prefix(shader_prefix(ShaderDialect::Desktop, ShaderKind::Fragment));
    EXPECT_EQ(sources[1].text.substr(0, prefix.size() + 18), prefix + "#define PATTERN 3\n");
    EXPECT_NE(sources[1].text.find("float p = float(PATTERN);"), std::string::npos);
}

TEST(Programs, GivenTheThreeSets_WhenBuilt_ThenEachMemberIsItsOwnLinkedProgram) {
    set_shader_dialect(ShaderDialect::Desktop);
    Recorder gl_calls;
    const ScenePrograms scene = build_scene_programs();
    const OverworldPrograms overworld = build_overworld_programs(scene);
    const UiPrograms ui = build_ui_programs();

    // The map shares the board's mesh, pattern, shadow and colour programs.
    EXPECT_EQ(gl_calls.count("LinkProgram"), 6u + 1u + kPatternCount + 3u);
    EXPECT_EQ(overworld.mesh, scene.mesh);
    EXPECT_EQ(overworld.pattern, scene.pattern);
    EXPECT_EQ(overworld.shadow, scene.shadow);
    EXPECT_EQ(overworld.colour, scene.colour);
    std::set<GLuint> names{scene.mesh,     scene.pattern,   scene.facet, scene.shadow, scene.colour,
                           scene.textured, overworld.point, ui.textured, ui.glyph,     ui.flat};
    names.insert(overworld.pattern_for.begin(), overworld.pattern_for.end());
    EXPECT_EQ(names.size(), 10u + kPatternCount);
    EXPECT_FALSE(names.contains(0u));
}

} // namespace
} // namespace coilwend
