// Shader compilation, linking, uniforms, the shadow map and the fixed state,
// against the recording GL fake; fatal paths as death tests.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/gl_context_info.hpp"
#include "graphics/shader_build.hpp"
#include "storage/utf8_lossy.hpp"
#include "support/dialect_guard.hpp"
#include "support/graphics_fake_gl.hpp"
#include "support/stdout_to_stderr.hpp"

namespace coilwend {
namespace {

using coilwend::testing::stdout_to_stderr;
using fake_gl::Call;
using fake_gl::Recorder;

using coilwend::testing::DialectGuard;

class SystemFramebufferGuard {
  public:
    explicit SystemFramebufferGuard(std::uint32_t name) { set_system_framebuffer(name); }
    ~SystemFramebufferGuard() { set_system_framebuffer(system_framebuffer_unset); }
};

TEST(ShaderPrefix, GivenEachDialectAndKind_ThenTheExactPrefixIsUsed) {
    EXPECT_EQ(shader_prefix(ShaderDialect::Desktop, ShaderKind::Fragment),
              "#version 140\nout vec4 outcolor;\n#define gl_FragColor outcolor\n#line 1\n");
    EXPECT_EQ(shader_prefix(ShaderDialect::Desktop, ShaderKind::Vertex), "#version 140\n#line 1\n");
    EXPECT_EQ(shader_prefix(ShaderDialect::Gles2, ShaderKind::Vertex),
              "#version 100\n#define GLES2\n#define in attribute\n#define out varying\n#line 1\n");
    EXPECT_EQ(shader_prefix(ShaderDialect::Gles3, ShaderKind::Vertex),
              "#version 100\n#define in attribute\n#define out varying\n#line 1\n");
}

TEST(ShaderPrefix, GivenGlesFragments_ThenTheyReadAsGlslEs100WithPrecisionAndTexture) {
    const std::string gles2(shader_prefix(ShaderDialect::Gles2, ShaderKind::Fragment));
    const std::string gles3(shader_prefix(ShaderDialect::Gles3, ShaderKind::Fragment));
    for (const std::string& prefix : {gles2, gles3}) {
        EXPECT_EQ(prefix.rfind("#version 100\n", 0), 0u) << prefix;
        EXPECT_NE(prefix.find("precision mediump float;"), std::string::npos) << prefix;
        EXPECT_NE(prefix.find("#define in varying\n"), std::string::npos) << prefix;
        EXPECT_NE(prefix.find("#define texture texture2D\n"), std::string::npos) << prefix;
        EXPECT_EQ(prefix.find("gl_FragColor"), std::string::npos) << "left as the built-in";
        EXPECT_EQ(prefix.find("GAMMA"), std::string::npos);
        EXPECT_EQ(prefix.find("ANDROID"), std::string::npos);
        const std::string tail = "#line 1\n";
        EXPECT_EQ(prefix.substr(prefix.size() - tail.size()), tail);
    }
    EXPECT_NE(gles2.find("#define GLES2\n"), std::string::npos);
    EXPECT_EQ(gles3.find("GLES2"), std::string::npos);
}

TEST(CompileShader, GivenASource_WhenCompiled_ThenTheDriverGetsPrefixPlusSource) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    Recorder gl_calls;
    const GLuint shader = compile_shader("void main() {}\n", ShaderKind::Vertex);

    EXPECT_EQ(gl_calls.named("CreateShader").at(0).args[0], GL_VERTEX_SHADER);
    const Call source = gl_calls.named("ShaderSource").at(0);
    EXPECT_EQ(source.args[0], shader);
    EXPECT_EQ(source.args[1], 1);
    EXPECT_EQ(source.args[3], 0) << "zero-terminated, so no lengths";
    EXPECT_EQ(source.text, "#version 140\n#line 1\nvoid main() {}\n");
    EXPECT_EQ(gl_calls.count("CompileShader"), 1u);
    EXPECT_EQ(gl_calls.count("DeleteShader"), 0u);
}

TEST(CompileShader, GivenACompileError_ThenTheSourceIsLoggedAndTheInfoLogEndsTheProgram) {
    const DialectGuard gles2(ShaderDialect::Gles2);
    EXPECT_EXIT(stdout_to_stderr([] {
                    Recorder gl_calls;
                    gl_calls.script.compile_status = GL_FALSE;
                    gl_calls.script.info_log = "0:3(7): error: bad token";
                    compile_shader("float broken = ;\n", ShaderKind::Fragment);
                }),
                ::testing::ExitedWithCode(101),
                "#define GLES2(.|\n)*float broken = ;(.|\n)*Panic at .* - 0:3\\(7\\): error: bad "
                "token");
}

TEST(CompileShader, GivenASourceWithANulByte_ThenItIsAnInternalError) {
    EXPECT_EXIT(stdout_to_stderr([] {
                    Recorder gl_calls;
                    compile_shader(std::string_view("void\0main", 9), ShaderKind::Vertex);
                }),
                ::testing::ExitedWithCode(101), "internal error");
}

TEST(LinkProgram, GivenABindingTable_ThenLocationsAreBoundInOrderBeforeLinking) {
    Recorder gl_calls;
    const GLuint program = link_program(11, 12, bindings_3d);

    EXPECT_EQ(gl_calls.names(),
              (std::vector<std::string>{"CreateProgram", "AttachShader", "AttachShader",
                                        "BindAttribLocation", "BindAttribLocation",
                                        "BindAttribLocation", "LinkProgram", "GetProgramiv"}));
    EXPECT_EQ(gl_calls.calls[1].args, (std::vector<double>{double(program), 11}));
    EXPECT_EQ(gl_calls.calls[2].args, (std::vector<double>{double(program), 12}));
    const auto binds = gl_calls.named("BindAttribLocation");
    EXPECT_EQ(binds[0].args[1], 0);
    EXPECT_EQ(binds[0].text, "position");
    EXPECT_EQ(binds[1].args[1], 1);
    EXPECT_EQ(binds[1].text, "normal");
    EXPECT_EQ(binds[2].args[1], 2);
    EXPECT_EQ(binds[2].text, "color1");
}

TEST(LinkProgram, GivenTheUiTableOrNone_ThenOnlyThoseBindingsAreMade) {
    Recorder gl_calls;
    link_program(1, 2, bindings_2d);
    const auto binds = gl_calls.named("BindAttribLocation");
    ASSERT_EQ(binds.size(), 2u);
    EXPECT_EQ(binds[0].text, "position");
    EXPECT_EQ(binds[1].text, "uv");
    EXPECT_EQ(binds[1].args[1], 1);

    gl_calls.calls.clear();
    link_program(1, 2);
    EXPECT_EQ(gl_calls.count("BindAttribLocation"), 0u);
}

TEST(LinkProgram, GivenALinkError_ThenTheInfoLogEndsTheProgram) {
    EXPECT_EXIT(stdout_to_stderr([] {
                    Recorder gl_calls;
                    gl_calls.script.link_status = GL_FALSE;
                    gl_calls.script.info_log = "error: fcolor not written by vertex shader";
                    link_program(1, 2);
                }),
                ::testing::ExitedWithCode(101), "Panic at .* - error: fcolor not written");
}

TEST(UniformLocation, GivenAKnownUniform_ThenItsLocationIsReturned) {
    Recorder gl_calls;
    gl_calls.script.uniform_locations["proj"] = 3;
    EXPECT_EQ(uniform_location(5, "proj"), 3);
    EXPECT_EQ(gl_calls.named("GetUniformLocation").at(0).args[0], 5);
}

TEST(UniformLocation, GivenAMissingUniform_ThenTheProgramStopsNamingIt) {
    EXPECT_EXIT(stdout_to_stderr([] {
                    Recorder gl_calls;
                    uniform_location(5, "light_proj");
                }),
                ::testing::ExitedWithCode(101),
                "Tried to get a non-existant uniform location: light_proj");
}

TEST(ShadowMap, GivenGles2_ThenNothingIsCreatedAndBothNamesAreZero) {
    const DialectGuard gles2(ShaderDialect::Gles2);
    Recorder gl_calls;
    const ShadowMap map = create_shadow_map();
    EXPECT_EQ(map.framebuffer, 0u);
    EXPECT_EQ(map.depth_texture, 0u);
    EXPECT_TRUE(gl_calls.calls.empty());
}

TEST(ShadowMap, GivenDesktop_ThenADepthTextureIsAttachedAndTheSystemFramebufferRebound) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    const SystemFramebufferGuard system(42);
    Recorder gl_calls;
    const ShadowMap map = create_shadow_map();
    EXPECT_NE(map.framebuffer, 0u);
    EXPECT_NE(map.depth_texture, 0u);

    const Call image = gl_calls.named("TexImage2D").at(0);
    EXPECT_EQ(image.args, (std::vector<double>{GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT16, 2048, 2048,
                                               0, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, 0}));
    const Call attach = gl_calls.named("FramebufferTexture2D").at(0);
    EXPECT_EQ(attach.args, (std::vector<double>{GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D,
                                                double(map.depth_texture), 0}));
    EXPECT_EQ(gl_calls.named("DrawBuffer").at(0).args[0], GL_NONE);
    EXPECT_EQ(gl_calls.named("ReadBuffer").at(0).args[0], GL_NONE);
    std::vector<std::pair<double, double>> parameters;
    for (const Call& call : gl_calls.named("TexParameteri"))
        parameters.emplace_back(call.args[1], call.args[2]);
    EXPECT_EQ(parameters,
              (std::vector<std::pair<double, double>>{{GL_TEXTURE_MAG_FILTER, GL_NEAREST},
                                                      {GL_TEXTURE_MIN_FILTER, GL_NEAREST},
                                                      {GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE},
                                                      {GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE}}));

    const auto binds = gl_calls.named("BindFramebuffer");
    ASSERT_EQ(binds.size(), 2u);
    EXPECT_EQ(binds[0].args[1], map.framebuffer);
    EXPECT_EQ(binds[1].args[1], 42) << "back to the window's framebuffer, which need not be 0";
    EXPECT_EQ(gl_calls.named("BindTexture").back().args[1], 0);
}

TEST(ShadowMap, GivenAGlesLoaderWithoutDesktopOnlyEntries_ThenSetupSkipsThemInsteadOfCrashing) {
    const DialectGuard gles3(ShaderDialect::Gles3);
    const SystemFramebufferGuard system(0);
    Recorder gl_calls;
    gl.DrawBuffer = nullptr;
    gl.DepthRange = nullptr;
    const ShadowMap map = create_shadow_map();
    apply_fixed_gl_state();
    EXPECT_NE(map.framebuffer, 0u);
    EXPECT_EQ(gl_calls.count("ReadBuffer"), 1u);
    EXPECT_EQ(gl_calls.count("DepthFunc"), 1u);
}

TEST(ShadowMap, GivenAnIncompleteFramebuffer_ThenTheStatusIsReportedInLowerCaseHex) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    EXPECT_EXIT(stdout_to_stderr([] {
                    const SystemFramebufferGuard system(0);
                    Recorder gl_calls;
                    gl_calls.script.framebuffer_status = GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT;
                    create_shadow_map();
                }),
                ::testing::ExitedWithCode(101), "Framebuffer incomplete: 8cd6\n");
}

TEST(ShadowMap, GivenTheSystemFramebufferWasNeverRead_ThenTheProgramStops) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    EXPECT_EXIT(stdout_to_stderr([] {
                    Recorder gl_calls;
                    create_shadow_map();
                }),
                ::testing::ExitedWithCode(101), "Tried to get system fbo before it was set");
}

TEST(FixedState, GivenStartUp_ThenTheStateIsAppliedInOrderAndTheWindowFramebufferRead) {
    Recorder gl_calls;
    gl_calls.script.framebuffer_binding = 7;
    apply_fixed_gl_state();
    read_system_framebuffer();

    std::vector<std::string> sequence;
    for (const Call& call : gl_calls.calls) {
        std::string entry = call.name;
        for (const double arg : call.args)
            entry += " " + std::to_string(static_cast<long long>(arg));
        sequence.push_back(entry);
    }
    const auto n = [](GLenum value) { return std::to_string(value); };
    EXPECT_EQ(sequence, (std::vector<std::string>{
                            "Enable " + n(GL_FRAMEBUFFER_SRGB),
                            "Enable " + n(GL_DEPTH_TEST),
                            "DepthMask 1",
                            "DepthFunc " + n(GL_LEQUAL),
                            "DepthRange 0 1",
                            "Enable " + n(GL_CULL_FACE),
                            "FrontFace " + n(GL_CCW),
                            "CullFace " + n(GL_BACK),
                            "Enable " + n(GL_BLEND),
                            "BlendEquation " + n(GL_FUNC_ADD),
                            "BlendFunc " + n(GL_SRC_ALPHA) + " " + n(GL_ONE_MINUS_SRC_ALPHA),
                            sequence.back(),
                        }));
    EXPECT_EQ(gl_calls.calls.back().name, "GetIntegerv");
    EXPECT_EQ(gl_calls.calls.back().args[0], GL_FRAMEBUFFER_BINDING);
    EXPECT_EQ(system_framebuffer(), 7u);
    set_system_framebuffer(system_framebuffer_unset);
}

TEST(ContextInfo, GivenNoDrawableSize_ThenAskingForItStops) {
    EXPECT_EXIT(stdout_to_stderr([] {
                    set_drawable_size(0, 600);
                    drawable_size();
                }),
                ::testing::ExitedWithCode(101), "Need to set resolution");
}

TEST(ContextInfo, GivenADrawableSize_ThenItIsReturnedUntilResized) {
    set_drawable_size(800, 600);
    EXPECT_EQ(drawable_size().width, 800u);
    EXPECT_EQ(drawable_size().height, 600u);
    set_drawable_size(1024, 768);
    EXPECT_EQ(drawable_size().width, 1024u);
    set_drawable_size(0, 0);
}

TEST(Utf8Lossy, GivenDriverLogBytes_ThenValidTextIsKeptAndInvalidBytesReplaced) {
    EXPECT_EQ(utf8_lossy("0:1(2): error"), "0:1(2): error");
    EXPECT_EQ(utf8_lossy("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"),
              "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
    EXPECT_EQ(utf8_lossy("a\xFF"
                         "b"),
              "a\xEF\xBF\xBD"
              "b");
    // Truncated sequence at the end, overlong encoding, encoded surrogate.
    EXPECT_EQ(utf8_lossy("x\xE2\x82"), "x\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(utf8_lossy("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(utf8_lossy("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

} // namespace
} // namespace coilwend
