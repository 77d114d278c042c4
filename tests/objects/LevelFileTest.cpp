#include "objects/LevelFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/Sandbox.h"

namespace fs = std::filesystem;

namespace {

fs::path DataFolder() {
    return fs::path(HOLLOWTIDE_SOURCE_DIR) / "tests" / "data";
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteBytes(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The level files of tests/data, and with `includeShipped` those of Resources/Level too.
std::vector<fs::path> LevelFiles(bool includeShipped) {
    std::vector<fs::path> files;
    for (const fs::path& folder : {DataFolder(), RepositoryResources() / "Level"}) {
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".txt") files.push_back(entry.path());
        if (!includeShipped) break;
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Loads the level named after the file, with standard output captured; returns what was printed.
std::string LoadQuietly(const fs::path& path, bool* complete = nullptr) {
    testing::internal::CaptureStdout();
    const bool result = LoadLevel(path.stem().string(), path.string());
    if (complete) *complete = result;
    return testing::internal::GetCapturedStdout();
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& object : GameObjectList) names.push_back(object->name);
    return names;
}

// An object's own fields, its components in order and where its Transform puts it.
std::string Signature(const GameObject& object) {
    std::ostringstream text;
    text << object.name << ' ' << int(object.type) << ' ' << object.parentName;
    for (const auto& component : object.components) text << ' ' << component->GetTypeName();
    if (auto t = object.GetComponent<Transform>())
        text << ' ' << t->position.x << ' ' << t->position.y << ' ' << t->position.z << ' ' << t->rotation
             << ' ' << t->scale.x << ' ' << t->scale.y;
    return text.str();
}

std::vector<std::string> Signatures() {
    std::vector<std::string> signatures;
    for (const auto& object : GameObjectList) signatures.push_back(Signature(*object));
    return signatures;
}

void ExpectDefaultCamera(const GameObjectRef& camera) {
    ASSERT_TRUE(camera);
    EXPECT_EQ(Signature(*camera), "Camera 6 none Transform BoxCollider 0 0 0 0 1 1");
    auto collider = camera->GetComponent<BoxCollider>();
    EXPECT_EQ(collider->scale.x, 1920);
    EXPECT_EQ(collider->scale.y, 1080);
    EXPECT_EQ(collider->GetOwner(), camera.get());
}

} // namespace

TEST(LevelFile, SmallFilesKeepTheirObjectsAndGainACameraOnlyWhenTheyHaveNone) {
    struct Case {
        const char* level;
        const char* text; // nullptr: no file at all
        std::string printed;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"Nowhere", nullptr, "", {"Camera"}}, // an absent level is not reported
        {"Empty", "", "Empty.txt: file is empty\n", {"Camera"}},
        {"Bare", "Bare\n\n/Bare\n", "", {"Camera"}},
        {"Harbour", "Harbour\n\nCam\n6\nnone\nEnd\n\n/Harbour\n", "", {"Cam"}},
    };
    Sandbox box;
    for (const Case& c : cases) {
        ScopedObjectStore store;
        const fs::path path = box.root() / (std::string(c.level) + ".txt");
        if (c.text) WriteBytes(path, c.text);
        EXPECT_EQ(LoadQuietly(path), c.printed) << c.level;
        EXPECT_EQ(Names(), c.names) << c.level;
        EXPECT_EQ(NextObjectId, int(c.names.size())) << c.level;
        if (c.names[0] == "Camera") ExpectDefaultCamera(GameObjectList[0]);
    }
}

TEST(LevelFile, ReadsObjectsInFileOrderWithoutInitialisingOrParenting) {
    ScopedObjectStore store;
    bool complete = false;
    EXPECT_EQ(LoadQuietly(DataFolder() / "Lighthouse.txt", &complete), "");
    EXPECT_TRUE(complete);
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"Camera", "Lantern", "Flame", "Room", "Door", "Door", "Floor", "Wall",
                                        "Cupboard", "Player", "Marker", "Edge", "Counter"}));
    for (size_t i = 0; i < GameObjectList.size(); ++i) EXPECT_EQ(GameObjectList[i]->id, int(i));

    // Interactables are the very objects of the list, in file order.
    EXPECT_EQ(InteractableObjects,
              (std::vector<GameObjectRef>{GameObjectList[1], GameObjectList[4], GameObjectList[8]}));
    GameObjectRef lantern = GameObjectList[1];
    EXPECT_EQ(lantern->parentName, "Room");
    EXPECT_FALSE(lantern->hasParent) << "parents are attached by the scene, after the whole file";
    auto transform = lantern->GetComponent<Transform>();
    EXPECT_EQ(transform->GetOwner(), lantern.get());
    EXPECT_FLOAT_EQ(transform->positionInUnits.x, 412.5f / 64);
    EXPECT_FLOAT_EQ(transform->modelMatrix.at(0, 0), 1) << "not initialised by the reader";
    EXPECT_EQ(GameObjectList[7]->components[0]->GetTypeName(), "BoxCollider") << "file order, not type order";

    // A second level appends; ids go on from where the first stopped.
    LoadQuietly(DataFolder() / "Menu.txt");
    ASSERT_EQ(GameObjectList.size(), 15u);
    EXPECT_EQ(GameObjectList[14]->id, 14);
}

TEST(LevelFile, BadDataStopsTheReaderKeepingCompletedObjectsAndACamera) {
    const std::string transform =
        "Transform\nposition\n1\n2\n3\nrotate\n0\noriginalscale\n1\n1\n1\nscale\n1\n1\n1\n";
    const std::string collider = "BoxCollider\nscale\n1\n1\n1\ndebugline\n0\nghosted\n0\ninteractable\n1\n"
                                 "tobeaddedinteractable\n1\n";
    // A floor, a cupboard with the given components, a wall.
    const auto level = [](const std::string& cupboard) {
        return "Broken\n\nFloor\n0\nnone\nTransform\nposition\n0\n-"
               "300\n0\nrotate\n0\noriginalscale\n4000\n64\n1\n"
               "scale\n4000\n64\n1\nEnd\n\nCupboard\n2\nnone\n" +
               cupboard + "End\n\nWall\n1\nnone\nEnd\n\n/Broken\n";
    };
    const std::string head = "Broken.txt: object 'Cupboard': ";
    const std::string malformed = "' has a missing or malformed field";
    std::string otherTerminator = level(collider);
    otherTerminator.replace(otherTerminator.rfind("/Broken"), 7, "/Other");
    std::string cutInRecord = level(transform);
    cutInRecord.resize(cutInRecord.find("End", cutInRecord.find("Cupboard")));
    const std::vector<std::string> floorOnly = {"Floor", "Camera"},
                                   all = {"Floor", "Cupboard", "Wall", "Camera"};
    const struct {
        const char* what;
        std::string text, message;
        std::vector<std::string> names;
    } cases[] = {
        {"misspelt component", level("Sprit\nSomeTexture.png\n"), head + "unknown component 'Sprit'",
         floorOnly},
        {"letters in a number",
         level("Transform\nposition\n12\nabc\n0\nrotate\n0\noriginalscale\n1\n1\n1\nscale\n1\n1\n1\n"),
         head + "component 'Transform" + malformed, floorOnly},
        {"bool out of range",
         level(transform + "BoxCollider\nscale\n1\n1\n1\ndebugline\n2\nghosted\n0\ninteractable\n0\n"
                           "tobeaddedinteractable\n0\n"),
         head + "component 'BoxCollider" + malformed, floorOnly},
        {"object type not a number",
         "Broken\n\nCupboard\nhiding\nnone\nEnd\n\n/Broken\n",
         head + "missing or malformed object type",
         {"Camera"}},
        {"object type out of range",
         "Broken\n\nCupboard\n42\nnone\nEnd\n\n/Broken\n",
         head + "unknown object type 42",
         {"Camera"}},
        {"terminator of another level", otherTerminator,
         "Broken.txt: object '/Other': missing or malformed object type", all},
        {"no terminator", otherTerminator.substr(0, otherTerminator.find("/Other")),
         "Broken.txt: file ends before its terminator '/Broken'", all},
        {"cut inside a record", cutInRecord, head + "file ends before 'End'", floorOnly},
        {"broken camera record",
         "Broken\n\nCamera\n6\nnone\nTransform\nposition\n0\n",
         "Broken.txt: object 'Camera': component 'Transform" + malformed,
         {"Camera"}},
    };
    Sandbox box;
    for (const auto& c : cases) {
        ScopedObjectStore store;
        WriteBytes(box.root() / "Broken.txt", c.text);
        bool complete = true;
        EXPECT_EQ(LoadQuietly(box.root() / "Broken.txt", &complete), c.message + "\n") << c.what;
        EXPECT_FALSE(complete) << c.what;
        EXPECT_EQ(Names(), c.names) << c.what;
        ExpectDefaultCamera(GameObjectList.back());
        for (const auto& object : InteractableObjects)
            EXPECT_NE(std::find(GameObjectList.begin(), GameObjectList.end(), object), GameObjectList.end())
                << c.what << ": a dropped object must not stay interactable";
    }
}

TEST(LevelFile, EveryTruncationOfARealLevelLoadsAPrefixAndStops) {
    Sandbox box;
    for (const fs::path& source : LevelFiles(true)) {
        const std::string text = ReadBytes(source);
        ScopedObjectStore full;
        LoadQuietly(source);
        const std::vector<std::string> whole = Signatures();

        // Cut after every token and in the middle of every token of two characters or more.
        std::vector<size_t> cuts = {0};
        const auto blank = [&](size_t i) { return std::isspace(static_cast<unsigned char>(text[i])) != 0; };
        for (size_t i = 0; i < text.size(); ++i) {
            const bool tokenEnds = i + 1 == text.size() || blank(i + 1);
            if (!blank(i) && (tokenEnds || i == 0 || blank(i - 1))) cuts.push_back(i + 1);
        }
        // Each load reads up to its cut, so the work grows with the square of the file. A big
        // shipped level is cut at a stride instead, keeping the sanitizer run short.
        const size_t stride = std::max<size_t>(1, cuts.size() / 4000);
        const fs::path cutFile = box.root() / source.filename();
        for (size_t index = 0; index < cuts.size(); index += stride) {
            const size_t cut = cuts[index];
            ScopedObjectStore store;
            WriteBytes(cutFile, text.substr(0, cut));
            bool complete = false;
            const std::string printed = LoadQuietly(cutFile, &complete);
            const std::string where = source.filename().string() + " cut at byte " + std::to_string(cut);
            if (text.find_first_not_of(" \t\r\n", cut) != std::string::npos) {
                EXPECT_FALSE(complete) << where;
                EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << where << ": " << printed;
                EXPECT_EQ(printed.rfind(source.filename().string() + ": ", 0), 0u)
                    << where << ": " << printed;
            }
            // The start of the whole level, plus the default camera when the level's own camera
            // was not reached.
            std::vector<std::string> loaded = Signatures();
            ASSERT_FALSE(loaded.empty()) << where;
            const auto isPrefix = [&] {
                return loaded.size() <= whole.size() &&
                       std::equal(loaded.begin(), loaded.end(), whole.begin());
            };
            if (isPrefix()) continue;
            ExpectDefaultCamera(GameObjectList.back());
            loaded.pop_back();
            EXPECT_TRUE(isPrefix()) << where;
            for (size_t i = 0; i + 1 < GameObjectList.size(); ++i)
                EXPECT_NE(GameObjectList[i]->type, ObjectType::Camera) << where << ": camera added twice";
        }
    }
}

TEST(LevelFile, SaveAfterLoadReproducesEveryTestLevelByteForByte) {
    Sandbox box;
    for (const fs::path& source : LevelFiles(false)) {
        ScopedObjectStore store;
        ASSERT_EQ(LoadQuietly(source), "") << source;
        const std::vector<std::string> first = Signatures();
        const fs::path saved = box.root() / source.filename();
        ASSERT_TRUE(SaveLevel(source.stem().string(), saved.string())) << source;
        EXPECT_EQ(ReadBytes(saved), ReadBytes(source)) << source << " changed on saving";
        EXPECT_FALSE(fs::exists(saved.string() + ".tmp"));
        store.Clear();
        bool complete = false;
        LoadQuietly(saved, &complete);
        EXPECT_TRUE(complete);
        EXPECT_EQ(Signatures(), first);
    }
    // Blanks, line breaks and tabs inside a caption are read as written.
    ScopedObjectStore store;
    LoadQuietly(DataFolder() / "Quay.txt");
    EXPECT_EQ(FindObjectByName("Caption")->GetComponent<TextSprite>()->text,
              "  Two spaces ahead,\nand a second line  with\ttabs  ");
}

TEST(LevelFile, RefusedOrFailedSavesLeaveTheOldFileAsItWas) {
    Sandbox box;
    ScopedObjectStore store;
    const fs::path source = DataFolder() / "Quay.txt", target = box.root() / "Quay.txt";
    const std::string original = "Quay\n\nOldContent\n4\nnone\nEnd\n\n/Quay\n";
    WriteBytes(target, original);
    const auto object = [](const char* name) { return FindObjectByName(name); };
    // Fields that would not read back as they are refuse the save before anything is written.
    const std::vector<std::pair<const char*, std::function<void()>>> breaks = {
        {"name with a blank", [&] { object("Harbour")->name = "My Room"; }},
        {"empty name", [&] { object("Harbour")->name = ""; }},
        {"name is the terminator", [&] { object("Harbour")->name = "/Quay"; }},
        {"parent with a tab", [&] { object("Lamp")->parentName = "Sea\tWall"; }},
        {"empty parent", [&] { object("Lamp")->parentName = ""; }},
        {"object type out of range", [&] { object("Lamp")->type = static_cast<ObjectType>(19); }},
        {"texture with a blank", [&] { object("Crate")->GetComponent<Sprite>()->textureName = "a b.png"; }},
        {"particle texture with a blank",
         [&] { object("Rain")->GetComponent<ParticleEmitter>()->textureName = "a b.png"; }},
        {"caption holding the end mark",
         [&] { object("Caption")->GetComponent<TextSprite>()->text = "a | b"; }},
        {"font with a blank", [&] { object("Caption")->GetComponent<TextSprite>()->fontName = "two words"; }},
        {"empty font", [&] { object("Caption")->GetComponent<TextSprite>()->fontName = ""; }},
    };
    std::string printed;
    const auto save = [&](const std::string& level, const fs::path& path) {
        testing::internal::CaptureStdout();
        const bool saved = SaveLevel(level, path.string());
        printed += testing::internal::GetCapturedStdout();
        return saved;
    };
    for (const auto& [what, breakIt] : breaks) {
        store.Clear();
        LoadQuietly(source);
        breakIt();
        EXPECT_FALSE(save("Quay", target)) << what;
        EXPECT_EQ(ReadBytes(target), original) << what;
        EXPECT_FALSE(fs::exists(target.string() + ".tmp")) << what;
    }
    EXPECT_NE(printed.find("Quay.txt: not saved: object 'My Room': the name is not one word\n"),
              std::string::npos)
        << printed;
    store.Clear();
    LoadQuietly(source);
    EXPECT_FALSE(save("Qu ay", target));
    EXPECT_FALSE(save("Quay", box.root() / "missing" / "Quay.txt"));
    EXPECT_FALSE(fs::exists(box.root() / "missing"));
    fs::create_directory(target.string() + ".tmp");
    EXPECT_FALSE(save("Quay", target));
    EXPECT_TRUE(fs::is_directory(target.string() + ".tmp")) << "only a temporary file of our own is removed";
    EXPECT_EQ(ReadBytes(target), original);
    fs::remove(target.string() + ".tmp");
    EXPECT_TRUE(SaveLevel("Quay", target.string()));
    EXPECT_EQ(ReadBytes(target), ReadBytes(source));
}
