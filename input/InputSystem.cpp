#include "input/InputSystem.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "engine/WindowSystem.h"
#include "platform/Platform.h"

std::map<std::string, int32_t> KeyNameMap;
std::map<std::string, std::string> ActionMap;

namespace Framework {

std::shared_ptr<InputSystem> inputSystem = std::make_shared<InputSystem>();

void InputSystem::Initialize() {
    LoadKeyNames("../Resources/SerializedKeys.txt");
    LoadActionMap("../Resources/KeyboardActionMap.txt");
    LoadPadMap("../Resources/GamepadActionMap.txt");
}

namespace {

// The pad as a player expects it: stick and d-pad walk and move through menus (and up and down
// step into and out of the lift), A jumps and confirms, X uses things, B and Start open and close
// the pause menu, the right trigger or shoulder runs.
const char* const defaultPadMap[][4] = {
    {"a", "ACTION_JUMP", "ENTER", nullptr},
    {"x", "ACTION_INTERACT", nullptr, nullptr},
    {"b", "ESCAPE", nullptr, nullptr},
    {"start", "ESCAPE", nullptr, nullptr},
    {"dpleft", "ACTION_LEFT", "LEFT", nullptr},
    {"leftx-", "ACTION_LEFT", "LEFT", nullptr},
    {"dpright", "ACTION_RIGHT", "RIGHT", nullptr},
    {"leftx+", "ACTION_RIGHT", "RIGHT", nullptr},
    {"dpup", "ACTION_ENTERLIFT", "UP", nullptr},
    {"lefty-", "ACTION_ENTERLIFT", "UP", nullptr},
    {"dpdown", "ACTION_EXITLIFT", "DOWN", nullptr},
    {"lefty+", "ACTION_EXITLIFT", "DOWN", nullptr},
    {"righttrigger+", "ACTION_RUN", nullptr, nullptr},
    {"rightshoulder", "ACTION_RUN", nullptr, nullptr},
};

// The virtual key a binding word stands for: an action's key, or a key by name; 0 for neither.
uint8_t PadKeyOf(const std::string& word) {
    auto action = ActionMap.find(word);
    auto key = KeyNameMap.find(action != ActionMap.end() ? action->second : word);
    return key == KeyNameMap.end() ? 0 : KeyTable[key->second].vk;
}

std::vector<Platform::PadBinding> DefaultPadBindings() {
    std::vector<Platform::PadBinding> bindings;
    for (const auto& row : defaultPadMap) {
        Platform::PadBinding binding{row[0], {}};
        for (int i = 1; i < 4 && row[i]; ++i)
            if (uint8_t vk = PadKeyOf(row[i])) binding.virtualKeys.push_back(vk);
        bindings.push_back(binding);
    }
    return bindings;
}

} // namespace

void InputSystem::LoadPadMap(const std::string& path) {
    std::ifstream file(path);
    std::vector<Platform::PadBinding> bindings;
    std::string line, fault = file ? "" : "cannot open";
    for (int number = 1; fault.empty() && number <= 200 && std::getline(file, line); ++number) {
        std::istringstream words(line);
        Platform::PadBinding binding;
        if (!(words >> binding.control)) continue; // a blank line
        if (!Platform::IsPadControlName(binding.control))
            fault = "line " + std::to_string(number) + ": '" + binding.control + "' is not a pad control";
        for (std::string word; fault.empty() && words >> word;) {
            const uint8_t vk = PadKeyOf(word);
            if (!vk)
                fault = "line " + std::to_string(number) + ": '" + word + "' is neither an action nor a key";
            binding.virtualKeys.push_back(vk);
        }
        bindings.push_back(binding);
    }
    if (!fault.empty()) {
        std::printf("%s: %s; the pad keeps its default bindings\n", path.c_str(), fault.c_str());
        bindings = DefaultPadBindings();
    }
    Platform::SetPadBindings(bindings);
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
