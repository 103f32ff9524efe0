#pragma once
// The board's scene programs, which the map draws with too: the mesh,
// pattern, shadow and colour programs are built once, so their compiled code
// (over a megabyte each under a software rasteriser) is kept once, and the
// driver's variants made on the map serve the first level as well. Uniforms
// belong to a program, not to whoever draws with it, so a renderer sets its
// light and view on them again when the other set them last.

#include "graphics/programs.hpp"

namespace coilwend {

class SharedPrograms {
  public:
    // Needs a current context.
    static SharedPrograms build() { return SharedPrograms(build_scene_programs()); }

    const ScenePrograms& programs() const { return programs_; }

    // True when `user` set the programs' uniforms last.
    bool holds_uniforms_of(const void* user) const { return user == uniforms_from_; }
    void uniforms_set_by(const void* user) { uniforms_from_ = user; }

  private:
    explicit SharedPrograms(ScenePrograms programs) : programs_(programs) {}

    ScenePrograms programs_;
    const void* uniforms_from_ = nullptr;
};

} // namespace coilwend
