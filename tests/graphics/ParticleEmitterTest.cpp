#include "graphics/ParticleEmitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <limits>

#include "engine/Random.h"
#include "tests/support/ObjectStore.h"

// Without a display the emitter has no program or texture; everything but drawing still runs.

namespace {

class Emitter : public ::testing::Test {
protected:
    ScopedObjectStore store;
    std::shared_ptr<ParticleEmitter> emitter = std::make_shared<ParticleEmitter>();

    void SetUp() override {
        SeedRandom(1234);
        SpawnObject("Rain", {}, {200, 40}, ObjectType::Background)
            ->AddComponent(emitter, ComponentType::ParticleEmitter);
        emitter->playState = true;
    }
    void Run(int updates) {
        for (int i = 0; i < updates; ++i) emitter->Update(1.0f / 60.0f);
    }
};

TEST_F(Emitter, FillsToItsCapThenEmitsOnlyAsParticlesDie) {
    emitter->emissionRate = 3;
    emitter->maxCount = 100;
    emitter->totalLife = 3.0f; // lives of 2 s to 4 s: nobody dies before update 120
    for (int update = 1; update <= 600; ++update) {
        Run(1);
        const auto& pool = emitter->particles;
        const int live =
            int(std::count_if(pool.begin(), pool.end(), [](const Particle& p) { return p.active; }));
        ASSERT_EQ(emitter->liveCount, update < 120 ? std::min(3 * update, 100) : live) << update;
        ASSERT_LE(live, 100) << update;
        ASSERT_LE(pool.size(), 103u) << "dead entries are reused before the pool grows";
    }
    EXPECT_GE(emitter->liveCount, 97);
}

// A particle too faint to change a pixel still writes depth where it is drawn under the depth test,
// so it widens the box; it does not count among the depths of what shows.
TEST_F(Emitter, FaintParticlesCountForTheBoxNotForWhatShows) {
    Particle strong, faint;
    strong.active = faint.active = true;
    strong.alpha = 0.5f, strong.position = {0, 0, 3}, strong.scale = {10, 10, 1};
    faint.alpha = 0.0001f, faint.position = {50, 0, 1}, faint.scale = {10, 10, 1};
    emitter->particles = {faint, strong};
    vec3 low, high;
    vec2 shown;
    ASSERT_TRUE(emitter->LiveBounds(low, high, shown));
    EXPECT_EQ(low.z, 1.0f);
    EXPECT_GT(high.x, 50.0f);
    EXPECT_EQ(shown.x, 3.0f);
    EXPECT_EQ(shown.y, 3.0f);
    emitter->particles = {faint};
    ASSERT_TRUE(emitter->LiveBounds(low, high, shown));
    EXPECT_GT(shown.x, shown.y) << "nothing strong enough to show";
}

TEST_F(Emitter, BrokenValuesFromALevelFileStayFiniteAndBounded) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        int count, rate;
        float life, alpha;
        int liveAtMost;
        size_t poolAtMost;
    } cases[] = {
        {50, 5, 0.0f, 1.0f, 50, 100},
        {50, 5, nan, nan, 0, 5}, // such lives end at once, and such alphas must not upset the order
        {INT_MAX, INT_MAX, 100.0f, 1.0f, ParticleEmitter::particleLimit,
         size_t(ParticleEmitter::particleLimit)},
        {-5, 10, 1.0f, 1.0f, 0, 10},
        {10, -3, 1.0f, 1.0f, 0, 10},
    };
    const auto start = std::chrono::steady_clock::now();
    for (const auto& c : cases) {
        emitter->ResetEmitter();
        emitter->maxCount = c.count;
        emitter->emissionRate = c.rate;
        emitter->totalLife = c.life;
        emitter->initialAlpha = c.alpha;
        Run(3);
        for (const Particle& p : emitter->particles) {
            if (p.active) {
                ASSERT_TRUE(std::isfinite(p.alpha) && std::isfinite(p.color.x) &&
                            std::isfinite(p.position.z));
            }
        }
        EXPECT_LE(emitter->liveCount, c.liveAtMost) << c.count << " " << c.rate << " " << c.life;
        EXPECT_LE(emitter->particles.size(), c.poolAtMost) << c.count << " " << c.rate << " " << c.life;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

} // namespace
