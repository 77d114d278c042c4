#include "gameplay/WaterDrag.h"

#include <imgui.h>

#include <string>

#include "gameplay/GameFlags.h"
#include "gameplay/PlayerContact.h"
#include "objects/GameObject.h"
#include "physics/BoxCollider.h"

WaterDrag::WaterDrag() : Component(ComponentType::WaterDrag) {}

void WaterDrag::Initialize() {
    GameFlags.inWater = false;
    playerInRange = false;
    setInWater = false;
}

void WaterDrag::Update(float) {
    if (!owner) return;
    std::shared_ptr<BoxCollider> collider = owner->GetComponent<BoxCollider>();
    playerInRange = collider && !collider->ghosted && PlayerTouches(*owner, playerInRange);
    if (playerInRange) {
        GameFlags.inWater = true;
        setInWater = true;
    } else if (setInWater) {
        GameFlags.inWater = false;
        setInWater = false;
    }
}

void WaterDrag::Inspector(int objectId) {
    ImGui::CollapsingHeader(("WaterDrag##" + std::to_string(objectId)).c_str());
}
