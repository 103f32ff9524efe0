// Text: layout, fitting and centring as the player sees them in the mesh,
// the glyph cache's growth, and the GL side's one upload and one draw a frame.

#include "ui/text_frame.hpp"
#include "ui/ui_renderer.hpp"

#include "support/allocation_counter.hpp"
#include "support/graphics_fake_gl.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

namespace coilwend {
namespace {

// The cache texture as bytes, so tests can see what was written where.
class MemoryTexture final : public GlyphTexture {
  public:
    explicit MemoryTexture(std::uint32_t side) { resize(side); }
    void resize(std::uint32_t side) override {
        side_ = side;
        texels_.assign(static_cast<std::size_t>(side) * side, 0);
        ++resizes;
    }
    void write(const TexelRect& rect, std::span<const std::uint8_t> coverage) override {
        ++writes;
        for (std::uint32_t y = 0; y < rect.height; ++y)
            std::copy_n(&coverage[static_cast<std::size_t>(y) * rect.width], rect.width,
                        &texels_[static_cast<std::size_t>(rect.y + y) * side_ + rect.x]);
    }
    // Total coverage under a glyph quad's texture rectangle.
    unsigned sum(const GlyphVertex& top_left, const GlyphVertex& bottom_right) const {
        const auto texel = [&](float f) { return static_cast<std::uint32_t>(f * side_ + 0.5f); };
        unsigned total = 0;
        for (std::uint32_t y = texel(top_left.v); y < texel(bottom_right.v); ++y)
            for (std::uint32_t x = texel(top_left.u); x < texel(bottom_right.u); ++x)
                total += texels_[static_cast<std::size_t>(y) * side_ + x];
        return total;
    }
    std::uint32_t side_ = 0;
    int resizes = -1; // the constructor's own does not count
    int writes = 0;

  private:
    std::vector<std::uint8_t> texels_;
};

const Font& game_font() {
    static const Font font = *Font::load(embedded_font_ttf());
    return font;
}

struct Extent {
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
};
Extent extent(std::span<const GlyphVertex> mesh) {
    Extent e;
    for (const GlyphVertex& v : mesh) {
        e.left = std::min(e.left, v.x);
        e.right = std::max(e.right, v.x);
        e.top = std::min(e.top, v.y);
        e.bottom = std::max(e.bottom, v.y);
    }
    return e;
}

struct TextRig {
    explicit TextRig(std::uint32_t ceiling = kNoCacheCeiling)
        : frame(game_font(), ceiling), texture(first_cache_side(ceiling)) {}
    TextFrame frame;
    MemoryTexture texture;
    TextQueue queue;
    std::vector<GlyphVertex> build(std::uint32_t drawable_width = 800,
                                   std::optional<std::uint64_t> dimmed = std::nullopt) {
        const auto mesh = frame.build(queue, drawable_width, dimmed, texture);
        queue.clear();
        return {mesh.begin(), mesh.end()};
    }
    void label(std::string_view text, std::uint32_t size, int x = 200, int y = 100,
               TextAlign align = TextAlign::Centred, Rgba colour = {},
               TextShadow shadow = TextShadow::None) {
        queue.push(text, size, x, y, colour, shadow, align);
    }
};

TEST(UiText, AWideLabelShrinksOnceToNineTenthsOfTheDrawableKeepingItsTop) {
    TextRig rig;
    const std::string title = "Humble Beginnings at the Edge of the Map";
    const int full = text_width(game_font(), title, 100);
    ASSERT_GT(full, 360);
    const auto fitted_size = static_cast<std::uint32_t>(100 * 360 / full);
    rig.label(title, 100, 200, 40);
    const Extent e = extent(rig.build(400));
    EXPECT_EQ(static_cast<int>(e.right - e.left), text_width(game_font(), title, fitted_size));
    EXPECT_LE(e.right - e.left, 360.0f);
    EXPECT_GE(e.top, 40.0f) << "the top of the box stays";
    EXPECT_LE(e.bottom, 40.0f + static_cast<float>(fitted_size) + 1.0f);
    EXPECT_LT(e.bottom, 40.0f + 100.0f * 0.8f) << "drawn at the smaller size";
}

TEST(UiText, CentringShiftsByHalfTheWidthRoundedTowardZero) {
    // Find a caption of odd width so the truncation shows.
    std::uint32_t size = 20;
    while (text_width(game_font(), "Tête-à-tête", size) % 2 == 0)
        ++size;
    const int width = text_width(game_font(), "Tête-à-tête", size);
    TextRig rig;
    rig.label("Tête-à-tête", size, 300, 50, TextAlign::Left);
    const float left_aligned = extent(rig.build()).left;
    rig.label("Tête-à-tête", size, 300, 50, TextAlign::Centred);
    const float centred = extent(rig.build()).left;
    EXPECT_EQ(left_aligned - centred, static_cast<float>(width / 2));
}

TEST(UiText, BlanksDrawNothingAndShadowedWordsLieOnAHaloUnderAllTheirLetters) {
    TextRig rig;
    rig.label("", 30);
    rig.label("   ", 30);
    rig.label("Hi", 30, 200, 100, TextAlign::Centred, {1, 1, 1, 0.6f}, TextShadow::Drop);
    const auto mesh = rig.build();
    // Per glyph a drop shadow and eight halo copies, all before any letter,
    // so no letter's halo covers its neighbour.
    constexpr std::size_t kUnder = 9;
    ASSERT_EQ(mesh.size(), 2u * (kUnder + 1) * 6u);
    const std::size_t letters = 2 * kUnder * 6;
    const GlyphVertex& shadow = mesh[0];
    const GlyphVertex& glyph = mesh[letters];
    EXPECT_EQ(shadow.x, glyph.x + 2);
    EXPECT_EQ(shadow.y, glyph.y + 2);
    EXPECT_EQ(shadow.u, glyph.u);
    EXPECT_FLOAT_EQ(shadow.a, 0.3f);
    EXPECT_EQ(shadow.r, 0.0f);
    float reach = 0;
    for (std::size_t i = 6; i < kUnder * 6; i += 6) {
        EXPECT_EQ(mesh[i].r, 0.0f) << "the halo is dark";
        EXPECT_EQ(mesh[i].u, glyph.u) << "around the same letter";
        reach = std::max({reach, std::abs(mesh[i].x - glyph.x), std::abs(mesh[i].y - glyph.y)});
    }
    EXPECT_GE(reach, 1.0f) << "the halo reaches out around the letter";
    for (std::size_t i = letters; i < mesh.size(); ++i)
        EXPECT_FLOAT_EQ(mesh[i].a, 0.6f) << "letters, in their own colour";
}

TEST(UiText, HeldCaptionsAreDimmedAndInvisibleTextIsCachedForLater) {
    TextRig rig;
    // The held button, a label with the same text and an invisible caption.
    rig.queue.push("Sound", 30, 200, 100, {1, 0.5f, 1, 1}, TextShadow::None, TextAlign::Centred, 7);
    rig.label("Sound", 30, 200, 150);
    rig.label("Quit", 30, 200, 200, TextAlign::Centred, {1, 1, 1, 0});
    const auto mesh = rig.build(800, 7);
    EXPECT_FLOAT_EQ(mesh.front().r, 0.7f);
    EXPECT_FLOAT_EQ(mesh.front().g, 0.35f);
    EXPECT_FLOAT_EQ(mesh[6 * 5].r, 1.0f) << "a label with the held caption keeps its colour";
    EXPECT_FLOAT_EQ(mesh.back().r, 1.0f) << "other text keeps its colour";

    const int writes = rig.texture.writes;
    rig.label("Quit", 30, 200, 200);
    rig.build();
    EXPECT_EQ(rig.texture.writes, writes) << "shown later without rasterising";
}

// Every glyph quad maps 1:1 onto texels that hold coverage.
void expect_crisp_and_resident(const MemoryTexture& texture, std::span<const GlyphVertex> mesh) {
    for (std::size_t i = 0; i + 6 <= mesh.size(); i += 6) {
        const GlyphVertex& a = mesh[i];     // (x0, y0)
        const GlyphVertex& b = mesh[i + 2]; // (x1, y1)
        EXPECT_NEAR((b.u - a.u) * texture.side_, b.x - a.x, 1e-3) << "quad " << i / 6;
        EXPECT_NEAR((b.v - a.v) * texture.side_, b.y - a.y, 1e-3) << "quad " << i / 6;
        EXPECT_GT(texture.sum(a, b), 0u) << "quad " << i / 6;
    }
}

TEST(UiText, TooManyGlyphsGrowTheCacheOnceAndEarlierTextStaysValid) {
    TextRig rig;
    rig.label("Humble Beginnings", 40);
    rig.build();

    std::string printable;
    for (char c = '!'; c <= '~'; ++c)
        printable += c;
    ::testing::internal::CaptureStdout();
    for (std::uint32_t size : {40u, 48u, 56u, 64u})
        rig.label(printable, size, 0, 0, TextAlign::Left);
    rig.label("Humble Beginnings", 40);
    const auto crowded = rig.build(100000);
    const std::string log = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(log, "Growing font cache -> 1024\n");
    EXPECT_EQ(rig.frame.cache().side(), 1024u);
    EXPECT_EQ(crowded.size(), (4u * printable.size() + 16u) * 6u) << "everything drawn";
    expect_crisp_and_resident(rig.texture, crowded);

    const int writes = rig.texture.writes;
    rig.label("Humble Beginnings", 40);
    const auto again = rig.build();
    EXPECT_EQ(rig.texture.writes, writes);
    EXPECT_EQ(rig.texture.resizes, 1);
    expect_crisp_and_resident(rig.texture, again);
}

TEST(UiText, AtItsCeilingTheCacheStopsGrowingAndDrawsWhatFits) {
    std::string printable;
    for (char c = '!'; c <= '~'; ++c)
        printable += c;
    const auto crowd = [&](TextRig& rig) {
        for (std::uint32_t size : {40u, 48u, 56u, 64u})
            rig.label(printable, size, 0, 0, TextAlign::Left);
        rig.label("Humble Beginnings", 40);
    };
    const std::size_t glyphs = 4 * printable.size() + 16;

    TextRig rig(256);
    rig.label("Humble Beginnings", 40);
    EXPECT_EQ(rig.build().size(), 16u * 6u);

    ::testing::internal::CaptureStdout();
    crowd(rig);
    const auto crowded = rig.build(100000);
    crowd(rig);
    const auto again = rig.build(100000);
    const std::string log = ::testing::internal::GetCapturedStdout();
    const std::size_t drawn = crowded.size() / 6;
    EXPECT_GT(drawn, 16u) << "smaller glyphs still fill the gaps";
    EXPECT_LT(drawn, glyphs);
    EXPECT_EQ(log, "Font cache full, glyphs skipped: " + std::to_string(glyphs - drawn) + "\n")
        << "logged once while the count holds";
    EXPECT_EQ(again.size(), crowded.size());
    EXPECT_EQ(rig.texture.resizes, 0);
    EXPECT_EQ(rig.frame.cache().side(), 256u);
    expect_crisp_and_resident(rig.texture, crowded);

    rig.label("Humble Beginnings", 40);
    EXPECT_EQ(rig.build().size(), 16u * 6u) << "cached text is whole again";

    // A ceiling between doublings is reached exactly.
    TextRig wider(700);
    ::testing::internal::CaptureStdout();
    crowd(wider);
    wider.build(100000);
    EXPECT_EQ(::testing::internal::GetCapturedStdout().rfind("Growing font cache -> 700\n", 0), 0u);
    EXPECT_EQ(wider.frame.cache().side(), 700u);
    EXPECT_EQ(wider.texture.side_, 700u);
}

TEST(UiText, AfterAResizeAGrownCacheStartsOverAtItsFirstSideAndGrowsOnlyAsFarAsNeeded) {
    std::string printable;
    for (char c = '!'; c <= '~'; ++c)
        printable += c;
    TextRig rig;
    for (std::uint32_t size : {40u, 48u, 56u, 64u})
        rig.label(printable, size, 0, 0, TextAlign::Left);
    rig.build(100000);
    ASSERT_EQ(rig.frame.cache().side(), 1024u);

    rig.frame.start_over(rig.texture);
    EXPECT_EQ(rig.frame.cache().side(), 512u);
    EXPECT_EQ(rig.texture.side_, 512u) << "the texture shrinks with the cache";
    rig.label("Humble Beginnings", 40);
    ::testing::internal::CaptureStdout();
    const auto small = rig.build();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "") << "small text needs no growth";
    EXPECT_EQ(small.size(), 16u * 6u);
    expect_crisp_and_resident(rig.texture, small);

    // The same crowd grows it again, once, and nothing is lost.
    for (std::uint32_t size : {40u, 48u, 56u, 64u})
        rig.label(printable, size, 0, 0, TextAlign::Left);
    ::testing::internal::CaptureStdout();
    const auto crowded = rig.build(100000);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Growing font cache -> 1024\n");
    EXPECT_EQ(crowded.size(), 4u * printable.size() * 6u);
    expect_crisp_and_resident(rig.texture, crowded);
}

TEST(UiGlyphCache, PackedGlyphsStayInsideTheCacheAndNeverTouch) {
    // Every printable character at several sizes and sub-pixel positions,
    // until the cache is full: shelves of mixed heights and full rows.
    GlyphCache cache(game_font(), 256, 0.01f, 0.1f);
    for (const float pixels : {12.0f, 30.0f, 17.0f, 45.0f, 64.0f})
        for (char32_t c = U'!'; c <= U'~'; ++c)
            cache.queue({game_font().glyph_index(c), game_font().scale_for_size(pixels),
                         static_cast<float>(c % 3) / 3.0f, 0});
    std::vector<TexelRect> rects;
    cache.make_resident(
        [&](const TexelRect& rect, std::span<const std::uint8_t>) { rects.push_back(rect); });
    ASSERT_GT(rects.size(), 30u);
    // Touching rectangles would bleed into each other under filtering.
    const auto apart = [](const TexelRect& a, const TexelRect& b) {
        return a.x + a.width < b.x || b.x + b.width < a.x || a.y + a.height < b.y ||
               b.y + b.height < a.y;
    };
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const TexelRect& a = rects[i];
        ASSERT_LE(a.x + a.width, 256u);
        ASSERT_LE(a.y + a.height, 256u);
        for (std::size_t j = i + 1; j < rects.size(); ++j)
            ASSERT_TRUE(apart(a, rects[j])) << i << " at " << a.x << "," << a.y << " and " << j
                                            << " at " << rects[j].x << "," << rects[j].y;
    }
}

struct GlRig {
    fake_gl::Recorder recorder;
    GlRig() {
        set_shader_dialect(ShaderDialect::Desktop);
        recorder.script.uniform_locations = {{"width", 1}, {"height", 2}};
    }
};

TEST(UiTextGl, EachFrameUploadsOnceAndDrawsOnceWhateverItHolds) {
    GlRig rig;
    TextRenderer renderer(game_font(), 7);
    TextQueue queue;
    for (int frame = 0; frame < 3; ++frame) {
        rig.recorder.calls.clear();
        queue.push("Controls", 40, 400, 100, {}, TextShadow::Drop, TextAlign::Centred);
        queue.push("Credits", 30, 400, 200, {}, TextShadow::None, TextAlign::Centred);
        queue.push("Tête-à-tête", 20, 10, 300, {}, TextShadow::None, TextAlign::Left);
        renderer.draw_text_queue(queue, {800, 600}, std::nullopt);
        EXPECT_EQ(rig.recorder.count("DrawArrays"), 1u) << "frame " << frame;
        EXPECT_EQ(rig.recorder.count("BufferData") + rig.recorder.count("BufferSubData"), 1u);
        EXPECT_EQ(rig.recorder.count("TexSubImage2D") > 0, frame == 0) << "rasterised once";
        EXPECT_TRUE(queue.items().empty());
    }
    const auto uniforms = rig.recorder.named("Uniform1f"); // the last frame's
    ASSERT_EQ(uniforms.size(), 2u);
    EXPECT_EQ(uniforms[0].args, (std::vector<double>{1, 800}));
    EXPECT_EQ(uniforms[1].args, (std::vector<double>{2, 600}));

    rig.recorder.calls.clear();
    renderer.draw_text_queue(queue, {800, 600}, std::nullopt);
    EXPECT_EQ(rig.recorder.count("DrawArrays"), 0u) << "an empty frame draws nothing";
}

TEST(UiTextGl, OnlyANewDrawableSizeShrinksTheGrownGlyphTexture) {
    GlRig rig;
    TextRenderer renderer(game_font(), 7);
    TextQueue queue;
    std::string printable;
    for (char c = '!'; c <= '~'; ++c)
        printable += c;
    const auto draw = [&](DrawableSize drawable, bool crowded) {
        rig.recorder.calls.clear();
        if (crowded)
            for (std::uint32_t size : {40u, 48u, 56u, 64u})
                queue.push(printable, size, 0, 0, {}, TextShadow::None, TextAlign::Left);
        queue.push("Controls", 40, 400, 100, {}, TextShadow::None, TextAlign::Centred);
        ::testing::internal::CaptureStdout();
        renderer.draw_text_queue(queue, drawable, std::nullopt);
        ::testing::internal::GetCapturedStdout();
        std::vector<double> sides;
        for (const auto& call : rig.recorder.named("TexImage2D"))
            sides.push_back(call.args.at(3));
        return sides;
    };
    EXPECT_EQ(draw({100000, 600}, false), std::vector<double>{});
    EXPECT_EQ(draw({100000, 700}, false), std::vector<double>{}) << "not grown: kept";
    EXPECT_EQ(draw({100000, 700}, true), std::vector<double>{1024});
    EXPECT_EQ(draw({100000, 700}, false), std::vector<double>{}) << "same size: kept";
    EXPECT_EQ(draw({100000, 800}, false), std::vector<double>{512});
    EXPECT_EQ(draw({100000, 800}, false), std::vector<double>{});
}

TEST(UiTextGl, SteadyFramesOfQueuedTextAllocateNothing) {
    const GlFunctions saved = gl;
    gl = testing::silent_gl();
    set_shader_dialect(ShaderDialect::Desktop);
    TextRenderer renderer(game_font(), 7);
    UiContext context;
    context.window_size = context.drawable_size = {1280, 720};
    context.font = &game_font();
    const UiEvent hover = PointerEvent{PointerEvent::Kind::Move, 640, 300};
    const auto frame = [&] {
        text_button(context, &hover, 0.5f, 0.4f, 0.08f, {1, 1, 1}, "Reset all progress");
        text(context, 0.5f, -0.1f, 0.1f, TextShadow::Drop, TextAlign::Centred, 1.0f,
             "A level title long enough to leave the small-string buffer");
        text_button(context, nullptr, 0.5f, 0.4f, 0.08f, {1, 1, 1}, "Reset all progress");
        renderer.draw_text_queue(context.text_queue, {1280, 720}, context.dimmed_text());
    };
    frame();
    std::size_t counted = 0;
    {
        const testing::AllocationCounter counter;
        for (int i = 0; i < 10; ++i)
            frame();
        counted = counter.count();
    }
    gl = saved;
    EXPECT_EQ(counted, 0u);
}

} // namespace
} // namespace coilwend
