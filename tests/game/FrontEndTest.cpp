#include <gtest/gtest.h>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "scenes/MenuState.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "scenes/Level.h"
#include "scenes/Menu.h"
#include "scenes/SceneSystem.h"
#include "scenes/Splash.h"
#include "tests/support/GameHarness.h"

using namespace Framework;

namespace {

// A quarter of the full-HD screen the front end is laid out for, with the camera zoomed out to
// match, keeps the software renderer quick while the screenshots still show whole screens.
GameOptions SmallScreen(float dt = 1.0f / 30.0f) {
    GameOptions options;
    options.width = 960;
    options.height = 540;
    options.dt = dt;
    return options;
}

// The menu's rain is random from run to run; golden images are taken without it.
void StopRain() {
    for (const GameObjectRef& object : GameObjectList)
        if (auto emitter = object->GetComponent<ParticleEmitter>()) {
            emitter->playState = false;
            emitter->ResetEmitter();
        }
}

float Alpha(const std::string& name) {
    GameObjectRef object = FindObjectByName(name);
    auto sprite = object ? object->GetComponent<Sprite>() : nullptr;
    return sprite ? sprite->transparency : -1.0f;
}

std::shared_ptr<Menu> CurrentMenu() {
    return std::dynamic_pointer_cast<Menu>(sceneSystem->GetCurrentScene());
}

std::string Selected() {
    std::shared_ptr<Menu> menu = CurrentMenu();
    return menu && menu->selection ? menu->selection->name : "(none)";
}

bool MusicPlaying(const std::string& name) {
    const SoundChannel& record = audioSystem->bgmChannels.at(name);
    return !record.inactive && !record.finished;
}

class FrontEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no display";
        GameFlags.Reset();
        AudioMuted = false;
    }
    void TearDown() override {
        GameFlags.Reset();
        AudioMuted = false;
    }

    // A player who has sat through the logos: the menu, faded in.
    static void ReachMenu(GameHarness& game) {
        game.RunFrame();
        sceneSystem->nextScene = SceneMenu;
        ASSERT_TRUE(game.RunUntil(
            [] { return CurrentMenu() && FindObjectByName("Black") && Alpha("Black") <= 0.0f; }, 120));
        game.RunFrame();
    }
    // A tap, then a frame with nothing held.
    static void Tap(GameHarness& game, int key) {
        game.Press(key);
        game.RunFrames(2);
    }
    // Enter on a Back or No button, and the half second its pressed look stays.
    static void TapAndWaitForClose(GameHarness& game) {
        Tap(game, Key::Enter);
        game.RunUntil([] { return !MenuState.closeRequested; }, 60);
    }
};

TEST_F(FrontEnd, ColdStartShowsBothLogosAndOnlyTheSecondCanBeSkipped) {
    GameHarness game(SmallScreen(1.0f / 20.0f));
    ASSERT_TRUE(game.IsRunning());
    game.RunFrame();
    EXPECT_TRUE(textureSystem->PreloadRunning()); // the art decodes behind the black screen
    auto splash = std::dynamic_pointer_cast<Splash>(sceneSystem->GetCurrentScene());
    ASSERT_NE(splash, nullptr);

    ASSERT_TRUE(game.RunUntil([] { return Alpha("Black") < 0.0f; }, 20 * 9)); // the first logo is up
    EXPECT_EQ(Alpha("Tessary"), 1.0f);
    Tap(game, Key::Enter);
    Tap(game, Key::Escape);
    game.RunFrames(30);
    EXPECT_EQ(game.Scene(), SceneSplash);
    EXPECT_EQ(splash->stage, 1);

    ASSERT_TRUE(game.RunUntil([&] { return splash->stage == 2 && Alpha("Black") < 0.0f; }, 20 * 9));
    EXPECT_EQ(Alpha("Orvex"), 1.0f);
    EXPECT_EQ(Alpha("Tessary"), 0.0f);
    game.Press(Key::Enter);
    EXPECT_TRUE(game.RunUntil([&] { return game.Scene() == SceneMenu; }, 30)); // about a second of fade
    game.RunFrames(2);
    EXPECT_FALSE(textureSystem->PreloadRunning());
    EXPECT_EQ(textureSystem->textures.size(), textureSystem->artFileNames.size()); // all art is in
    ASSERT_NE(CurrentMenu(), nullptr);
    EXPECT_EQ(Selected(), "PlayButton");
    EXPECT_TRUE(MusicPlaying("bgm"));
}

TEST_F(FrontEnd, ArrowsAndEnterReachEverySubScreenAndBack) {
    GameHarness game(SmallScreen());
    ASSERT_TRUE(game.IsRunning());
    ReachMenu(game);
    StopRain();
    game.RunFrame();
    EXPECT_TRUE(game.MatchesGolden("menu_main"));

    Tap(game, Key::Down);
    EXPECT_EQ(Selected(), "HowToPlayButton");
    EXPECT_FALSE(audioSystem->soundChannels.at("buttonhover").finished);
    Tap(game, Key::Enter);
    EXPECT_FALSE(audioSystem->soundChannels.at("buttonpress").finished);
    EXPECT_EQ(Selected(), "Back");
    EXPECT_EQ(Alpha("HowToPlayHUD"), 1.0f);
    EXPECT_TRUE(game.MatchesGolden("menu_how_to_play"));
    TapAndWaitForClose(game);
    EXPECT_EQ(Alpha("HowToPlayHUD"), 0.0f);
    EXPECT_EQ(Selected(), "HowToPlayButton");

    Tap(game, Key::Down);
    Tap(game, Key::Enter);
    EXPECT_EQ(Alpha("CreditsHUD"), 1.0f);
    EXPECT_EQ(Selected(), "Back");
    TapAndWaitForClose(game);
    EXPECT_EQ(Alpha("CreditsHUD"), 0.0f);
    EXPECT_EQ(Selected(), "CreditsButton");

    Tap(game, Key::Down);
    Tap(game, Key::Enter);
    EXPECT_EQ(Selected(), "Mute");
    EXPECT_EQ(Alpha("Back"), 1.0f);
    TapAndWaitForClose(game);
    EXPECT_TRUE(AudioMuted);
    EXPECT_TRUE(audioSystem->bgmChannels.at("bgm").finished); // everything stopped
    EXPECT_EQ(FindObjectByName("Mute")->GetComponent<Sprite>()->currentTextureName, "button_muted.png");
    Tap(game, Key::Down); // hover sounds stay silent while muted
    EXPECT_TRUE(audioSystem->soundChannels.at("buttonhover").finished);
    Tap(game, Key::Up);
    TapAndWaitForClose(game);
    EXPECT_FALSE(AudioMuted);
    EXPECT_TRUE(MusicPlaying("bgm")); // the menu music starts again
    EXPECT_EQ(Selected(), "Mute");
    Tap(game, Key::Down);
    TapAndWaitForClose(game);
    EXPECT_EQ(Alpha("Mute"), 0.0f);
    EXPECT_EQ(Selected(), "OptionsButton");

    Tap(game, Key::Down);
    Tap(game, Key::Enter);
    EXPECT_EQ(Alpha("QuitConfirmationHUD"), 1.0f);
    EXPECT_EQ(Selected(), "NoButtonHUD");
    TapAndWaitForClose(game);
    EXPECT_EQ(Alpha("QuitConfirmationHUD"), 0.0f);
    EXPECT_EQ(Selected(), "QuitButton");
    Tap(game, Key::Up);
    EXPECT_EQ(Selected(), "OptionsButton");
    EXPECT_EQ(game.Scene(), SceneMenu);
}

TEST_F(FrontEnd, YesInTheQuitQuestionEndsTheGame) {
    GameHarness game(SmallScreen());
    ASSERT_TRUE(game.IsRunning());
    ReachMenu(game);
    for (int i = 0; i < 4; ++i) Tap(game, Key::Down);
    Tap(game, Key::Enter);
    Tap(game, Key::Left);
    EXPECT_EQ(Selected(), "YesButtonHUD");
    game.Press(Key::Enter);
    EXPECT_TRUE(game.RunUntil([&] { return game.HasEnded(); }, 60));
    EXPECT_EQ(sceneSystem->currentScene, SceneQuit);
}

TEST_F(FrontEnd, PlayStartsANewGameThroughTheLoadingScreenEvenWithDownPressedDuringTheFade) {
    GameFlags.currentLevel = 3;
    GameFlags.backgroundScrollSpeed = 0.003f;
    GameFlags.runDisabled = true;
    GameHarness game(SmallScreen());
    ASSERT_TRUE(game.IsRunning());
    ReachMenu(game);
    Tap(game, Key::Enter);
    Tap(game, Key::Down);
    Tap(game, Key::Down);
    ASSERT_TRUE(game.RunUntil([&] { return game.Scene() != SceneMenu; }, 60));
    EXPECT_EQ(game.Scene(), SceneLoading);
    EXPECT_EQ(GameFlags.currentLevel, 1);
    EXPECT_FLOAT_EQ(GameFlags.backgroundScrollSpeed, 0.012f);
    EXPECT_FALSE(GameFlags.runDisabled);

    game.RunFrames(30);
    EXPECT_TRUE(MusicPlaying("windoutdoor"));
    EXPECT_TRUE(audioSystem->bgmChannels.at("bgm").finished); // the menu stopped its music
    ASSERT_TRUE(game.RunUntil([&] { return game.Scene() != SceneLoading; }, 30 * 8));
    EXPECT_EQ(game.Scene(), SceneLevel);
    const SoundChannel& wind = audioSystem->bgmChannels.at("windoutdoor");
    EXPECT_TRUE(wind.inactive);   // paused on the way out
    EXPECT_LT(wind.volume, 0.1f); // after fading with the picture
    game.RunFrames(10);
    EXPECT_TRUE(game.IsRunning());
    EXPECT_EQ(game.Scene(), SceneLevel);
}

// The menu on other screens: the same picture, scaled to fit and centred, black where the aspect
// differs. Compared with the 960 x 540 golden on its own pixels, so scaling is all that differs.
TEST_F(FrontEnd, TheMenuFitsEveryScreenSizeWithBlackBars) {
    Image golden;
    ASSERT_TRUE(LoadPng((TestsFolder() / "golden" / "menu_main.png").string(), golden));
    for (const auto& [width, height] : {std::pair{1280, 720}, std::pair{1024, 768}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        GameOptions options = SmallScreen();
        options.width = width;
        options.height = height;
        GameHarness game(options);
        ASSERT_TRUE(game.IsRunning());
        ReachMenu(game);
        StopRain();
        game.RunFrame();
        const Image shot = game.Screenshot();
        ASSERT_EQ(shot.width, unsigned(width));
        const Platform::Rect view = FitView(width, height);
        double difference = 0;
        for (unsigned y = 0; y < golden.height; ++y)
            for (unsigned x = 0; x < golden.width; ++x) {
                const unsigned sx = view.left + (2 * x + 1) * view.width / (2 * golden.width);
                const unsigned sy = view.top + (2 * y + 1) * view.height / (2 * golden.height);
                for (int c = 0; c < 3; ++c) difference += std::abs(shot.At(sx, sy, c) - golden.At(x, y, c));
            }
        EXPECT_LT(difference / (3.0 * golden.width * golden.height), 6.0) << "mean difference per channel";
        int lit = 0;
        for (unsigned y = 0; y < unsigned(view.top); ++y)
            for (unsigned x = 0; x < shot.width; ++x)
                lit += shot.At(x, y, 0) + shot.At(x, shot.height - 1 - y, 0);
        EXPECT_EQ(lit, 0) << "the bars are black";
    }
}

// A pad alone, as a player on a sofa: A starts the game, Start skips the opening, the stick walks
// and A jumps.
TEST_F(FrontEnd, ThePadAloneStartsTheGameWalksAndJumps) {
    GameHarness game(SmallScreen());
    ASSERT_TRUE(game.IsRunning());
    ReachMenu(game);
    const auto pad = [&](const char* control, bool down, int frames = 2) {
        ASSERT_TRUE(Platform::Testing::PushPadControl(control, down)) << control;
        game.RunFrames(frames);
    };
    pad("a", true);
    pad("a", false);
    ASSERT_TRUE(game.RunUntil([&] { return game.Scene() == SceneLevel; }, 30 * 12));
    game.RunFrames(10);
    pad("start", true);
    pad("start", false);
    auto& level = static_cast<Level&>(*sceneSystem->GetCurrentScene());
    ASSERT_TRUE(game.RunUntil([&] { return level.fadeInDone; }, 30 * 10));

    auto body = FindComponent<Transform>("Player");
    const vec3 start = body->position;
    pad("leftx+", true, 20);
    pad("leftx+", false);
    EXPECT_GT(body->position.x, start.x + 10.0f) << "the stick walks";
    pad("a", true, 6);
    EXPECT_GT(body->position.y, start.y + 10.0f) << "A jumps";
    pad("a", false);
}

} // namespace
