#include "graphics/ShaderObject.h"

#include <gtest/gtest.h>

#include <GL/glew.h>

#include "tests/support/GameHarness.h"

namespace {

class ShaderBuild : public ::testing::Test {
protected:
    std::unique_ptr<GameHarness> game;
    ShaderObject shader;

    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no display";
        game = std::make_unique<GameHarness>();
        ASSERT_TRUE(game->IsRunning());
    }
    void TearDown() override { shader.Release(); }

    std::string Write(const std::string& name, const std::string& text) {
        game->Box().WriteResource("Shaders/" + name, text);
        return "../Resources/Shaders/" + name;
    }
    // Builds with standard output captured; returns what was printed.
    std::string Build(const std::string& vertex, const std::string& fragment, bool& built) {
        testing::internal::CaptureStdout();
        built = shader.Init(vertex, fragment);
        return testing::internal::GetCapturedStdout();
    }
};

const char* const goodVertex = "#version 330\nlayout(location = 0) in vec3 position;\n"
                               "void main() { gl_Position = vec4(position, 1.0); }\n";

TEST_F(ShaderBuild, EveryShippedProgramLinks) {
    for (const char* name : {"lel", "shapes", "text", "particle"}) {
        bool built = false;
        const std::string output = Build(VertexShaderPath(name), FragmentShaderPath(name), built);
        EXPECT_TRUE(built) << name << ": " << output;
        EXPECT_EQ(output, "ShaderObject Initialized.\n") << name;
        EXPECT_NE(shader.program, 0u);
    }
}

TEST_F(ShaderBuild, CompileErrorIsOneLineNamingTheFileAndLeavesNoProgram) {
    const std::string vertex = Write("bad_vertex.shpv", goodVertex);
    const std::string fragment =
        Write("bad_frag.shpf", "#version 330\nout vec4 c;\nvoid main() { c = oops; }\n");
    bool built = true;
    const std::string output = Build(vertex, fragment, built);
    EXPECT_FALSE(built);
    EXPECT_EQ(shader.program, 0u);
    EXPECT_EQ(output.rfind("ShaderObject::Init [Error linking program] ", 0), 0u) << output;
    EXPECT_NE(output.find("bad_frag.shpf"), std::string::npos) << output;
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
}

TEST_F(ShaderBuild, LinkFailureIsReportedEvenThoughBothStagesCompiled) {
    // A stage without main() compiles on its own; only the link can refuse it.
    const std::string vertex = Write("nomain_vertex.shpv", "#version 330\nvoid helper() {}\n");
    const std::string fragment =
        Write("plain_frag.shpf", "#version 330\nout vec4 c;\nvoid main() { c = vec4(1.0); }\n");
    bool built = true;
    const std::string output = Build(vertex, fragment, built);
    EXPECT_FALSE(built);
    EXPECT_EQ(shader.program, 0u);
    EXPECT_EQ(output.find("Initialized"), std::string::npos) << output;
    EXPECT_EQ(output.rfind("ShaderObject::Init [Error linking program] ", 0), 0u) << output;
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
}

TEST_F(ShaderBuild, MissingFileIsNamedAndNothingIsBuilt) {
    bool built = true;
    const std::string output =
        Build("../Resources/Shaders/nosuch_vertex.shpv", FragmentShaderPath("lel"), built);
    EXPECT_FALSE(built);
    EXPECT_EQ(shader.program, 0u);
    EXPECT_NE(output.find("nosuch_vertex.shpv"), std::string::npos) << output;
    const std::string missingFragment =
        Build(VertexShaderPath("lel"), "../Resources/Shaders/gone_frag.shpf", built);
    EXPECT_FALSE(built);
    EXPECT_NE(missingFragment.find("gone_frag.shpf"), std::string::npos) << missingFragment;
}

} // namespace
