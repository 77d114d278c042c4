#include "platform/AudioDevice.h"
#include "platform/IcoReader.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>
#include <lodepng.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Sheet {
    const char* name;
    int columns;
    int rows;
};

// Names the game's code asks for by itself, with the layout it assumes.
const std::vector<Sheet> kCodeTextures = {
    {"empty.png", 1, 1},
    {"particle.png", 1, 1},
    {"player_idle.png", 30, 1},
    {"player_run.png", 20, 1},
    {"player_walk.png", 30, 1},
    {"player_jump.png", 20, 1},
    {"player_hide.png", 10, 1},
    {"player_climb.png", 30, 1},
    {"player_crawl.png", 40, 1},
    {"player_idle_lit.png", 30, 1},
    {"player_run_lit.png", 20, 1},
    {"player_walk_lit.png", 30, 1},
    {"player_jump_lit.png", 20, 1},
    {"player_hide_lit.png", 10, 1},
    {"player_idle_unlit.png", 30, 1},
    {"player_run_unlit.png", 20, 1},
    {"player_walk_unlit.png", 30, 1},
    {"player_jump_unlit.png", 20, 1},
    {"player_crawl_unlit.png", 40, 1},
    {"player_hide_unlit.png", 10, 1},
    {"player_climb_unlit.png", 30, 1},
    {"creature_walk.png", 30, 1},
    {"creature_attack.png", 30, 1},
    {"lift_door_open_lit.png", 40, 1},
    {"lift_door_close_lit.png", 45, 1},
    {"prop_cupboard_unlit.png", 1, 1},
    {"prop_cupboard_unlit_hide.png", 1, 1},
    {"prop_cupboard_unlit_red.png", 1, 1},
    {"prop_cupboard_unlit_red_hide.png", 1, 1},
    {"bedroom_unlit.png", 1, 1},
};

// Menu and pause buttons: idle, highlighted and pressed rows.
const std::vector<std::string> kButtonSheets = {
    "button_play.png",    "button_howtoplay.png", "button_credits.png", "button_back.png",
    "button_options.png", "button_mute.png",      "button_muted.png",   "button_quit.png",
    "button_yes.png",     "button_no.png",        "button_resume.png"};

const std::vector<std::string> kEffects = {"blackout",          "buttonhover",
                                           "buttonpress",       "calendartear",
                                           "catmeow2",          "chase",
                                           "creatureidle",      "doorlockturn",
                                           "doorunlockfail",    "doorunlocksuccess",
                                           "echoalarm",         "echoalert",
                                           "electricalstatic",  "evade",
                                           "floorcollapse",     "footstepwater1",
                                           "heartbeat1",        "heartbeat2",
                                           "keypickup",         "leverpull",
                                           "liftalarm",         "liftbutton",
                                           "liftdoorclose",     "liftdooropen",
                                           "liftdoorpryopen",   "liftflicker",
                                           "liftmoving",        "newspaperblow",
                                           "ominousherald1",    "ominousherald3",
                                           "rooftopchase",      "suspense",
                                           "switchon",          "switchpull",
                                           "thunderindoor",     "ventsdrip",
                                           "ventsfans",         "ventsrain",
                                           "watertap",          "watertapturn",
                                           "thunderoutdoor1",   "thunderoutdoor2",
                                           "thunderoutdoor3",   "thunderoutdoor4",
                                           "thunderoutdoor5",   "footstepconcrete1",
                                           "footstepconcrete2", "footstepconcrete3",
                                           "footstepconcrete4", "footstepconcrete5",
                                           "footstepconcrete6", "footstepconcrete7",
                                           "footstepconcrete8", "footstepgrass1",
                                           "footstepgrass2",    "footstepgrass3",
                                           "footstepgrass4",    "footstepgrass5",
                                           "footstepgrass6",    "footstepgrass7",
                                           "footstepgrass8",    "footstepvents1",
                                           "footstepvents2",    "footstepvents3",
                                           "footstepvents4",    "footstepvents5",
                                           "footstepvents6",    "footstepvents7",
                                           "footstepvents8"};

const std::vector<std::string> kMusic = {"bgm",          "intro",        "rainindoor",  "windindoor",
                                         "raincorridor", "rainvoiddeck", "windoutdoor", "rainjungle",
                                         "floodedroom",  "day",          "finale"};

// Played with looping on; their ends must meet without a click.
const std::set<std::string> kLoops = {
    "chase",       "creatureidle", "echoalert",    "electricalstatic", "liftalarm",   "liftflicker",
    "liftmoving",  "ventsdrip",    "ventsfans",    "ventsrain",        "watertap",    "bgm",
    "rainindoor",  "windindoor",   "raincorridor", "rainvoiddeck",     "windoutdoor", "rainjungle",
    "floodedroom", "day",          "finale"};

struct Image {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<unsigned char> rgba;
    unsigned char Alpha(unsigned x, unsigned y) const { return rgba[(size_t(y) * width + x) * 4 + 3]; }
};

::testing::AssertionResult LoadPng(const std::string& name, Image& image) {
    const fs::path path = RepositoryResources() / "Arts" / name;
    const unsigned error = lodepng::decode(image.rgba, image.width, image.height, path.string());
    if (error != 0) return ::testing::AssertionFailure() << name << ": " << lodepng_error_text(error);
    return ::testing::AssertionSuccess();
}

// Lowest row of a cell that holds a clearly visible pixel; -1 for an empty cell.
int LowestOpaqueRow(const Image& image, unsigned x0, unsigned cellWidth) {
    for (int y = int(image.height) - 1; y >= 0; --y)
        for (unsigned x = x0; x < x0 + cellWidth; ++x)
            if (image.Alpha(x, unsigned(y)) > 128) return y;
    return -1;
}

struct ListEntry {
    std::string name;
    std::string path;
};

std::vector<ListEntry> ReadList(const std::string& relative) {
    std::ifstream in(RepositoryResources() / relative);
    std::vector<ListEntry> entries;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        ListEntry entry;
        std::string extra;
        if (!(words >> entry.name)) continue;
        words >> entry.path;
        EXPECT_FALSE(entry.path.empty()) << relative << ": '" << entry.name << "' has no path";
        EXPECT_FALSE(words >> extra) << relative << ": extra words after '" << entry.name << "'";
        entries.push_back(entry);
    }
    return entries;
}

// The lists hold paths as the game opens them from its working folder beside Resources/.
fs::path OnDisk(const std::string& listedPath) {
    const std::string prefix = "../Resources/";
    if (listedPath.compare(0, prefix.size(), prefix) != 0) return {};
    return RepositoryResources() / listedPath.substr(prefix.size());
}

} // namespace

TEST(ContentTest, EveryTextureTheCodeNamesDecodesIntoEqualCells) {
    for (const Sheet& sheet : kCodeTextures) {
        SCOPED_TRACE(sheet.name);
        Image image;
        ASSERT_TRUE(LoadPng(sheet.name, image));
        EXPECT_EQ(image.width % sheet.columns, 0u);
        EXPECT_EQ(image.height % sheet.rows, 0u);
        EXPECT_LE(image.width, 8192u) << "wider than older GPUs accept";
        const unsigned cellWidth = image.width / sheet.columns;
        for (int c = 0; c < sheet.columns; ++c)
            EXPECT_GE(LowestOpaqueRow(image, c * cellWidth, cellWidth), 0) << "cell " << c << " is empty";
    }
}

TEST(ContentTest, PlayerSheetsShareOneCellAndStandOnTheBottomEdge) {
    unsigned cellWidth = 0, cellHeight = 0;
    for (const Sheet& sheet : kCodeTextures) {
        const std::string name = sheet.name;
        if (name.rfind("player_", 0) != 0) continue;
        SCOPED_TRACE(name);
        Image image;
        ASSERT_TRUE(LoadPng(name, image));
        const unsigned w = image.width / sheet.columns;
        if (cellWidth == 0) {
            cellWidth = w;
            cellHeight = image.height;
        }
        // one Transform scale serves every sheet the player switches between
        EXPECT_EQ(w, cellWidth);
        EXPECT_EQ(image.height, cellHeight);
        if (name.find("climb") != std::string::npos) continue; // hangs on the ladder
        for (int c = 0; c < sheet.columns; ++c)
            EXPECT_GE(LowestOpaqueRow(image, c * w, w), int(image.height) - 4)
                << "feet off the ground in cell " << c;
    }
}

TEST(ContentTest, SwappedTexturesKeepTheirPartnersSize) {
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"creature_walk.png", "creature_attack.png"},
        {"prop_cupboard_unlit.png", "prop_cupboard_unlit_hide.png"},
        {"prop_cupboard_unlit.png", "prop_cupboard_unlit_red.png"},
        {"prop_cupboard_unlit_red.png", "prop_cupboard_unlit_red_hide.png"},
        {"bedroom_lit.png", "bedroom_unlit.png"},
        {"corridor_lit.png", "corridor_unlit.png"},
        {"livingroom_lit.png", "livingroom_unlit.png"},
        {"voiddeck_lit.png", "voiddeck_unlit.png"},
        {"deathbed_lit.png", "deathbed_unlit.png"},
        {"button_mute.png", "button_muted.png"},
    };
    for (const auto& [first, second] : pairs) {
        SCOPED_TRACE(first + " / " + second);
        Image a, b;
        ASSERT_TRUE(LoadPng(first, a));
        ASSERT_TRUE(LoadPng(second, b));
        EXPECT_EQ(a.width, b.width);
        EXPECT_EQ(a.height, b.height);
    }
    Image open, close;
    ASSERT_TRUE(LoadPng("lift_door_open_lit.png", open));
    ASSERT_TRUE(LoadPng("lift_door_close_lit.png", close));
    EXPECT_EQ(open.width / 40, close.width / 45);
    EXPECT_EQ(open.height, close.height);
}

TEST(ContentTest, ButtonSheetsHoldThreeLooksThatDiffer) {
    for (const std::string& name : kButtonSheets) {
        SCOPED_TRACE(name);
        Image image;
        ASSERT_TRUE(LoadPng(name, image));
        ASSERT_EQ(image.height % 3, 0u);
        const size_t rowBytes = size_t(image.width) * (image.height / 3) * 4;
        const auto row = [&](int r) { return image.rgba.begin() + ptrdiff_t(r * rowBytes); };
        // the highlighted and pressed looks must be told apart from the idle one at a glance
        EXPECT_FALSE(std::equal(row(0), row(1), row(1))) << "highlight looks like idle";
        EXPECT_FALSE(std::equal(row(1), row(2), row(2))) << "pressed looks like highlight";
    }
}

TEST(ContentTest, ArtFolderHoldsOnlyDecodablePngFiles) {
    // the splash preloads every file in the folder, so anything else would print decode errors
    int count = 0;
    for (const auto& entry : fs::directory_iterator(RepositoryResources() / "Arts")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        EXPECT_TRUE(entry.is_regular_file());
        EXPECT_NE(name[0], '.');
        EXPECT_EQ(entry.path().extension(), ".png");
        Image image;
        EXPECT_TRUE(LoadPng(name, image));
        ++count;
    }
    EXPECT_GE(count, int(kCodeTextures.size() + kButtonSheets.size()));
}

TEST(ContentTest, SoundListsNameEverySoundTheGamePlays) {
    const std::vector<ListEntry> effects = ReadList("Sound/Sounds.txt");
    const std::vector<ListEntry> music = ReadList("BGM/BGM.txt");
    std::map<std::string, std::string> effectPaths, musicPaths;
    for (const ListEntry& e : effects)
        EXPECT_TRUE(effectPaths.emplace(e.name, e.path).second) << "twice: " << e.name;
    for (const ListEntry& e : music)
        EXPECT_TRUE(musicPaths.emplace(e.name, e.path).second) << "twice: " << e.name;
    // a name in the wrong list is never heard: effects and music are played through different calls
    for (const std::string& name : kEffects) {
        EXPECT_EQ(effectPaths.count(name), 1u) << "missing effect " << name;
        EXPECT_EQ(musicPaths.count(name), 0u) << name << " is listed as music";
    }
    for (const std::string& name : kMusic) {
        EXPECT_EQ(musicPaths.count(name), 1u) << "missing music " << name;
        EXPECT_EQ(effectPaths.count(name), 0u) << name << " is listed as an effect";
    }
    for (const auto* table : {&effectPaths, &musicPaths})
        for (const auto& [name, path] : *table) {
            const fs::path file = OnDisk(path);
            EXPECT_FALSE(file.empty()) << name << ": path not under ../Resources/: " << path;
            EXPECT_TRUE(fs::is_regular_file(file)) << name << ": no file " << path;
        }
}

namespace {

struct Decoded {
    std::vector<int16_t> samples;
    int channels = 0;
    int rate = 0;
    double Seconds() const { return channels && rate ? double(samples.size()) / channels / rate : 0.0; }
};

// Decoding every sound takes seconds, and three tests look at the same data: keep each result.
const Decoded& DecodeListed(const std::string& listedPath) {
    static std::map<std::string, Decoded> cache;
    auto found = cache.find(listedPath);
    if (found != cache.end()) return found->second;
    Decoded& d = cache[listedPath];
    EXPECT_TRUE(Platform::DecodeSoundFile(OnDisk(listedPath).string(), d.samples, d.channels, d.rate))
        << listedPath << " does not decode";
    return d;
}

int Peak(const Decoded& d) {
    int peak = 0;
    for (int16_t s : d.samples) peak = std::max(peak, std::abs(int(s)));
    return peak;
}

} // namespace

TEST(ContentTest, EverySoundDecodesAndIsAudible) {
    std::vector<ListEntry> all = ReadList("Sound/Sounds.txt");
    const std::vector<ListEntry> music = ReadList("BGM/BGM.txt");
    all.insert(all.end(), music.begin(), music.end());
    ASSERT_FALSE(all.empty());
    for (const ListEntry& entry : all) {
        SCOPED_TRACE(entry.name);
        const Decoded& d = DecodeListed(entry.path);
        EXPECT_GT(d.Seconds(), 0.02);
        EXPECT_GT(Peak(d), 3000) << "next to silent";
        EXPECT_LT(d.Seconds(), 61.0) << "decoded whole into memory: keep it short";
    }
}

TEST(ContentTest, MusicLongEnoughForItsScene) {
    std::map<std::string, std::string> music;
    for (const ListEntry& e : ReadList("BGM/BGM.txt")) music[e.name] = e.path;
    // the level opening runs 25 s on "intro"; the loading screen plays "windoutdoor" once for about 6 s
    EXPECT_GE(DecodeListed(music["intro"]).Seconds(), 25.0);
    EXPECT_GE(DecodeListed(music["windoutdoor"]).Seconds(), 6.5);
}

TEST(ContentTest, LoopsEndWhereTheyBegin) {
    std::vector<ListEntry> all = ReadList("Sound/Sounds.txt");
    const std::vector<ListEntry> music = ReadList("BGM/BGM.txt");
    all.insert(all.end(), music.begin(), music.end());
    int checked = 0;
    for (const ListEntry& entry : all) {
        if (!kLoops.count(entry.name)) continue;
        SCOPED_TRACE(entry.name);
        const Decoded& d = DecodeListed(entry.path);
        ASSERT_GT(d.channels, 0);
        const size_t frames = d.samples.size() / size_t(d.channels);
        ASSERT_GT(frames, 1000u);
        for (int c = 0; c < d.channels; ++c) {
            const auto at = [&](size_t frame) {
                return double(d.samples[frame * size_t(d.channels) + size_t(c)]);
            };
            // how far the sound moves between neighbouring samples anyway; a click is a much larger step
            double sum = 0;
            for (size_t i = 1; i < frames; ++i) sum += (at(i) - at(i - 1)) * (at(i) - at(i - 1));
            const double typicalStep = std::sqrt(sum / double(frames - 1));
            const double wrapStep = std::abs(at(0) - at(frames - 1));
            EXPECT_LE(wrapStep, 4.0 * typicalStep + 1200.0)
                << "channel " << c << ": " << at(frames - 1) << " -> " << at(0);
        }
        ++checked;
    }
    EXPECT_EQ(checked, int(kLoops.size()));
}

TEST(ContentTest, WindowIconsHoldTheirSizes) {
    for (const auto& [file, size] : {std::pair<const char*, int>{"icon.ico", 32}, {"icon_small.ico", 16}}) {
        SCOPED_TRACE(file);
        std::ifstream in(RepositoryResources() / file, std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        IcoImage icon;
        ASSERT_TRUE(DecodeIco(bytes, size, icon));
        EXPECT_EQ(icon.width, size);
        EXPECT_EQ(icon.height, size);
    }
}

TEST(ContentTest, FontsAreTrueTypeWithTheirLicence) {
    for (const char* name : {"Fonts/arialbd.ttf", "Fonts/arial.ttf"}) {
        std::ifstream in(RepositoryResources() / name, std::ios::binary);
        char magic[4] = {};
        in.read(magic, 4);
        EXPECT_TRUE(in && magic[0] == 0 && magic[1] == 1 && magic[2] == 0 && magic[3] == 0) << name;
    }
    EXPECT_TRUE(fs::is_regular_file(RepositoryResources() / "Fonts" / "LICENSE-Liberation.txt"));
}

TEST(ContentTest, ShippedResourcesStaySmall) {
    uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(RepositoryResources()))
        if (entry.is_regular_file()) total += entry.file_size();
    EXPECT_LT(total, 40u * 1024 * 1024);
}
