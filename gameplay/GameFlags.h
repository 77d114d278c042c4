#pragma once

#include <cstdint>
#include <string>

#include "objects/Math.h"

// Movement states of the player, as stored in GameFlags.playerState.
enum PlayerMoveState : int32_t {
    PlayerIdle = 0,
    PlayerMoveLeft = 1,
    PlayerMoveRight = 2,
    PlayerJump = 3,
    PlayerHide = 4,
    PlayerCrawl = 5,
    PlayerClimb = 6,
};

// The gameplay state that the level scene, the player, the enemies, the interactables and the level
// scripts share. Values only: components never call each other for story or player state, they read
// and write these entries. Lives for the whole run and is never saved.
struct GameFlagBlock {
    // Back to the start values below; a new game from the menu begins here.
    void Reset() { *this = GameFlagBlock{}; }
    // What the player's start in a level clears: movement, hiding and the level's story so far. The
    // lighting zone becomes the level's first.
    void ResetForPlayerStart();
    // What the level scene clears when a level starts: the camera height, the exit and the pans.
    // The area becomes the level's first.
    void ResetForLevelStart();

    // Level, place and camera.
    int32_t currentLevel = 1; // 1 to 3; 4 after quitting from the pause menu
    int32_t currentArea = 1;  // area id of the player's room
    int32_t lightingZone = 0; // the player's sprite set, 0 to 10
    float cameraTargetY = 0;  // height the camera follows
    float cameraHeightOffset = 35.0f;
    float backgroundScrollSpeed = 0.012f; // per frame
    float rooftopCameraY = 0;
    vec3 ambientColour{0.6666667f, 0, 0}; // tint remembered for level-3 respawns
    std::string respawnWrapTarget;        // wrap point the death bed sends the player to
    vec2 promptPosition;                  // where the interaction key prompt is placed

    // Player.
    int32_t playerState = PlayerIdle;
    bool inputLocked = false; // cutscene, dialogue, fade or mini-game
    bool isHiding = false;
    bool inVent = false;
    bool isClimbing = false;
    bool isRunning = false;
    bool runDisabled = false;
    bool isMoving = false;
    bool facingLeft = false;
    bool landingSoundDue = false;
    bool playerDying = false;
    bool positionChanged = false;
    bool heightBandFlag = false; // set passing y -576, cleared passing y -2111
    bool cutsceneWalk = false;   // keeps playerState from falling back to Idle while input is locked

    // World.
    bool inWater = false;
    bool lightsOff = false;
    bool alternateWorld = false; // level 1: grass footsteps, no thunder
    bool splashDisabled = false;
    bool chaseMusicPlaying = false;
    bool creatureReleased = false;
    bool creatureActive = false;
    bool alarmWhilePursued = false;
    bool buildingCollapse = false;
    bool creatureHold = false;
    bool finaleApproach = false;
    bool oldManFlash = false;
    bool cupboardHideReady = false;
    bool liftBurstPending = false;
    bool levelExitReached = false;

    // Interactables and transitions.
    bool lightSwitchUse = false; // consumed by LightSwitch
    bool kitchenSwitchArmed = false;
    bool tapTurnedOff = false;
    bool hasHouseKeys = false;
    bool doorUnlocked = false;
    bool lockPromptVisible = false;
    bool promptRequested = false;
    bool promptPlaced = false;
    bool liftUpPromptVisible = false;
    bool liftDownPromptVisible = false;
    bool wrapInProgress = false;
    bool wrapReturn = false;
    bool liftDoorsOpen = false;
    bool playerInLift = false;
    bool liftCalled = false;
    bool ventEntered = false;
    bool respawnedOutside = false;

    // Story progress markers of the level scripts.
    bool phaseTwoFlag = false;
    bool blackoutStarted = false;
    bool blackoutSoundPending = true; // the "blackout" sound is still to be played once
    bool weatherStopped = false;
    bool pursuitStarted = false;
    bool panToEnemy = false;
    bool panToVent = false;
    bool climbEndPending = false;
    bool redCorridorActive = false;
    bool rooftopDone = false;
    bool rooftopRain = false;
    bool finaleMusic = false;
    bool eventRainDone = false;
    bool oldManMaterialized = false;
    bool containerEntered = false;
};

extern GameFlagBlock GameFlags;
