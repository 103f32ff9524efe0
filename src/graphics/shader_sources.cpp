#include "graphics/shader_sources.hpp"

#include <cstddef>

#include "game/log.hpp"

// Arrays written by coilwend_embed, each followed by a zero byte that the size excludes.
#define COILWEND_EMBEDDED(symbol)                                                                  \
    extern const unsigned char symbol[];                                                           \
    extern const std::size_t symbol##_size;
COILWEND_EMBEDDED(shader_mesh_vert)
COILWEND_EMBEDDED(shader_mesh_frag)
COILWEND_EMBEDDED(shader_pattern_vert)
COILWEND_EMBEDDED(shader_pattern_frag)
COILWEND_EMBEDDED(shader_facet_vert)
COILWEND_EMBEDDED(shader_facet_frag)
COILWEND_EMBEDDED(shader_shadow_vert)
COILWEND_EMBEDDED(shader_shadow_frag)
COILWEND_EMBEDDED(shader_colour_vert)
COILWEND_EMBEDDED(shader_colour_frag)
COILWEND_EMBEDDED(shader_textured_vert)
COILWEND_EMBEDDED(shader_textured_frag)
COILWEND_EMBEDDED(shader_point_vert)
COILWEND_EMBEDDED(shader_point_frag)
COILWEND_EMBEDDED(shader_ui_textured_vert)
COILWEND_EMBEDDED(shader_ui_textured_frag)
COILWEND_EMBEDDED(shader_ui_glyph_vert)
COILWEND_EMBEDDED(shader_ui_glyph_frag)
COILWEND_EMBEDDED(shader_ui_flat_vert)
COILWEND_EMBEDDED(shader_ui_flat_frag)
COILWEND_EMBEDDED(shader_noise_glsl)
#undef COILWEND_EMBEDDED

namespace coilwend {
namespace {

std::string_view text(const unsigned char* bytes, std::size_t size) {
    return {reinterpret_cast<const char*>(bytes), size};
}

#define COILWEND_TEXT(symbol) text(symbol, symbol##_size)

} // namespace

ProgramSource program_source(ProgramId id) {
    const std::span<const AttributeBinding> none;
    switch (id) {
    case ProgramId::Mesh:
        return {"mesh", COILWEND_TEXT(shader_mesh_vert), COILWEND_TEXT(shader_mesh_frag),
                NoiseFunctions::Omitted, bindings_3d};
    case ProgramId::Pattern:
        return {"pattern", COILWEND_TEXT(shader_pattern_vert), COILWEND_TEXT(shader_pattern_frag),
                NoiseFunctions::Appended, bindings_3d};
    case ProgramId::Facet:
        return {"facet", COILWEND_TEXT(shader_facet_vert), COILWEND_TEXT(shader_facet_frag),
                NoiseFunctions::Omitted, bindings_3d};
    case ProgramId::Shadow:
        return {"shadow", COILWEND_TEXT(shader_shadow_vert), COILWEND_TEXT(shader_shadow_frag),
                NoiseFunctions::Omitted, bindings_3d};
    case ProgramId::Colour:
        return {"colour", COILWEND_TEXT(shader_colour_vert), COILWEND_TEXT(shader_colour_frag),
                NoiseFunctions::Omitted, none};
    case ProgramId::Textured:
        return {"textured", COILWEND_TEXT(shader_textured_vert),
                COILWEND_TEXT(shader_textured_frag), NoiseFunctions::Omitted, none};
    case ProgramId::Point:
        return {"point", COILWEND_TEXT(shader_point_vert), COILWEND_TEXT(shader_point_frag),
                NoiseFunctions::Appended, none};
    case ProgramId::UiTextured:
        return {"ui textured", COILWEND_TEXT(shader_ui_textured_vert),
                COILWEND_TEXT(shader_ui_textured_frag), NoiseFunctions::Omitted, bindings_2d};
    case ProgramId::UiGlyph:
        return {"ui glyph", COILWEND_TEXT(shader_ui_glyph_vert),
                COILWEND_TEXT(shader_ui_glyph_frag), NoiseFunctions::Omitted, bindings_2d};
    case ProgramId::UiFlat:
        return {"ui flat", COILWEND_TEXT(shader_ui_flat_vert), COILWEND_TEXT(shader_ui_flat_frag),
                NoiseFunctions::Omitted, none};
    }
    fatal("internal error: entered unreachable code");
}

std::string_view noise_source() {
    return COILWEND_TEXT(shader_noise_glsl);
}

#undef COILWEND_TEXT

} // namespace coilwend
