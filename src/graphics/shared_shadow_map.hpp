#pragma once
// One shadow map for the map and the board: 8 MB of depth at 2048², and the
// two never draw in the same frame. Each keeps the texels it drew only while
// it was the last to draw there; the other's pass leaves them wrong for it,
// so it draws the whole map again first (as after leaving a level, whose
// first map frame may be the very view the map last drew).

#include "graphics/pixel_rect.hpp"
#include "graphics/shader_build.hpp"

namespace coilwend {

class SharedShadowMap {
  public:
    // Needs a current context; both names are 0 under GLES 2.
    static SharedShadowMap create() { return SharedShadowMap(create_shadow_map()); }

    const ShadowMap& map() const { return map_; }

    // The texels `drawer` must draw this frame: `changed` when it drew the
    // shadow map last, else all of it.
    PixelRect region_to_draw(const void* drawer, const PixelRect& changed) const {
        return drawer == last_drawer_ ? changed : PixelRect{0, 0, shadow_map_size, shadow_map_size};
    }
    void drawn_by(const void* drawer) { last_drawer_ = drawer; }

  private:
    explicit SharedShadowMap(ShadowMap map) : map_(map) {}

    ShadowMap map_;
    const void* last_drawer_ = nullptr;
};

} // namespace coilwend
