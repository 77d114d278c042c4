#include "objects/LevelFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>

#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "physics/BoxCollider.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/Sandbox.h"

namespace fs = std::filesystem;

namespace {

const fs::path dataFolder = fs::path(HOLLOWTIDE_SOURCE_DIR) / "tests" / "data";

std::string ReadBytes(const fs::path& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

void WriteBytes(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The level files of tests/data, and with `includeShipped` those of Resources/Level too.
std::vector<fs::path> LevelFiles(bool includeShipped) {
    std::vector<fs::path> files;
    for (const fs::path& folder : {dataFolder, RepositoryResources() / "Level"}) {
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".txt") files.push_back(entry.path());
        if (!includeShipped) break;
    }
    return files;
}

// Loads the level named after the file, with standard output captured; returns what was printed.
std::string LoadQuietly(const fs::path& path, bool* complete = nullptr) {
    testing::internal::CaptureStdout();
    const bool result = LoadLevel(path.stem().string(), path.string());
    if (complete) *complete = result;
    return testing::internal::GetCapturedStdout();
}

// An object's own fields, its components in order, where its Transform puts it and its box's scale.
std::string Signature(const GameObject& object) {
    std::ostringstream text;
    text << object.name << ' ' << int(object.type) << ' ' << object.parentName;
    for (const auto& component : object.components) text << ' ' << component->GetTypeName();
    if (auto t = object.GetComponent<Transform>())
        text << ' ' << t->position.x << ' ' << t->position.y << ' ' << t->position.z << ' ' << t->rotation
             << ' ' << t->scale.x << ' ' << t->scale.y;
    if (auto box = object.GetComponent<BoxCollider>()) text << ' ' << box->scale.x << ' ' << box->scale.y;
    return text.str();
}

// Every object's Signature, or with `names` its name.
std::vector<std::string> Signatures(bool names = false) {
    std::vector<std::string> signatures;
    for (const auto& object : GameObjectList) signatures.push_back(names ? object->name : Signature(*object));
    return signatures;
}

void ExpectDefaultCamera(const GameObjectRef& camera) {
    ASSERT_TRUE(camera);
    EXPECT_EQ(Signature(*camera), "Camera 6 none Transform BoxCollider 0 0 0 0 1 1 1920 1080");
}

} // namespace

TEST(LevelFile, BadDataStopsTheReaderKeepingCompletedObjectsAndACamera) {
    const std::string transform =
        "Transform\nposition\n1\n2\n3\nrotate\n0\noriginalscale\n1\n1\n1\nscale\n1\n1\n1\n";
    const auto collider = [](const std::string& debugLine) {
        return "BoxCollider\nscale\n1\n1\n1\ndebugline\n" + debugLine +
               "\nghosted\n0\ninteractable\n1\ntobeaddedinteractable\n1\n";
    };
    // A floor, a cupboard of the given type and components, a wall.
    const auto level = [](const std::string& cupboard, const std::string& type = "2") {
        return "Broken\n\nFloor\n0\nnone\nTransform\nposition\n0\n-"
               "300\n0\nrotate\n0\noriginalscale\n4000\n64\n"
               "1\nscale\n4000\n64\n1\nEnd\n\nCupboard\n" +
               type + "\nnone\n" + cupboard + "End\n\nWall\n1\nnone\nEnd\n\n/Broken\n";
    };
    const std::string head = "Broken.txt: object 'Cupboard': ",
                      malformed = "' has a missing or malformed field\n";
    std::string otherTerminator = level(transform + collider("0"));
    otherTerminator.replace(otherTerminator.rfind("/Broken"), 7, "/Other");
    const std::vector<std::string> floorOnly = {"Floor", "Camera"},
                                   all = {"Floor", "Cupboard", "Wall", "Camera"};
    const struct {
        std::optional<std::string> text; // none: no file at all
        std::string message;
        std::vector<std::string> names;
    } cases[] = {
        {std::nullopt, "", {"Camera"}}, // first, as no file is there yet: an absent level is not reported
        {"", "Broken.txt: file is empty\n", {"Camera"}},
        {level(collider("0") + "Sprit\nSomeTexture.png\n"), head + "unknown component 'Sprit'\n", floorOnly},
        {level("Transform\nposition\n12\nabc\n"), head + "component 'Transform" + malformed, floorOnly},
        {level(transform + collider("2")), head + "component 'BoxCollider" + malformed, floorOnly},
        {level("", "hiding"), head + "missing or malformed object type\n", floorOnly},
        {level("", "42"), head + "unknown object type 42\n", floorOnly},
        {otherTerminator, "Broken.txt: object '/Other': missing or malformed object type\n", all},
        {"Broken\n\nCamera\n6\nnone\nTransform\nposition\n0\n",
         "Broken.txt: object 'Camera': component 'Transform" + malformed,
         {"Camera"}},
    };
    Sandbox box;
    for (const auto& c : cases) {
        ScopedObjectStore store;
        if (c.text) WriteBytes(box.root() / "Broken.txt", *c.text);
        bool complete = true;
        EXPECT_EQ(LoadQuietly(box.root() / "Broken.txt", &complete), c.message) << c.message;
        EXPECT_FALSE(complete) << c.message;
        EXPECT_EQ(Signatures(true), c.names) << c.message;
        EXPECT_EQ(NextObjectId, int(c.names.size())) << c.message;
        ExpectDefaultCamera(GameObjectList.back());
        for (const auto& object : InteractableObjects)
            EXPECT_NE(std::find(GameObjectList.begin(), GameObjectList.end(), object), GameObjectList.end())
                << c.message << ": a dropped object must not stay interactable";
    }
}

TEST(LevelFile, EveryTruncationOfARealLevelLoadsAPrefixAndStops) {
    Sandbox box;
    for (const fs::path& source : LevelFiles(true)) {
        const std::string text = ReadBytes(source);
        ScopedObjectStore full;
        LoadQuietly(source);
        const std::vector<std::string> whole = Signatures();

        // Cut after every token and inside every token of two characters or more; a big shipped
        // level at a stride, as each load reads up to its cut and the sanitizer run must stay short.
        std::vector<size_t> cuts = {0};
        const auto blank = [&](size_t i) { return std::isspace(static_cast<unsigned char>(text[i])) != 0; };
        for (size_t i = 0; i < text.size(); ++i) {
            const bool tokenEnds = i + 1 == text.size() || blank(i + 1);
            if (!blank(i) && (tokenEnds || i == 0 || blank(i - 1))) cuts.push_back(i + 1);
        }
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
                EXPECT_TRUE(std::count(printed.begin(), printed.end(), '\n') == 1 &&
                            printed.rfind(source.filename().string() + ": ", 0) == 0)
                    << where << ": " << printed;
            }
            // The start of the whole level, plus the default camera when its own was not reached.
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
    for (const fs::path& source : LevelFiles(true)) {
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
    LoadQuietly(dataFolder / "Quay.txt");
    EXPECT_EQ(FindObjectByName("Caption")->GetComponent<TextSprite>()->text,
              "  Two spaces ahead,\nand a second line  with\ttabs  ");
}

TEST(LevelFile, RefusedOrFailedSavesLeaveTheOldFileAsItWas) {
    Sandbox box;
    ScopedObjectStore store;
    const fs::path source = dataFolder / "Quay.txt", target = box.root() / "Quay.txt";
    const std::string original = "Quay\n\nOldContent\n4\nnone\nEnd\n\n/Quay\n";
    WriteBytes(target, original);
    const auto object = [](const char* name) { return FindObjectByName(name); };
    // Fields that would not read back as they are refuse the save before anything is written.
    const std::function<void()> breaks[] = {
        [&] { object("Harbour")->name = "My Room"; },
        [&] { object("Harbour")->name = "/Quay"; },
        [&] { object("Lamp")->parentName = "Sea\tWall"; },
        [&] { object("Lamp")->type = static_cast<ObjectType>(19); },
        [&] { object("Crate")->GetComponent<Sprite>()->textureName = "a b.png"; },
        [&] { object("Caption")->GetComponent<TextSprite>()->text = "a | b"; }, // the caption's end mark
        [&] { object("Caption")->GetComponent<TextSprite>()->fontName = ""; },
    };
    std::string printed;
    const auto save = [&](const std::string& level, const fs::path& path) {
        testing::internal::CaptureStdout();
        const bool saved = SaveLevel(level, path.string());
        printed += testing::internal::GetCapturedStdout();
        return saved;
    };
    for (size_t i = 0; i < std::size(breaks); ++i) {
        store.Clear();
        LoadQuietly(source);
        breaks[i]();
        EXPECT_FALSE(save("Quay", target)) << "break " << i;
        EXPECT_TRUE(ReadBytes(target) == original && !fs::exists(target.string() + ".tmp")) << "break " << i;
    }
    EXPECT_NE(printed.find("Quay.txt: not saved: object 'My Room': the name is not one word\n"),
              std::string::npos);
    store.Clear();
    LoadQuietly(source);
    fs::create_directory(target.string() + ".tmp");
    EXPECT_FALSE(save("Quay", target));
    EXPECT_TRUE(fs::is_directory(target.string() + ".tmp")) << "only a temporary file of our own is removed";
    EXPECT_EQ(ReadBytes(target), original);
    fs::remove(target.string() + ".tmp");
    EXPECT_TRUE(SaveLevel("Quay", target.string()));
    EXPECT_EQ(ReadBytes(target), ReadBytes(source));
}
