#include <SDL.h>
#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <cstring>

#include "graphics/Camera.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "tests/support/GameHarness.h"
#include "tools/DebugSystem.h"
#include "tools/Editor.h"

using namespace Framework;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void PushText(const char* text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, text, sizeof(event.text.text) - 1);
    SDL_PushEvent(&event);
}

void PushKey(SDL_Scancode key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.scancode = key;
    SDL_PushEvent(&event);
}

// Opens Level1 in the editor, clicks the topmost object, drags it with the move handle, renames it
// in the inspector and saves: the file changes in exactly those three lines, reloads as saved, and
// saves again byte for byte. A save that cannot be written says so and leaves the file alone.
TEST(Editor, PickDragRenameSaveAndReload) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameHarness game;
    ASSERT_TRUE(game.IsRunning());
    sceneSystem->StartInEditor("Level1");
    game.RunFrames(2);
    auto editor = std::dynamic_pointer_cast<Editor>(sceneSystem->GetCurrentScene());
    ASSERT_TRUE(editor && game.Scene() == SceneEditor);
    EXPECT_TRUE(game.MatchesGolden("editor_level1")) << "the level shows between the editor's windows";
    const std::string level = "Level/Level1.txt", original = game.Box().ReadResource(level);

    // The object drawn on top of all; the view is centred on it at zoom 1.
    const auto z = [](const GameObjectRef& object) { return object->GetComponent<Transform>()->position.z; };
    const GameObjectRef target = *std::max_element(GameObjectList.begin(), GameObjectList.end(),
                                                   [&](const auto& a, const auto& b) { return z(a) < z(b); });
    ASSERT_TRUE(target);
    const std::string oldName = target->name;
    const vec3 start = target->GetComponent<Transform>()->position;
    *camera = Camera{};
    camera->scale = {1, 1};
    camera->position = {-start.x, -start.y, 0};
    inputSystem->mouseX = 640, inputSystem->mouseY = 360;
    game.Press(Key::MouseLeft);
    game.RunFrames(2);
    ASSERT_EQ(editor->selected, target);
    game.Press(Key::Letter('W'));
    game.Hold(Key::MouseLeft);
    game.RunFrames(2);
    EXPECT_EQ(editor->dragAxis, 2);
    inputSystem->mouseX = 700, inputSystem->mouseY = 390; // 60 and 30 window pixels: 90 and -45 in the world
    game.RunFrame();
    game.Release(Key::MouseLeft);
    game.RunFrame();
    const vec3 moved = target->GetComponent<Transform>()->position;
    EXPECT_FLOAT_EQ(moved.x, start.x + 90);
    EXPECT_FLOAT_EQ(moved.y, start.y - 45);

    // The inspector's first field is the name; a click selects all of it and typing replaces it.
    ImGuiWindow* inspector = ImGui::FindWindowByName("Inspector");
    ASSERT_TRUE(inspector);
    inputSystem->mouseX = int16_t(inspector->DC.CursorStartPos.x + 20);
    inputSystem->mouseY = int16_t(inspector->DC.CursorStartPos.y + ImGui::GetFrameHeight() / 2);
    game.Press(Key::MouseLeft);
    game.RunFrames(2);
    PushText("My Obj");
    PushKey(SDL_SCANCODE_RETURN, true);
    game.RunFrame();
    PushKey(SDL_SCANCODE_RETURN, false);
    game.RunFrame();
    EXPECT_EQ(target->name, "My_Obj") << "a blank would split the name in the file";

    const auto save = [&] {
        game.Hold(Key::LeftCtrl);
        game.Press(Key::Letter('S'));
        game.RunFrame();
        game.Release(Key::LeftCtrl);
        return editor->saveMessage;
    };
    EXPECT_EQ(save(), "Saved Successful");
    const std::string saved = game.Box().ReadResource(level);
    const std::vector<std::string> before = Lines(original), after = Lines(saved);
    ASSERT_EQ(before.size(), after.size());
    std::vector<size_t> changed;
    for (size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) changed.push_back(i);
    const size_t record = std::find(before.begin(), before.end(), oldName) - before.begin();
    EXPECT_EQ(changed, (std::vector<size_t>{record, record + 5, record + 6}));
    EXPECT_EQ(game.Box().ReadResource(level + ".bak"), original);

    editor->OpenLevel("Level1");
    GameObjectRef reloaded = FindObjectByName("My_Obj");
    ASSERT_TRUE(reloaded);
    EXPECT_FLOAT_EQ(reloaded->GetComponent<Transform>()->position.x, moved.x);
    EXPECT_EQ(save(), "Saved Successful");
    EXPECT_EQ(game.Box().ReadResource(level), saved) << "an unchanged level must save byte for byte";

    std::filesystem::create_directory(game.Box().resources() / (level + ".tmp"));
    FindObjectByName("My_Obj")->name = "Renamed";
    EXPECT_EQ(save().rfind("Save failed", 0), 0u);
    EXPECT_EQ(game.Box().ReadResource(level), saved);

    // A component queued for removal leaves the object it was queued from, even when a click selects
    // another object in the same frame; names are shown as text, never as formats.
    GameObjectRef renamed = FindObjectByName("Renamed");
    renamed->name = "%s%s%n%n";
    auto sprite = renamed->components.back();
    editor->pendingComponentRemovals.emplace_back(renamed, sprite);
    editor->gizmoMode = 3;
    inputSystem->mouseX = 640, inputSystem->mouseY = 700;
    game.Press(Key::MouseLeft);
    game.RunFrames(2);
    EXPECT_NE(editor->selected, renamed);
    EXPECT_EQ(std::count(renamed->components.begin(), renamed->components.end(), sprite), 0);
}

TEST(DebugSystem, F3ShowsAndHidesThePerformanceWindow) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameHarness game;
    ASSERT_TRUE(game.IsRunning());
    const auto shown = [] {
        ImGuiWindow* window = ImGui::FindWindowByName("Performance Window");
        return window && window->Active;
    };
    game.RunFrames(2);
    EXPECT_FALSE(shown());
    game.Press(Key::F1 + 2);
    game.RunFrames(30); // 0.5 s: the graphs take a sample every 0.2 s
    EXPECT_TRUE(shown() && debugSystem->showPerformance);
    EXPECT_NEAR(std::stof(debugSystem->fpsText.substr(4)), 60.0f, 0.01f);
    EXPECT_FLOAT_EQ(debugSystem->frameTimeHistory.back(), 1.0f / 60.0f);
    game.Press(Key::F1 + 2);
    game.RunFrames(2);
    EXPECT_FALSE(shown());
}

} // namespace
