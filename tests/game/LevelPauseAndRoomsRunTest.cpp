#include <gtest/gtest.h>

#include "audio/AudioSystem.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "tests/game/LevelRun.h"

using namespace Framework;

namespace {

// Level 1 around its story: the pause menu driven by the keys alone, the sound of the rooms, the lift
// both ways, and a death that wakes the player on the death bed and lets them walk back.
class LevelPauseAndRoomsRun : public LevelRun {
protected:
    LevelPauseMenu& Menu() const { return Level().pauseMenu; }
    std::string Selected() const { return Menu().selectedButton ? Menu().selectedButton->name : ""; }
    float Shown(const char* name) const { return FindComponent<Sprite>(name)->transparency; }
    void Warp(char key) {
        game->Hold(Key::Letter('C'));
        Tap(Key::Letter(key), 2);
        game->Release(Key::Letter('C'));
        game->RunFrame();
    }
    void SkipOpening() {
        game->RunFrames(30);
        Tap(Key::Escape);
        ASSERT_TRUE(game->RunUntil([&] { return Level().fadeInDone; }, 400));
    }
};

TEST_F(LevelPauseAndRoomsRun, EscapePausesAndTheMenuIsDrivenByTheKeys) {
    // During the opening Escape only skips it.
    game->RunFrames(30);
    Tap(Key::Escape);
    EXPECT_FALSE(Menu().pauseOpen);
    EXPECT_FALSE(sceneSystem->isPaused);
    ASSERT_TRUE(game->RunUntil([&] { return Level().fadeInDone; }, 400));

    // Open: the game stops (the player does not walk, the rain hangs in the air) while the panel
    // sits on the camera.
    Tap(Key::Escape);
    ASSERT_TRUE(Menu().pauseOpen);
    EXPECT_TRUE(sceneSystem->isPaused);
    const vec3 before = At();
    auto rain = FindComponent<ParticleEmitter>("StormRain");
    const std::vector<vec3> drops = [&] {
        std::vector<vec3> at;
        for (const auto& particle : rain->particles) at.push_back(particle.position);
        return at;
    }();
    game->Hold(Key::Letter('D'));
    game->RunFrames(30);
    game->Release(Key::Letter('D'));
    EXPECT_EQ(At().x, before.x);
    for (size_t i = 0; i < drops.size(); ++i) EXPECT_EQ(rain->particles[i].position.y, drops[i].y);
    auto panel = FindComponent<Transform>("PauseMenuHUD");
    auto view = FindComponent<Transform>("Camera");
    EXPECT_FLOAT_EQ(panel->position.x, view->position.x);
    EXPECT_FLOAT_EQ(panel->scale.x, 640.0f / view->scale.x);
    EXPECT_EQ(Selected(), "ResumeButtonHUD");
    EXPECT_EQ(FindComponent<Sprite>("ResumeButtonHUD")->row, 1);
    EXPECT_TRUE(game->MatchesGolden("pause_menu"));

    // How to play: Up and Down leave the selection alone while the sheet is open.
    Tap(Key::Down);
    EXPECT_EQ(Selected(), "HowToPlayButtonHUD");
    Tap(Key::Enter);
    EXPECT_TRUE(Menu().howToPlayOpen);
    EXPECT_FLOAT_EQ(Shown("HowToPlayHUD"), 1.0f);
    Tap(Key::Down);
    Tap(Key::Up);
    EXPECT_EQ(Selected(), "HowToPlayButtonHUD");
    Tap(Key::Enter);
    EXPECT_FLOAT_EQ(Shown("HowToPlayHUD"), 0.0f);

    // Quit, No, back up to Resume, and Resume: the game runs again.
    Tap(Key::Down);
    Tap(Key::Enter);
    EXPECT_EQ(Selected(), "NoButtonHUD");
    EXPECT_FLOAT_EQ(Shown("QuitConfirmationHUD"), 1.0f);
    EXPECT_TRUE(game->MatchesGolden("pause_quit_question"));
    Tap(Key::Enter);
    EXPECT_FLOAT_EQ(Shown("QuitConfirmationHUD"), 0.0f);
    EXPECT_EQ(Selected(), "QuitGameButtonHUD");
    Tap(Key::Up);
    Tap(Key::Up);
    Tap(Key::Enter);
    EXPECT_FALSE(Menu().pauseOpen);
    EXPECT_FALSE(sceneSystem->isPaused);
    game->Hold(Key::Letter('D'));
    game->RunFrames(20);
    game->Release(Key::Letter('D'));
    EXPECT_GT(At().x, before.x);

    // Escape always opens on Resume; quit and Yes reach the main menu, which is not paused.
    Tap(Key::Escape);
    Tap(Key::Down);
    Tap(Key::Down);
    Tap(Key::Enter);
    Tap(Key::Left);
    EXPECT_EQ(Selected(), "YesButtonHUD");
    Tap(Key::Enter, 3);
    EXPECT_EQ(game->Scene(), SceneMenu);
    EXPECT_EQ(GameFlags.currentLevel, 4);
    EXPECT_FALSE(sceneSystem->isPaused);
    auto black = FindComponent<Sprite>("Black");
    ASSERT_TRUE(black);
    const float blackBefore = black->transparency;
    game->RunFrames(30);
    EXPECT_LT(black->transparency, blackBefore) << "the menu fades in";
}

TEST_F(LevelPauseAndRoomsRun, RoomsMixTheirLoopsTheLiftRunsBothWaysAndADeathWakesThePlayerOnTheDeathBed) {
    SkipOpening();
    auto& loops = audioSystem->bgmChannels;
    EXPECT_EQ(loops.at("rainindoor").volume, 1.0f);
    EXPECT_EQ(loops.at("raincorridor").volume, 0.0f);
    EXPECT_EQ(GameFlags.lightingZone, 0);
    std::map<std::string, Platform::ChannelHandle> plays;
    for (const auto& [name, record] : loops) plays[name] = record.channel;

    // Into the corridor (the developer's C+R): its loops are heard at once and none starts over.
    Warp('R');
    EXPECT_EQ(loops.at("rainindoor").volume, 0.0f);
    EXPECT_EQ(loops.at("windindoor").volume, 0.0f);
    EXPECT_EQ(loops.at("raincorridor").volume, 1.0f);
    EXPECT_EQ(loops.at("windoutdoor").volume, 1.0f);
    EXPECT_EQ(GameFlags.lightingZone, 1);
    for (const auto& [name, record] : loops)
        EXPECT_TRUE(record.channel == plays[name]) << name << " restarted";

    // Muted, another room changes no volume.
    AudioMuted = true;
    Warp('T');
    EXPECT_EQ(loops.at("raincorridor").volume, 1.0f);
    EXPECT_EQ(loops.at("rainvoiddeck").volume, 0.0f);
    EXPECT_EQ(GameFlags.lightingZone, 2);
    AudioMuted = false;
    Warp('R');
    game->RunFrames(30);

    // The lift down to the deck and back up: called from each floor, in, the ride, out.
    for (const float floor : {-2111.0f, -576.0f}) {
        ASSERT_TRUE(WalkTo(1530.0f));
        Tap(Use, 90);
        ASSERT_TRUE(GameFlags.liftDoorsOpen) << floor;
        ASSERT_TRUE(WalkTo(1615.0f));
        HoldFor(Key::Letter('W'), 2);
        ASSERT_TRUE(GameFlags.playerInLift);
        ASSERT_TRUE(game->RunUntil([] { return GameFlags.liftDoorsOpen; }, 1200));
        HoldFor(Key::Letter('S'), 2);
        game->RunFrames(60);
        EXPECT_NEAR(At().y, floor, 1.0f);
        EXPECT_FALSE(GameFlags.playerInLift || GameFlags.inputLocked);
    }

    // Caught in the corridor: black, the death bed, and back in once its light is on.
    GameFlags.playerDying = true;
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.playerDying; }, 600));
    EXPECT_FALSE(GameFlags.inputLocked);
    const vec3 bed = FindComponent<Transform>("DeathSpawnPos")->position;
    EXPECT_NEAR(At().x, bed.x, 1.0f);
    EXPECT_NEAR(At().y, bed.y, 2.0f);
    EXPECT_EQ(GameFlags.lightingZone, 7);
    EXPECT_TRUE(game->MatchesGolden("level1_death_bed"));

    // Its door leads back to the corridor.
    const float door = FindComponent<Transform>("DeathbedToXX")->position.x;
    game->Hold(Key::Letter('D'));
    game->RunFrames(2);
    game->Press(Key::LeftShift);
    ASSERT_TRUE(game->RunUntil([&] { return At().x >= door; }, 600));
    game->Release(Key::Letter('D'));
    Tap(Key::Letter('E'), 150);
    EXPECT_NEAR(At().y, -576.0f, 2.0f);
    EXPECT_EQ(GameFlags.lightingZone, 1);
}

} // namespace
