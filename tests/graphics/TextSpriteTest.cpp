#include "graphics/TextSprite.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "objects/ComponentFactory.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/Sandbox.h"

namespace {

constexpr float frame = 1.0f / 60.0f;

TEST(TextSprite, FactoryDefaults) {
    auto component = CreateComponent("TextSprite");
    ASSERT_TRUE(component);
    auto text = std::dynamic_pointer_cast<TextSprite>(component);
    ASSERT_TRUE(text);
    text->Initialize();
    EXPECT_EQ(text->GetType(), ComponentType::TextSprite);
    EXPECT_EQ(text->GetText(), "Default");
    EXPECT_EQ(text->fontName, "arialbd");
    EXPECT_EQ(text->color.x, 1.0f);
    EXPECT_EQ(text->color.y, 1.0f);
    EXPECT_EQ(text->color.z, 1.0f);
    EXPECT_EQ(text->scale, 1.0f);
    EXPECT_EQ(text->alpha, 1.0f);
    EXPECT_FALSE(text->repeatOnCollision || text->onlyOnInteract || text->spent);
}

TEST(TextSprite, StaysOpaqueTwoSecondsThenFadesOutOverTwoAndAHalf) {
    TextSprite caption;
    caption.alpha = 0.0f;
    caption.SetText("What was that?");
    EXPECT_EQ(caption.GetText(), "What was that?");
    EXPECT_EQ(caption.alpha, 1.0f);

    int updates = 0;
    while (caption.fadeTimer <= 2.0f) {
        EXPECT_EQ(caption.alpha, 1.0f) << "update " << updates;
        caption.Update(frame);
        ++updates;
    }
    EXPECT_NEAR(updates, 120, 1);
    // The update that crosses 2 s already takes its step.
    EXPECT_NEAR(caption.alpha, 1.0f - frame / 2.5f, 1e-5f);

    float halfway = -1.0f;
    while (caption.alpha > 0.0f && updates < 1000) {
        caption.Update(frame);
        ++updates;
        if (updates == 195) halfway = caption.alpha; // 1.25 s into the fade
    }
    EXPECT_NEAR(halfway, 0.5f, 0.02f);
    EXPECT_NEAR(updates, 270, 2); // 4.5 s
    EXPECT_LE(caption.alpha, 0.0f);
    EXPECT_GT(caption.alpha, -frame / 2.5f - 1e-6f); // the last step may overshoot by one step only

    // Once faded it stays put, and after 5 s it is still at or below 0.
    const float faded = caption.alpha;
    for (int i = 0; i < 60; ++i) caption.Update(frame);
    EXPECT_EQ(caption.alpha, faded);

    // Setting the text again restarts the whole cycle, also when the text is the same one.
    caption.SetText(caption.text);
    EXPECT_EQ(caption.alpha, 1.0f);
    EXPECT_EQ(caption.fadeTimer, 0.0f);
    EXPECT_EQ(caption.GetText(), "What was that?");
}

class TextSpriteRecord : public ::testing::Test {
protected:
    ScopedObjectStore store;
    Sandbox box;
    const std::string path = "../Resources/Level/TextRecord.txt";

    std::shared_ptr<TextSprite> AddCaption(const std::string& name, const std::string& text) {
        auto object = std::make_shared<GameObject>(name, ObjectType::Dialogue, NextObjectId++);
        object->AddComponent(std::make_shared<Transform>(vec3{100, 50, 3}, vec2{10, 10}),
                             ComponentType::Transform);
        auto caption = std::make_shared<TextSprite>(text, vec3{0.25f, 0.5f, 0.75f});
        object->AddComponent(caption, ComponentType::TextSprite);
        GameObjectList.push_back(object);
        return caption;
    }

    bool SaveQuietly() {
        std::filesystem::create_directories(box.resources() / "Level");
        testing::internal::CaptureStdout();
        const bool saved = SaveLevel("TextRecord", path);
        testing::internal::GetCapturedStdout();
        return saved;
    }
};

TEST_F(TextSpriteRecord, SpacesAndLineBreaksSurviveSaveAndReload) {
    const std::string text = "  Two spaces ahead,\nand a second line  with\ttabs  ";
    auto written = AddCaption("Caption", text);
    written->fontName = "arial";
    written->position = {10, -20, 0.5f};
    written->scale = 0.35f;
    written->alpha = 0.0f;
    written->repeatOnCollision = true;
    written->onlyOnInteract = true;
    written->spent = true;
    AddCaption("Plain", "Hello");
    ASSERT_TRUE(SaveQuietly());
    EXPECT_NE(box.ReadResource("Level/TextRecord.txt").find("TextSprite\n" + text + "|\nFontName\narial\n"),
              std::string::npos);

    ScopedObjectStore::Clear();
    ASSERT_TRUE(LoadLevel("TextRecord", path));
    auto caption = FindObjectByName("Caption");
    ASSERT_TRUE(caption);
    auto read = caption->GetComponent<TextSprite>();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->text, text);
    EXPECT_EQ(read->fontName, "arial");
    EXPECT_FLOAT_EQ(read->position.x, 10.0f);
    EXPECT_FLOAT_EQ(read->position.y, -20.0f);
    EXPECT_FLOAT_EQ(read->position.z, 0.5f);
    EXPECT_FLOAT_EQ(read->color.x, 0.25f);
    EXPECT_FLOAT_EQ(read->color.y, 0.5f);
    EXPECT_FLOAT_EQ(read->color.z, 0.75f);
    EXPECT_FLOAT_EQ(read->scale, 0.35f);
    EXPECT_FLOAT_EQ(read->alpha, 0.0f);
    EXPECT_TRUE(read->repeatOnCollision);
    EXPECT_TRUE(read->onlyOnInteract);
    EXPECT_FALSE(read->spent); // not stored

    // The record after it is read from the right place.
    auto plain = FindObjectByName("Plain");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->GetComponent<TextSprite>()->text, "Hello");
    EXPECT_EQ(plain->GetComponent<TextSprite>()->fontName, "arialbd");
}

TEST_F(TextSpriteRecord, TextsThatCannotBeStoredRefuseTheSave) {
    std::filesystem::create_directories(box.resources() / "Level");
    box.WriteResource("Level/TextRecord.txt", "previous contents");
    auto caption = AddCaption("Caption", "a | b");
    EXPECT_FALSE(SaveQuietly());
    caption->text = "fine";
    caption->fontName = "two words";
    EXPECT_FALSE(SaveQuietly());
    caption->fontName = "";
    EXPECT_FALSE(SaveQuietly());
    EXPECT_EQ(box.ReadResource("Level/TextRecord.txt"), "previous contents");
    caption->fontName = "arial";
    EXPECT_TRUE(SaveQuietly());
}

TEST_F(TextSpriteRecord, TruncatedRecordsFailTheRead) {
    AddCaption("Caption", "Some words");
    ASSERT_TRUE(SaveQuietly());
    const std::string whole = box.ReadResource("Level/TextRecord.txt");
    const size_t start = whole.find("TextSprite");
    ASSERT_NE(start, std::string::npos);
    for (size_t cut = start + 1; cut < whole.find("End", start); cut += 3) {
        ScopedObjectStore::Clear();
        box.WriteResource("Level/TextRecord.txt", whole.substr(0, cut));
        testing::internal::CaptureStdout();
        EXPECT_FALSE(LoadLevel("TextRecord", path)) << cut;
        testing::internal::GetCapturedStdout();
        EXPECT_FALSE(FindObjectByName("Caption")) << cut;
    }
}

} // namespace
