#include "objects/LevelFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

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

// Every level file of tests/data, and the shipped levels once they exist.
std::vector<fs::path> LevelFiles(bool includeShipped) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(DataFolder()))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    fs::path shipped = RepositoryResources() / "Level";
    if (includeShipped && fs::is_directory(shipped))
        for (const auto& entry : fs::directory_iterator(shipped))
            if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string LevelName(const fs::path& file) {
    return file.stem().string();
}

// Loads with standard output captured; returns what the reader printed.
std::string LoadQuietly(const std::string& levelName, const fs::path& path, bool* complete = nullptr) {
    testing::internal::CaptureStdout();
    bool result = LoadLevel(levelName, path.string());
    if (complete) *complete = result;
    return testing::internal::GetCapturedStdout();
}

std::vector<std::string> Names(const std::vector<GameObjectRef>& objects) {
    std::vector<std::string> names;
    for (const auto& object : objects) names.push_back(object->name);
    return names;
}

std::string Show(const vec3& v) {
    std::ostringstream text;
    text << v.x << ' ' << v.y << ' ' << v.z;
    return text.str();
}

bool Same(const vec3& a, const vec3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Everything a level file stores: object fields, component order and every stored field. Returns
// the first difference, or "" when there is none.
std::string Difference(const GameObject& a, const GameObject& b) {
    if (a.name != b.name) return "name " + a.name + " / " + b.name;
    if (a.type != b.type) return a.name + ": type";
    if (a.parentName != b.parentName) return a.name + ": parent " + a.parentName + " / " + b.parentName;
    if (a.components.size() != b.components.size()) return a.name + ": component count";
    for (size_t c = 0; c < a.components.size(); ++c) {
        const std::string where = a.name + ": " + a.components[c]->GetTypeName() + ": ";
        if (a.components[c]->GetTypeName() != b.components[c]->GetTypeName())
            return where + "component order";
        if (auto ta = std::dynamic_pointer_cast<Transform>(a.components[c])) {
            auto tb = std::static_pointer_cast<Transform>(b.components[c]);
            if (!Same(ta->position, tb->position))
                return where + Show(ta->position) + " / " + Show(tb->position);
            if (ta->rotation != tb->rotation) return where + "rotate";
            if (!Same(ta->originalScale, tb->originalScale)) return where + "originalscale";
            if (!Same(ta->scale, tb->scale)) return where + Show(ta->scale) + " / " + Show(tb->scale);
        }
        if (auto ba = std::dynamic_pointer_cast<BoxCollider>(a.components[c])) {
            auto bb = std::static_pointer_cast<BoxCollider>(b.components[c]);
            if (!Same(ba->scale, bb->scale)) return where + Show(ba->scale) + " / " + Show(bb->scale);
            if (ba->debugLine != bb->debugLine || ba->ghosted != bb->ghosted ||
                ba->interactable != bb->interactable ||
                ba->toBeAddedInteractable != bb->toBeAddedInteractable)
                return where + "flags";
        }
    }
    return "";
}

void ExpectSameObjects(const std::vector<GameObjectRef>& expected, const std::vector<GameObjectRef>& actual) {
    ASSERT_EQ(Names(expected), Names(actual));
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Difference(*expected[i], *actual[i]), "") << i;
}

bool SamePrefix(const std::vector<GameObjectRef>& whole, const std::vector<GameObjectRef>& loaded,
                size_t count) {
    if (count > whole.size() || count > loaded.size()) return false;
    for (size_t i = 0; i < count; ++i)
        if (!Difference(*whole[i], *loaded[i]).empty()) return false;
    return true;
}

void ExpectDefaultCamera(const GameObjectRef& camera) {
    ASSERT_TRUE(camera);
    EXPECT_EQ(camera->name, "Camera");
    EXPECT_EQ(camera->type, ObjectType::Camera);
    ASSERT_EQ(camera->components.size(), 2u);
    auto transform = camera->GetComponent<Transform>();
    auto collider = camera->GetComponent<BoxCollider>();
    ASSERT_TRUE(transform && collider);
    EXPECT_EQ(Show(transform->position), "0 0 0");
    EXPECT_EQ(Show(transform->scale), "1 1 1");
    EXPECT_EQ(Show(collider->scale), "1920 1080 0");
    EXPECT_EQ(transform->GetOwner(), camera.get());
    EXPECT_EQ(collider->GetOwner(), camera.get());
}

const char* twoRooms =
    "Broken\n\n"
    "Floor\n0\nnone\nTransform\nposition\n0\n-300\n0\nrotate\n0\noriginalscale\n4000\n64\n1\n"
    "scale\n4000\n64\n1\nEnd\n\n"
    "Cupboard\n2\nnone\n%s\nEnd\n\n"
    "Wall\n1\nnone\nEnd\n\n"
    "/Broken\n";

std::string WithSecondObjectBody(const std::string& body) {
    std::string text = twoRooms;
    text.replace(text.find("%s"), 2, body);
    return text;
}

} // namespace

TEST(LevelFile, MissingEmptyOrBareFilesGiveOnlyTheDefaultCamera) {
    Sandbox box;
    ScopedObjectStore store;

    std::string printed = LoadQuietly("Nowhere", box.root() / "Nowhere.txt");
    EXPECT_EQ(printed, "") << "an absent level is not reported";
    ASSERT_EQ(GameObjectList.size(), 1u);
    ExpectDefaultCamera(GameObjectList[0]);
    EXPECT_EQ(GameObjectList[0]->id, 0);
    EXPECT_EQ(NextObjectId, 1);

    store.Clear();
    WriteBytes(box.root() / "Empty.txt", "");
    printed = LoadQuietly("Empty", box.root() / "Empty.txt");
    EXPECT_EQ(printed, "Empty.txt: file is empty\n");
    ASSERT_EQ(GameObjectList.size(), 1u);
    ExpectDefaultCamera(GameObjectList[0]);

    store.Clear();
    WriteBytes(box.root() / "Bare.txt", "Bare\n\n/Bare\n");
    bool complete = false;
    printed = LoadQuietly("Bare", box.root() / "Bare.txt", &complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(printed, "");
    ASSERT_EQ(GameObjectList.size(), 1u);
    ExpectDefaultCamera(GameObjectList[0]);
    EXPECT_TRUE(InteractableObjects.empty());
}

TEST(LevelFile, AnyObjectOfTypeCameraSuppressesTheFallback) {
    Sandbox box;
    ScopedObjectStore store;
    WriteBytes(box.root() / "Harbour.txt", "Harbour\n\nCam\n6\nnone\nEnd\n\n/Harbour\n");
    LoadQuietly("Harbour", box.root() / "Harbour.txt");
    EXPECT_EQ(Names(GameObjectList), std::vector<std::string>{"Cam"});
    EXPECT_FALSE(FindObjectByName("Camera"));
}

TEST(LevelFile, ReadsObjectsInFileOrderWithoutInitialisingOrParenting) {
    ScopedObjectStore store;
    bool complete = false;
    EXPECT_EQ(LoadQuietly("Lighthouse", DataFolder() / "Lighthouse.txt", &complete), "");
    EXPECT_TRUE(complete);
    EXPECT_EQ(Names(GameObjectList),
              (std::vector<std::string>{"Camera", "Lantern", "Flame", "Room", "Door", "Door", "Floor", "Wall",
                                        "Cupboard", "Player", "Marker", "Edge", "Counter"}));
    for (size_t i = 0; i < GameObjectList.size(); ++i) EXPECT_EQ(GameObjectList[i]->id, static_cast<int>(i));
    EXPECT_EQ(NextObjectId, 13);

    // Interactables are the very objects of the list, in file order.
    ASSERT_EQ(InteractableObjects.size(), 3u);
    EXPECT_EQ(InteractableObjects[0], GameObjectList[1]);
    EXPECT_EQ(InteractableObjects[1], GameObjectList[4]);
    EXPECT_EQ(InteractableObjects[2], GameObjectList[8]);

    GameObjectRef lantern = GameObjectList[1];
    EXPECT_EQ(lantern->type, ObjectType::LightSwitch);
    EXPECT_EQ(lantern->parentName, "Room");
    EXPECT_FALSE(lantern->hasParent) << "parents are attached by the scene, after the whole file";
    auto transform = lantern->GetComponent<Transform>();
    ASSERT_TRUE(transform);
    EXPECT_EQ(transform->GetOwner(), lantern.get());
    EXPECT_FLOAT_EQ(transform->positionInUnits.x, 412.5f / 64);
    EXPECT_FLOAT_EQ(transform->positionInUnits.y, -96.25f / 64);
    EXPECT_FLOAT_EQ(transform->modelMatrix.at(0, 0), 1) << "not initialised by the reader";

    // Component order is file order, even when the collider comes first.
    GameObjectRef wall = GameObjectList[7];
    ASSERT_EQ(wall->components.size(), 2u);
    EXPECT_EQ(wall->components[0]->GetTypeName(), "BoxCollider");
    EXPECT_TRUE(GameObjectList[11]->components.empty());

    // A second level appends; ids go on from where the first stopped.
    LoadQuietly("Menu", DataFolder() / "Menu.txt");
    ASSERT_EQ(GameObjectList.size(), 15u);
    EXPECT_EQ(GameObjectList[13]->name, "Camera");
    EXPECT_EQ(GameObjectList[14]->id, 14);
}

TEST(LevelFile, BadDataStopsTheReaderKeepingCompletedObjectsAndACamera) {
    struct Case {
        const char* what;
        std::string text;
        std::string message;
        std::vector<std::string> names;
    };
    const std::string transform =
        "Transform\nposition\n1\n2\n3\nrotate\n0\noriginalscale\n1\n1\n1\nscale\n1\n1\n1\n";
    const std::string collider = "BoxCollider\nscale\n1\n1\n1\ndebugline\n0\nghosted\n0\ninteractable\n1\n"
                                 "tobeaddedinteractable\n1\n";
    const std::string head = "Broken.txt: object 'Cupboard': ";
    std::string otherTerminator = WithSecondObjectBody(collider);
    otherTerminator.replace(otherTerminator.rfind("/Broken"), 7, "/Other");
    std::string cutInRecord = WithSecondObjectBody(transform);
    cutInRecord.resize(cutInRecord.find("End", cutInRecord.find("Cupboard")));
    const std::vector<Case> cases = {
        {"misspelt component",
         WithSecondObjectBody("Sprit\nSomeTexture.png"),
         head + "unknown component 'Sprit'",
         {"Floor", "Camera"}},
        {"letters in a number",
         WithSecondObjectBody(
             "Transform\nposition\n12\nabc\n0\nrotate\n0\noriginalscale\n1\n1\n1\nscale\n1\n1\n1"),
         head + "component 'Transform' has a missing or malformed field",
         {"Floor", "Camera"}},
        {"bool out of range",
         WithSecondObjectBody(transform + "BoxCollider\nscale\n1\n1\n1\ndebugline\n2\nghosted\n0\n"
                                          "interactable\n0\ntobeaddedinteractable\n0"),
         head + "component 'BoxCollider' has a missing or malformed field",
         {"Floor", "Camera"}},
        {"object type not a number",
         "Broken\n\nCupboard\nhiding\nnone\nEnd\n\n/Broken\n",
         head + "missing or malformed object type",
         {"Camera"}},
        {"object type out of range",
         "Broken\n\nCupboard\n42\nnone\nEnd\n\n/Broken\n",
         head + "unknown object type 42",
         {"Camera"}},
        {"terminator of another level",
         otherTerminator,
         "Broken.txt: object '/Other': missing or malformed object type",
         {"Floor", "Cupboard", "Wall", "Camera"}},
        {"no terminator",
         otherTerminator.substr(0, otherTerminator.find("/Other")),
         "Broken.txt: file ends before its terminator '/Broken'",
         {"Floor", "Cupboard", "Wall", "Camera"}},
        {"cut inside a record", cutInRecord, head + "file ends before 'End'", {"Floor", "Camera"}},
        {"broken camera record",
         "Broken\n\nCamera\n6\nnone\nTransform\nposition\n0\n",
         "Broken.txt: object "
         "'Camera': component "
         "'Transform' has a missing "
         "or malformed field",
         {"Camera"}},
    };
    Sandbox box;
    for (const Case& c : cases) {
        ScopedObjectStore store;
        WriteBytes(box.root() / "Broken.txt", c.text);
        bool complete = true;
        std::string printed = LoadQuietly("Broken", box.root() / "Broken.txt", &complete);
        EXPECT_FALSE(complete) << c.what;
        EXPECT_EQ(printed, c.message + "\n") << c.what;
        EXPECT_EQ(Names(GameObjectList), c.names) << c.what;
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
        const std::string levelName = LevelName(source);
        ScopedObjectStore full;
        LoadQuietly(levelName, source);
        const std::vector<GameObjectRef> whole = GameObjectList;

        // Cut after every token and in the middle of every token of two characters or more.
        std::vector<size_t> cuts;
        for (size_t i = 0; i < text.size(); ++i) {
            bool inToken = !std::isspace(static_cast<unsigned char>(text[i]));
            bool tokenEnds = i + 1 == text.size() || std::isspace(static_cast<unsigned char>(text[i + 1]));
            if (inToken && tokenEnds) cuts.push_back(i + 1);
            if (inToken && (i == 0 || std::isspace(static_cast<unsigned char>(text[i - 1]))) && !tokenEnds)
                cuts.push_back(i + 1);
        }
        cuts.insert(cuts.begin(), 0);
        // Each load reads up to its cut, so the work grows with the square of the file. A big
        // shipped level is cut at a stride instead, keeping the sanitizer run short.
        const size_t stride = std::max<size_t>(1, cuts.size() / 4000);
        const fs::path cutFile = box.root() / source.filename();
        for (size_t index = 0; index < cuts.size(); index += stride) {
            const size_t cut = cuts[index];
            ScopedObjectStore store;
            WriteBytes(cutFile, text.substr(0, cut));
            bool complete = false;
            std::string printed = LoadQuietly(levelName, cutFile, &complete);
            const std::string where = source.filename().string() + " cut at byte " + std::to_string(cut);
            bool atTerminator = text.find_first_not_of(" \t\r\n", cut) == std::string::npos;
            if (!atTerminator) {
                EXPECT_FALSE(complete) << where;
                EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << where << ": " << printed;
                EXPECT_EQ(printed.rfind(source.filename().string() + ": ", 0), 0u)
                    << where << ": " << printed;
            }
            // What loaded is the start of the whole level, plus the default camera when the
            // level's own camera was not reached.
            const std::vector<GameObjectRef>& loaded = GameObjectList;
            ASSERT_FALSE(loaded.empty()) << where;
            if (!SamePrefix(whole, loaded, loaded.size())) {
                EXPECT_TRUE(SamePrefix(whole, loaded, loaded.size() - 1)) << where;
                ExpectDefaultCamera(loaded.back());
                for (size_t i = 0; i + 1 < loaded.size(); ++i)
                    EXPECT_NE(loaded[i]->type, ObjectType::Camera) << where << ": camera added twice";
            }
        }
    }
}

TEST(LevelFile, SaveThenLoadReproducesEveryTestLevelExactly) {
    Sandbox box;
    for (const fs::path& source : LevelFiles(false)) {
        const std::string levelName = LevelName(source);
        ScopedObjectStore store;
        ASSERT_EQ(LoadQuietly(levelName, source), "") << source;
        std::vector<GameObjectRef> first = GameObjectList;

        const fs::path saved = box.root() / source.filename();
        ASSERT_TRUE(SaveLevel(levelName, saved.string())) << source;
        EXPECT_EQ(ReadBytes(saved), ReadBytes(source)) << source << " changed on saving";
        EXPECT_FALSE(fs::exists(saved.string() + ".tmp"));

        store.Clear();
        bool complete = false;
        LoadQuietly(levelName, saved, &complete);
        EXPECT_TRUE(complete);
        ExpectSameObjects(first, GameObjectList);

        const fs::path again = box.root() / ("again-" + source.filename().string());
        ASSERT_TRUE(SaveLevel(levelName, again.string()));
        EXPECT_EQ(ReadBytes(again), ReadBytes(saved));
    }
}

TEST(LevelFile, SavedFloatsKeepSixSignificantDigits) {
    Sandbox box;
    ScopedObjectStore store;
    LoadQuietly("Menu", DataFolder() / "Menu.txt");
    auto player = FindObjectByName("Player")->GetComponent<Transform>();
    player->position = {1234.5678f, -0.000123456789f, 3.14159265f};
    player->rotation = 1.57079633f;
    const fs::path saved = box.root() / "Menu.txt";
    ASSERT_TRUE(SaveLevel("Menu", saved.string()));
    EXPECT_NE(ReadBytes(saved).find("\nposition\n1234.57\n-0.000123457\n3.14159\nrotate\n1.5708\n"),
              std::string::npos);

    store.Clear();
    LoadQuietly("Menu", saved);
    player = FindObjectByName("Player")->GetComponent<Transform>();
    EXPECT_FLOAT_EQ(player->position.x, 1234.57f);
    EXPECT_FLOAT_EQ(player->position.y, -0.000123457f);
    EXPECT_FLOAT_EQ(player->rotation, 1.5708f);
}

TEST(LevelFile, FailedSaveReturnsFalseAndLeavesTheOldFileAsItWas) {
    Sandbox box;
    ScopedObjectStore store;
    LoadQuietly("Lighthouse", DataFolder() / "Lighthouse.txt");
    const fs::path target = box.root() / "Lighthouse.txt";
    const std::string original = "Lighthouse\n\nOldContent\n4\nnone\nEnd\n\n/Lighthouse\n";

    testing::internal::CaptureStdout();
    EXPECT_FALSE(SaveLevel("Lighthouse", (box.root() / "missing" / "Lighthouse.txt").string()));
    EXPECT_FALSE(fs::exists(box.root() / "missing"));

    WriteBytes(target, original);
    fs::create_directory(target.string() + ".tmp");
    EXPECT_FALSE(SaveLevel("Lighthouse", target.string()));
    EXPECT_EQ(ReadBytes(target), original);
    EXPECT_TRUE(fs::is_directory(target.string() + ".tmp")) << "only a temporary file of our own is removed";
    fs::remove(target.string() + ".tmp");

    // Fields that would not read back as one word refuse the save before anything is written.
    const auto refuses = [&](const char* what, auto change, auto undo) {
        change();
        EXPECT_FALSE(SaveLevel("Lighthouse", target.string())) << what;
        EXPECT_EQ(ReadBytes(target), original) << what;
        EXPECT_FALSE(fs::exists(target.string() + ".tmp")) << what;
        undo();
    };
    GameObject& room = *GameObjectList[3];
    refuses(
        "name with a blank", [&] { room.name = "My Room"; }, [&] { room.name = "Room"; });
    refuses(
        "empty name", [&] { room.name = ""; }, [&] { room.name = "Room"; });
    refuses(
        "name is the terminator", [&] { room.name = "/Lighthouse"; }, [&] { room.name = "Room"; });
    refuses(
        "parent with a tab", [&] { room.parentName = "Sea\tWall"; }, [&] { room.parentName = "none"; });
    refuses(
        "empty parent", [&] { room.parentName = ""; }, [&] { room.parentName = "none"; });
    refuses(
        "object type out of range", [&] { room.type = static_cast<ObjectType>(19); },
        [&] { room.type = ObjectType::Background; });
    EXPECT_FALSE(SaveLevel("Light house", target.string()));
    EXPECT_EQ(ReadBytes(target), original);
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("Lighthouse.txt: not saved: object 'My Room': the name is not one word\n"),
              std::string::npos)
        << printed;

    // With the names mended the same call replaces the file and leaves no temporary behind.
    EXPECT_TRUE(SaveLevel("Lighthouse", target.string()));
    EXPECT_EQ(ReadBytes(target), ReadBytes(DataFolder() / "Lighthouse.txt"));
    EXPECT_FALSE(fs::exists(target.string() + ".tmp"));
}
