#include "graphics/ParticleEmitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <limits>

#include "engine/Random.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "tests/support/ObjectStore.h"

// Without a display the emitter has no program or texture; everything but drawing still runs.

namespace {

constexpr float frame = 1.0f / 60.0f;

class Emitter : public ::testing::Test {
protected:
    ScopedObjectStore store;
    GameObjectRef object = SpawnObject("Rain", {0, 0, 0}, {200, 40}, ObjectType::Background);
    std::shared_ptr<ParticleEmitter> emitter = std::make_shared<ParticleEmitter>();

    void SetUp() override {
        SeedRandom(1234);
        object->AddComponent(emitter, ComponentType::ParticleEmitter);
        emitter->playState = true;
    }
    void Run(int updates, float dt = frame) {
        for (int i = 0; i < updates; ++i) emitter->Update(dt);
    }
    std::vector<Particle> Live() const {
        std::vector<Particle> live;
        std::copy_if(emitter->particles.begin(), emitter->particles.end(), std::back_inserter(live),
                     [](const Particle& p) { return p.active; });
        return live;
    }
};

TEST_F(Emitter, FillsToItsCapThenEmitsOnlyAsParticlesDie) {
    emitter->emissionRate = 3;
    emitter->maxCount = 100;
    emitter->totalLife = 3.0f; // lives of 2 s to 4 s: nobody dies before update 120
    size_t largestPool = 0;
    for (int update = 1; update <= 600; ++update) {
        emitter->Update(frame);
        ASSERT_EQ(emitter->liveCount, update < 120 ? std::min(3 * update, 100) : int(Live().size()))
            << update;
        ASSERT_LE(emitter->liveCount, 100);
        largestPool = std::max(largestPool, emitter->particles.size());
    }
    EXPECT_LE(largestPool, 103u) << "dead entries are reused before the pool grows";
    EXPECT_GE(emitter->liveCount, 97);

    // Stopping freezes the particles where they are.
    emitter->playState = false;
    const std::vector<Particle> before = emitter->particles;
    Run(10);
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(emitter->particles[i].age, before[i].age);
    emitter->ResetEmitter();
    EXPECT_EQ(emitter->liveCount, 0);
    EXPECT_TRUE(emitter->particles.empty());
}

TEST_F(Emitter, SpawnsOnItsLineInItsRectangleAndOnItsCircle) {
    emitter->maxCount = 1000;
    emitter->emissionRate = 1000;
    emitter->circleRadius = 25.0f;
    object->GetComponent<Transform>()->position = {30, 50, 0}; // the box follows the Transform
    const struct {
        int shape;
        float left, right, bottom, top; // the box the spawns must fill
    } cases[] = {{ParticleEmitter::Line, -70, 130, 50, 50},
                 {ParticleEmitter::Rectangle, -70, 130, 30, 70},
                 {ParticleEmitter::Circle, 5, 55, 25, 75}};
    for (const auto& c : cases) {
        emitter->ResetEmitter();
        emitter->shapeType = c.shape;
        Run(1, 0.0f);
        float box[4] = {1e9f, -1e9f, 1e9f, -1e9f};
        for (const Particle& p : Live()) {
            box[0] = std::min(box[0], p.position.x), box[1] = std::max(box[1], p.position.x);
            box[2] = std::min(box[2], p.position.y), box[3] = std::max(box[3], p.position.y);
            if (c.shape == ParticleEmitter::Circle) {
                EXPECT_NEAR(std::hypot(p.position.x - 30.0f, p.position.y - 50.0f), 25.0f, 1e-3f);
            }
        }
        // Inside the box and reaching within 2 units of each of its edges.
        const float edges[4] = {c.left, c.right, c.bottom, c.top};
        for (int e = 0; e < 4; ++e) EXPECT_LE(std::fabs(box[e] - edges[e]), 2.0f) << c.shape << " edge " << e;
        EXPECT_TRUE(box[0] >= c.left && box[1] <= c.right && box[2] >= c.bottom && box[3] <= c.top)
            << c.shape;
    }
}

TEST_F(Emitter, PoolStaysOrderedByAlphaWithDepthFollowingAlpha) {
    object->GetComponent<Transform>()->position.z = 10.0f;
    emitter->maxCount = 2000; // never reached: every update spawns
    emitter->emissionRate = 7;
    emitter->totalLife = 1.5f;
    emitter->timedBurst = true; // newcomers start fainter and fainter, so order changes every update
    emitter->initialAlpha = emitter->savedInitialAlpha = 3.0f;
    for (int update = 0; update < 150; ++update) {
        // Ageing after the spawns can let particles of different births cross; an update of dt 0
        // shows the pool exactly as its last spawn left it.
        emitter->Update(frame);
        emitter->Update(0.0f);
        const auto& pool = emitter->particles;
        ASSERT_TRUE(std::is_sorted(pool.begin(), pool.end(), [](const Particle& a, const Particle& b) {
            return a.alpha < b.alpha;
        })) << update;
        for (const Particle& p : pool) ASSERT_FLOAT_EQ(p.position.z, 10.0f + p.alpha);
    }
}

TEST_F(Emitter, TimedBurstEndsAfterInitialAlphaTimes120Updates) {
    emitter->initialAlpha = emitter->savedInitialAlpha = 0.5f;
    emitter->timedBurst = true;
    emitter->emissionRate = 2;
    Run(59);
    EXPECT_TRUE(emitter->playState);
    EXPECT_NEAR(emitter->initialAlpha, 0.5f - 59.0f / 120.0f, 1e-4f) << "each newcomer fainter";
    Run(1);
    EXPECT_FALSE(emitter->playState || emitter->timedBurst);
    EXPECT_EQ(emitter->liveCount, 0);
    EXPECT_EQ(emitter->initialAlpha, 0.5f);
}

TEST_F(Emitter, BrokenValuesFromALevelFileStayFiniteAndBounded) {
    emitter->maxCount = 50;
    emitter->emissionRate = 5;
    emitter->totalLife = 0.0f;
    for (int update = 0; update < 120; ++update) {
        emitter->Update(frame);
        for (const Particle& p : emitter->particles)
            ASSERT_TRUE(std::isfinite(p.alpha) && std::isfinite(p.color.x) && std::isfinite(p.position.z));
        ASSERT_LE(emitter->liveCount, 50);
    }
    // Alphas that are not numbers must not upset the ordering, and lives that are not numbers end.
    emitter->ResetEmitter();
    emitter->totalLife = emitter->initialAlpha = std::numeric_limits<float>::quiet_NaN();
    Run(30);
    EXPECT_EQ(emitter->liveCount, 0);
    EXPECT_LE(emitter->particles.size(), 5u);

    emitter->ResetEmitter();
    emitter->totalLife = 100.0f;
    emitter->emissionRate = emitter->maxCount = INT_MAX;
    const auto start = std::chrono::steady_clock::now();
    Run(2);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(emitter->liveCount, ParticleEmitter::particleLimit);
    EXPECT_EQ(emitter->particles.size(), size_t(ParticleEmitter::particleLimit));
    for (auto [count, rate] : {std::pair{-5, 10}, std::pair{10, -3}}) {
        emitter->ResetEmitter();
        emitter->maxCount = count;
        emitter->emissionRate = rate;
        Run(3);
        EXPECT_EQ(emitter->liveCount, 0) << count << " " << rate;
    }
}

} // namespace
