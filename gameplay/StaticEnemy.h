#pragma once

#include <memory>
#include <string>

#include "gameplay/EnemyBaseAI.h"
#include "objects/Component.h"

class GameObject;
class Sprite;

// A stationary listener. While the player moves within `scriptRange` of it on its floor, its
// sprite plays the alert animation forward ("echoalert" loops); when the player keeps moving until
// the last cell, it raises the alarm ("echoalarm") and calls the creature through
// GameFlags.creatureReleased. A player who stands still for `waitTime`, or leaves the range, lets
// the animation run back to its first cell. States: 1 dormant, 2 alerted, 7 calming, 0 alarm.
class StaticEnemy : public EnemyBaseAI, public Component {
public:
    StaticEnemy();

    // Dormant, alarm ready; "echoalarm" and "echoalert" are started and paused at once.
    void Initialize() override;
    // dt: seconds. Contact scan, then (after the first frame) Sense and UpdateState.
    void Update(float dt) override;
    void Sense(float dt) override;
    void UpdateState(float dt) override;
    bool Serialize(Serializer& serializer) override;
    bool Deserialize(Serializer& serializer) override;
    void Inspector(int objectId) override;

    float waitTime = 2.0f;      // seconds of stillness after which an alert calms down
    float stillTimer = 0.0f;    // seconds the player has stood still during this alert
    float scriptRange = 150.0f; // half-width of the hearing range, world units
    bool playerContact = false;
    bool alarmReady = true; // cleared when the alarm sounds, set again once a death fade is black
    std::string contactName;
    std::weak_ptr<GameObject> fadeObject; // "FadeInAndOut"

private:
    void RaiseAlarm(Sprite& sprite);
    void SoundAlarm();
    float OwnX() const;
};
