#pragma once
// The scene's picture, kept from frame to frame in an offscreen framebuffer
// with the window's sample count and colour encoding. The window's own back
// buffer holds nothing certain after a swap, so a renderer that redraws only
// what changed draws here and the canvas copies the whole picture to the
// window once a frame; the interface is drawn over the copy.
//
// Without the entry points it needs (multisampled renderbuffers, blits) the
// canvas stands aside: the scene is drawn straight into the window and every
// frame is drawn whole, as before.

#include "graphics/gl_functions.hpp"
#include "graphics/pixel_rect.hpp"

#include <cstdint>

namespace coilwend {

class SceneCanvas {
  public:
    // Reads the window framebuffer's sample count and encoding; needs a
    // current context and the system framebuffer read. Allocates nothing yet.
    static SceneCanvas create();
    // A canvas that stands aside (for tests and tools that draw directly).
    SceneCanvas() = default;
    ~SceneCanvas();
    SceneCanvas(SceneCanvas&& other) noexcept;
    SceneCanvas& operator=(SceneCanvas&& other) noexcept;
    SceneCanvas(const SceneCanvas&) = delete;
    SceneCanvas& operator=(const SceneCanvas&) = delete;

    // Starts a frame: sizes the canvas to the drawable (a new size loses the
    // picture) and binds it as the scene framebuffer.
    void begin_frame(std::uint32_t width, std::uint32_t height);
    // True when the canvas holds exactly the picture `owner` drew in the
    // frame just before this one, so it may redraw only what changed.
    bool holds_last_frame_of(const void* owner) const;
    // The owner draws into `region` this frame: scissors to it and clears it
    // to transparent black and the far depth. A whole-frame region needs no
    // scissor. Call end_region after drawing.
    void begin_region(const void* owner, const PixelRect& region);
    // While the view moves every frame is drawn whole and none can be kept:
    // the owner draws this one straight into the window (cleared), which
    // spares the copy, and the canvas holds no picture afterwards.
    void begin_whole_in_window(const void* owner);
    void end_region();
    // Copies the picture to the window and binds the window's framebuffer.
    // Once a frame: later calls do nothing. A frame nobody drew is cleared.
    void present();
    // Forgets the picture (after a lost or reset context, or when the
    // caller drew around the canvas).
    void forget();

    // True when the scene is drawn into the canvas rather than the window.
    bool active() const { return framebuffer_ != 0; }
    // The pixels drawn into the canvas so far this frame, counted over the
    // regions begun (for tools and tests that check how little was drawn).
    std::int64_t drawn_pixels() const { return drawn_pixels_; }
    std::uint32_t width() const { return width_; }
    std::uint32_t height() const { return height_; }

  private:
    void release();
    void allocate(std::uint32_t width, std::uint32_t height);

    bool usable_ = false; // the driver offers what the canvas needs
    GLint samples_ = 0;
    GLenum colour_format_ = GL_RGBA8;
    GLenum depth_format_ = GL_DEPTH24_STENCIL8;
    bool flip_y_ = false; // stored upside down, as the window is
    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    GLuint depth_ = 0;
    std::uint32_t width_ = 0, height_ = 0;
    const void* drawn_by_ = nullptr; // whose picture the canvas holds
    const void* drawing_ = nullptr;  // who drew into it this frame
    bool presented_ = true;          // no frame begun, or this one copied out
    bool kept_ = false;              // the picture survived into this frame
    bool scissored_ = false;
    bool in_window_ = false;        // this frame was drawn straight into the window
    std::int64_t drawn_pixels_ = 0; // a region narrower than the frame is being drawn
};

} // namespace coilwend
