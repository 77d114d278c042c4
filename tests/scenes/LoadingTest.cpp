#include "scenes/Loading.h"

#include <gtest/gtest.h>

#include "gameplay/GameFlags.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "scenes/SceneSystem.h"
#include "tests/scenes/FrontEndLevelText.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/Sandbox.h"

using namespace Framework;

namespace {

constexpr float frame = 1.0f / 60.0f;

class LoadingTest : public ::testing::Test {
protected:
    Sandbox box;
    ScopedObjectStore store;
    Loading loading;
    int32_t savedNextScene = SceneNone;

    void SetUp() override {
        savedNextScene = sceneSystem->nextScene;
        sceneSystem->nextScene = SceneLoading;
        GameFlags.levelExitReached = true;
    }
    void TearDown() override {
        loading.Unload();
        sceneSystem->nextScene = savedNextScene;
        GameFlags.Reset();
    }
    void Start(const std::vector<FrontEndObject>& objects) {
        box.WriteResource("Level/Loading.txt", FrontEndLevelText("Loading", objects));
        loading.Load();
        loading.Initialize();
    }
    // Seconds until the level is requested (or the limit).
    float RunToLevel(float limit) {
        float seconds = 0;
        while (seconds < limit && sceneSystem->nextScene != SceneLevel) {
            loading.Update(frame);
            seconds += frame;
        }
        return seconds;
    }
};

TEST_F(LoadingTest, WithoutBlackTheLevelFollowsTheWait) {
    Start({{"Picture", 4, 0, 0, 0}});
    EXPECT_NEAR(RunToLevel(20.0f), 4.0f, 0.05f);
    EXPECT_FALSE(GameFlags.levelExitReached);
}

} // namespace
