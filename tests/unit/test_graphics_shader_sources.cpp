// The embedded GLSL sources, read through a small preprocessor for each
// dialect: the inputs, uniforms and varyings each dialect sees must agree
// with the vertex layouts, with each other, and with what the renderers set.
// No GLES driver is needed; the real-driver check runs in the headless tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/shader_sources.hpp"
#include "graphics/vertex_layouts.hpp"

namespace coilwend {
namespace {

using Defines = std::set<std::string>;

struct Preprocessed {
    std::string text;
    bool balanced = true;
};

// Keeps the lines that #ifdef / #ifndef / #else / #endif leave active, without
// their line comments.
Preprocessed preprocess(std::string_view source, const Defines& defines) {
    Preprocessed out;
    std::vector<bool> active{true};
    std::istringstream lines{std::string(source)};
    std::string line;
    const std::regex directive(R"(^\s*#\s*(ifdef|ifndef|else|endif)\b\s*(\w*))");
    while (std::getline(lines, line)) {
        std::smatch match;
        if (std::regex_search(line, match, directive)) {
            const std::string word = match[1];
            if (word == "ifdef" || word == "ifndef") {
                const bool defined = defines.contains(match[2]);
                active.push_back(active.back() && (word == "ifdef" ? defined : !defined));
            } else if (active.size() == 1) {
                out.balanced = false;
            } else if (word == "else") {
                const bool was = active.back();
                active.pop_back();
                active.push_back(active.back() && !was);
            } else {
                active.pop_back();
            }
            continue;
        }
        if (active.back())
            out.text += line.substr(0, line.find("//")) + "\n";
    }
    if (active.size() != 1)
        out.balanced = false;
    return out;
}

struct Declaration {
    std::string type;
    std::string name;
    friend bool operator<(const Declaration& a, const Declaration& b) {
        return a.name < b.name || (a.name == b.name && a.type < b.type);
    }
    friend bool operator==(const Declaration&, const Declaration&) = default;
};

// Declarations of one storage qualifier ("in", "out", "uniform"), in source order.
std::vector<Declaration> declared(const std::string& text, const std::string& qualifier) {
    std::vector<Declaration> found;
    const std::regex pattern("(^|\\n)\\s*" + qualifier + R"(\s+(\w+)\s+(\w+)\s*;)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
        found.push_back({(*it)[2], (*it)[3]});
    return found;
}

std::vector<std::string> names_of(const std::vector<Declaration>& declarations) {
    std::vector<std::string> names;
    for (const Declaration& d : declarations)
        names.push_back(d.name);
    return names;
}

std::set<std::string> name_set(const std::vector<Declaration>& declarations) {
    const auto names = names_of(declarations);
    return {names.begin(), names.end()};
}

struct Dialect {
    const char* label;
    ShaderDialect dialect;
    Defines defines;
};

const std::vector<Dialect>& dialects() {
    static const std::vector<Dialect> all{
        {"desktop", ShaderDialect::Desktop, {}},
        {"gles2", ShaderDialect::Gles2, {"GLES2"}},
        {"gles3", ShaderDialect::Gles3, {}},
    };
    return all;
}

std::string fragment_text(const ProgramSource& source) {
    std::string text(source.fragment);
    if (source.noise == NoiseFunctions::Appended)
        text += noise_source();
    return text;
}

template <class Vertex> std::vector<std::string> layout_names(ShaderDialect dialect) {
    std::vector<std::string> names;
    for (const VertexAttribute& attribute : enabled_attributes<Vertex>(dialect))
        names.emplace_back(attribute.name);
    return names;
}

// The vertex inputs each program must read under a dialect: the enabled
// attributes of the record that feeds it.
std::vector<std::string> expected_inputs(ProgramId id, ShaderDialect dialect) {
    switch (id) {
    case ProgramId::Mesh:
        return layout_names<MeshVertex>(dialect);
    case ProgramId::Pattern:
        return layout_names<PatternVertex>(dialect);
    case ProgramId::Facet:
        return layout_names<FacetVertex>(dialect);
    case ProgramId::Shadow:
        return {"position"};
    case ProgramId::Colour:
        return layout_names<ColorVertex>(dialect);
    case ProgramId::Textured:
        return layout_names<TexturedVertex>(dialect);
    case ProgramId::Point:
        return layout_names<PointVertex>(dialect);
    case ProgramId::UiTextured:
    case ProgramId::UiGlyph:
        return {"position", "color", "uv"};
    case ProgramId::UiFlat:
        return {"position", "color"};
    }
    return {};
}

std::set<std::string> expected_uniforms(ProgramId id, ShaderDialect dialect) {
    const bool shadows = dialect != ShaderDialect::Gles2;
    switch (id) {
    case ProgramId::Mesh:
    case ProgramId::Pattern:
    case ProgramId::Facet:
        if (shadows)
            return {"proj", "light_proj", "directional_dir", "directional_intensity", "shadow_map"};
        return {"proj", "directional_dir", "directional_intensity"};
    case ProgramId::Shadow:
        return {"light_proj"};
    case ProgramId::Colour:
    case ProgramId::Point:
        return {"proj"};
    case ProgramId::Textured:
        return {"proj", "tex"};
    case ProgramId::UiTextured:
    case ProgramId::UiGlyph:
        return {"width", "height", "tex"};
    case ProgramId::UiFlat:
        return {};
    }
    return {};
}

TEST(ShaderSources, GivenEveryEmbeddedText_ThenItIsZeroTerminatedWithoutInnerNulsOrVersion) {
    std::vector<std::string_view> texts{noise_source()};
    for (const ProgramId id : all_program_ids) {
        texts.push_back(program_source(id).vertex);
        texts.push_back(program_source(id).fragment);
    }
    for (const std::string_view text : texts) {
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.data()[text.size()], '\0') << "usable as a C string";
        EXPECT_EQ(text.find('\0'), std::string_view::npos);
        // The prefix owns the version line, and texture2D is spelled through its define.
        EXPECT_EQ(text.find("#version"), std::string_view::npos) << text.substr(0, 60);
        EXPECT_EQ(text.find("texture2D"), std::string_view::npos) << text.substr(0, 60);
    }
}

TEST(ShaderSources, GivenEveryDialect_ThenConditionalsBalanceAndInputsMatchTheLayouts) {
    for (const Dialect& d : dialects()) {
        for (const ProgramId id : all_program_ids) {
            const ProgramSource source = program_source(id);
            const Preprocessed vertex = preprocess(source.vertex, d.defines);
            const Preprocessed fragment = preprocess(fragment_text(source), d.defines);
            SCOPED_TRACE(std::string(source.name) + " under " + d.label);
            EXPECT_TRUE(vertex.balanced);
            EXPECT_TRUE(fragment.balanced);
            auto inputs = names_of(declared(vertex.text, "in"));
            auto expected = expected_inputs(id, d.dialect);
            std::sort(inputs.begin(), inputs.end());
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(inputs, expected);
            EXPECT_TRUE(declared(fragment.text, "out").empty()) << "colour goes to gl_FragColor";
        }
    }
}

TEST(ShaderSources, GivenEveryDialect_ThenEachVaryingIsWrittenAndReadWithOneType) {
    for (const Dialect& d : dialects()) {
        for (const ProgramId id : all_program_ids) {
            const ProgramSource source = program_source(id);
            SCOPED_TRACE(std::string(source.name) + " under " + d.label);
            auto written = declared(preprocess(source.vertex, d.defines).text, "out");
            auto read = declared(preprocess(fragment_text(source), d.defines).text, "in");
            std::sort(written.begin(), written.end());
            std::sort(read.begin(), read.end());
            EXPECT_EQ(written, read);
        }
    }
}

TEST(ShaderSources, GivenEveryDialect_ThenTheUniformsAreExactlyThoseTheRenderersSet) {
    for (const Dialect& d : dialects()) {
        for (const ProgramId id : all_program_ids) {
            const ProgramSource source = program_source(id);
            SCOPED_TRACE(std::string(source.name) + " under " + d.label);
            auto uniforms =
                name_set(declared(preprocess(source.vertex, d.defines).text, "uniform"));
            const auto fragment_uniforms =
                name_set(declared(preprocess(fragment_text(source), d.defines).text, "uniform"));
            uniforms.insert(fragment_uniforms.begin(), fragment_uniforms.end());
            EXPECT_EQ(uniforms, expected_uniforms(id, d.dialect));
        }
    }
}

TEST(ShaderSources, GivenGles2_ThenNoNoiseOrShadowCodeSurvivesAndDesktopKeepsIt) {
    const Defines gles2{"GLES2"};
    const Preprocessed noise = preprocess(noise_source(), gles2);
    EXPECT_EQ(noise.text.find("snoise"), std::string::npos);
    EXPECT_EQ(noise.text.find("cellular"), std::string::npos);

    for (const ProgramId id : {ProgramId::Mesh, ProgramId::Pattern, ProgramId::Facet}) {
        const ProgramSource source = program_source(id);
        SCOPED_TRACE(source.name);
        const std::string without = preprocess(fragment_text(source), gles2).text;
        EXPECT_EQ(without.find("light_coord"), std::string::npos);
        EXPECT_EQ(without.find("texture("), std::string::npos);
        const std::string with = preprocess(fragment_text(source), {}).text;
        EXPECT_NE(with.find("texture(shadow_map"), std::string::npos);
    }
    for (const ProgramId id : {ProgramId::Pattern, ProgramId::Point}) {
        const ProgramSource source = program_source(id);
        SCOPED_TRACE(source.name);
        EXPECT_EQ(source.noise, NoiseFunctions::Appended);
        EXPECT_EQ(preprocess(fragment_text(source), gles2).text.find("snoise("), std::string::npos);
        const std::string desktop = preprocess(fragment_text(source), {}).text;
        EXPECT_NE(desktop.find("float snoise(vec2 v) {"), std::string::npos);
    }
    const std::string pattern =
        preprocess(fragment_text(program_source(ProgramId::Pattern)), {}).text;
    EXPECT_NE(pattern.find("vec2 cellular(vec2 P) {"), std::string::npos);
    // The plain fallback of the GLES 2 pattern program.
    EXPECT_NE(preprocess(program_source(ProgramId::Pattern).fragment, gles2)
                  .text.find("vec3 unlit = fcolor1;"),
              std::string::npos);
}

TEST(ShaderSources, GivenTheOptionalBranches_ThenGammaAndAndroidPathsExistButAreNotTaken) {
    for (const ProgramId id : all_program_ids) {
        const ProgramSource source = program_source(id);
        SCOPED_TRACE(source.name);
        const std::string fragment(source.fragment);
        if (id == ProgramId::Shadow) {
            EXPECT_EQ(fragment.find("gl_FragColor"), std::string::npos) << "depth only";
            continue;
        }
        ASSERT_NE(fragment.find("#ifdef GAMMA"), std::string::npos);
        EXPECT_EQ(preprocess(fragment, {}).text.find("pow("), std::string::npos);
        EXPECT_NE(preprocess(fragment, {"GAMMA"}).text.find("pow("), std::string::npos);
    }
    for (const ProgramId id : {ProgramId::Mesh, ProgramId::Pattern, ProgramId::Facet}) {
        const std::string fragment(program_source(id).fragment);
        SCOPED_TRACE(program_source(id).name);
        ASSERT_NE(fragment.find("#ifndef ANDROID"), std::string::npos);
        // Without ANDROID the nine-sample filter is used.
        EXPECT_NE(preprocess(fragment, {}).text.find("shadow /= 9.0;"), std::string::npos);
        EXPECT_EQ(preprocess(fragment, {"ANDROID"}).text.find("shadow /= 9.0;"), std::string::npos);
    }
}

TEST(ShaderSources, GivenTheBindingTables_ThenEveryProgramLinkedWithOneReadsItsPosition) {
    for (const ProgramId id : all_program_ids) {
        const ProgramSource source = program_source(id);
        if (source.bindings.empty())
            continue;
        SCOPED_TRACE(source.name);
        const auto inputs = name_set(declared(std::string(source.vertex), "in"));
        EXPECT_EQ(source.bindings[0].index, 0u);
        EXPECT_TRUE(inputs.contains(source.bindings[0].name));
    }
    const auto uses = [](ProgramId id) { return program_source(id).bindings.size(); };
    EXPECT_EQ(uses(ProgramId::Mesh), 3u);
    EXPECT_EQ(uses(ProgramId::Pattern), 3u);
    EXPECT_EQ(uses(ProgramId::Facet), 3u);
    EXPECT_EQ(uses(ProgramId::Shadow), 3u);
    EXPECT_EQ(uses(ProgramId::UiTextured), 2u);
    EXPECT_EQ(uses(ProgramId::UiGlyph), 2u);
    EXPECT_EQ(uses(ProgramId::Colour), 0u);
    EXPECT_EQ(uses(ProgramId::Textured), 0u);
    EXPECT_EQ(uses(ProgramId::Point), 0u);
    EXPECT_EQ(uses(ProgramId::UiFlat), 0u);
}

} // namespace
} // namespace coilwend
