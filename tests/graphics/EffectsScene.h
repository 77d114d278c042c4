#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
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

// The game window is 1280 x 720 with no camera object: screen x = centreX + world x, row = centreY - world y.
constexpr int centreX = 640;
constexpr int centreY = 360;
enum Channel { Red = 0, Green = 1, Blue = 2 };

// A booted game whose current scene is an empty EffectsScene that updates every object each frame.
class EffectsOnScreen : public ::testing::Test {
protected:
    std::unique_ptr<GameHarness> game;
    std::shared_ptr<EffectsScene> scene = std::make_shared<EffectsScene>(0);

    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no display";
        testing::internal::CaptureStdout(); // the engine's start-up chatter
        game = std::make_unique<GameHarness>();
        testing::internal::GetCapturedStdout();
        ASSERT_TRUE(game->IsRunning());
        game->ReplaceScene(0, scene);
        // Objects added after the scene's first update are updated from the next frame on.
        scene->skipObjectUpdates = false;
        ASSERT_TRUE(game->RunUntil([this] { return scene->updates >= 1; }, 10));
    }
    static GameObjectRef AddObject(const std::string& name, vec3 position, vec2 size = {1, 1}) {
        return SpawnObject(name, position, size, ObjectType::Background);
    }
};

// The smallest screen rectangle holding every pixel whose channel `c` exceeds `threshold`.
struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int pixels = 0;
    int Width() const { return pixels ? right - left + 1 : 0; }
    int Height() const { return pixels ? bottom - top + 1 : 0; }
};

inline InkBox FindInk(const Image& image, int c, int threshold = 40, int fromX = 0, int fromY = 0,
                      int toX = -1, int toY = -1) {
    InkBox box;
    toX = toX < 0 ? int(image.width) : std::min(toX, int(image.width));
    toY = toY < 0 ? int(image.height) : std::min(toY, int(image.height));
    for (int y = std::max(fromY, 0); y < toY; ++y)
        for (int x = std::max(fromX, 0); x < toX; ++x) {
            if (image.At(unsigned(x), unsigned(y), c) <= threshold) continue;
            ++box.pixels;
            box.left = std::min(box.left, x), box.right = std::max(box.right, x);
            box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
        }
    return box;
}
