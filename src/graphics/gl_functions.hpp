#pragma once
// Our own table of OpenGL entry points, filled at start-up through the
// platform's loader (SDL_GL_GetProcAddress). Calls go through `gl.Name(...)`;
// tests may point entries at fakes that record calls.

#include <GL/glcorearb.h>

namespace coilwend {

// X-macro list: GL_FUNCTION(return type, name without the "gl" prefix, parameter list)
#define COILWEND_GL_FUNCTIONS(GL_FUNCTION)                                                          \
    GL_FUNCTION(void, ActiveTexture, (GLenum texture))                                              \
    GL_FUNCTION(void, AttachShader, (GLuint program, GLuint shader))                                \
    GL_FUNCTION(void, BindAttribLocation, (GLuint program, GLuint index, const GLchar* name))       \
    GL_FUNCTION(void, BindBuffer, (GLenum target, GLuint buffer))                                   \
    GL_FUNCTION(void, BindFramebuffer, (GLenum target, GLuint framebuffer))                         \
    GL_FUNCTION(void, BindRenderbuffer, (GLenum target, GLuint renderbuffer))                       \
    GL_FUNCTION(void, BindTexture, (GLenum target, GLuint texture))                                 \
    GL_FUNCTION(void, BindVertexArray, (GLuint array))                                              \
    GL_FUNCTION(void, BlendEquation, (GLenum mode))                                                 \
    GL_FUNCTION(void, BlendFunc, (GLenum sfactor, GLenum dfactor))                                  \
    GL_FUNCTION(void, BlitFramebuffer,                                                              \
                (GLint srcX0, GLint srcY0, GLint srcX1, GLint srcY1, GLint dstX0, GLint dstY0,      \
                 GLint dstX1, GLint dstY1, GLbitfield mask, GLenum filter))                         \
    GL_FUNCTION(void, BufferData, (GLenum target, GLsizeiptr size, const void* data, GLenum usage)) \
    GL_FUNCTION(void, BufferSubData,                                                                \
                (GLenum target, GLintptr offset, GLsizeiptr size, const void* data))                \
    GL_FUNCTION(GLenum, CheckFramebufferStatus, (GLenum target))                                    \
    GL_FUNCTION(void, Clear, (GLbitfield mask))                                                     \
    GL_FUNCTION(void, ClearColor, (GLfloat r, GLfloat g, GLfloat b, GLfloat a))                     \
    GL_FUNCTION(void, ClearDepth, (GLdouble depth))                                                 \
    GL_FUNCTION(void, CompileShader, (GLuint shader))                                               \
    GL_FUNCTION(GLuint, CreateProgram, (void))                                                      \
    GL_FUNCTION(GLuint, CreateShader, (GLenum type))                                                \
    GL_FUNCTION(void, CullFace, (GLenum mode))                                                      \
    GL_FUNCTION(void, DeleteBuffers, (GLsizei n, const GLuint* buffers))                            \
    GL_FUNCTION(void, DeleteFramebuffers, (GLsizei n, const GLuint* framebuffers))                  \
    GL_FUNCTION(void, DeleteRenderbuffers, (GLsizei n, const GLuint* renderbuffers))                \
    GL_FUNCTION(void, DeleteTextures, (GLsizei n, const GLuint* textures))                          \
    GL_FUNCTION(void, DeleteVertexArrays, (GLsizei n, const GLuint* arrays))                        \
    GL_FUNCTION(void, DepthFunc, (GLenum func))                                                     \
    GL_FUNCTION(void, DepthMask, (GLboolean flag))                                                  \
    GL_FUNCTION(void, DepthRange, (GLdouble n, GLdouble f))                                         \
    GL_FUNCTION(void, Disable, (GLenum cap))                                                        \
    GL_FUNCTION(void, DrawArrays, (GLenum mode, GLint first, GLsizei count))                        \
    GL_FUNCTION(void, DrawBuffer, (GLenum buf))                                                     \
    GL_FUNCTION(void, Enable, (GLenum cap))                                                         \
    GL_FUNCTION(void, EnableVertexAttribArray, (GLuint index))                                      \
    GL_FUNCTION(void, Finish, (void))                                                               \
    GL_FUNCTION(void, FramebufferParameteri, (GLenum target, GLenum pname, GLint param))            \
    GL_FUNCTION(void, FramebufferRenderbuffer,                                                      \
                (GLenum target, GLenum attachment, GLenum renderbuffertarget,                       \
                 GLuint renderbuffer))                                                              \
    GL_FUNCTION(void, FramebufferTexture2D,                                                         \
                (GLenum target, GLenum attachment, GLenum textarget, GLuint texture, GLint level))  \
    GL_FUNCTION(void, FrontFace, (GLenum mode))                                                     \
    GL_FUNCTION(void, GenBuffers, (GLsizei n, GLuint * buffers))                                    \
    GL_FUNCTION(void, GenFramebuffers, (GLsizei n, GLuint * framebuffers))                          \
    GL_FUNCTION(void, GenRenderbuffers, (GLsizei n, GLuint * renderbuffers))                        \
    GL_FUNCTION(void, GenTextures, (GLsizei n, GLuint * textures))                                  \
    GL_FUNCTION(void, GenVertexArrays, (GLsizei n, GLuint * arrays))                                \
    GL_FUNCTION(void, GenerateMipmap, (GLenum target))                                              \
    GL_FUNCTION(GLint, GetAttribLocation, (GLuint program, const GLchar* name))                     \
    GL_FUNCTION(GLenum, GetError, (void))                                                           \
    GL_FUNCTION(void, GetFramebufferAttachmentParameteriv,                                          \
                (GLenum target, GLenum attachment, GLenum pname, GLint * params))                   \
    GL_FUNCTION(void, GetIntegerv, (GLenum pname, GLint * data))                                    \
    GL_FUNCTION(void, GetProgramInfoLog,                                                            \
                (GLuint program, GLsizei bufSize, GLsizei * length, GLchar * infoLog))              \
    GL_FUNCTION(void, GetProgramiv, (GLuint program, GLenum pname, GLint * params))                 \
    GL_FUNCTION(void, GetShaderInfoLog,                                                             \
                (GLuint shader, GLsizei bufSize, GLsizei * length, GLchar * infoLog))               \
    GL_FUNCTION(void, GetShaderiv, (GLuint shader, GLenum pname, GLint * params))                   \
    GL_FUNCTION(const GLubyte*, GetString, (GLenum name))                                           \
    GL_FUNCTION(const GLubyte*, GetStringi, (GLenum name, GLuint index))                            \
    GL_FUNCTION(GLint, GetUniformLocation, (GLuint program, const GLchar* name))                    \
    GL_FUNCTION(void, LinkProgram, (GLuint program))                                                \
    GL_FUNCTION(void, PixelStorei, (GLenum pname, GLint param))                                     \
    GL_FUNCTION(void, RenderbufferStorageMultisample,                                               \
                (GLenum target, GLsizei samples, GLenum internalformat, GLsizei width,              \
                 GLsizei height))                                                                   \
    GL_FUNCTION(void, ReadBuffer, (GLenum src))                                                     \
    GL_FUNCTION(void, ReadPixels,                                                                   \
                (GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,        \
                 void* pixels))                                                                     \
    GL_FUNCTION(void, Scissor, (GLint x, GLint y, GLsizei width, GLsizei height))                   \
    GL_FUNCTION(void, ShaderSource,                                                                 \
                (GLuint shader, GLsizei count, const GLchar* const* string, const GLint* length))   \
    GL_FUNCTION(void, TexImage2D,                                                                   \
                (GLenum target, GLint level, GLint internalformat, GLsizei width, GLsizei height,   \
                 GLint border, GLenum format, GLenum type, const void* pixels))                     \
    GL_FUNCTION(void, TexParameteri, (GLenum target, GLenum pname, GLint param))                    \
    GL_FUNCTION(void, TexSubImage2D,                                                                \
                (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLsizei width,           \
                 GLsizei height, GLenum format, GLenum type, const void* pixels))                   \
    GL_FUNCTION(void, Uniform1f, (GLint location, GLfloat v0))                                      \
    GL_FUNCTION(void, Uniform1i, (GLint location, GLint v0))                                        \
    GL_FUNCTION(void, Uniform3f, (GLint location, GLfloat v0, GLfloat v1, GLfloat v2))              \
    GL_FUNCTION(void, Uniform4f, (GLint location, GLfloat v0, GLfloat v1, GLfloat v2, GLfloat v3))  \
    GL_FUNCTION(void, UniformMatrix4fv,                                                             \
                (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value))         \
    GL_FUNCTION(void, UseProgram, (GLuint program))                                                 \
    GL_FUNCTION(void, VertexAttribPointer,                                                          \
                (GLuint index, GLint size, GLenum type, GLboolean normalized, GLsizei stride,       \
                 const void* pointer))                                                              \
    GL_FUNCTION(void, Viewport, (GLint x, GLint y, GLsizei width, GLsizei height))

struct GlFunctions {
#define COILWEND_GL_MEMBER(ret, name, params) ret(APIENTRYP name) params = nullptr;
    COILWEND_GL_FUNCTIONS(COILWEND_GL_MEMBER)
#undef COILWEND_GL_MEMBER
};

// The process-wide table; empty until load_gl_functions runs.
extern GlFunctions gl;

// Entries the game does without when the driver lacks them.
inline constexpr const char* kOptionalGlFunctions[] = {"glFramebufferParameteri"};

// Resolves every entry with the given loader. Entries the driver lacks stay
// null; the names of the missing ones are returned comma-separated (empty when
// all were found) so the caller can decide whether that is fatal.
using GlProcLoader = void* (*)(const char* name);
const char* load_gl_functions(GlProcLoader loader);

} // namespace coilwend
