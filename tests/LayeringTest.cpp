// The folders form layers: the platform layer at the bottom talks to SDL and nothing of ours above
// it; the engine services (objects, graphics, physics, audio, input and the engine's systems) may
// use each other and the platform; gameplay, scenes and tools sit on top. Only the component table
// and the program's start-up reach down-to-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> layerOf = {
    {"platform", 0}, {"engine", 1}, {"input", 1},    {"objects", 1}, {"graphics", 1},
    {"physics", 1},  {"audio", 1},  {"gameplay", 2}, {"scenes", 2},  {"tools", 2},
};

const std::set<std::string> wiringFiles = {"objects/ComponentFactory.cpp", "engine/Engine.cpp",
                                           "engine/Main.cpp"};

TEST(Layering, IncludesPointDownOrAcrossOnly) {
    const fs::path root = HOLLOWTIDE_SOURCE_DIR;
    const std::regex include(R"re(^\s*#\s*include\s*"(\w+)/)re");
    int files = 0;
    for (const auto& [folder, layer] : layerOf) {
        for (const auto& entry : fs::directory_iterator(root / folder)) {
            const std::string relative = folder + "/" + entry.path().filename().string();
            if (wiringFiles.count(relative)) continue;
            ++files;
            std::ifstream in(entry.path());
            std::string line;
            for (int number = 1; std::getline(in, line); ++number) {
                std::smatch match;
                if (!std::regex_search(line, match, include)) continue;
                const auto target = layerOf.find(match[1].str());
                if (target == layerOf.end()) continue;
                const bool allowed = layer == 0 ? target->first == "platform" : target->second <= layer;
                EXPECT_TRUE(allowed) << relative << ":" << number << " includes " << match[1] << "/";
            }
        }
    }
    EXPECT_GT(files, 50);
}

} // namespace
