#pragma once
// The frame's picture, kept from frame to frame in a multisampled offscreen
// framebuffer with the window's colour encoding: the scene, the plume and the
// menu's veil, and the interface over them. A renderer that redraws only what
// changed scissors to that region; the interface adds the pixels where it
// changed. Once a frame the canvas resolves into the single-sampled window:
// only the redrawn region where the window's back buffer is known to keep
// its content across swaps, else the whole picture. Resolving here instead of
// at every swap is what makes a frame that changed little cost little.
//
// Without the entry points it needs (multisampled renderbuffers, blits) the
// canvas stands aside: the window is multisampled itself, everything is
// drawn straight into it and every frame is drawn whole.

#include "graphics/gl_functions.hpp"
#include "graphics/pixel_rect.hpp"

#include <cstdint>

namespace coilwend {

class SceneCanvas {
  public:
    // Reads the window framebuffer's encoding and depth; needs a current
    // context and the system framebuffer read. Allocates nothing yet.
    // `window_keeps_back_buffer`: after a swap the back buffer still holds
    // the frame just shown, so a frame may resolve only what it redrew.
    static SceneCanvas create(bool window_keeps_back_buffer = false);
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
    // Pixels that change this frame for reasons the scene does not know
    // (the interface): added to the region the scene's owner redraws.
    void add_damage(const PixelRect& pixels);
    // True when the canvas holds exactly the picture `owner` drew in the
    // frame just before this one, so it may redraw only what changed.
    bool holds_last_frame_of(const void* owner) const;
    // The owner draws into `region`, widened by the damage added, this
    // frame: scissors to it until present() and clears it to transparent
    // black and the far depth. Returns the region to draw (`region` itself
    // when the canvas stands aside); empty when nothing needs drawing.
    PixelRect begin_region(const void* owner, const PixelRect& region);
    // The owner draws the whole frame (a moving view, an iris).
    void begin_whole(const void* owner);
    // Before the interface is drawn: a frame no owner drew is cleared whole.
    void begin_interface();
    // Resolves the region drawn this frame (or the whole picture) into the
    // window and binds the window's framebuffer. Once a frame: later calls
    // do nothing.
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
    bool keeps_back_buffer_ = false;
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
    bool window_whole_ = false; // the window's back buffer holds the last resolved frame
    PixelRect damage_;          // added by add_damage this frame
    PixelRect region_;          // drawn this frame
    std::int64_t drawn_pixels_ = 0;
};

} // namespace coilwend
