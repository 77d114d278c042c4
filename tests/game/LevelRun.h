#pragma once

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "engine/Random.h"
#include "gameplay/GameFlags.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "scenes/Level.h"
#include "scenes/SceneSystem.h"
#include "tests/support/GameHarness.h"

// A level started in a small window (the software rasteriser's time goes by the pixel) and played
// with the keys alone, as a person would: level 1 unless a fixture says otherwise, or the whole game
// from its splash screen (level 0). Each level's scripted run is one member, so the whole game plays
// them one after another.
class LevelRun : public ::testing::Test {
protected:
    static constexpr int Left = Key::Letter('A');
    static constexpr int Right = Key::Letter('D');
    static constexpr int Use = Key::Letter('E');

    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no display";
        GameOptions options;
        options.width = 960;
        options.height = 540;
        options.drawEveryFrame = false; // only the golden frames are drawn
        game = std::make_unique<GameHarness>(options);
        ASSERT_TRUE(game->IsRunning());
        SeedRandom(2024);
        if (LevelNumber() == 0) return;
        Framework::sceneSystem->StartAtLevel(LevelNumber());
        game->RunFrame();
        ASSERT_NO_FATAL_FAILURE(FindPlayer());
    }

    void FindPlayer() {
        ASSERT_EQ(game->Scene(), SceneLevel);
        player = FindObjectByName("Player");
        ASSERT_TRUE(player);
    }

    // The scripted runs, from the level's first frame to the next level's first frame (level 3: to
    // the main menu after the credits).
    void PlayLevelOne();
    void PlayLevelTwo();
    void PlayLevelThree();

    virtual int32_t LevelNumber() const { return 1; }
    ::Level& Level() const { return static_cast<::Level&>(*Framework::sceneSystem->GetCurrentScene()); }
    vec3 At() const { return player->GetComponent<Transform>()->position; }
    std::string Said() const { return FindComponent<TextSprite>("Dialogue")->GetText(); }
    bool Ghosted(const char* name) const { return FindComponent<BoxCollider>(name)->ghosted; }
    bool Usable(const char* name) const { return FindComponent<BoxCollider>(name)->interactable; }
    float Alpha(const char* name) const { return FindComponent<Sprite>(name)->transparency; }

    // Walks (holding the key, running when it is far) until the player's x passes `x`; false if it
    // never does.
    // `eachFrame` runs after every frame of the walk.
    bool WalkTo(float x, int frames = 1500, const std::function<void()>& eachFrame = {}) {
        const int key = x > At().x ? Right : Left;
        const bool far = std::abs(x - At().x) > 400.0f;
        game->Hold(key);
        // Shift switches running on and off: a long way is run.
        game->RunFrames(2);
        if (far != GameFlags.isRunning) {
            game->Press(Key::LeftShift);
            game->RunFrame();
        }
        const bool arrived = game->RunUntil(
            [&] {
                if (eachFrame) eachFrame();
                return key == Right ? At().x >= x : At().x <= x;
            },
            frames);
        game->Release(key);
        game->RunFrame();
        return arrived;
    }
    void Tap(int key, int frames = 2) {
        game->Press(key);
        game->RunFrames(frames);
    }
    // Runs to `takeoff`, jumps, and stops where the jump lands.
    void RunAndJump(float takeoff) {
        const float ground = At().y;
        game->Hold(Right);
        game->RunFrames(2);
        if (!GameFlags.isRunning) Tap(Key::LeftShift, 1);
        game->RunUntil([&] { return At().x >= takeoff; }, 600);
        Tap(Key::Space, 10);
        game->RunUntil([&] { return At().y <= ground + 0.5f; }, 120);
        game->Release(Right);
        game->RunFrames(20);
    }
    void HoldFor(int key, int frames) {
        game->Hold(key);
        game->RunFrames(frames);
        game->Release(key);
    }

    std::unique_ptr<GameHarness> game;
    GameObjectRef player;
};
