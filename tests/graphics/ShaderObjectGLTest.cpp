#include "graphics/ShaderObject.h"

#include <gtest/gtest.h>

#include "tests/support/GameHarness.h"

namespace {

TEST(ShaderObject, ShippedProgramsLinkAndBrokenOnesAreOneLineNamingTheFault) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameHarness game;
    ASSERT_TRUE(game.IsRunning());
    game.Box().WriteResource("Shaders/good.shpv", "#version 330\nlayout(location = 0) in vec3 position;\n"
                                                  "void main() { gl_Position = vec4(position, 1.0); }\n");
    game.Box().WriteResource("Shaders/bad.shpf", "#version 330\nout vec4 c;\nvoid main() { c = oops; }\n");
    // A stage without main() compiles on its own; only the link can refuse it.
    game.Box().WriteResource("Shaders/nomain.shpv", "#version 330\nvoid helper() {}\n");
    game.Box().WriteResource("Shaders/plain.shpf",
                             "#version 330\nout vec4 c;\nvoid main() { c = vec4(1.0); }\n");
    const std::string ok = "ShaderObject Initialized.\n",
                      link = "ShaderObject::Init [Error linking program] ", folder = "../Resources/Shaders/";
    const struct {
        std::string vertex, fragment, start, named; // start: how the printed line begins
    } cases[] = {
        {VertexShaderPath("lel"), FragmentShaderPath("lel"), ok, ""},
        {VertexShaderPath("shapes"), FragmentShaderPath("shapes"), ok, ""},
        {VertexShaderPath("text"), FragmentShaderPath("text"), ok, ""},
        {VertexShaderPath("particle"), FragmentShaderPath("particle"), ok, ""},
        {folder + "good.shpv", folder + "bad.shpf", link, "bad.shpf"},
        {folder + "nomain.shpv", folder + "plain.shpf", link, ""},
        {folder + "nosuch.shpv", folder + "plain.shpf", "", "nosuch.shpv"},
        {folder + "good.shpv", folder + "gone.shpf", "", "gone.shpf"},
    };
    for (const auto& c : cases) {
        ShaderObject shader;
        testing::internal::CaptureStdout();
        const bool built = shader.Init(c.vertex, c.fragment);
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(shader.program != 0, built) << printed;
        shader.Release();
        EXPECT_EQ(built, c.start == ok) << c.vertex << " " << c.fragment << ": " << printed;
        EXPECT_EQ(printed.rfind(c.start, 0), 0u) << printed;
        EXPECT_NE(printed.find(c.named), std::string::npos) << printed;
        if (c.start != "") {
            EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
        }
    }
}

} // namespace
