#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "engine/System.h"
#include "input/KeyTable.h"
#include "objects/Serializer.h"

// Key name -> key index, from SerializedKeys.txt.
extern std::map<std::string, int32_t> KeyNameMap;
// Action name ("ACTION_JUMP") -> key name, from KeyboardActionMap.txt.
extern std::map<std::string, std::string> ActionMap;

namespace Framework {

// Polled keyboard and mouse buttons with one-shot presses (also latched from the event stream, so a
// tap between two frames counts), and named actions bound to keys through two text files. Every
// query answers false while the game window is not the active window.
class InputSystem : public System {
public:
    int16_t mouseX = 0; // client pixels, written by the window procedure
    int16_t mouseY = 0;
    float wheel = 0.0f; // notches since the GUI last took them; +1 away from the user
    Serializer keyFile;

    void Initialize() override;
    void Update(float dt) override;
    std::string GetName() override { return "Input System"; }
    void Shutdown() override {}

    // key: index 0..102; anything else is never down.
    bool IsKeyDown(int key);
    // True once per press, to the first caller that asks: a key down and not yet consumed, or a
    // press latched this frame even if the key is already up again (a tap shorter than a frame).
    bool IsKeyTriggered(int key);
    bool IsKeyUp(int key);
    // An action with no binding, or bound to an unknown key name, is never down.
    bool IsActionDown(const std::string& action);
    bool IsActionTriggered(const std::string& action);

    // Read the two key files; each problem is reported as one line on standard output.
    void LoadKeyNames(const std::string& path);
    void LoadActionMap(const std::string& path);
    // Reads the pad's bindings (after the key names and actions): one line per pad control, its name
    // then the actions ("ACTION_JUMP") and key names ("ENTER") it presses. A missing file, or any
    // line it cannot use, leaves the pad on its default bindings, said in one line.
    void LoadPadMap(const std::string& path);

private:
    bool IsGameWindowActive() const;
    bool IsPhysicallyDown(int key) const;
    int ResolveAction(const std::string& action) const; // -1 when unbound
};

extern std::shared_ptr<InputSystem> inputSystem;

} // namespace Framework
