#include "platform/AudioDevice.h"
#include "platform/IcoReader.h"
#include "tests/support/Image.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// Textures the game's code asks for by name, with the number of cells in their one row.
const char* const codeTextures =
    "empty.png:1 particle.png:1 player_idle.png:30 player_run.png:20 player_walk.png:30 "
    "player_jump.png:20 player_hide.png:10 player_climb.png:30 player_crawl.png:40 "
    "player_idle_lit.png:30 player_run_lit.png:20 player_walk_lit.png:30 player_jump_lit.png:20 "
    "player_hide_lit.png:10 player_idle_unlit.png:30 player_run_unlit.png:20 player_walk_unlit.png:30 "
    "player_jump_unlit.png:20 player_crawl_unlit.png:40 player_hide_unlit.png:10 "
    "player_climb_unlit.png:30 creature_walk.png:30 creature_attack.png:30 lift_door_open_lit.png:40 "
    "lift_door_close_lit.png:45 prop_cupboard_unlit.png:1 prop_cupboard_unlit_hide.png:1 "
    "prop_cupboard_unlit_red.png:1 prop_cupboard_unlit_red_hide.png:1 bedroom_unlit.png:1 button_play.png:1 "
    "button_howtoplay.png:1 button_credits.png:1 button_back.png:1 button_options.png:1 button_mute.png:1 "
    "button_muted.png:1 button_quit.png:1 button_yes.png:1 button_no.png:1 button_resume.png:1";
// Sound names the code plays; "name*3" stands for name1, name2 and name3.
const char* const effects =
    "blackout buttonhover buttonpress calendartear catmeow2 chase creatureidle doorlockturn doorunlockfail "
    "doorunlocksuccess echoalarm echoalert electricalstatic evade floorcollapse footstepwater1 heartbeat*2 "
    "keypickup leverpull liftalarm liftbutton liftdoorclose liftdooropen liftdoorpryopen liftflicker "
    "liftmoving newspaperblow ominousherald1 ominousherald3 rooftopchase suspense switchon switchpull "
    "thunderindoor ventsdrip ventsfans ventsrain watertap watertapturn thunderoutdoor*5 footstepconcrete*8 "
    "footstepgrass*8 footstepvents*8";
const char* const music =
    "bgm intro rainindoor windindoor raincorridor rainvoiddeck windoutdoor rainjungle floodedroom day finale";

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        const size_t star = word.find('*');
        if (star == std::string::npos) words.push_back(word);
        for (int i = 1; star != std::string::npos && i <= std::stoi(word.substr(star + 1)); ++i)
            words.push_back(word.substr(0, star) + std::to_string(i));
    }
    return words;
}

::testing::AssertionResult LoadArt(const std::string& name, Image& image) {
    std::string error;
    return LoadPng((RepositoryResources() / "Arts" / name).string(), image, &error)
               ? ::testing::AssertionSuccess()
               : ::testing::AssertionFailure() << error;
}

// Lowest row of a cell that holds a clearly visible pixel; -1 for an empty cell.
int LowestOpaqueRow(const Image& image, unsigned x0, unsigned cellWidth) {
    for (int y = int(image.height) - 1; y >= 0; --y)
        for (unsigned x = x0; x < x0 + cellWidth; ++x)
            if (image.At(x, unsigned(y), 3) > 128) return y;
    return -1;
}

// name -> path as listed; the lists hold paths as the game opens them, from beside Resources/.
std::map<std::string, std::string> ReadList(const std::string& relative) {
    std::ifstream in(RepositoryResources() / relative);
    std::map<std::string, std::string> entries;
    for (std::string line; std::getline(in, line);) {
        const std::vector<std::string> words = Words(line);
        if (words.empty()) continue;
        EXPECT_EQ(words.size(), 2u) << relative << ": " << line;
        EXPECT_TRUE(entries.emplace(words[0], words.back()).second) << relative << ": twice: " << words[0];
    }
    return entries;
}

} // namespace

TEST(ContentTest, EveryTextureTheCodeNamesDecodesIntoEqualFilledCells) {
    unsigned playerCell = 0, playerHeight = 0;
    for (const std::string& entry : Words(codeTextures)) {
        const std::string name = entry.substr(0, entry.find(':'));
        const unsigned columns = unsigned(std::stoi(entry.substr(entry.find(':') + 1)));
        SCOPED_TRACE(name);
        Image image;
        ASSERT_TRUE(LoadArt(name, image));
        EXPECT_EQ(image.width % columns, 0u);
        EXPECT_LE(image.width, 8192u) << "wider than older GPUs accept";
        const unsigned cell = image.width / columns;
        const bool player = name.rfind("player_", 0) == 0;
        if (player && playerCell == 0) playerCell = cell, playerHeight = image.height;
        // One Transform scale serves every sheet the player switches between, feet on the bottom edge.
        if (player) {
            EXPECT_TRUE(cell == playerCell && image.height == playerHeight);
        }
        for (unsigned c = 0; c < columns; ++c) {
            const int lowest = LowestOpaqueRow(image, c * cell, cell);
            EXPECT_GE(lowest, 0) << "cell " << c << " is empty";
            if (player && name.find("climb") == std::string::npos) { // hangs on the ladder
                EXPECT_GE(lowest, int(image.height) - 4) << "feet off the ground in cell " << c;
            }
        }
    }
}

TEST(ContentTest, ArtFolderHoldsOnlyDecodablePngFiles) {
    // The splash preloads every file in the folder, so anything else would print decode errors.
    for (const auto& entry : fs::directory_iterator(RepositoryResources() / "Arts")) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(entry.is_regular_file() && name[0] != '.' && entry.path().extension() == ".png") << name;
        Image image;
        EXPECT_TRUE(LoadArt(name, image));
    }
}

TEST(ContentTest, EverySoundIsListedOnceDecodesAndIsAudible) {
    const std::map<std::string, std::string> effectList = ReadList("Sound/Sounds.txt"),
                                             musicList = ReadList("BGM/BGM.txt");
    // A name in the wrong list is never heard: effects and music are played through different calls.
    for (const std::string& name : Words(effects))
        EXPECT_TRUE(effectList.count(name) && !musicList.count(name)) << "effect " << name;
    for (const std::string& name : Words(music))
        EXPECT_TRUE(musicList.count(name) && !effectList.count(name)) << "music " << name;

    const std::map<std::string, double> shortest = {{"intro", 25.0}, {"windoutdoor", 6.5}}; // scene lengths
    for (const auto* list : {&effectList, &musicList})
        for (const auto& [name, path] : *list) {
            SCOPED_TRACE(name);
            std::vector<int16_t> samples;
            int channels = 0, rate = 0;
            ASSERT_EQ(path.rfind("../Resources/", 0), 0u) << path;
            ASSERT_TRUE(Platform::DecodeSoundFile((RepositoryResources() / path.substr(13)).string(), samples,
                                                  channels, rate));
            ASSERT_TRUE(channels > 0 && rate > 0);
            const size_t frames = samples.size() / size_t(channels);
            const double seconds = double(frames) / rate;
            EXPECT_GT(seconds, 0.02);
            EXPECT_LT(seconds, 61.0) << "decoded whole into memory: keep it short";
            EXPECT_GE(seconds, shortest.count(name) ? shortest.at(name) : 0.0) << "shorter than its scene";
            int peak = 0;
            for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
            EXPECT_GT(peak, 3000) << "next to silent";
        }
}

TEST(ContentTest, IconsFontsAndTheWholeFolderHoldTheirFormatsAndSizes) {
    for (const auto& [file, size] : {std::pair<const char*, int>{"icon.ico", 32}, {"icon_small.ico", 16}}) {
        std::ifstream in(RepositoryResources() / file, std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        IcoImage icon;
        ASSERT_TRUE(DecodeIco(bytes, size, icon)) << file;
        EXPECT_TRUE(icon.width == size && icon.height == size) << file;
    }
    EXPECT_TRUE(fs::is_regular_file(RepositoryResources() / "Fonts" / "LICENSE-Liberation.txt"));
    uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(RepositoryResources()))
        if (entry.is_regular_file()) total += entry.file_size();
    EXPECT_LT(total, 40u * 1024 * 1024);
}
