#pragma once
// A board renderer built against the recording GL fake, with the process-wide
// context values a real start-up would have set, and ways to read the
// recorded calls back per program.

#include "board_renderer/board_renderer.hpp"
#include "graphics/gl_context_info.hpp"
#include "support/dialect_guard.hpp"
#include "support/graphics_fake_gl.hpp"

#include <optional>
#include <string>
#include <vector>

namespace coilwend::testing {

// Sets the dialect, the system framebuffer and the drawable size for a test
// and puts the previous dialect back afterwards.
class GlContextValues {
  public:
    explicit GlContextValues(ShaderDialect dialect, std::uint32_t width = 800,
                             std::uint32_t height = 600)
        : dialect_(dialect) {
        set_system_framebuffer(0);
        set_drawable_size(width, height);
    }

  private:
    DialectGuard dialect_;
};

// The uniform names the board's programs are asked for, each with its own location.
inline void script_board_uniforms(fake_gl::Recorder& recorder) {
    const char* names[] = {"proj", "light_proj", "directional_dir", "directional_intensity"};
    GLint location = 10;
    for (const char* name : names)
        recorder.script.uniform_locations[name] = location++;
}

// The program names in the order build_scene_programs links them.
inline ScenePrograms linked_programs(const fake_gl::Recorder& recorder) {
    const auto links = recorder.named("LinkProgram");
    ScenePrograms p;
    if (links.size() < 6)
        return p;
    auto name = [&](int i) { return static_cast<GLuint>(links[i].args[0]); };
    p.mesh = name(0);
    p.pattern = name(1);
    p.facet = name(2);
    p.shadow = name(3);
    p.colour = name(4);
    p.textured = name(5);
    return p;
}

// A recorded call with the program that was current when it was made.
struct CallInProgram {
    fake_gl::Call call;
    GLuint program = 0;
};

inline std::vector<CallInProgram> calls_with_program(const fake_gl::Recorder& recorder,
                                                     const std::string& name) {
    std::vector<CallInProgram> found;
    GLuint current = 0;
    for (const fake_gl::Call& call : recorder.calls) {
        if (call.name == "UseProgram")
            current = static_cast<GLuint>(call.args[0]);
        else if (call.name == name)
            found.push_back({call, current});
    }
    return found;
}

inline bool has_call(const fake_gl::Recorder& recorder, const std::string& name,
                     std::vector<double> args) {
    for (const fake_gl::Call& call : recorder.calls)
        if (call.name == name && call.args == args)
            return true;
    return false;
}

// Snake 0 of the parallel board stepping away from (3, 0), at `progress`.
inline MoveEvent step_of_snake_0(float progress) {
    MoveEvent event;
    event.kind = MoveEventKind::Step;
    event.progress = progress;
    event.snake = 0;
    event.trailing = {3, 0};
    return event;
}

// The shadow pass is the only thing that sets a 2048 x 2048 viewport.
inline bool ran_shadow_pass(const fake_gl::Recorder& recorder) {
    return has_call(recorder, "Viewport", {0, 0, 2048, 2048});
}

} // namespace coilwend::testing
