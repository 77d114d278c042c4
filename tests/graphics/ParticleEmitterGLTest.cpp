#include "graphics/ParticleEmitter.h"

#include <gtest/gtest.h>

#include "engine/Random.h"
#include "tests/graphics/EffectsScene.h"

namespace {

class ParticlesOnScreen : public EffectsOnScreen {
protected:
    std::shared_ptr<ParticleEmitter> AddEmitter(const std::string& name, vec3 at, vec2 size) {
        auto emitter = std::make_shared<ParticleEmitter>();
        AddObject(name, at, size)->AddComponent(emitter, ComponentType::ParticleEmitter);
        emitter->playState = true;
        return emitter;
    }
};

TEST_F(ParticlesOnScreen, RainAfterNinetyFramesWithAFixedSeed) {
    // A storm's worth of rain falling from a line across the top of the screen.
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
    SeedRandom(2024);
    game->RunFrames(90);
    EXPECT_GT(rain->liveCount, 200);
    const Image frame = game->Screenshot();
    // Streaks fill the width under the emitter line and never rise above it.
    const InkBox streaks = FindInk(frame, Blue, 60);
    EXPECT_GE(streaks.top, centreY - 300 - 12);
    EXPECT_LT(streaks.left, centreX - 500);
    EXPECT_GT(streaks.right, centreX + 500);
    EXPECT_TRUE(game->MatchesGolden("particle_rain_90_frames"));

    // The same seed replays the same storm.
    rain->ResetEmitter();
    SeedRandom(2024);
    game->RunFrames(90);
    EXPECT_EQ(game->Screenshot().rgba, frame.rgba);
}

TEST_F(ParticlesOnScreen, FlatQuadsFillTheirBoxTexturedOnesTakeTheTextureShape) {
    auto flat = AddEmitter("Flat", {-200, 0, 0}, {1, 1});
    auto dotted = AddEmitter("Dotted", {200, 0, 0}, {1, 1});
    for (auto& emitter : {flat, dotted}) {
        emitter->maxCount = 1;
        emitter->initialScale = {64, 64, 1};
        emitter->startColor = emitter->endColor = {1, 1, 1};
        emitter->initialAlpha = emitter->endAlpha = 1.0f;
    }
    dotted->useTexture = true;
    ASSERT_TRUE(dotted->texture);
    game->RunFrames(1);
    const Image frame = game->Screenshot();
    const InkBox square = FindInk(frame, Red, 200, centreX - 300, 0, centreX, int(frame.height));
    EXPECT_EQ(square.Width(), 64);
    EXPECT_EQ(square.pixels, 64 * 64);
    // The shipped particle is a soft dot: bright in the middle, clear in the corners.
    const InkBox dot = FindInk(frame, Red, 40, centreX, 0, int(frame.width), int(frame.height));
    EXPECT_GT(frame.At(centreX + 200, centreY, Red), 200);
    EXPECT_LT(frame.At(centreX + 200 - 31, centreY - 31, Red), 60);
    EXPECT_LT(dot.pixels, 64 * 64 * 9 / 10);
}

} // namespace
