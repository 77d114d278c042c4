#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "graphics/ParticleEmitter.h"
#include "graphics/TextSprite.h"
#include "tests/support/GameHarness.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/ScriptedScene.h"

// A test scene that draws what the level scene draws for text and effects: every object's Sprite,
// then its ParticleEmitter, then its TextSprite, in list order.
class EffectsScene : public ScriptedScene {
public:
    using ScriptedScene::ScriptedScene;

    void Draw(mat4 projection, mat4 view) override {
        ScriptedScene::Draw(projection, view);
        for (const GameObjectRef& object : GameObjectList) {
            if (auto emitter = object->GetComponent<ParticleEmitter>()) emitter->Draw(projection, view);
            if (auto text = object->GetComponent<TextSprite>()) text->Draw();
        }
    }
};

// A booted game in a 1280 x 720 window whose current scene is an empty EffectsScene that updates
// every object each frame. With no camera object, world (0, 0) is the centre of the screen.
class EffectsOnScreen : public ::testing::Test {
protected:
    std::unique_ptr<GameHarness> game;
    std::shared_ptr<EffectsScene> scene = std::make_shared<EffectsScene>(0);

    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no display";
        game = std::make_unique<GameHarness>();
        ASSERT_TRUE(game->IsRunning());
        game->ReplaceScene(0, scene);
        scene->skipObjectUpdates = false; // objects added later are updated from the next frame on
        ASSERT_TRUE(game->RunUntil([this] { return scene->updates >= 1; }, 10));
    }
};
