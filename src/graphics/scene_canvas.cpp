#include "graphics/scene_canvas.hpp"

#include "game/log.hpp"
#include "graphics/gl_context_info.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace coilwend {
namespace {

// GL_MESA_framebuffer_flip_y's parameter.
constexpr GLenum kFramebufferFlipY = 0x8BBB;
// The samples a pixel of the picture has when the window has none of its own.
constexpr GLint kCanvasSamples = 4;

bool has_extension(const char* name) {
    GLint count = 0;
    gl.GetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (GLint i = 0; i < count; ++i) {
        const GLubyte* extension = gl.GetStringi(GL_EXTENSIONS, static_cast<GLuint>(i));
        if (extension != nullptr &&
            std::strcmp(reinterpret_cast<const char*>(extension), name) == 0)
            return true;
    }
    return false;
}

bool has_canvas_entry_points() {
    return gl.GenRenderbuffers != nullptr && gl.BindRenderbuffer != nullptr &&
           gl.RenderbufferStorageMultisample != nullptr && gl.FramebufferRenderbuffer != nullptr &&
           gl.DeleteRenderbuffers != nullptr && gl.DeleteFramebuffers != nullptr &&
           gl.BlitFramebuffer != nullptr && gl.GetFramebufferAttachmentParameteriv != nullptr;
}

// One property of the window framebuffer's colour, depth or stencil buffer;
// 0 when it has no such buffer (asking then would be an error).
GLint window_buffer_property(GLenum buffer, GLenum property) {
    GLint type = GL_NONE;
    gl.GetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, buffer,
                                           GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &type);
    if (type == GL_NONE)
        return 0;
    GLint value = 0;
    gl.GetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, buffer, property, &value);
    return value;
}

void clear_bound_framebuffer() {
    gl.ClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    if (gl.ClearDepth != nullptr) // desktop only; GLES clears to depth 1 by default
        gl.ClearDepth(1.0);
    gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// The depth format the window's own depth buffer has, so depth tests (the
// overlays' small bias, coplanar faces) come out as they do there.
GLenum depth_format(GLint depth_bits, GLint stencil_bits) {
    if (stencil_bits > 0)
        return depth_bits > 24 ? GL_DEPTH32F_STENCIL8 : GL_DEPTH24_STENCIL8;
    if (depth_bits <= 16)
        return GL_DEPTH_COMPONENT16;
    return depth_bits <= 24 ? GL_DEPTH_COMPONENT24 : GL_DEPTH_COMPONENT32;
}

} // namespace

SceneCanvas SceneCanvas::create(bool window_keeps_back_buffer) {
    SceneCanvas canvas;
    if (!has_canvas_entry_points() || shader_dialect() != ShaderDialect::Desktop)
        return canvas;
    bind_system_framebuffer();
    const bool named = system_framebuffer() != 0;
    const GLenum colour = named ? GL_COLOR_ATTACHMENT0 : GL_BACK_LEFT;
    // A multisampled window gets a copy of each sample; a single-sampled one
    // (as the game asks for when it can draw here) a resolved picture.
    gl.GetIntegerv(GL_SAMPLES, &canvas.samples_);
    if (canvas.samples_ <= 0) {
        GLint most = 0;
        gl.GetIntegerv(GL_MAX_SAMPLES, &most);
        canvas.samples_ = std::clamp(most, 0, kCanvasSamples);
    }
    canvas.keeps_back_buffer_ = window_keeps_back_buffer;
    canvas.colour_format_ =
        window_buffer_property(colour, GL_FRAMEBUFFER_ATTACHMENT_COLOR_ENCODING) == GL_SRGB
            ? GL_SRGB8_ALPHA8
            : GL_RGBA8;
    const GLenum depth = named ? GL_DEPTH_ATTACHMENT : GL_DEPTH;
    const GLenum stencil = named ? GL_STENCIL_ATTACHMENT : GL_STENCIL;
    canvas.depth_format_ =
        depth_format(window_buffer_property(depth, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE),
                     window_buffer_property(stencil, GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE));
    // Only the window's own framebuffer is stored upside down.
    canvas.flip_y_ = !named && gl.FramebufferParameteri != nullptr && gl.GetStringi != nullptr &&
                     has_extension("GL_MESA_framebuffer_flip_y");
    canvas.usable_ = true;
    return canvas;
}

SceneCanvas::~SceneCanvas() {
    release();
}

SceneCanvas::SceneCanvas(SceneCanvas&& other) noexcept {
    *this = std::move(other);
}

SceneCanvas& SceneCanvas::operator=(SceneCanvas&& other) noexcept {
    if (this != &other) {
        release();
        usable_ = other.usable_;
        keeps_back_buffer_ = other.keeps_back_buffer_;
        samples_ = other.samples_;
        colour_format_ = other.colour_format_;
        depth_format_ = other.depth_format_;
        flip_y_ = other.flip_y_;
        framebuffer_ = std::exchange(other.framebuffer_, 0);
        colour_ = std::exchange(other.colour_, 0);
        depth_ = std::exchange(other.depth_, 0);
        width_ = other.width_;
        height_ = other.height_;
        drawn_by_ = nullptr;
        drawing_ = nullptr;
        presented_ = true;
        kept_ = false;
        window_whole_ = false;
    }
    return *this;
}

void SceneCanvas::release() {
    if (framebuffer_ != 0)
        gl.DeleteFramebuffers(1, &framebuffer_);
    const GLuint buffers[2] = {colour_, depth_};
    if (colour_ != 0 || depth_ != 0)
        gl.DeleteRenderbuffers(2, buffers);
    framebuffer_ = colour_ = depth_ = 0;
    width_ = height_ = 0;
    drawn_by_ = nullptr;
    window_whole_ = false;
}

void SceneCanvas::allocate(std::uint32_t width, std::uint32_t height) {
    release();
    gl.GenFramebuffers(1, &framebuffer_);
    GLuint buffers[2] = {0, 0};
    gl.GenRenderbuffers(2, buffers);
    colour_ = buffers[0];
    depth_ = buffers[1];
    const auto w = static_cast<GLsizei>(width), h = static_cast<GLsizei>(height);
    gl.BindRenderbuffer(GL_RENDERBUFFER, colour_);
    gl.RenderbufferStorageMultisample(GL_RENDERBUFFER, samples_, colour_format_, w, h);
    gl.BindRenderbuffer(GL_RENDERBUFFER, depth_);
    gl.RenderbufferStorageMultisample(GL_RENDERBUFFER, samples_, depth_format_, w, h);
    gl.BindRenderbuffer(GL_RENDERBUFFER, 0);
    gl.BindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    const bool stencil =
        depth_format_ == GL_DEPTH24_STENCIL8 || depth_format_ == GL_DEPTH32F_STENCIL8;
    gl.FramebufferRenderbuffer(GL_FRAMEBUFFER,
                               stencil ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT,
                               GL_RENDERBUFFER, depth_);
    // Mesa stores a window upside down and mirrors its sample positions with
    // it; the canvas is stored the same way, so edges get the same coverage.
    if (flip_y_)
        gl.FramebufferParameteri(GL_FRAMEBUFFER, kFramebufferFlipY, 1);
    const GLenum status = gl.CheckFramebufferStatus(GL_FRAMEBUFFER);
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(status));
        log_line(std::string("Scene canvas incomplete, drawing straight to the window: ") + hex);
        release();
        usable_ = false;
        bind_system_framebuffer();
        return;
    }
    width_ = width;
    height_ = height;
}

void SceneCanvas::begin_frame(std::uint32_t width, std::uint32_t height) {
    presented_ = false;
    drawing_ = nullptr;
    kept_ = false;
    scissored_ = false;
    damage_ = {};
    region_ = {};
    drawn_pixels_ = 0;
    if (usable_ && (framebuffer_ == 0 || width != width_ || height != height_))
        allocate(width, height);
    else
        kept_ = drawn_by_ != nullptr;
    if (framebuffer_ == 0) {
        // Straight into the window, cleared whole as every frame was before.
        set_scene_framebuffer(system_framebuffer());
        bind_system_framebuffer();
        clear_bound_framebuffer();
        return;
    }
    set_scene_framebuffer(framebuffer_);
    gl.BindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

void SceneCanvas::add_damage(const PixelRect& pixels) {
    damage_ = united(damage_, clamped(pixels, width_, height_));
}

bool SceneCanvas::holds_last_frame_of(const void* owner) const {
    return framebuffer_ != 0 && !presented_ && kept_ && owner != nullptr && drawn_by_ == owner;
}

PixelRect SceneCanvas::begin_region(const void* owner, const PixelRect& region) {
    drawing_ = owner;
    const PixelRect whole{0, 0, std::int32_t(width_), std::int32_t(height_)};
    if (framebuffer_ == 0 || presented_)
        return region; // the window was cleared whole when the frame began
    region_ =
        kept_ && drawn_by_ == owner ? united(clamped(region, width_, height_), damage_) : whole;
    drawn_pixels_ += region_.area();
    scissored_ = region_ != whole;
    if (scissored_) {
        gl.Enable(GL_SCISSOR_TEST);
        gl.Scissor(region_.x0, region_.y0, region_.x1 - region_.x0, region_.y1 - region_.y0);
    }
    clear_bound_framebuffer();
    return region_;
}

void SceneCanvas::begin_whole(const void* owner) {
    begin_region(owner, {0, 0, std::int32_t(width_), std::int32_t(height_)});
}

void SceneCanvas::begin_interface() {
    if (framebuffer_ == 0 || presented_ || drawing_ != nullptr)
        return;
    // Nobody drew a scene: the interface stands on a cleared picture, which
    // belongs to no renderer.
    drawing_ = this;
    region_ = {0, 0, std::int32_t(width_), std::int32_t(height_)};
    drawn_pixels_ += region_.area();
    clear_bound_framebuffer();
}

void SceneCanvas::present() {
    if (presented_)
        return;
    presented_ = true;
    if (scissored_)
        gl.Disable(GL_SCISSOR_TEST);
    scissored_ = false;
    if (framebuffer_ == 0)
        return;
    begin_interface();
    drawn_by_ = drawing_;
    const PixelRect whole{0, 0, std::int32_t(width_), std::int32_t(height_)};
    // The window keeps the rest of the last frame only where the back
    // buffer survives a swap and it once got a whole frame of this size.
    const PixelRect copied = keeps_back_buffer_ && window_whole_ ? region_ : whole;
    window_whole_ = true;
    gl.BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    gl.BindFramebuffer(GL_DRAW_FRAMEBUFFER, system_framebuffer());
    if (!copied.empty()) {
        // The stored values are already encoded; copy them as they are.
        gl.Disable(GL_FRAMEBUFFER_SRGB);
        gl.BlitFramebuffer(copied.x0, copied.y0, copied.x1, copied.y1, copied.x0, copied.y0,
                           copied.x1, copied.y1, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        gl.Enable(GL_FRAMEBUFFER_SRGB);
    }
    set_scene_framebuffer(system_framebuffer());
    bind_system_framebuffer();
}

void SceneCanvas::forget() {
    drawn_by_ = nullptr;
    kept_ = false;
    window_whole_ = false;
}

} // namespace coilwend
