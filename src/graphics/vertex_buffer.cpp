#include "graphics/vertex_buffer.hpp"

#include <cstdint>

namespace coilwend::vertex_buffer_detail {

Names create_arrays(GLuint program, std::span<const VertexAttribute> attributes, GLsizei stride) {
    Names names;
    gl.GenVertexArrays(1, &names.vao);
    gl.GenBuffers(1, &names.vbo);
    gl.BindVertexArray(names.vao);
    gl.BindBuffer(GL_ARRAY_BUFFER, names.vbo);
    for (const VertexAttribute& attribute : attributes) {
        const GLint location = gl.GetAttribLocation(program, attribute.name);
        // The compiler drops inputs a shader never reads; that is not an error.
        if (location == -1)
            continue;
        const auto index = static_cast<GLuint>(location);
        gl.EnableVertexAttribArray(index);
        gl.VertexAttribPointer(index, attribute.components, attribute.type, attribute.normalized,
                               stride,
                               reinterpret_cast<const void*>(std::uintptr_t{attribute.offset}));
    }
    gl.BindBuffer(GL_ARRAY_BUFFER, 0);
    gl.BindVertexArray(0);
    return names;
}

void upload_bytes(GLuint vbo, GLenum usage, std::optional<std::size_t> previous_count,
                  std::size_t count, std::size_t stride, const void* data) {
    const auto bytes = static_cast<GLsizeiptr>(count * stride);
    gl.BindBuffer(GL_ARRAY_BUFFER, vbo);
    if (previous_count && *previous_count >= count)
        gl.BufferSubData(GL_ARRAY_BUFFER, 0, bytes, data);
    else
        gl.BufferData(GL_ARRAY_BUFFER, bytes, data, usage);
    gl.BindBuffer(GL_ARRAY_BUFFER, 0);
}

void draw_triangles(GLuint vao, std::optional<std::size_t> count) {
    if (!count || *count == 0)
        return;
    gl.BindVertexArray(vao);
    gl.DrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(*count));
    gl.BindVertexArray(0);
}

void draw_runs(GLuint vao, std::span<const VertexRun> runs) {
    if (runs.empty())
        return;
    gl.BindVertexArray(vao);
    for (const VertexRun& run : runs)
        gl.DrawArrays(GL_TRIANGLES, static_cast<GLint>(run.first), static_cast<GLsizei>(run.count));
    gl.BindVertexArray(0);
}

void delete_arrays(Names names) {
    gl.DeleteVertexArrays(1, &names.vao);
    gl.DeleteBuffers(1, &names.vbo);
}

} // namespace coilwend::vertex_buffer_detail
