#include "graphics/ParticleEmitter.h"

#include <gtest/gtest.h>

#include "engine/Random.h"
#include "tests/graphics/EffectsScene.h"
#include "tests/support/GameHarness.h"

// Particles drawn by the real engine in a 1280 x 720 window with no camera object: screen
// x = 640 + world x, row = 360 - world y.

namespace {

class ParticlesOnScreen : public EffectsOnScreen {
protected:
    std::shared_ptr<ParticleEmitter> AddEmitter(const std::string& name, vec3 at, vec2 size) {
        auto object = AddObject(name, at, size);
        auto emitter = std::make_shared<ParticleEmitter>();
        object->AddComponent(emitter, ComponentType::ParticleEmitter);
        return emitter;
    }

    // A storm's worth of rain falling from a line across the top of the screen.
    std::shared_ptr<ParticleEmitter> AddRain() {
        auto rain = AddEmitter("Rain", {0, 300, 0}, {1200, 10});
        rain->shapeType = ParticleEmitter::Line;
        rain->initialVelocity = {-1.5f, -11, 0};
        rain->velocityVariance = 1.0f;
        rain->initialScale = {2, 18, 1};
        rain->scaleVariance = 0.5f;
        rain->startColor = {0.55f, 0.65f, 0.9f};
        rain->endColor = {0.35f, 0.45f, 0.8f};
        rain->initialAlpha = 0.9f;
        rain->endAlpha = 0.3f;
        rain->totalLife = 1.2f;
        rain->emissionRate = 4;
        rain->maxCount = 300;
        rain->playState = true;
        return rain;
    }
};

TEST_F(ParticlesOnScreen, RainAfterNinetyFramesWithAFixedSeed) {
    SeedRandom(2024);
    auto rain = AddRain();
    game->RunFrames(90);
    EXPECT_GT(rain->liveCount, 200);
    EXPECT_LE(rain->liveCount, 300);
    const Image frame = game->Screenshot();

    // Streaks fill the width under the emitter line and never rise above it.
    const InkBox streaks = FindInk(frame, Blue, 60);
    ASSERT_FALSE(streaks.Empty());
    EXPECT_GE(streaks.top, centreY - 300 - 12);
    EXPECT_LT(streaks.left, centreX - 500);
    EXPECT_GT(streaks.right, centreX + 500);
    EXPECT_GT(streaks.bottom, centreY + 200); // the oldest drops have fallen far
    // Blue-grey: blue leads, red trails, in every lit pixel.
    int lit = 0, bluish = 0;
    for (unsigned y = 0; y < frame.height; ++y)
        for (unsigned x = 0; x < frame.width; ++x) {
            if (frame.At(x, y, Blue) <= 60) continue;
            ++lit;
            if (frame.At(x, y, Blue) > frame.At(x, y, Red)) ++bluish;
        }
    EXPECT_EQ(bluish, lit);
    // Each drop covers about 2 x 18 pixels; overlaps only lose some of that.
    EXPECT_GT(lit, rain->liveCount * 15);
    EXPECT_LT(lit, rain->liveCount * 40);
    EXPECT_TRUE(game->MatchesGolden("particle_rain_90_frames"));

    // The same seed replays the same storm.
    rain->ResetEmitter();
    SeedRandom(2024);
    game->RunFrames(90);
    const Image replay = game->Screenshot();
    EXPECT_EQ(replay.rgba, frame.rgba);
}

TEST_F(ParticlesOnScreen, FlatQuadsFillTheirBoxTexturedOnesTakeTheTextureShape) {
    auto flat = AddEmitter("Flat", {-200, 0, 0}, {1, 1});
    auto dotted = AddEmitter("Dotted", {200, 0, 0}, {1, 1});
    for (auto& emitter : {flat, dotted}) {
        emitter->maxCount = 1;
        emitter->initialScale = {64, 64, 1};
        emitter->startColor = emitter->endColor = {1, 1, 1};
        emitter->initialAlpha = emitter->endAlpha = 1.0f;
        emitter->playState = true;
    }
    dotted->useTexture = true;
    ASSERT_TRUE(dotted->texture);
    game->RunFrames(1);
    const Image frame = game->Screenshot();

    const InkBox square = FindInk(frame, Red, 200, centreX - 300, 0, centreX, int(frame.height));
    EXPECT_EQ(square.Width(), 64);
    EXPECT_EQ(square.Height(), 64);
    EXPECT_EQ(square.pixels, 64 * 64);

    // The shipped particle is a soft dot: bright in the middle, clear in the corners.
    Image art;
    ASSERT_TRUE(LoadPng((RepositoryResources() / "Arts" / "particle.png").string(), art));
    ASSERT_LT(art.At(0, 0, 3), 40);
    const InkBox dot = FindInk(frame, Red, 40, centreX, 0, int(frame.width), int(frame.height));
    EXPECT_GT(frame.At(centreX + 200, centreY, Red), 200);
    EXPECT_LT(frame.At(centreX + 200 - 31, centreY - 31, Red), 60);
    EXPECT_LE(dot.Width(), 64);
    EXPECT_LT(dot.pixels, 64 * 64 * 9 / 10);
}

TEST_F(ParticlesOnScreen, AParticleFadesAndGrowsOverItsLife) {
    auto puff = AddEmitter("Puff", {0, 0, 0}, {1, 1});
    puff->maxCount = 1;
    puff->initialScale = {20, 20, 1};
    puff->scaleIncrement = {40, 40, 0};
    puff->startColor = puff->endColor = {1, 1, 1};
    puff->initialAlpha = 1.0f;
    puff->endAlpha = 0.0f;
    puff->totalLife = 2.0f;
    puff->playState = true;
    game->RunFrames(1);
    const int firstBrightness = FindInk(game->Screenshot(), Red, 20).brightest;
    game->RunFrames(29); // half a second old
    ASSERT_EQ(puff->liveCount, 1);
    const Image frame = game->Screenshot();
    const InkBox ink = FindInk(frame, Red, 20);
    EXPECT_NEAR(ink.Width(), 40, 2); // 20 + 40 x 0.5
    EXPECT_NEAR(ink.brightest, 0.75 * 255, 4);
    EXPECT_GT(firstBrightness, ink.brightest);
}

} // namespace
