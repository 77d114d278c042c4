#include "scenes/Button.h"

#include <gtest/gtest.h>

#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "scenes/MenuState.h"
#include "graphics/Sprite.h"
#include "objects/ComponentFactory.h"
#include "objects/GameObject.h"
#include "objects/Serializer.h"
#include "scenes/SceneSystem.h"
#include "tests/support/HeadlessGui.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ScriptedScene.h"

using namespace Framework;

namespace {

class ButtonTest : public ::testing::Test {
protected:
    ScopedObjectStore store;

    void SetUp() override {
        sceneSystem->Initialize();
        GameFlags.Reset();
        MenuState.Reset();
        windowSystem->quitRequested = false;
    }
    void TearDown() override {
        sceneSystem->Initialize();
        GameFlags.Reset();
        MenuState.Reset();
        windowSystem->quitRequested = false;
    }

    static void Activate(int32_t kind) {
        Button button;
        button.buttonType = kind;
        button.Activate();
    }
};

TEST_F(ButtonTest, UnknownKindsDoNothingAndHaveNoLabel) {
    MenuState.selectionIndex = 2;
    for (int32_t kind : {-1, 9, 42}) {
        Activate(kind);
        EXPECT_EQ(ButtonTypeLabel(kind), "") << kind;
    }
    EXPECT_EQ(MenuState.selectionIndex, 2);
    EXPECT_EQ(sceneSystem->nextScene, SceneNone);
    EXPECT_FALSE(MenuState.closeRequested);
    EXPECT_EQ(ButtonTypeLabel(Button::HowToPlay), "How to play");
    EXPECT_EQ(ButtonTypeLabel(Button::No), "No");
}

TEST_F(ButtonTest, RecordRoundTripsThroughTheFactoryAndStopsOnATruncatedFile) {
    Sandbox box;
    const std::string path = (box.resources() / "button.txt").string();
    Serializer out;
    ASSERT_TRUE(out.OpenWrite(path));
    Button written;
    written.buttonType = Button::No;
    EXPECT_TRUE(written.Serialize(out));
    out.Close();
    EXPECT_EQ(box.ReadResource("button.txt"), "Button\nButtonType\n8\n");

    Serializer in;
    ASSERT_TRUE(in.OpenRead(path));
    std::string typeName;
    ASSERT_TRUE(in.ReadWord(typeName));
    std::shared_ptr<Component> read = CreateComponent(typeName);
    ASSERT_NE(read, nullptr);
    ASSERT_TRUE(read->Deserialize(in));
    read->Initialize();
    EXPECT_EQ(read->GetType(), ComponentType::Button);
    auto button = std::dynamic_pointer_cast<Button>(read);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->buttonType, Button::No);
    EXPECT_EQ(button->typeLabel, "No");
    in.Close();

    box.WriteResource("cut.txt", "ButtonType\n");
    ASSERT_TRUE(in.OpenRead((box.resources() / "cut.txt").string()));
    Button cut;
    EXPECT_FALSE(cut.Deserialize(in));
    in.Close();
}

TEST_F(ButtonTest, InspectorNamesTheKindAndShowsAnUnknownOneBlank) {
    HeadlessGui gui;
    Button button;
    button.buttonType = Button::Options;
    std::string text = gui.InspectorText(button, 3);
    EXPECT_NE(text.find("Button Type"), std::string::npos) << text;
    EXPECT_NE(text.find("Options"), std::string::npos) << text;
    button.buttonType = 42;
    text = gui.InspectorText(button, 3);
    EXPECT_NE(text.find("Button Type"), std::string::npos) << text;
    for (int32_t kind = 0; kind < Button::kindCount; ++kind)
        EXPECT_EQ(text.find(ButtonTypeLabel(kind)), std::string::npos) << text;
    EXPECT_EQ(button.buttonType, 42); // showing it changes nothing
}

} // namespace
