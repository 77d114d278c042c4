#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/Random.h"
#include "engine/WindowSystem.h"

using namespace Framework;

namespace {

// A system that writes what happens to it into a shared journal.
struct RecordingSystem : System {
    std::string name;
    std::vector<std::string>& journal;
    bool failsToStart = false;
    std::function<void()> onUpdate;

    RecordingSystem(std::string systemName, std::vector<std::string>& log)
        : name(std::move(systemName)), journal(log) {}
    void HandleMessage(const SystemMessage& m) override {
        journal.push_back(name + ":message" + std::to_string(m.id));
    }
    void Initialize() override { journal.push_back(name + ":init"); }
    void Update(float) override {
        journal.push_back(name + ":update");
        if (onUpdate) onUpdate();
    }
    std::string GetName() override { return name; }
    void Shutdown() override { journal.push_back(name + ":shutdown"); }
    bool InitializeFailed() const override { return failsToStart; }
};

// Runs the real global engine over recording systems, and puts everything back afterwards.
class EngineTest : public ::testing::Test {
protected:
    std::vector<std::string> journal;
    std::vector<std::shared_ptr<RecordingSystem>> parts;

    void SetUp() override {
        for (const char* name : {"a", "b", "c"}) {
            parts.push_back(std::make_shared<RecordingSystem>(name, journal));
            engine->systems.push_back(parts.back());
        }
    }
    void TearDown() override {
        engine->systems.clear();
        appRunning = true;
        windowSystem->quitRequested = false;
    }
    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(journal.begin(), journal.end(), entry));
    }
};

TEST_F(EngineTest, SystemsStartAndUpdateInListOrderAndStopInReverse) {
    ASSERT_TRUE(engine->Initialize());
    engine->Update();
    engine->Shutdown();
    std::vector<std::string> expected = {"a:init",   "b:init",     "c:init",     "a:update",  "b:update",
                                         "c:update", "c:shutdown", "b:shutdown", "a:shutdown"};
    EXPECT_EQ(journal, expected);
    EXPECT_TRUE(engine->systems.empty());
}

TEST_F(EngineTest, ASystemThatCannotStartStopsStartUpAndTheStartedOnesShutDown) {
    parts[1]->failsToStart = true;
    EXPECT_FALSE(engine->Initialize());
    std::vector<std::string> expected = {"a:init", "b:init", "b:shutdown", "a:shutdown"};
    EXPECT_EQ(journal, expected);
}

TEST_F(EngineTest, AQuitRequestOrAClosedWindowEndsTheLoopAfterTheFrameWithOneQuit) {
    const std::function<void()> enders[] = {
        [] { windowSystem->quitRequested = true; },
        [] { windowSystem->WindowProcedure({Platform::MessageType::Destroy}); }};
    for (const auto& end : enders) {
        journal.clear();
        parts[1]->onUpdate = end;
        engine->systems.assign(parts.begin(), parts.end());
        RunMainLoop(*engine);
        EXPECT_EQ(Count("a:update") + Count("c:update"), 2); // the frame is finished first
        EXPECT_EQ(Count("a:message0") + Count("c:message0"), 2);
        EXPECT_EQ(journal.back(), "a:shutdown");
        appRunning = true;
        windowSystem->quitRequested = false;
    }
}

TEST_F(EngineTest, EveryFrameGetsTheSteadyClockTimeSinceTheLastOne) {
    engine->frameTimer.last = SteadyNowNanoseconds() - 2'000'000'000; // a two-second start-up
    engine->frameTimer.current = engine->frameTimer.last;
    engine->TickFrameTimer();
    EXPECT_GE(engine->frameTimer.elapsed, 2.0f); // never clamped
    engine->TickFrameTimer();
    EXPECT_LT(engine->frameTimer.elapsed, 1.0f);
    EXPECT_GE(engine->frameTimer.elapsed, 0.0f);
}

TEST(Random, StaysInTheFifteenBitRangeAndRepeatsForTheSameSeed) {
    SeedRandom(12345);
    std::vector<int> draws(100000);
    for (int& r : draws) r = Rand();
    const auto [low, high] = std::minmax_element(draws.begin(), draws.end());
    EXPECT_GE(*low, 0);
    EXPECT_LT(*low, 100);
    EXPECT_LE(*high, RAND_LIMIT);
    EXPECT_GT(*high, RAND_LIMIT - 100);
    SeedRandom(12345);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Rand(), draws[i]);
    SeedRandom(1);
    EXPECT_EQ(Rand(), 41); // the classic generator's first value for seed 1
}

} // namespace
