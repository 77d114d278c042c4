#include "graphics/ParticleEmitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <filesystem>
#include <limits>

#include "engine/Random.h"
#include "objects/ComponentFactory.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/Sandbox.h"

// Without a display the emitter has no program or texture; everything but drawing still runs.

namespace {

constexpr float frame = 1.0f / 60.0f;

class Emitter : public ::testing::Test {
protected:
    ScopedObjectStore store;
    GameObjectRef object;
    std::shared_ptr<ParticleEmitter> emitter;

    void SetUp() override {
        SeedRandom(1234);
        MakeEmitter({0, 0, 0}, {200, 40});
    }

    void MakeEmitter(vec3 position, vec2 size) {
        object = std::make_shared<GameObject>("Rain", ObjectType::Background, NextObjectId++);
        object->AddComponent(std::make_shared<Transform>(position, size), ComponentType::Transform);
        emitter = std::make_shared<ParticleEmitter>();
        object->AddComponent(emitter, ComponentType::ParticleEmitter);
        GameObjectList.push_back(object);
        emitter->playState = true;
    }

    void Run(int updates, float dt = frame) {
        for (int i = 0; i < updates; ++i) emitter->Update(dt);
    }

    std::vector<Particle> Live() const {
        std::vector<Particle> live;
        for (const Particle& p : emitter->particles)
            if (p.active) live.push_back(p);
        return live;
    }
};

TEST_F(Emitter, DefaultsAndFactory) {
    auto component = std::dynamic_pointer_cast<ParticleEmitter>(CreateComponent("ParticleEmitter"));
    ASSERT_TRUE(component);
    EXPECT_EQ(component->textureName, "particle.png");
    EXPECT_EQ(component->emissionRate, 1);
    EXPECT_EQ(component->maxCount, 100);
    EXPECT_EQ(component->totalLife, 3.0f);
    EXPECT_EQ(component->initialAlpha, 1.0f);
    EXPECT_FALSE(component->playState);
    EXPECT_GE(component->particles.capacity(), 100u);
    EXPECT_EQ(emitter->GetType(), ComponentType::ParticleEmitter);
    // The emission box is the Transform's box.
    EXPECT_FLOAT_EQ(emitter->areaMin.x, -100.0f);
    EXPECT_FLOAT_EQ(emitter->areaMin.y, -20.0f);
    EXPECT_FLOAT_EQ(emitter->areaMax.x, 100.0f);
    EXPECT_FLOAT_EQ(emitter->areaMax.y, 20.0f);
}

TEST_F(Emitter, FillsToItsCapThenEmitsOnlyAsParticlesDie) {
    emitter->emissionRate = 3;
    emitter->maxCount = 100;
    emitter->totalLife = 3.0f;
    for (int update = 1; update <= 34; ++update) {
        emitter->Update(frame);
        EXPECT_EQ(emitter->liveCount, std::min(3 * update, 100)) << update;
    }
    // Lives run from 2 s to 4 s: nobody dies before update 120, and from then on deaths are replaced.
    int largestPool = 0;
    for (int update = 35; update <= 600; ++update) {
        emitter->Update(frame);
        ASSERT_LE(emitter->liveCount, 100);
        ASSERT_EQ(emitter->liveCount, int(Live().size()));
        largestPool = std::max(largestPool, int(emitter->particles.size()));
        if (update < 120) {
            EXPECT_EQ(emitter->liveCount, 100);
        }
    }
    // Dead entries are reused before the pool grows.
    EXPECT_LE(largestPool, 103);
    EXPECT_GE(emitter->liveCount, 97);

    // Stopping freezes the particles where they are.
    emitter->playState = false;
    const std::vector<Particle> before = emitter->particles;
    Run(10);
    ASSERT_EQ(emitter->particles.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(emitter->particles[i].age, before[i].age);

    emitter->ResetEmitter();
    EXPECT_EQ(emitter->liveCount, 0);
    EXPECT_TRUE(emitter->particles.empty());
    EXPECT_GE(emitter->particles.capacity(), 100u);
}

TEST_F(Emitter, SpawnsOnItsLineInItsRectangleAndOnItsCircle) {
    emitter->maxCount = 1000;
    emitter->emissionRate = 1000;
    // The box moves with the Transform from one update to the next.
    object->GetComponent<Transform>()->position = {30, 50, 0};

    emitter->shapeType = ParticleEmitter::Line;
    Run(1, 0.0f);
    float lowest = 1e9f, highest = -1e9f;
    for (const Particle& p : Live()) {
        EXPECT_GE(p.position.x, -70.0f);
        EXPECT_LE(p.position.x, 130.0f);
        EXPECT_FLOAT_EQ(p.position.y, 50.0f);
        lowest = std::min(lowest, p.position.x);
        highest = std::max(highest, p.position.x);
    }
    EXPECT_LT(lowest, -60.0f); // spread over the whole line
    EXPECT_GT(highest, 120.0f);

    emitter->ResetEmitter();
    emitter->shapeType = ParticleEmitter::Rectangle;
    Run(1, 0.0f);
    float bottom = 1e9f, top = -1e9f;
    for (const Particle& p : Live()) {
        EXPECT_GE(p.position.x, -70.0f);
        EXPECT_LE(p.position.x, 130.0f);
        EXPECT_GE(p.position.y, 30.0f);
        EXPECT_LE(p.position.y, 70.0f);
        bottom = std::min(bottom, p.position.y);
        top = std::max(top, p.position.y);
    }
    EXPECT_LT(bottom, 32.0f);
    EXPECT_GT(top, 68.0f);

    emitter->ResetEmitter();
    emitter->shapeType = ParticleEmitter::Circle;
    emitter->circleRadius = 25.0f;
    Run(1, 0.0f);
    int above = 0;
    for (const Particle& p : Live()) {
        EXPECT_NEAR(std::hypot(p.position.x - 30.0f, p.position.y - 50.0f), 25.0f, 1e-3f);
        if (p.position.y > 50.0f) ++above;
    }
    EXPECT_GT(above, 400); // all the way round, not one arc
    EXPECT_LT(above, 600);
}

TEST_F(Emitter, ParticlesInterpolateAlphaColourScaleAndRotationOverTheirLife) {
    emitter->maxCount = 1;
    emitter->initialAlpha = 1.0f;
    emitter->endAlpha = 0.0f;
    emitter->totalLife = 2.0f;
    emitter->startColor = {1, 0, 0};
    emitter->endColor = {0, 0, 1};
    emitter->initialScale = {4, 4, 1};
    emitter->scaleIncrement = {10, 20, 0};
    emitter->rotationSpeed = 90.0f;
    emitter->initialVelocity = {2, -3, 0};

    Run(30); // half a second: the spawn update ages its particle too
    ASSERT_EQ(Live().size(), 1u);
    const Particle p = Live()[0];
    EXPECT_NEAR(p.age, 0.5f, 1e-5f);
    EXPECT_NEAR(p.alpha, 0.75f, 1e-4f); // 0.5 per second
    EXPECT_NEAR(p.color.x, 0.75f, 1e-4f);
    EXPECT_NEAR(p.color.z, 0.25f, 1e-4f);
    EXPECT_NEAR(p.scale.x, 9.0f, 1e-4f);
    EXPECT_NEAR(p.scale.y, 14.0f, 1e-4f);
    EXPECT_NEAR(p.rotation, 90.0f, 1e-3f); // twice the rate per second
    // Velocity is per update, whatever dt is: 30 updates moved it 30 steps.
    EXPECT_NEAR(p.position.y, 0.0f - 3.0f * 30, 1e-3f);
    EXPECT_GE(p.lifetime, 1.0f);
    EXPECT_LE(p.lifetime, 3.0f);
    // Its depth is the emitter's z plus its alpha as of the last spawn.
    EXPECT_FLOAT_EQ(p.position.z, 0.0f + 1.0f);
}

TEST_F(Emitter, VelocityIsPerUpdateSoHalfTheFrameRateHalvesTheSpeed) {
    emitter->maxCount = 1;
    emitter->initialVelocity = {5, 0, 0};
    Run(60, 1.0f / 60.0f);
    const float fast = Live()[0].position.x;
    emitter->ResetEmitter();
    SeedRandom(1234);
    Run(30, 1.0f / 30.0f); // the same second in half the updates
    const float slow = Live()[0].position.x;
    EXPECT_NEAR(fast - slow, 5.0f * 30, 1e-3f);
}

TEST_F(Emitter, LifetimesSpreadOneSecondAroundTotalLifeAndVariancesSpreadScaleAndVelocity) {
    emitter->maxCount = 2000;
    emitter->emissionRate = 2000;
    emitter->totalLife = 3.0f;
    emitter->initialScale = {10, 10, 1};
    emitter->scaleVariance = 2.0f;
    emitter->initialVelocity = {1, -4, 0};
    emitter->velocityVariance = 0.5f;
    emitter->spawnRotRandomly = true;
    Run(1, 0.0f);
    float shortest = 9, longest = 0, smallest = 99, biggest = 0, maxTurn = 0;
    for (const Particle& p : Live()) {
        shortest = std::min(shortest, p.lifetime);
        longest = std::max(longest, p.lifetime);
        smallest = std::min(smallest, p.scale.x);
        biggest = std::max(biggest, p.scale.x);
        maxTurn = std::max(maxTurn, p.rotation);
        EXPECT_EQ(p.scale.x, p.scale.y);
        EXPECT_EQ(p.scale.z, 1.0f);
        // One draw moves both components together.
        EXPECT_NEAR(p.velocity.x - 1.0f, p.velocity.y + 4.0f, 1e-5f);
        EXPECT_LE(std::fabs(p.velocity.x - 1.0f), 0.5f);
        EXPECT_GE(p.rotation, 0.0f);
        EXPECT_LE(p.rotation, 360.0f);
    }
    EXPECT_GE(shortest, 2.0f);
    EXPECT_LE(longest, 4.0f);
    EXPECT_LT(shortest, 2.05f);
    EXPECT_GT(longest, 3.95f);
    EXPECT_GE(smallest, 8.0f);
    EXPECT_LE(biggest, 12.0f);
    EXPECT_LT(smallest, 8.1f);
    EXPECT_GT(biggest, 11.9f);
    EXPECT_GT(maxTurn, 350.0f);
}

TEST_F(Emitter, PoolStaysOrderedByAlphaWithDepthFollowingAlpha) {
    object->GetComponent<Transform>()->position.z = 10.0f;
    emitter->maxCount = 2000; // never reached: every update spawns
    emitter->emissionRate = 7;
    emitter->totalLife = 1.5f;
    emitter->timedBurst = true; // newcomers start fainter and fainter, so order changes every update
    emitter->initialAlpha = 3.0f;
    emitter->savedInitialAlpha = 3.0f;
    for (int update = 0; update < 150; ++update) {
        emitter->Update(frame);
        // Ageing after the spawns can let particles of different births cross; an update of dt 0
        // shows the pool exactly as its last spawn left it.
        emitter->Update(0.0f);
        const auto& pool = emitter->particles;
        ASSERT_TRUE(std::is_sorted(pool.begin(), pool.end(), [](const Particle& a, const Particle& b) {
            return a.alpha < b.alpha;
        })) << update;
        for (const Particle& p : pool) ASSERT_FLOAT_EQ(p.position.z, 10.0f + p.alpha);
        ASSERT_EQ(emitter->liveCount, int(Live().size()));
    }
}

TEST_F(Emitter, TimedBurstEndsAfterInitialAlphaTimes120Updates) {
    emitter->initialAlpha = 0.5f;
    emitter->savedInitialAlpha = 0.5f;
    emitter->timedBurst = true;
    emitter->emissionRate = 2;
    Run(59);
    EXPECT_TRUE(emitter->playState);
    EXPECT_TRUE(emitter->timedBurst);
    EXPECT_GT(emitter->liveCount, 0);
    // Each newcomer starts fainter than the one before.
    EXPECT_NEAR(emitter->initialAlpha, 0.5f - 59.0f / 120.0f, 1e-4f);
    Run(1);
    EXPECT_FALSE(emitter->playState);
    EXPECT_FALSE(emitter->timedBurst);
    EXPECT_EQ(emitter->liveCount, 0);
    EXPECT_TRUE(emitter->particles.empty());
    EXPECT_EQ(emitter->initialAlpha, 0.5f);
}

TEST_F(Emitter, ZeroOrBrokenLifeKeepsEveryValueFinite) {
    emitter->maxCount = 50;
    emitter->emissionRate = 5;
    emitter->totalLife = 0.0f;
    emitter->startColor = {1, 1, 1};
    emitter->endColor = {0, 0, 0};
    for (int update = 0; update < 120; ++update) {
        emitter->Update(frame);
        for (const Particle& p : emitter->particles) {
            ASSERT_TRUE(std::isfinite(p.alpha));
            ASSERT_TRUE(std::isfinite(p.color.x));
            ASSERT_TRUE(std::isfinite(p.position.z));
        }
        ASSERT_LE(emitter->liveCount, 50);
        ASSERT_GE(emitter->liveCount, 0);
    }

    // Alphas that are not numbers must not upset the ordering, and lives that are not numbers end.
    emitter->ResetEmitter();
    emitter->totalLife = std::numeric_limits<float>::quiet_NaN();
    emitter->initialAlpha = std::numeric_limits<float>::quiet_NaN();
    Run(30);
    EXPECT_EQ(emitter->liveCount, 0); // each one ends in the update that made it
    EXPECT_LE(emitter->particles.size(), 5u);
}

TEST_F(Emitter, AbsurdCountsFromALevelFileStayBounded) {
    emitter->emissionRate = INT_MAX;
    emitter->maxCount = INT_MAX;
    emitter->totalLife = 100.0f;
    const auto start = std::chrono::steady_clock::now();
    Run(2);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(emitter->liveCount, ParticleEmitter::particleLimit);
    EXPECT_EQ(emitter->particles.size(), size_t(ParticleEmitter::particleLimit));
    EXPECT_LT(seconds, 20.0);

    emitter->ResetEmitter();
    emitter->maxCount = -5;
    emitter->emissionRate = 10;
    Run(3);
    EXPECT_EQ(emitter->liveCount, 0);
    emitter->maxCount = 10;
    emitter->emissionRate = -3;
    Run(3);
    EXPECT_EQ(emitter->liveCount, 0);
}

class EmitterRecord : public Emitter {
protected:
    Sandbox box;
    const std::string path = "../Resources/Level/Particles.txt";

    bool SaveQuietly() {
        std::filesystem::create_directories(box.resources() / "Level");
        testing::internal::CaptureStdout();
        const bool saved = SaveLevel("Particles", path);
        testing::internal::GetCapturedStdout();
        return saved;
    }
};

TEST_F(EmitterRecord, EveryStoredFieldSurvivesSaveAndReload) {
    ParticleEmitter& e = *emitter;
    e.textureName = "rain.png";
    e.initialVelocity = {0.5f, -12, 0};
    e.initialScale = {2, 18, 1};
    e.scaleIncrement = {0.1f, 0.2f, 0.3f};
    e.startColor = {0.6f, 0.7f, 0.8f};
    e.endColor = {0.1f, 0.2f, 0.3f};
    e.emissionRate = 4;
    e.maxCount = 400;
    e.emissionVariance = 1.5f;
    e.scaleVariance = 0.25f;
    e.lifetimeVariance = 0.75f;
    e.velocityVariance = 2.5f;
    e.circleRadius = 33;
    e.initialAlpha = 0.8f;
    e.endAlpha = 0.1f;
    e.totalLife = 1.75f;
    e.rotationSpeed = 45;
    e.shapeType = 7; // stored as a circle
    e.useTexture = true;
    e.spawnRotRandomly = true;
    e.playState = true;
    e.flipX = true;
    ASSERT_TRUE(SaveQuietly());
    const std::string file = box.ReadResource("Level/Particles.txt");
    EXPECT_NE(file.find("ParticleEmitter\nTextureName\nrain.png\nInitialVel\n0.5\n-12\n0\n"),
              std::string::npos);
    EXPECT_NE(file.find("ShapeType\n2\nUseTexture\n1\nSpawnRotRandomly\n1\nPlayState\n1\nEnd"),
              std::string::npos);

    ScopedObjectStore::Clear();
    ASSERT_TRUE(LoadLevel("Particles", path));
    auto read = FindObjectByName("Rain")->GetComponent<ParticleEmitter>();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->textureName, "rain.png");
    EXPECT_FLOAT_EQ(read->initialVelocity.y, -12.0f);
    EXPECT_FLOAT_EQ(read->initialScale.y, 18.0f);
    EXPECT_FLOAT_EQ(read->scaleIncrement.z, 0.3f);
    EXPECT_FLOAT_EQ(read->startColor.y, 0.7f);
    EXPECT_FLOAT_EQ(read->endColor.x, 0.1f);
    EXPECT_EQ(read->emissionRate, 4);
    EXPECT_EQ(read->maxCount, 400);
    EXPECT_FLOAT_EQ(read->emissionVariance, 1.5f);
    EXPECT_FLOAT_EQ(read->scaleVariance, 0.25f);
    EXPECT_FLOAT_EQ(read->lifetimeVariance, 0.75f);
    EXPECT_FLOAT_EQ(read->velocityVariance, 2.5f);
    EXPECT_FLOAT_EQ(read->circleRadius, 33.0f);
    EXPECT_FLOAT_EQ(read->initialAlpha, 0.8f);
    EXPECT_FLOAT_EQ(read->savedInitialAlpha, 0.8f);
    EXPECT_FLOAT_EQ(read->endAlpha, 0.1f);
    EXPECT_FLOAT_EQ(read->totalLife, 1.75f);
    EXPECT_FLOAT_EQ(read->rotationSpeed, 45.0f);
    EXPECT_EQ(read->shapeType, ParticleEmitter::Circle);
    EXPECT_TRUE(read->useTexture);
    EXPECT_TRUE(read->spawnRotRandomly);
    EXPECT_TRUE(read->playState);
    EXPECT_FALSE(read->flipX); // not stored
}

TEST_F(EmitterRecord, BadTextureNamesAndCutRecords) {
    emitter->textureName = "two words.png";
    EXPECT_FALSE(SaveQuietly());
    emitter->textureName = "";
    ASSERT_TRUE(SaveQuietly()); // an unnamed texture is stored as the default one
    const std::string whole = box.ReadResource("Level/Particles.txt");
    EXPECT_NE(whole.find("TextureName\nparticle.png\n"), std::string::npos);

    const size_t start = whole.find("ParticleEmitter");
    const size_t end = whole.find("End", start);
    for (size_t cut = start + 1; cut < end; cut += 5) {
        ScopedObjectStore::Clear();
        box.WriteResource("Level/Particles.txt", whole.substr(0, cut));
        testing::internal::CaptureStdout();
        EXPECT_FALSE(LoadLevel("Particles", path)) << cut;
        testing::internal::GetCapturedStdout();
        EXPECT_FALSE(FindObjectByName("Rain")) << cut;
    }
}

} // namespace
