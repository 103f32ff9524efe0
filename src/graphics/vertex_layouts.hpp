#pragma once
// How each vertex record is presented to the shaders: one attribute per
// named shader input, with its component count, type and byte offset. A
// renderer with a vertex record of its own specialises VertexLayout for it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "graphics/gl_context_info.hpp"
#include "graphics/gl_functions.hpp"
#include "graphics/vertex_formats.hpp"

namespace coilwend {

struct VertexAttribute {
    const char* name; // shader input name, looked up on the program
    GLint components;
    GLenum type;
    GLboolean normalized;
    std::uint32_t offset; // bytes from the start of the record
};

// Specialisations provide `attributes` (in binding order), `default_usage`,
// and `enabled_count(dialect)`: how many leading attributes that dialect's
// shaders read.
template <class Vertex> struct VertexLayout;

template <> struct VertexLayout<MeshVertex> {
    static constexpr GLenum default_usage = GL_STATIC_DRAW;
    static constexpr std::array<VertexAttribute, 3> attributes{{
        {"position", 3, GL_FLOAT, GL_FALSE, 0},
        {"normal", 3, GL_FLOAT, GL_FALSE, 12},
        {"color1", 3, GL_UNSIGNED_BYTE, GL_TRUE, 24},
    }};
    static constexpr std::size_t enabled_count(ShaderDialect) { return attributes.size(); }
};

template <> struct VertexLayout<PatternVertex> {
    static constexpr GLenum default_usage = GL_DYNAMIC_DRAW;
    static constexpr std::array<VertexAttribute, 6> attributes{{
        {"position", 3, GL_FLOAT, GL_FALSE, 0},
        {"normal", 3, GL_FLOAT, GL_FALSE, 12},
        {"color1", 3, GL_UNSIGNED_BYTE, GL_TRUE, 24},
        {"color2", 3, GL_UNSIGNED_BYTE, GL_TRUE, 28},
        {"uv", 2, GL_FLOAT, GL_FALSE, 32},
        {"pattern", 1, GL_BYTE, GL_FALSE, 40},
    }};
    // The GLES 2 pattern shader is a plain lit mesh: it has no second colour,
    // no uv and no pattern, so those are neither enabled nor pointed at.
    static constexpr std::size_t enabled_count(ShaderDialect dialect) {
        return dialect == ShaderDialect::Gles2 ? 3 : attributes.size();
    }
};

template <> struct VertexLayout<FacetVertex> {
    static constexpr GLenum default_usage = GL_STATIC_DRAW;
    static constexpr std::array<VertexAttribute, 4> attributes{{
        {"position", 3, GL_FLOAT, GL_FALSE, 0},
        {"normal", 3, GL_FLOAT, GL_FALSE, 12},
        {"color", 3, GL_UNSIGNED_BYTE, GL_TRUE, 24},
        {"bary", 3, GL_UNSIGNED_BYTE, GL_TRUE, 27},
    }};
    static constexpr std::size_t enabled_count(ShaderDialect) { return attributes.size(); }
};

template <> struct VertexLayout<ColorVertex> {
    static constexpr GLenum default_usage = GL_STREAM_DRAW;
    static constexpr std::array<VertexAttribute, 2> attributes{{
        {"position", 3, GL_FLOAT, GL_FALSE, 0},
        {"color", 4, GL_FLOAT, GL_FALSE, 12},
    }};
    static constexpr std::size_t enabled_count(ShaderDialect) { return attributes.size(); }
};

template <> struct VertexLayout<TexturedVertex> {
    static constexpr GLenum default_usage = GL_STREAM_DRAW;
    static constexpr std::array<VertexAttribute, 3> attributes{{
        {"position", 3, GL_FLOAT, GL_FALSE, 0},
        {"color", 4, GL_FLOAT, GL_FALSE, 12},
        {"uv", 2, GL_FLOAT, GL_FALSE, 28},
    }};
    static constexpr std::size_t enabled_count(ShaderDialect) { return attributes.size(); }
};

template <> struct VertexLayout<PointVertex> {
    static constexpr GLenum default_usage = GL_STREAM_DRAW;
    static constexpr std::array<VertexAttribute, 4> attributes{{
        {"position", 2, GL_FLOAT, GL_FALSE, 0},
        {"uv", 2, GL_FLOAT, GL_FALSE, 8},
        {"alpha", 1, GL_FLOAT, GL_FALSE, 16},
        {"color", 3, GL_UNSIGNED_BYTE, GL_TRUE, 20},
    }};
    static constexpr std::size_t enabled_count(ShaderDialect) { return attributes.size(); }
};

// The attributes a buffer of this format enables under the given dialect.
template <class Vertex> std::span<const VertexAttribute> enabled_attributes(ShaderDialect dialect) {
    const auto& all = VertexLayout<Vertex>::attributes;
    return std::span<const VertexAttribute>(all.data(),
                                            VertexLayout<Vertex>::enabled_count(dialect));
}

// The tables above repeat the records' layout by hand; keep them honest.
static_assert(VertexLayout<MeshVertex>::attributes[2].offset == offsetof(MeshVertex, color1));
static_assert(VertexLayout<PatternVertex>::attributes[3].offset == offsetof(PatternVertex, color2));
static_assert(VertexLayout<PatternVertex>::attributes[4].offset == offsetof(PatternVertex, uv));
static_assert(VertexLayout<PatternVertex>::attributes[5].offset ==
              offsetof(PatternVertex, pattern));
static_assert(VertexLayout<FacetVertex>::attributes[2].offset == offsetof(FacetVertex, color));
static_assert(VertexLayout<FacetVertex>::attributes[3].offset == offsetof(FacetVertex, bary));
static_assert(VertexLayout<ColorVertex>::attributes[1].offset == offsetof(ColorVertex, color));
static_assert(VertexLayout<TexturedVertex>::attributes[2].offset == offsetof(TexturedVertex, uv));
static_assert(VertexLayout<PointVertex>::attributes[1].offset == offsetof(PointVertex, uv));
static_assert(VertexLayout<PointVertex>::attributes[2].offset == offsetof(PointVertex, alpha));
static_assert(VertexLayout<PointVertex>::attributes[3].offset == offsetof(PointVertex, color));

} // namespace coilwend
