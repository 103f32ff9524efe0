// Vertex buffers against the recording GL fake: attribute setup per format
// and dialect, the upload rule that reuses storage, and what draw issues.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/gl_context_info.hpp"
#include "graphics/vertex_buffer.hpp"
#include "support/dialect_guard.hpp"
#include "support/graphics_fake_gl.hpp"

namespace coilwend {
namespace {

using fake_gl::Call;
using fake_gl::Recorder;

// One enabled attribute as the fake saw it, by location.
struct Pointer {
    GLuint location;
    GLint components;
    GLenum type;
    bool normalized;
    GLsizei stride;
    std::uintptr_t offset;
    friend bool operator==(const Pointer&, const Pointer&) = default;
};

std::vector<Pointer> pointers(const Recorder& recorder) {
    std::vector<Pointer> result;
    for (const Call& call : recorder.named("VertexAttribPointer"))
        result.push_back({static_cast<GLuint>(call.args[0]), static_cast<GLint>(call.args[1]),
                          static_cast<GLenum>(call.args[2]), call.args[3] != 0,
                          static_cast<GLsizei>(call.args[4]),
                          static_cast<std::uintptr_t>(call.args[5])});
    return result;
}

// Every attribute name gets a location equal to its position in `names`.
void give_locations(Recorder& recorder, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        recorder.script.attrib_locations[names[i]] = static_cast<GLint>(i);
}

using coilwend::testing::DialectGuard;

std::vector<MeshVertex> mesh_vertices(std::size_t n) {
    return std::vector<MeshVertex>(n);
}

TEST(VertexBufferLayout, GivenEveryFormat_WhenCreated_ThenStridesOffsetsAndTypesMatchTheRecords) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    const GLenum f = GL_FLOAT, u8 = GL_UNSIGNED_BYTE;
    {
        Recorder gl_calls;
        give_locations(gl_calls, {"position", "normal", "color1"});
        VertexBuffer<MeshVertex>::create(7, GL_STATIC_DRAW);
        EXPECT_EQ(pointers(gl_calls), (std::vector<Pointer>{{0, 3, f, false, 28, 0},
                                                            {1, 3, f, false, 28, 12},
                                                            {2, 3, u8, true, 28, 24}}));
    }
    {
        Recorder gl_calls;
        give_locations(gl_calls, {"position", "normal", "color1", "color2", "uv", "pattern"});
        VertexBuffer<PatternVertex>::create(7);
        EXPECT_EQ(pointers(gl_calls), (std::vector<Pointer>{{0, 3, f, false, 44, 0},
                                                            {1, 3, f, false, 44, 12},
                                                            {2, 3, u8, true, 44, 24},
                                                            {3, 3, u8, true, 44, 28},
                                                            {4, 2, f, false, 44, 32},
                                                            {5, 1, GL_BYTE, false, 44, 40}}));
    }
    {
        Recorder gl_calls;
        give_locations(gl_calls, {"position", "normal", "color", "bary"});
        VertexBuffer<FacetVertex>::create(7);
        EXPECT_EQ(pointers(gl_calls), (std::vector<Pointer>{{0, 3, f, false, 32, 0},
                                                            {1, 3, f, false, 32, 12},
                                                            {2, 3, u8, true, 32, 24},
                                                            {3, 3, u8, true, 32, 27}}));
    }
    {
        Recorder gl_calls;
        give_locations(gl_calls, {"position", "color"});
        VertexBuffer<ColorVertex>::create(7);
        EXPECT_EQ(pointers(gl_calls),
                  (std::vector<Pointer>{{0, 3, f, false, 28, 0}, {1, 4, f, false, 28, 12}}));
    }
    {
        Recorder gl_calls;
        give_locations(gl_calls, {"position", "color", "uv"});
        VertexBuffer<TexturedVertex>::create(7);
        EXPECT_EQ(pointers(gl_calls), (std::vector<Pointer>{{0, 3, f, false, 36, 0},
                                                            {1, 4, f, false, 36, 12},
                                                            {2, 2, f, false, 36, 28}}));
    }
    {
        Recorder gl_calls;
        give_locations(gl_calls, {"position", "uv", "alpha", "color"});
        VertexBuffer<PointVertex>::create(7);
        EXPECT_EQ(pointers(gl_calls), (std::vector<Pointer>{{0, 2, f, false, 24, 0},
                                                            {1, 2, f, false, 24, 8},
                                                            {2, 1, f, false, 24, 16},
                                                            {3, 3, u8, true, 24, 20}}));
    }
}

TEST(VertexBufferLayout, GivenDefaultUsages_ThenEachFormatGetsItsHint) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    Recorder gl_calls;
    EXPECT_EQ(VertexBuffer<PatternVertex>::create(1).usage(), GLenum{GL_DYNAMIC_DRAW});
    EXPECT_EQ(VertexBuffer<ColorVertex>::create(1).usage(), GLenum{GL_STREAM_DRAW});
    EXPECT_EQ(VertexBuffer<FacetVertex>::create(1).usage(), GLenum{GL_STATIC_DRAW});
    EXPECT_EQ(VertexBuffer<TexturedVertex>::create(1).usage(), GLenum{GL_STREAM_DRAW});
    EXPECT_EQ(VertexBuffer<PointVertex>::create(1).usage(), GLenum{GL_STREAM_DRAW});
    EXPECT_EQ(VertexBuffer<MeshVertex>::create(1, GL_DYNAMIC_DRAW).usage(),
              GLenum{GL_DYNAMIC_DRAW});
}

TEST(VertexBufferLayout, GivenAProgramLackingAnInput_WhenCreated_ThenOnlyFoundOnesAreEnabled) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    Recorder gl_calls;
    // The compiler dropped "normal": it must be skipped, not pointed at -1.
    gl_calls.script.attrib_locations = {{"position", 4}, {"color1", 9}};
    const auto buffer = VertexBuffer<MeshVertex>::create(3, GL_STATIC_DRAW);

    const auto enabled = gl_calls.named("EnableVertexAttribArray");
    ASSERT_EQ(enabled.size(), 2u);
    EXPECT_EQ(enabled[0].args[0], 4);
    EXPECT_EQ(enabled[1].args[0], 9);
    EXPECT_EQ(gl_calls.count("GetAttribLocation"), 3u);
    for (const Call& lookup : gl_calls.named("GetAttribLocation"))
        EXPECT_EQ(lookup.args[0], 3) << "attributes are looked up on the given program";
    // Set up inside the vertex array, then both unbound.
    const auto names = gl_calls.names();
    EXPECT_EQ(names.front(), "GenVertexArrays");
    EXPECT_EQ(gl_calls.named("BindVertexArray").back().args[0], 0);
    EXPECT_EQ(gl_calls.named("BindBuffer").back().args[1], 0);
    EXPECT_FALSE(buffer.uploaded().has_value());
}

TEST(VertexBufferLayout, GivenGles2_WhenAPatternBufferIsCreated_ThenOnlyThreeAttributesAreUsed) {
    const DialectGuard gles2(ShaderDialect::Gles2);
    Recorder gl_calls;
    give_locations(gl_calls, {"position", "normal", "color1", "color2", "uv", "pattern"});
    VertexBuffer<PatternVertex>::create(5);

    std::vector<std::string> looked_up;
    for (const Call& call : gl_calls.named("GetAttribLocation"))
        looked_up.push_back(call.text);
    EXPECT_EQ(looked_up, (std::vector<std::string>{"position", "normal", "color1"}));
    EXPECT_EQ(gl_calls.count("EnableVertexAttribArray"), 3u);
    EXPECT_EQ(gl_calls.count("VertexAttribPointer"), 3u);
}

TEST(VertexBufferLayout, GivenGles2_WhenOtherFormatsAreCreated_ThenAllTheirAttributesAreUsed) {
    const DialectGuard gles2(ShaderDialect::Gles2);
    Recorder gl_calls;
    give_locations(gl_calls, {"position", "normal", "color", "bary"});
    VertexBuffer<FacetVertex>::create(5);
    EXPECT_EQ(gl_calls.count("VertexAttribPointer"), 4u);
}

TEST(VertexBufferUpload, GivenShrinkingThenGrowingUploads_ThenStorageIsReusedOnlyWhenItFits) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    Recorder gl_calls;
    auto buffer = VertexBuffer<MeshVertex>::create(1, GL_DYNAMIC_DRAW);
    const GLuint vbo = buffer.vbo();
    const auto big = mesh_vertices(100), small = mesh_vertices(40), middle = mesh_vertices(70);

    gl_calls.calls.clear();
    buffer.upload(big);
    ASSERT_EQ(gl_calls.count("BufferData"), 1u);
    const Call first = gl_calls.named("BufferData")[0];
    EXPECT_EQ(first.args[1], 100 * 28);
    EXPECT_EQ(first.args[3], GL_DYNAMIC_DRAW);
    EXPECT_EQ(gl_calls.named("BindBuffer")[0].args[1], vbo);
    EXPECT_EQ(gl_calls.named("BindBuffer")[1].args[1], 0) << "unbound after the upload";

    // Smaller: rewrite the front of the existing storage, and draw just the new count.
    gl_calls.calls.clear();
    buffer.upload(small);
    EXPECT_EQ(gl_calls.count("BufferData"), 0u);
    ASSERT_EQ(gl_calls.count("BufferSubData"), 1u);
    const Call sub = gl_calls.named("BufferSubData")[0];
    EXPECT_EQ(sub.args[1], 0);
    EXPECT_EQ(sub.args[2], 40 * 28);
    EXPECT_EQ(buffer.uploaded(), 40u);
    gl_calls.calls.clear();
    buffer.draw();
    ASSERT_EQ(gl_calls.count("DrawArrays"), 1u);
    EXPECT_EQ(gl_calls.named("DrawArrays")[0].args, (std::vector<double>{GL_TRIANGLES, 0, 40}));

    // Larger than the last upload, though smaller than the allocation: the
    // recorded count follows the last upload, so the storage is re-specified.
    gl_calls.calls.clear();
    buffer.upload(middle);
    EXPECT_EQ(gl_calls.count("BufferSubData"), 0u);
    ASSERT_EQ(gl_calls.count("BufferData"), 1u);
    EXPECT_EQ(gl_calls.named("BufferData")[0].args[1], 70 * 28);
    EXPECT_EQ(buffer.uploaded(), 70u);

    // Equal size counts as fitting.
    gl_calls.calls.clear();
    buffer.upload(middle);
    EXPECT_EQ(gl_calls.count("BufferSubData"), 1u);
}

TEST(VertexBufferDraw, GivenANeverUploadedOrEmptyBuffer_WhenDrawn_ThenNothingIsBoundOrDrawn) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    Recorder gl_calls;
    auto buffer = VertexBuffer<ColorVertex>::create(2);
    gl_calls.calls.clear();
    buffer.draw();
    EXPECT_TRUE(gl_calls.calls.empty());

    buffer.upload(std::vector<ColorVertex>(6));
    buffer.upload(std::vector<ColorVertex>{});
    EXPECT_EQ(buffer.uploaded(), 0u);
    gl_calls.calls.clear();
    buffer.draw();
    EXPECT_TRUE(gl_calls.calls.empty());
}

TEST(VertexBufferDraw, GivenUploadedVertices_WhenDrawn_ThenItsArrayIsBoundAroundOneDraw) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    Recorder gl_calls;
    auto buffer = VertexBuffer<ColorVertex>::create(2);
    buffer.upload(std::vector<ColorVertex>(9));
    gl_calls.calls.clear();
    buffer.draw();
    EXPECT_EQ(gl_calls.names(),
              (std::vector<std::string>{"BindVertexArray", "DrawArrays", "BindVertexArray"}));
    EXPECT_EQ(gl_calls.calls[0].args[0], buffer.vao());
    EXPECT_EQ(gl_calls.calls[1].args, (std::vector<double>{GL_TRIANGLES, 0, 9}));
    EXPECT_EQ(gl_calls.calls[2].args[0], 0);
}

TEST(VertexBufferOwnership, GivenAMovedBuffer_ThenOnlyTheNewOwnerHoldsTheNamesAndCount) {
    const DialectGuard desktop(ShaderDialect::Desktop);
    Recorder gl_calls;
    auto original = VertexBuffer<MeshVertex>::create(1, GL_STREAM_DRAW);
    original.upload(mesh_vertices(3));
    const GLuint vao = original.vao();

    VertexBuffer<MeshVertex> owner(std::move(original));
    EXPECT_EQ(owner.vao(), vao);
    EXPECT_EQ(owner.uploaded(), 3u);
    EXPECT_EQ(owner.usage(), GLenum{GL_STREAM_DRAW});
    EXPECT_EQ(original.vao(), 0u);
    EXPECT_FALSE(original.uploaded().has_value());
    gl_calls.calls.clear();
    original.draw();
    EXPECT_TRUE(gl_calls.calls.empty()) << "a moved-from buffer draws nothing";

    // Assigning over a buffer that holds GL objects releases them instead of leaking.
    auto replacement = VertexBuffer<MeshVertex>::create(1, GL_STATIC_DRAW);
    const GLuint replaced_vao = owner.vao();
    gl_calls.calls.clear();
    owner = std::move(replacement);
    ASSERT_EQ(gl_calls.count("DeleteVertexArrays"), 1u);
    EXPECT_EQ(gl_calls.count("DeleteBuffers"), 1u);
    EXPECT_NE(owner.vao(), replaced_vao);

    // Assigning into an empty buffer deletes nothing.
    VertexBuffer<MeshVertex> empty;
    gl_calls.calls.clear();
    empty = std::move(owner);
    EXPECT_TRUE(gl_calls.calls.empty());
}

} // namespace
} // namespace coilwend
