#include "graphics/ShaderObject.h"

#include <gtest/gtest.h>

#include "tests/support/GameHarness.h"

namespace {

TEST(ShaderObject, ShippedProgramsLinkAndBrokenOnesAreOneLineNamingTheFault) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameHarness game;
    ASSERT_TRUE(game.IsRunning());
    const auto build = [](const std::string& vertex, const std::string& fragment, bool& built) {
        ShaderObject shader;
        testing::internal::CaptureStdout();
        built = shader.Init(vertex, fragment);
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(shader.program != 0, built) << printed;
        shader.Release();
        return printed;
    };
    for (const char* name : {"lel", "shapes", "text", "particle"}) {
        bool built = false;
        EXPECT_EQ(build(VertexShaderPath(name), FragmentShaderPath(name), built),
                  "ShaderObject Initialized.\n");
        EXPECT_TRUE(built) << name;
    }

    const std::string vertex = "#version 330\nlayout(location = 0) in vec3 position;\n"
                               "void main() { gl_Position = vec4(position, 1.0); }\n";
    const std::string linkError = "ShaderObject::Init [Error linking program] ";
    const std::string folder = "../Resources/Shaders/";
    game.Box().WriteResource("Shaders/good.shpv", vertex);
    game.Box().WriteResource("Shaders/bad.shpf", "#version 330\nout vec4 c;\nvoid main() { c = oops; }\n");
    // A stage without main() compiles on its own; only the link can refuse it.
    game.Box().WriteResource("Shaders/nomain.shpv", "#version 330\nvoid helper() {}\n");
    game.Box().WriteResource("Shaders/plain.shpf",
                             "#version 330\nout vec4 c;\nvoid main() { c = vec4(1.0); }\n");
    const struct {
        std::string vertex, fragment, start, named;
    } cases[] = {
        {"good.shpv", "bad.shpf", linkError, "bad.shpf"},
        {"nomain.shpv", "plain.shpf", linkError, ""},
        {"nosuch.shpv", "plain.shpf", "", "nosuch.shpv"},
        {"good.shpv", "gone.shpf", "", "gone.shpf"},
    };
    for (const auto& c : cases) {
        bool built = true;
        const std::string printed = build(folder + c.vertex, folder + c.fragment, built);
        EXPECT_FALSE(built) << printed;
        EXPECT_EQ(printed.rfind(c.start, 0), 0u) << printed;
        EXPECT_NE(printed.find(c.named), std::string::npos) << printed;
        EXPECT_EQ(printed.find("Initialized"), std::string::npos) << printed;
        if (!c.start.empty()) {
            EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
        }
    }
}

} // namespace
