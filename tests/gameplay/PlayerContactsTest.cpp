#include <gtest/gtest.h>

#include "graphics/TextSprite.h"
#include "tests/gameplay/PlayerWorld.h"

namespace {

// The player standing on a floor beside a box it touches, with the "Dialogue" line over its head.
class PlayerContactsTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.AddFloor();
        world.AddPlayer();
        line = PlayerWorld::Attach<TextSprite>(world.Add("Dialogue", ObjectType::Dialogue, {}, {1, 1}));
        world.player->GetComponent<Player>()->Initialize();
        ASSERT_TRUE(world.Settle());
    }
    GameObjectRef Touching(const std::string& name, ObjectType type = ObjectType::TriggerEvent) {
        const float y = PlayerWorld::standingY;
        return world.AddSolid(name, type, -20, 20, y - 20, y + 20);
    }
    std::string Said() const { return line->GetText(); }

    PlayerWorld world;
    std::shared_ptr<TextSprite> line;
};

TEST_F(PlayerContactsTest, StoryLinesSpeakOnceAndOnlyInTheirPhase) {
    struct Case {
        const char* trigger;
        bool phaseTwo;
        bool alternateWorld;
        const char* line; // expected, or "" for nothing
    };
    const Case cases[] = {
        {"DialogueGoHome1", false, false, ""}, // the first level's lines wait for its second phase
        {"DialogueGoHome1", true, false, "I should go home."},
        {"DialogueGoHome1", true, true, "I should find some light."},
        {"DialogueMovingLift", true, false, "Was I imagining things?"},
        {"DialogueCupboard", true, false, ""}, // only while the creature is about
        {"OldManIdleCollision", false, false, ""},
    };
    for (const Case& c : cases) {
        GameFlags.phaseTwoFlag = c.phaseTwo;
        GameFlags.alternateWorld = c.alternateWorld;
        line->SetText("");
        GameObjectRef trigger = Touching(c.trigger);
        world.Frame();
        EXPECT_EQ(Said(), c.line) << c.trigger;
        EXPECT_EQ(trigger->GetComponent<BoxCollider>()->ghosted, *c.line != '\0') << c.trigger;
        line->SetText("");
        world.Frame();
        EXPECT_EQ(Said(), "") << c.trigger << " speaks once";
        GameObjectList.pop_back();
    }
    // A later level's line needs no first-level phase.
    GameFlags.phaseTwoFlag = false;
    GameFlags.redCorridorActive = true;
    Touching("Dialogue2ndPhase00");
    world.Frame();
    EXPECT_EQ(Said(), "I've got to find another way up fast!");
}

// Areas and captions are met by the level runs; the prompt's height rule and the death box are not.
TEST_F(PlayerContactsTest, ThePromptOverTheUsableObjectAndTheDeathBox) {
    // The prompt takes the object's height on the first frame of the contact only.
    GameObjectRef button = Touching("LiftButton", ObjectType::LiftButton);
    world.Frame();
    EXPECT_TRUE(button->GetComponent<BoxCollider>()->interactable);
    EXPECT_TRUE(GameFlags.promptRequested);
    EXPECT_FLOAT_EQ(GameFlags.promptPosition.y, PlayerWorld::standingY + 96);
    button->GetComponent<Transform>()->SetPosition(0, PlayerWorld::standingY + 10);
    world.Frame();
    EXPECT_FLOAT_EQ(GameFlags.promptPosition.y, PlayerWorld::standingY + 96);
    GameFlags.blackoutStarted = true; // the way home is blocked: the lift no longer answers
    world.Frame();
    EXPECT_FALSE(GameFlags.promptRequested);
    GameObjectList.pop_back();

    Touching("DeathCollider", ObjectType::Boundary)->GetComponent<BoxCollider>()->ghosted = false;
    world.Frame();
    EXPECT_TRUE(GameFlags.playerDying);
}

} // namespace
