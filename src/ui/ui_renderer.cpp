#include "ui/ui_renderer.hpp"

#include "game/log.hpp"
#include "graphics/shader_build.hpp"
#include "ui/quad.hpp"

namespace coilwend {
namespace {

constexpr QuadColour kPanelColour{0, 0, 0, 0.8f};
// Framed buttons' faces: a light veil on the dark panel, so captions read as keys.
constexpr QuadColour kFaceColour{1, 1, 1, 0.16f};

void set_pixel_space(GLuint program, DrawableSize drawable) {
    gl.Uniform1f(uniform_location(program, "width"), static_cast<float>(drawable.width));
    gl.Uniform1f(uniform_location(program, "height"), static_cast<float>(drawable.height));
}

void linear_clamped(GLint min_filter) {
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min_filter);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

} // namespace

GlGlyphTexture::GlGlyphTexture(std::uint32_t side) {
    gl.GenTextures(1, &name_);
    gl.BindTexture(GL_TEXTURE_2D, name_);
    resize(side);
    linear_clamped(GL_LINEAR);
    gl.BindTexture(GL_TEXTURE_2D, 0);
}

void GlGlyphTexture::resize(std::uint32_t side) {
    // Explicit zeros: glyphs sample their padding, which must be empty.
    const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(side) * side, 0);
    const auto s = static_cast<GLsizei>(side);
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_R8, s, s, 0, GL_RED, GL_UNSIGNED_BYTE, zeros.data());
}

void GlGlyphTexture::write(const TexelRect& rect, std::span<const std::uint8_t> coverage) {
    gl.TexSubImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(rect.x), static_cast<GLint>(rect.y),
                     static_cast<GLsizei>(rect.width), static_cast<GLsizei>(rect.height), GL_RED,
                     GL_UNSIGNED_BYTE, coverage.data());
}

namespace {

// The driver's largest texture side; a context that answers nothing leaves
// the cache without a ceiling.
std::uint32_t max_texture_side() {
    GLint side = 0;
    gl.GetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    return side > 0 ? static_cast<std::uint32_t>(side) : kNoCacheCeiling;
}

} // namespace

TextRenderer::TextRenderer(const Font& font, GLuint glyph_program)
    : TextRenderer(font, glyph_program, max_texture_side()) {}

TextRenderer::TextRenderer(const Font& font, GLuint glyph_program, std::uint32_t cache_ceiling)
    : program_(glyph_program), texture_(first_cache_side(cache_ceiling)),
      frame_(font, cache_ceiling), buffer_(VertexBuffer<GlyphVertex>::create(glyph_program)) {}

std::span<const GlyphVertex> TextRenderer::prepare(TextQueue& queue, DrawableSize drawable,
                                                   std::optional<std::uint64_t> dimmed_text) {
    gl.BindTexture(GL_TEXTURE_2D, texture_.name());
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (drawable.width != last_drawable_.width || drawable.height != last_drawable_.height)
        frame_.start_over(texture_);
    last_drawable_ = drawable;
    const std::span<const GlyphVertex> mesh =
        frame_.build(queue, drawable.width, dimmed_text, texture_);
    buffer_.upload(mesh);
    prepared_vertices_ = mesh.size();
    gl.BindTexture(GL_TEXTURE_2D, 0);
    queue.clear();
    return mesh;
}

void TextRenderer::draw(DrawableSize drawable) {
    if (prepared_vertices_ == 0)
        return;
    gl.BindTexture(GL_TEXTURE_2D, texture_.name());
    gl.UseProgram(program_);
    set_pixel_space(program_, drawable);
    buffer_.draw();
    gl.BindTexture(GL_TEXTURE_2D, 0);
    prepared_vertices_ = 0;
}

void TextRenderer::draw_text_queue(TextQueue& queue, DrawableSize drawable,
                                   std::optional<std::uint64_t> dimmed_text) {
    prepare(queue, drawable, dimmed_text);
    draw(drawable);
}

GLuint upload_icon_atlas(const IconAtlas& atlas) {
    GLuint texture = 0;
    gl.GenTextures(1, &texture);
    gl.BindTexture(GL_TEXTURE_2D, texture);
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, static_cast<GLsizei>(kAtlasWidth),
                  static_cast<GLsizei>(kAtlasHeight), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                  atlas.pixels.data());
    GLint level = 0;
    for (const MipLevel& mipmap : atlas.mipmaps.levels)
        gl.TexImage2D(GL_TEXTURE_2D, ++level, GL_RGBA8, static_cast<GLsizei>(mipmap.width),
                      static_cast<GLsizei>(mipmap.height), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                      atlas.mipmaps.level_pixels(mipmap).data());
    linear_clamped(GL_LINEAR_MIPMAP_LINEAR);
    gl.BindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

UiRenderer::UiRenderer(const Font& font, std::span<const RgbaImage> icons)
    : UiRenderer(font, build_icon_atlas(icons)) {}

UiRenderer::UiRenderer(const Font& font, const IconAtlas& atlas)
    : programs_(build_ui_programs()), text_(font, programs_.glyph),
      atlas_(upload_icon_atlas(atlas)), icon_uv_(atlas.uv),
      icon_buffer_(VertexBuffer<IconVertex>::create(programs_.textured)),
      panel_buffer_(VertexBuffer<PanelVertex>::create(programs_.flat)) {}

void UiRenderer::build_boxes(const UiContext& context, DrawableSize drawable) {
    box_mesh_.clear();
    if (drawable.width == 0 || drawable.height == 0)
        return;
    const auto w = static_cast<float>(drawable.width);
    const auto h = static_cast<float>(drawable.height);
    const auto c = kFaceColour;
    for (const UiBox& box : context.box_queue) {
        const float x0 = 2.0f * static_cast<float>(box.left) / w - 1.0f;
        const float x1 = 2.0f * static_cast<float>(box.left + box.width) / w - 1.0f;
        const float y0 = 1.0f - 2.0f * static_cast<float>(box.top) / h;
        const float y1 = 1.0f - 2.0f * static_cast<float>(box.top + box.height) / h;
        for (const auto& [x, y] :
             {std::pair{x0, y0}, {x0, y1}, {x1, y1}, {x0, y0}, {x1, y1}, {x1, y0}})
            box_mesh_.push_back({x, y, c.r, c.g, c.b, c.a});
    }
}

PixelRect UiRenderer::prepare(UiContext& context) {
    const DrawableSize drawable = drawable_size();
    build_boxes(context, drawable);
    const std::span<const GlyphVertex> text =
        text_.prepare(context.text_queue, drawable, context.dimmed_text());
    build_icon_mesh(context.icon_queue, icon_uv_, context, icon_mesh_);
    icon_buffer_.upload(icon_mesh_);
    prepared_ = true;

    constexpr std::size_t kFlatFloats = sizeof(PanelVertex) / sizeof(float);
    constexpr std::size_t kGlyphFloats = sizeof(GlyphVertex) / sizeof(float);
    constexpr std::size_t kIconFloats = sizeof(IconVertex) / sizeof(float);
    damage_.begin(drawable.width, drawable.height);
    damage_.layer(as_floats(std::span<const PanelVertex>(panel_mesh_)), kFlatFloats, UiSpace::Clip);
    damage_.layer(as_floats(std::span<const PanelVertex>(box_mesh_)), kFlatFloats, UiSpace::Clip);
    damage_.layer(as_floats(text), kGlyphFloats, UiSpace::Pixels);
    damage_.layer(as_floats(std::span<const IconVertex>(icon_mesh_)), kIconFloats, UiSpace::Pixels);
    return damage_.end();
}

void UiRenderer::draw_flat(const std::vector<PanelVertex>& mesh) {
    if (mesh.empty())
        return;
    gl.UseProgram(programs_.flat);
    panel_buffer_.upload(mesh);
    panel_buffer_.draw();
}

void UiRenderer::draw_icons(DrawableSize drawable) {
    if (icon_mesh_.empty())
        return;
    gl.UseProgram(programs_.textured);
    set_pixel_space(programs_.textured, drawable);
    gl.BindTexture(GL_TEXTURE_2D, atlas_);
    // The atlas holds premultiplied colour.
    gl.BlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    icon_buffer_.draw();
    gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.BindTexture(GL_TEXTURE_2D, 0);
}

void UiRenderer::end_of_frame(UiContext& context, bool left_button_down) {
    if (!prepared_)
        prepare(context);
    prepared_ = false;
    const DrawableSize drawable = drawable_size();
    gl.Disable(GL_DEPTH_TEST);
    gl.DepthMask(GL_FALSE);
    // Panels lie under everything else of the interface.
    draw_flat(panel_mesh_);
    panel_mesh_.clear();
    draw_flat(box_mesh_);
    text_.draw(drawable);
    draw_icons(drawable);
    context.text_queue.clear();
    context.icon_queue.clear();
    context.box_queue.clear();
    gl.Enable(GL_DEPTH_TEST);
    gl.DepthMask(GL_TRUE);
    settle_pointer_state(context, left_button_down);
}

void UiRenderer::paint(float a, float b) {
    const auto c = kPanelColour;
    const std::array<PanelVertex, 6> corners{{
        {-a, b, c.r, c.g, c.b, c.a},
        {-a, -b, c.r, c.g, c.b, c.a},
        {a, -b, c.r, c.g, c.b, c.a},
        {-a, b, c.r, c.g, c.b, c.a},
        {a, -b, c.r, c.g, c.b, c.a},
        {a, b, c.r, c.g, c.b, c.a},
    }};
    panel_mesh_.insert(panel_mesh_.end(), corners.begin(), corners.end());
}

UiAssets load_ui_assets() {
    std::optional<Font> font = Font::load(embedded_font_ttf());
    if (!font)
        fatal("internal error: the embedded font cannot be read");
    return {std::move(*font), build_icon_atlas(decode_embedded_icons())};
}

UserInterface::UserInterface(UiAssets assets)
    : font(std::move(assets.font)), renderer(font, assets.atlas) {
    context.font = &font;
    context.panels = &renderer;
}

std::unique_ptr<UserInterface> create_user_interface(UiAssets assets, UiSize window_size,
                                                     UiSize drawable_size) {
    auto ui = std::make_unique<UserInterface>(std::move(assets));
    ui->context.window_size = window_size;
    ui->context.drawable_size = drawable_size;
    return ui;
}

std::unique_ptr<UserInterface> create_user_interface(UiSize window_size, UiSize drawable_size) {
    return create_user_interface(load_ui_assets(), window_size, drawable_size);
}

} // namespace coilwend
