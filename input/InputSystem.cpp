#include "input/InputSystem.h"

#include <cstdio>

#include "engine/WindowSystem.h"
#include "platform/Platform.h"

std::map<std::string, int32_t> KeyNameMap;
std::map<std::string, std::string> ActionMap;

namespace Framework {

std::shared_ptr<InputSystem> inputSystem = std::make_shared<InputSystem>();

void InputSystem::Initialize() {
    LoadKeyNames("../Resources/SerializedKeys.txt");
    LoadActionMap("../Resources/KeyboardActionMap.txt");
}

void InputSystem::LoadKeyNames(const std::string& path) {
    if (!keyFile.OpenRead(path)) {
        std::printf("%s: cannot open; no key has a name, so no action can be bound\n", path.c_str());
        return;
    }
    // Stop at the first missing word: the keys after it simply have no name.
    int index = 0;
    std::string name;
    for (; index < KEY_COUNT && keyFile.ReadWord(name); ++index) KeyNameMap[name] = index;
    keyFile.Close();
    if (index < KEY_COUNT)
        std::printf("%s: expected %d key names, found %d; keys from index %d on have no name\n", path.c_str(),
                    KEY_COUNT, index, index);
}

void InputSystem::LoadActionMap(const std::string& path) {
    if (!keyFile.OpenRead(path)) {
        std::printf("%s: cannot open; no action is bound\n", path.c_str());
        return;
    }
    std::string action, keyName;
    while (keyFile.ReadWord(action)) {
        if (!keyFile.ReadWord(keyName)) {
            std::printf("%s: action '%s' has no key name after it\n", path.c_str(), action.c_str());
            break;
        }
        if (KeyNameMap.find(keyName) == KeyNameMap.end())
            std::printf("%s: action '%s' is bound to unknown key '%s'\n", path.c_str(), action.c_str(),
                        keyName.c_str());
        ActionMap[action] = keyName;
    }
    keyFile.Close();
}

void InputSystem::Update(float) {
    timer.Start();
    const bool active = IsGameWindowActive();
    for (int key = 0; key < KEY_COUNT; ++key) {
        KeyEntry& entry = KeyTable[key];
        // A consumed press re-arms once the key has been seen released, focused or not.
        if (!entry.armed && !IsPhysicallyDown(key)) entry.armed = true;
        // This frame's latched press, if any; one nobody took last frame expires, and one made
        // while another window was active never counts.
        entry.pressed = Platform::TakeVirtualKeyPress(entry.vk) && active;
    }
    timer.Stop();
}

bool InputSystem::IsGameWindowActive() const {
    Platform::WindowHandle active = Platform::GetActiveWindow();
    return active != nullptr && active == windowSystem->hwnd;
}

bool InputSystem::IsPhysicallyDown(int key) const {
    return key >= 0 && key < KEY_COUNT && Platform::IsVirtualKeyDown(KeyTable[key].vk);
}

bool InputSystem::IsKeyDown(int key) {
    return IsGameWindowActive() && IsPhysicallyDown(key);
}

bool InputSystem::IsKeyTriggered(int key) {
    if (key < 0 || key >= KEY_COUNT || !IsGameWindowActive()) return false;
    KeyEntry& entry = KeyTable[key];
    // A press latched since the frame began (the key may be up again), or a held key not consumed
    // yet: both are the same press, so answering spends both and a held key fires only once.
    entry.pressed = entry.pressed || Platform::TakeVirtualKeyPress(entry.vk);
    if (!entry.pressed && !(entry.armed && IsPhysicallyDown(key))) return false;
    entry.pressed = false;
    entry.armed = false;
    return true;
}

bool InputSystem::IsKeyUp(int key) {
    return IsGameWindowActive() && key >= 0 && key < KEY_COUNT && !IsPhysicallyDown(key);
}

int InputSystem::ResolveAction(const std::string& action) const {
    auto binding = ActionMap.find(action);
    if (binding == ActionMap.end()) return -1;
    auto key = KeyNameMap.find(binding->second);
    return key == KeyNameMap.end() ? -1 : key->second;
}

bool InputSystem::IsActionDown(const std::string& action) {
    int key = ResolveAction(action);
    return key >= 0 && IsKeyDown(key);
}

bool InputSystem::IsActionTriggered(const std::string& action) {
    int key = ResolveAction(action);
    return key >= 0 && IsKeyTriggered(key);
}

} // namespace Framework
