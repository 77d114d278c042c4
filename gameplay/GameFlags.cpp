#include "gameplay/GameFlags.h"

#include "gameplay/Areas.h"
#include "gameplay/LevelRules.h"

GameFlagBlock GameFlags;

void GameFlagBlock::ResetForPlayerStart() {
    const LevelRules* rules = FindLevelRules(currentLevel);
    lightingZone = rules ? rules->startLightingZone : LightingZone::Bedroom;

    playerState = PlayerIdle;
    inputLocked = false;
    isHiding = false;
    inVent = false;
    isRunning = false;
    isMoving = false;
    facingLeft = false;
    landingSoundDue = false;
    playerDying = false;
    positionChanged = false;
    heightBandFlag = false;

    lightsOff = false;
    alternateWorld = false;
    creatureReleased = false;
    creatureActive = false;
    buildingCollapse = false;
    cupboardHideReady = false;
    liftBurstPending = false;

    phaseTwoFlag = false;
    blackoutStarted = false;
    pursuitStarted = false;
    redCorridorActive = false;
    oldManMaterialized = false;
}

void GameFlagBlock::ResetForLevelStart() {
    const LevelRules* rules = FindLevelRules(currentLevel);
    currentArea = rules ? rules->startArea : Area::Bedroom;
    cameraTargetY = 0.0f;
    cameraHeightOffset = 35.0f;
    levelExitReached = false;
    ventEntered = false;
    respawnedOutside = false;
    panToEnemy = false;
    panToVent = false;
}
