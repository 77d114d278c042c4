#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "objects/Component.h"

class GameObject;

// Marks a menu object as a button of one kind and carries out that kind's action when the menu
// activates it. The look lives in the object's Sprite: a sheet of three rows (idle, highlighted,
// pressed).
class Button : public Component {
public:
    enum Kind : int32_t {
        Play = 0,
        HowToPlay = 1,
        Credits = 2,
        Back = 3,
        Options = 4,
        Mute = 5,
        Quit = 6,
        Yes = 7,
        No = 8,
    };
    static constexpr int32_t kindCount = 9;

    enum Look : int32_t { Idle = 0, Highlighted = 1, Pressed = 2 };

    Button() : Component(ComponentType::Button) {}

    void Initialize() override;
    bool Serialize(Serializer& serializer) override;
    // Keeps whatever number the file holds: a kind this game does not know simply does nothing.
    bool Deserialize(Serializer& serializer) override;
    void Inspector(int objectId) override;

    // The action of this button's kind. Play and Yes leave the menu; the others raise requests in
    // MenuState that the menu answers in its next update.
    void Activate();

    int32_t buttonType = Play;
    std::string typeLabel; // the editor's name for buttonType
};

// The editor's label for a kind ("Play", "How to play", ...); empty for a number outside 0 to 8.
std::string ButtonTypeLabel(int32_t buttonType);

// Shows one row of the object's button sheet (Button::Look). Does nothing without a Sprite.
void SetButtonLook(GameObject* object, int32_t look);
inline void SetButtonLook(const std::shared_ptr<GameObject>& object, int32_t look) {
    SetButtonLook(object.get(), look);
}
