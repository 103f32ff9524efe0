// The icon atlas and the end-of-frame pass: premultiplied placement in the
// grid, mipmapped upload, and the order and blending of the pass.

#include "ui/ui_renderer.hpp"

#include "support/board_renderer_fixture.hpp"
#include "support/graphics_fake_gl.hpp"

#include <gtest/gtest.h>

namespace coilwend {
namespace {

RgbaImage solid(std::uint32_t side, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                std::uint8_t a) {
    RgbaImage image{side, side, {}};
    for (std::uint32_t i = 0; i < side * side; ++i)
        image.pixels.insert(image.pixels.end(), {r, g, b, a});
    return image;
}

const std::uint8_t* atlas_pixel(const IconAtlas& atlas, std::uint32_t x, std::uint32_t y) {
    return &atlas.pixels[(static_cast<std::size_t>(y) * kAtlasWidth + x) * 4];
}

TEST(UiIconAtlas, IconsArePremultipliedAndPlacedByColumnModEightAndRowDivEight) {
    std::vector<RgbaImage> icons;
    for (std::uint8_t i = 0; i < 10; ++i)
        icons.push_back(solid(4, 200, 101, 255, static_cast<std::uint8_t>(i * 25)));
    icons[9] = solid(3, 200, 101, 255, 128);
    const IconAtlas atlas = build_icon_atlas(icons);

    const std::uint8_t* nine = atlas_pixel(atlas, 256 + 2, 256 + 2); // column 1, row 1
    EXPECT_EQ(nine[0], 100);                                         // 200 * 128 / 255
    EXPECT_EQ(nine[1], 50);                                          // 50.7 truncated
    EXPECT_EQ(nine[2], 128);
    EXPECT_EQ(nine[3], 128);
    EXPECT_EQ(atlas_pixel(atlas, 256 + 3, 256)[3], 0) << "icon 9 is 3 wide";
    EXPECT_EQ(atlas_pixel(atlas, 7 * 256 + 1, 1)[3], 175) << "icon 7 ends the first row";
    EXPECT_EQ(atlas.uv[9].u0, 256.0f / 2048);
    EXPECT_EQ(atlas.uv[9].v0, 256.0f / 1024);
    EXPECT_EQ(atlas.uv[9].u1, 259.0f / 2048);
    EXPECT_EQ(atlas.uv[9].v1, 259.0f / 1024);
}

TEST(UiIconAtlas, TheEmbeddedIconsDecodeAndUploadWithEveryMipmapLevelAfterThePixels) {
    const std::vector<RgbaImage> icons = decode_embedded_icons();
    ASSERT_EQ(icons.size(), kIconCount);
    for (const RgbaImage& icon : icons)
        EXPECT_EQ(icon.width, 256u);

    fake_gl::Recorder recorder;
    upload_icon_atlas(build_icon_atlas(icons));
    EXPECT_EQ(recorder.count("GenerateMipmap"), 0u) << "made on the decoding thread instead";
    const auto images = recorder.named("TexImage2D");
    ASSERT_EQ(images.size(), 12u) << "2048 × 1024 down to 1 × 1";
    for (std::size_t level = 0; level < images.size(); ++level) {
        EXPECT_EQ(images[level].args[1], double(level));
        EXPECT_EQ(images[level].args[3], double(std::max(2048 >> level, 1)));
        EXPECT_EQ(images[level].args[4], double(std::max(1024 >> level, 1)));
    }
    const auto parameters = recorder.named("TexParameteri");
    ASSERT_FALSE(parameters.empty());
    EXPECT_EQ(parameters[0].args[2], GL_LINEAR_MIPMAP_LINEAR);
}

TEST(UiPass, TextThenPremultipliedIconsWithDepthOffThenPointerSettled) {
    fake_gl::Recorder recorder;
    testing::GlContextValues values(ShaderDialect::Desktop, 800, 600);
    recorder.script.uniform_locations = {{"width", 1}, {"height", 2}};
    const Font font = *Font::load(embedded_font_ttf());
    UiRenderer renderer(font, decode_embedded_icons());
    UiContext context;
    context.window_size = context.drawable_size = {800, 600};
    context.pointer_state = PointerState::IconOver;
    context.pressed_icon = 5;
    icon(context, 0.1f, 0.1f, 0.1f, 5, {1, 1, 1});
    icon(context, 0.3f, 0.1f, 0.1f, 6, {1, 1, 1});
    text(context, 0.5f, 0.5f, 0.05f, TextShadow::None, TextAlign::Centred, 1.0f, "Music");

    std::vector<IconVertex> mesh;
    build_icon_mesh(context.icon_queue, {}, context, mesh);
    EXPECT_FLOAT_EQ(mesh[0].r, 0.7f) << "the pressed icon is darker";
    EXPECT_FLOAT_EQ(mesh[6].r, 1.0f);

    recorder.calls.clear();
    renderer.end_of_frame(context, true);
    std::vector<std::string> seen;
    for (const auto& call : recorder.calls)
        if (call.name == "DrawArrays" || call.name == "BlendFunc" || call.name == "DepthMask")
            seen.push_back(call.name);
    EXPECT_EQ(seen, (std::vector<std::string>{"DepthMask", "DrawArrays", "BlendFunc", "DrawArrays",
                                              "BlendFunc", "DepthMask"}));
    const auto blends = recorder.named("BlendFunc");
    EXPECT_EQ(blends[0].args, (std::vector<double>{GL_ONE, GL_ONE_MINUS_SRC_ALPHA}));
    EXPECT_EQ(blends[1].args, (std::vector<double>{GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}));
    EXPECT_TRUE(context.icon_queue.empty());
    EXPECT_TRUE(context.text_queue.items().empty());
    EXPECT_EQ(context.pointer_state, PointerState::IconOver) << "held on a button stays";
    renderer.end_of_frame(context, false);
    EXPECT_EQ(context.pointer_state, PointerState::Idle);
}

} // namespace
} // namespace coilwend
