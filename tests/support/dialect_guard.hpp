#pragma once
// Sets the shader dialect for one test and puts the previous one back after it.

#include "graphics/gl_context_info.hpp"

namespace coilwend::testing {

class DialectGuard {
  public:
    explicit DialectGuard(ShaderDialect dialect) : saved_(shader_dialect()) {
        set_shader_dialect(dialect);
    }
    ~DialectGuard() { set_shader_dialect(saved_); }
    DialectGuard(const DialectGuard&) = delete;
    DialectGuard& operator=(const DialectGuard&) = delete;

  private:
    ShaderDialect saved_;
};

} // namespace coilwend::testing
