#pragma once
// The GL side of the board renderer: uniforms, the shadow pass and the main
// pass. Each call leaves the fixed GL state as it found it.

#include "game/matrix.hpp"
#include "graphics/gl_functions.hpp"
#include "graphics/pixel_rect.hpp"
#include "graphics/programs.hpp"
#include "graphics/shader_build.hpp"
#include "graphics/vertex_buffer.hpp"

#include <cstddef>

namespace coilwend {

// The board's batches, in the order the shadow pass draws them.
struct BoardBuffers {
    const VertexBuffer<FacetVertex>& snakes;
    const VertexBuffer<MeshVertex>& ground;
    const VertexBuffer<MeshVertex>& pieces;
    const VertexBuffer<PatternVertex>& scenery;
};

// The fixed light on the mesh, pattern and facet programs, set once.
void set_light_uniforms(const ScenePrograms& programs);

// "proj" and "light_proj" on every program that reads them, in the order
// mesh, facet, shadow, colour, pattern, textured. GLES 2 has no shadow map,
// so there "light_proj" is never set. The colour program draws the overlays
// with overlay_projection.
void upload_view_uniforms(const ScenePrograms& programs, const Mat4& camera, const Mat4& light);

// The camera for the flat overlays. The selection marker lies in the floor's
// plane; depths interpolated over its triangles and over the floor's differ in
// the last bits, so without a nudge towards the viewer the floor would show
// through it in patches. The nudge is far smaller than anything standing on
// the floor, which still hides the marker.
Mat4 overlay_projection(const Mat4& camera);
inline constexpr float kOverlayDepthBias = 2e-5f; // in clip-space z

// Renders the depth of every batch as the light sees it into the given
// texels of the shadow map (the rest keep the last pass), then returns to the
// scene framebuffer. Not under GLES 2.
void shadow_pass(const ScenePrograms& programs, const ShadowMap& shadow,
                 const BoardBuffers& buffers, const PixelRect& texels);

// The lit scene into the scene framebuffer over the drawable size.
void main_pass(const ScenePrograms& programs, const ShadowMap& shadow, const BoardBuffers& buffers);

// Draws count vertices from first of a buffer's vertex array; nothing when
// count is 0. The caller has made the program current.
void draw_vertex_range(GLuint vao, GLenum mode, std::size_t first, std::size_t count);

} // namespace coilwend
