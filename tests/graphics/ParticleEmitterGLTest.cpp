#include "graphics/ParticleEmitter.h"

#include <gtest/gtest.h>

#include "engine/Random.h"
#include "tests/graphics/EffectsScene.h"

namespace {

using ParticlesOnScreen = EffectsOnScreen;

TEST_F(ParticlesOnScreen, RainAfterNinetyFramesWithAFixedSeedLooksTheSameEveryTime) {
    // A storm's worth of rain falling from a line across the top of the screen.
    auto rain = std::make_shared<ParticleEmitter>();
    SpawnObject("Rain", {0, 300, 0}, {1200, 10}, ObjectType::Background)
        ->AddComponent(rain, ComponentType::ParticleEmitter);
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
    SeedRandom(2024);
    game->RunFrames(90);
    EXPECT_GT(rain->liveCount, 200);
    EXPECT_TRUE(game->MatchesGolden("particle_rain_90_frames"));
}

} // namespace
