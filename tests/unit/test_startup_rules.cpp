#include "graphics/png_image.hpp"
#include "main/command_line.hpp"
#include "main/embedded_assets.hpp"
#include "main/mapping_text.hpp"
#include "main/text_trim.hpp"
#include "main/version.hpp"
#include "main/window_size.hpp"

#include <gtest/gtest.h>

#include <png.h>

#include <string>
#include <vector>

using namespace coilwend;

TEST(WindowSize, GivenASmallDisplay_ThenTheWindowTakesItsSize) {
    EXPECT_EQ(initial_window_size(1280, 720), (WindowSize{1280, 720}));
    EXPECT_EQ(initial_window_size(1920, 1080), (WindowSize{1920, 1080}));
}

TEST(WindowSize, GivenALargeDisplay_ThenTheWindowStopsAt1920By1080PerDimension) {
    EXPECT_EQ(initial_window_size(3840, 2160), (WindowSize{1920, 1080}));
    EXPECT_EQ(initial_window_size(2560, 800), (WindowSize{1920, 800}));
    EXPECT_EQ(initial_window_size(1000, 5000), (WindowSize{1000, 1080}));
}

TEST(WindowSize, GivenDegenerateDisplayBounds_ThenEachDimensionIsAtLeastOne) {
    EXPECT_EQ(initial_window_size(0, 0), (WindowSize{1, 1}));
    EXPECT_EQ(initial_window_size(-5, 600), (WindowSize{1, 600}));
    EXPECT_EQ(initial_window_size(5'000'000'000, 4'000'000'000), (WindowSize{1920, 1080}));
}

TEST(WindowSize, GivenASavedSize_ThenItComesBackInsideTheDisplayAndAboveTheMinimum) {
    EXPECT_EQ(restored_window_size({1000, 700}, {1280, 720}), (WindowSize{1000, 700}));
    EXPECT_EQ(restored_window_size({2560, 1440}, {1280, 690}), (WindowSize{1280, 690}));
    EXPECT_EQ(restored_window_size({100, 50}, {1280, 720}), kMinimumWindow);
}

TEST(Version, GivenTheEmbeddedText_ThenItIsTrimmedOfItsNewline) {
    EXPECT_EQ(game_version(), "1.0.6");
    EXPECT_EQ(trim_whitespace(" 1.0.6\r\n"), "1.0.6");
    EXPECT_EQ(trim_whitespace("\n\t "), "");
}

TEST(CommandLine, GivenTheExactSwitchAnywhere_ThenDiagnosticsAreWanted) {
    const std::vector<const char*> args{"coilwend", "-x", "-opengl_debug"};
    EXPECT_TRUE(wants_opengl_debug(args));
}

TEST(CommandLine, GivenNearMisses_ThenDiagnosticsAreNotWanted) {
    for (const char* near_miss : {"-OpenGL_debug", "-opengl_debugx", "opengl_debug",
                                  "--opengl_debug", "-opengl_debu", ""}) {
        const std::vector<const char*> args{"coilwend", near_miss};
        EXPECT_FALSE(wants_opengl_debug(args)) << near_miss;
    }
    EXPECT_FALSE(wants_opengl_debug({}));
}

TEST(CommandLine, GivenOpenGlEsSwitches_ThenTheLastExactOneChoosesTheContext) {
    using Args = std::vector<const char*>;
    EXPECT_EQ(requested_gl(Args{"coilwend"}), GlRequest::Desktop);
    EXPECT_EQ(requested_gl(Args{"coilwend", "-gles3"}), GlRequest::Gles3);
    EXPECT_EQ(requested_gl(Args{"coilwend", "-gles3", "-opengl_debug", "-gles2"}),
              GlRequest::Gles2);
    EXPECT_EQ(requested_gl(Args{"coilwend", "-gles2", "-gles3"}), GlRequest::Gles3);
    for (const char* near_miss : {"-GLES3", "--gles3", "-gles", "-gles4", "gles2", "-gles2x"})
        EXPECT_EQ(requested_gl(Args{"coilwend", near_miss}), GlRequest::Desktop) << near_miss;
    // The diagnostics switch is independent of the flavour.
    EXPECT_TRUE(wants_opengl_debug(Args{"coilwend", "-gles2", "-opengl_debug"}));
}

TEST(MappingText, GivenCommentsBlankLinesAndCarriageReturns_ThenOnlyTrimmedMappingsRemain) {
    const std::string text = "# Windows - DINPUT\r\n"
                             "guid1,Pad One,a:b0,platform:Windows,\r\n"
                             "\r\n"
                             "\n"
                             "   \t\n"
                             "# Linux\n"
                             "  guid2,Pad Two,a:b1,platform:Linux,  \n"
                             "guid3,Pad Three,a:b2,";
    EXPECT_EQ(controller_mapping_lines(text),
              (std::vector<std::string_view>{"guid1,Pad One,a:b0,platform:Windows,",
                                             "guid2,Pad Two,a:b1,platform:Linux,",
                                             "guid3,Pad Three,a:b2,"}));
}

TEST(MappingText, GivenTheShippedDatabase_ThenItHasTheThreeSectionsAndWellFormedMappings) {
    const std::string_view text = controller_mapping_text();
    for (const char* section : {"# Windows - DINPUT\n", "# OS X\n", "# Linux\n"})
        EXPECT_NE(text.find(section), std::string_view::npos) << section;
    const auto lines = controller_mapping_lines(text);
    ASSERT_GE(lines.size(), 5u);
    for (const std::string_view line : lines) {
        // GUID of 32 hex digits, a name, then bindings ending in a platform.
        ASSERT_GT(line.size(), 34u);
        EXPECT_EQ(line.find_first_not_of("0123456789abcdef"), 32u) << line;
        EXPECT_EQ(line[32], ',') << line;
        EXPECT_NE(line.find(",a:"), std::string_view::npos) << line;
        EXPECT_NE(line.find(",platform:"), std::string_view::npos) << line;
    }
}

namespace {

std::vector<unsigned char> encode_png(std::uint32_t format, std::uint32_t width,
                                      std::uint32_t height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = format;
    std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image), 0x7F);
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr);
    std::vector<unsigned char> bytes(size);
    EXPECT_NE(png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr),
              0);
    bytes.resize(size);
    return bytes;
}

} // namespace

TEST(PngImage, GivenTheWindowIcon_ThenItDecodesAs8BitRgba) {
    const PngDecodeResult result = decode_rgba_png(window_icon_png());
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_GT(result.image.width, 0u);
    EXPECT_EQ(result.image.pixels.size(), 4u * result.image.width * result.image.height);
}

TEST(PngImage, GivenAnRgbaImage_ThenPixelsComeBackUnchanged) {
    const auto bytes = encode_png(PNG_FORMAT_RGBA, 3, 2);
    const PngDecodeResult result = decode_rgba_png(bytes);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.image.width, 3u);
    EXPECT_EQ(result.image.height, 2u);
    EXPECT_EQ(result.image.pixels, std::vector<std::uint8_t>(24, 0x7F));
}

TEST(PngImage, GivenOtherLayoutsOrGarbage_ThenDecodingFailsWithAMessage) {
    const std::uint32_t other_formats[] = {PNG_FORMAT_RGB, PNG_FORMAT_GA, PNG_FORMAT_GRAY,
                                           PNG_FORMAT_LINEAR_RGB_ALPHA};
    for (const std::uint32_t format : other_formats) {
        const PngDecodeResult result = decode_rgba_png(encode_png(format, 2, 2));
        EXPECT_FALSE(result.ok()) << format;
        EXPECT_TRUE(result.image.pixels.empty());
    }
    const std::vector<unsigned char> garbage{1, 2, 3, 4, 5};
    EXPECT_FALSE(decode_rgba_png(garbage).ok());
}
