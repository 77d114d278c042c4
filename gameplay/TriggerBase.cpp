#include "gameplay/TriggerBase.h"

#include <imgui.h>

#include <string>

#include "gameplay/PlayerContact.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"

TriggerBase::TriggerBase() : Component(ComponentType::TriggerBase) {}

void TriggerBase::Update(float) {
    if (fired || !owner || !PlayerTouches(*owner, false)) return;
    fired = true;
    for (const GameObjectRef& object : GameObjectList) {
        if (!object || object->name.compare(0, 7, "Bedroom") != 0) continue;
        if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(object)) {
            sprite->textureName = "bedroom_unlit.png";
            sprite->textureChanged = true;
        }
    }
}

void TriggerBase::Inspector(int objectId) {
    ImGui::CollapsingHeader((GetTypeName() + "##" + std::to_string(objectId)).c_str());
}
