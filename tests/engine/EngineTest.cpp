#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/WindowSystem.h"

using namespace Framework;

namespace {

// A system that writes what happens to it into a shared journal ("a:init b:init ...").
struct RecordingSystem : System {
    std::string name;
    std::string& journal;
    bool failsToStart = false;
    std::function<void()> onUpdate = [] {};

    RecordingSystem(std::string systemName, std::string& log) : name(std::move(systemName)), journal(log) {}
    void Note(const std::string& what) { journal += (journal.empty() ? "" : " ") + name + ":" + what; }
    void HandleMessage(const SystemMessage& m) override { Note("message" + std::to_string(m.id)); }
    void Initialize() override { Note("init"); }
    void Update(float) override { Note("update"), onUpdate(); }
    std::string GetName() override { return name; }
    void Shutdown() override { Note("shutdown"); }
    bool InitializeFailed() const override { return failsToStart; }
};

// Runs the real global engine over three recording systems, and puts everything back afterwards.
class EngineTest : public ::testing::Test {
protected:
    std::string journal;
    std::vector<std::shared_ptr<RecordingSystem>> parts;

    void SetUp() override {
        for (const char* name : {"a", "b", "c"})
            parts.push_back(std::make_shared<RecordingSystem>(name, journal));
        engine->systems.assign(parts.begin(), parts.end());
    }
    void TearDown() override {
        engine->systems.clear();
        appRunning = true;
        windowSystem->quitRequested = false;
    }
};

TEST_F(EngineTest, SystemsStartAndUpdateInListOrderAndStopInReverse) {
    ASSERT_TRUE(engine->Initialize());
    engine->Update();
    engine->Shutdown();
    EXPECT_EQ(journal, "a:init b:init c:init a:update b:update c:update c:shutdown b:shutdown a:shutdown");
    // A system that cannot start stops start-up, and the started ones shut down.
    journal.clear();
    parts[1]->failsToStart = true;
    engine->systems.assign(parts.begin(), parts.end());
    EXPECT_FALSE(engine->Initialize());
    EXPECT_EQ(journal, "a:init b:init b:shutdown a:shutdown");
}

TEST_F(EngineTest, AQuitRequestOrAClosedWindowEndsTheLoopWithOneQuit) {
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[] { windowSystem->quitRequested = true; }, // the frame is finished first
         "a:update b:update c:update a:message0 b:message0 c:message0 c:shutdown b:shutdown a:shutdown"},
        {[] { windowSystem->WindowProcedure({Platform::MessageType::Destroy}); },
         "a:update b:update a:message0 b:message0 c:message0 c:update c:shutdown b:shutdown a:shutdown"}};
    for (const auto& [end, expected] : cases) {
        journal.clear();
        parts[1]->onUpdate = end;
        engine->systems.assign(parts.begin(), parts.end());
        RunMainLoop(*engine);
        EXPECT_EQ(journal, expected);
        TearDown();
    }
}

} // namespace
