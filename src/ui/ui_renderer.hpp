#pragma once
// The GL side of the user interface: the glyph-cache texture and the text
// mesh, the icon atlas and the icon mesh, the panel quad, and the
// end-of-frame pass that draws the queues. Created once the GL context is
// current; its GL objects live for the process.
//
// Contents: vertex layouts, TextRenderer (draw_text_queue), UiRenderer (icons,
// panels, the end-of-frame pass), UserInterface (what the main loop owns).

#include "graphics/gl_context_info.hpp"
#include "graphics/programs.hpp"
#include "graphics/vertex_buffer.hpp"
#include "ui/icon_atlas.hpp"
#include "ui/text_frame.hpp"
#include "ui/ui_damage.hpp"
#include "ui/widgets.hpp"

#include <array>
#include <memory>
#include <vector>

namespace coilwend {

// A panel corner in clip space with its colour.
struct PanelVertex {
    float x, y;
    float r, g, b, a;
};
static_assert(sizeof(PanelVertex) == 24);

template <> struct VertexLayout<GlyphVertex> {
    static constexpr GLenum default_usage = GL_STREAM_DRAW;
    static constexpr std::array<VertexAttribute, 3> attributes{{
        {"position", 2, GL_FLOAT, GL_FALSE, 0},
        {"uv", 2, GL_FLOAT, GL_FALSE, 8},
        {"color", 4, GL_FLOAT, GL_FALSE, 16},
    }};
    static constexpr std::size_t enabled_count(ShaderDialect) { return attributes.size(); }
};

// The icon program reads three colour components; the fourth stays in the record.
template <> struct VertexLayout<IconVertex> {
    static constexpr GLenum default_usage = GL_STREAM_DRAW;
    static constexpr std::array<VertexAttribute, 3> attributes{{
        {"position", 2, GL_FLOAT, GL_FALSE, 0},
        {"uv", 2, GL_FLOAT, GL_FALSE, 8},
        {"color", 3, GL_FLOAT, GL_FALSE, 16},
    }};
    static constexpr std::size_t enabled_count(ShaderDialect) { return attributes.size(); }
};

template <> struct VertexLayout<PanelVertex> {
    static constexpr GLenum default_usage = GL_STREAM_DRAW;
    static constexpr std::array<VertexAttribute, 2> attributes{{
        {"position", 2, GL_FLOAT, GL_FALSE, 0},
        {"color", 4, GL_FLOAT, GL_FALSE, 8},
    }};
    static constexpr std::size_t enabled_count(ShaderDialect) { return attributes.size(); }
};

// The glyph cache's texture as a GL texture: R8, linear, clamped.
class GlGlyphTexture final : public GlyphTexture {
  public:
    explicit GlGlyphTexture(std::uint32_t side);
    GLuint name() const { return name_; }
    void resize(std::uint32_t side) override;
    void write(const TexelRect& rect, std::span<const std::uint8_t> coverage) override;

  private:
    GLuint name_ = 0;
};

class TextRenderer {
  public:
    // Reads the GL's largest texture side once, as the glyph cache's ceiling.
    TextRenderer(const Font& font, GLuint glyph_program);

    // Lays out and caches every queued item and empties the queue; a
    // drawable of a new size lets a grown glyph cache start over. Returns the
    // mesh draw() draws.
    std::span<const GlyphVertex> prepare(TextQueue& queue, DrawableSize drawable,
                                         std::optional<std::uint64_t> dimmed_text);
    // The prepared mesh in one draw call. Depth testing is expected off.
    void draw(DrawableSize drawable);
    // Both at once.
    void draw_text_queue(TextQueue& queue, DrawableSize drawable,
                         std::optional<std::uint64_t> dimmed_text);

    const TextFrame& frame() const { return frame_; }
    GLuint texture() const { return texture_.name(); }

  private:
    TextRenderer(const Font& font, GLuint glyph_program, std::uint32_t cache_ceiling);

    GLuint program_;
    GlGlyphTexture texture_;
    TextFrame frame_;
    VertexBuffer<GlyphVertex> buffer_;
    std::size_t prepared_vertices_ = 0;
    DrawableSize last_drawable_;
};

class UiRenderer final : public PanelPainter {
  public:
    UiRenderer(const Font& font, std::span<const RgbaImage> icons);
    UiRenderer(const Font& font, const IconAtlas& atlas);

    // Builds this frame's panels, boxes, text and icons from the queues and
    // returns the pixels where they differ from last frame's (GL's lower-left
    // origin), which the frame draws again under them.
    PixelRect prepare(UiContext& context);
    // Panels, boxes, text, then icons (prepared first if they were not), the
    // queues emptied, depth back on, then the pointer state settled from the
    // left button.
    void end_of_frame(UiContext& context, bool left_button_down);
    // Keeps a panel for the end of the frame, under everything else.
    void paint(float a, float b) override;

    TextRenderer& text() { return text_; }
    // The icon atlas, which the board renderer shares for its tutorial icons.
    GLuint atlas_texture() const { return atlas_; }
    const std::array<TextureRect, kIconCount>& icon_uv() const { return icon_uv_; }

  private:
    void build_boxes(const UiContext& context, DrawableSize drawable);
    void draw_flat(const std::vector<PanelVertex>& mesh);
    void draw_icons(DrawableSize drawable);

    UiPrograms programs_;
    TextRenderer text_;
    GLuint atlas_ = 0;
    std::array<TextureRect, kIconCount> icon_uv_{};
    std::vector<IconVertex> icon_mesh_;
    VertexBuffer<IconVertex> icon_buffer_;
    VertexBuffer<PanelVertex> panel_buffer_;
    std::vector<PanelVertex> panel_mesh_; // painted this frame
    std::vector<PanelVertex> box_mesh_;
    UiDamage damage_;
    bool prepared_ = false;
};

// Uploads the atlas with mipmaps; returns the texture name.
GLuint upload_icon_atlas(const IconAtlas& atlas);

// What the user interface needs that takes no GL: the embedded font and the
// icon atlas's pixels. Start-up prepares them on another thread while the
// GL context is made.
struct UiAssets {
    Font font;
    IconAtlas atlas;
};

// Loads the embedded font and icons (fatal on broken assets).
UiAssets load_ui_assets();

// Everything the main loop owns for the user interface. The font and the
// renderer stay where they are built, since the context points at both.
struct UserInterface {
    explicit UserInterface(UiAssets assets);
    UserInterface(const UserInterface&) = delete;
    UserInterface& operator=(const UserInterface&) = delete;

    Font font;
    UiContext context;
    UiRenderer renderer;
};

// Builds the GL side from loaded assets; the atlas's pixels are freed once uploaded.
std::unique_ptr<UserInterface> create_user_interface(UiAssets assets, UiSize window_size,
                                                     UiSize drawable_size);
// The same, loading the assets first.
std::unique_ptr<UserInterface> create_user_interface(UiSize window_size, UiSize drawable_size);

} // namespace coilwend
