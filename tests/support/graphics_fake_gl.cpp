#include "support/graphics_fake_gl.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace coilwend::fake_gl {
namespace {

Recorder* active = nullptr;

// A string literal usable as a template argument, so every entry gets its own fake.
template <std::size_t N> struct EntryName {
    char text[N];
    constexpr EntryName(const char (&name)[N]) { std::copy_n(name, N, text); }
};

template <class T> void record_argument(Call& call, T value) {
    if constexpr (std::is_same_v<T, const GLchar*>) {
        if (value != nullptr)
            call.text = value;
        call.args.push_back(static_cast<double>(reinterpret_cast<std::uintptr_t>(value)));
    } else if constexpr (std::is_same_v<T, const GLchar* const*>) {
        if (value != nullptr && value[0] != nullptr)
            call.text = value[0];
        call.args.push_back(static_cast<double>(reinterpret_cast<std::uintptr_t>(value)));
    } else if constexpr (std::is_pointer_v<T>) {
        call.args.push_back(static_cast<double>(reinterpret_cast<std::uintptr_t>(value)));
    } else {
        call.args.push_back(static_cast<double>(value));
    }
}

template <EntryName Name, class Function> struct Fake;

template <EntryName Name, class Result, class... Args> struct Fake<Name, Result (*)(Args...)> {
    static Result call(Args... args) {
        Call& recorded = active->calls.emplace_back();
        recorded.name = Name.text;
        (record_argument(recorded, args), ...);
        return Result{};
    }
};

void generate(GLsizei n, GLuint* names) {
    for (GLsizei i = 0; i < n; ++i)
        names[i] = active->next_name++;
}

template <class Map> GLint lookup(const Map& map, const GLchar* name) {
    const auto found = map.find(std::string_view(name));
    return found == map.end() ? -1 : found->second;
}

GLint log_length() {
    const auto& log = active->script.info_log;
    return log.empty() ? 0 : static_cast<GLint>(log.size() + 1);
}

void copy_log(GLsizei size, GLchar* out) {
    if (size <= 0)
        return;
    const auto& log = active->script.info_log;
    const std::size_t n = std::min(log.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(out, log.data(), n);
    out[n] = '\0';
}

// The entries whose answers matter: they record like the rest, then answer.
void install_answering_fakes() {
    gl.GenBuffers = [](GLsizei n, GLuint* out) {
        Fake<"GenBuffers", decltype(gl.GenBuffers)>::call(n, out);
        generate(n, out);
    };
    gl.GenVertexArrays = [](GLsizei n, GLuint* out) {
        Fake<"GenVertexArrays", decltype(gl.GenVertexArrays)>::call(n, out);
        generate(n, out);
    };
    gl.GenFramebuffers = [](GLsizei n, GLuint* out) {
        Fake<"GenFramebuffers", decltype(gl.GenFramebuffers)>::call(n, out);
        generate(n, out);
    };
    gl.GenRenderbuffers = [](GLsizei n, GLuint* out) {
        Fake<"GenRenderbuffers", decltype(gl.GenRenderbuffers)>::call(n, out);
        generate(n, out);
    };
    gl.GenTextures = [](GLsizei n, GLuint* out) {
        Fake<"GenTextures", decltype(gl.GenTextures)>::call(n, out);
        generate(n, out);
    };
    gl.CreateShader = [](GLenum kind) -> GLuint {
        Fake<"CreateShader", decltype(gl.CreateShader)>::call(kind);
        return active->next_name++;
    };
    gl.CreateProgram = []() -> GLuint {
        Fake<"CreateProgram", decltype(gl.CreateProgram)>::call();
        return active->next_name++;
    };
    gl.GetAttribLocation = [](GLuint program, const GLchar* name) -> GLint {
        Fake<"GetAttribLocation", decltype(gl.GetAttribLocation)>::call(program, name);
        return lookup(active->script.attrib_locations, name);
    };
    gl.GetUniformLocation = [](GLuint program, const GLchar* name) -> GLint {
        Fake<"GetUniformLocation", decltype(gl.GetUniformLocation)>::call(program, name);
        return lookup(active->script.uniform_locations, name);
    };
    gl.GetShaderiv = [](GLuint shader, GLenum pname, GLint* out) {
        Fake<"GetShaderiv", decltype(gl.GetShaderiv)>::call(shader, pname, out);
        *out = pname == GL_COMPILE_STATUS    ? active->script.compile_status
               : pname == GL_INFO_LOG_LENGTH ? log_length()
                                             : 0;
    };
    gl.GetProgramiv = [](GLuint program, GLenum pname, GLint* out) {
        Fake<"GetProgramiv", decltype(gl.GetProgramiv)>::call(program, pname, out);
        *out = pname == GL_LINK_STATUS       ? active->script.link_status
               : pname == GL_INFO_LOG_LENGTH ? log_length()
                                             : 0;
    };
    gl.GetShaderInfoLog = [](GLuint shader, GLsizei size, GLsizei* length, GLchar* out) {
        Fake<"GetShaderInfoLog", decltype(gl.GetShaderInfoLog)>::call(shader, size, length, out);
        copy_log(size, out);
    };
    gl.GetProgramInfoLog = [](GLuint program, GLsizei size, GLsizei* length, GLchar* out) {
        Fake<"GetProgramInfoLog", decltype(gl.GetProgramInfoLog)>::call(program, size, length, out);
        copy_log(size, out);
    };
    gl.CheckFramebufferStatus = [](GLenum target) -> GLenum {
        Fake<"CheckFramebufferStatus", decltype(gl.CheckFramebufferStatus)>::call(target);
        return active->script.framebuffer_status;
    };
    gl.GetIntegerv = [](GLenum pname, GLint* out) {
        Fake<"GetIntegerv", decltype(gl.GetIntegerv)>::call(pname, out);
        *out = pname == GL_FRAMEBUFFER_BINDING ? active->script.framebuffer_binding : 0;
    };
}

} // namespace

Recorder::Recorder() : saved_(gl) {
    active = this;
#define COILWEND_FAKE_ENTRY(ret, name, params) gl.name = &Fake<#name, decltype(gl.name)>::call;
    COILWEND_GL_FUNCTIONS(COILWEND_FAKE_ENTRY)
#undef COILWEND_FAKE_ENTRY
    install_answering_fakes();
}

Recorder::~Recorder() {
    gl = saved_;
    active = nullptr;
}

std::vector<Call> Recorder::named(std::string_view name) const {
    std::vector<Call> found;
    for (const Call& call : calls)
        if (call.name == name)
            found.push_back(call);
    return found;
}

std::size_t Recorder::count(std::string_view name) const {
    return static_cast<std::size_t>(
        std::count_if(calls.begin(), calls.end(), [&](const Call& c) { return c.name == name; }));
}

std::vector<std::string> Recorder::names() const {
    std::vector<std::string> result;
    for (const Call& call : calls)
        result.push_back(call.name);
    return result;
}

} // namespace coilwend::fake_gl
