#pragma once
// One drawable batch: a vertex array and its buffer, set up for one vertex
// record type on one program. Geometry is rebuilt on the CPU, uploaded whole
// and drawn as independent triangles with one call.

#include <cstddef>
#include <optional>
#include <span>
#include <utility>

#include "graphics/batch_bounds.hpp"
#include "graphics/gl_context_info.hpp"
#include "graphics/gl_functions.hpp"
#include "graphics/vertex_layouts.hpp"

namespace coilwend {

namespace vertex_buffer_detail {

struct Names {
    GLuint vao = 0;
    GLuint vbo = 0;
};

// Generates and binds both names and points every attribute the program has
// (looked up by name; missing ones are skipped) into the buffer.
Names create_arrays(GLuint program, std::span<const VertexAttribute> attributes, GLsizei stride);

// Reuses the storage with sub-data when the last upload was at least as large,
// otherwise reallocates it.
void upload_bytes(GLuint vbo, GLenum usage, std::optional<std::size_t> previous_count,
                  std::size_t count, std::size_t stride, const void* data);

// One glDrawArrays of triangles; nothing at all when the count is absent or 0.
void draw_triangles(GLuint vao, std::optional<std::size_t> count);
void draw_runs(GLuint vao, std::span<const VertexRun> runs);

void delete_arrays(Names names);

} // namespace vertex_buffer_detail

// Lives for the process, so it does not delete its GL objects on destruction
// (the context may already be gone by then). It is move-only so two owners
// never share one buffer; moving over a buffer that holds objects deletes them.
template <class Vertex> class VertexBuffer {
  public:
    // An empty buffer owns no GL objects and draws nothing.
    VertexBuffer() = default;

    // Usage is the GL hint: GL_STATIC_DRAW, GL_DYNAMIC_DRAW or GL_STREAM_DRAW.
    static VertexBuffer create(GLuint program, GLenum usage = VertexLayout<Vertex>::default_usage) {
        VertexBuffer buffer;
        buffer.names_ = vertex_buffer_detail::create_arrays(
            program, enabled_attributes<Vertex>(shader_dialect()),
            static_cast<GLsizei>(sizeof(Vertex)));
        buffer.usage_ = usage;
        return buffer;
    }

    VertexBuffer(const VertexBuffer&) = delete;
    VertexBuffer& operator=(const VertexBuffer&) = delete;
    VertexBuffer(VertexBuffer&& other) noexcept { take(other); }
    VertexBuffer& operator=(VertexBuffer&& other) noexcept {
        if (this != &other) {
            if (names_.vao != 0 || names_.vbo != 0)
                vertex_buffer_detail::delete_arrays(names_);
            take(other);
        }
        return *this;
    }
    ~VertexBuffer() = default;

    void upload(std::span<const Vertex> vertices) {
        vertex_buffer_detail::upload_bytes(names_.vbo, usage_, uploaded_, vertices.size(),
                                           sizeof(Vertex), vertices.data());
        uploaded_ = vertices.size();
    }

    // The caller has made the program current.
    void draw() const { vertex_buffer_detail::draw_triangles(names_.vao, uploaded_); }
    // Only these runs of the uploaded vertices, in order.
    void draw_runs(std::span<const VertexRun> runs) const {
        vertex_buffer_detail::draw_runs(names_.vao, runs);
    }

    // Vertex count of the last upload; absent before the first.
    std::optional<std::size_t> uploaded() const { return uploaded_; }
    GLuint vao() const { return names_.vao; }
    GLuint vbo() const { return names_.vbo; }
    GLenum usage() const { return usage_; }

  private:
    void take(VertexBuffer& other) {
        names_ = std::exchange(other.names_, vertex_buffer_detail::Names{});
        usage_ = other.usage_;
        uploaded_ = std::exchange(other.uploaded_, std::nullopt);
    }

    vertex_buffer_detail::Names names_;
    GLenum usage_ = GL_STATIC_DRAW;
    std::optional<std::size_t> uploaded_;
};

} // namespace coilwend
