#include "tests/support/ScriptedKeys.h"

#include "engine/WindowSystem.h"
#include "input/KeyTable.h"

namespace {
void RearmAllKeys() {
    for (auto& entry : KeyTable) {
        entry.armed = true;
        entry.pressed = false;
    }
}
} // namespace

ScriptedKeys::ScriptedKeys() {
    RearmAllKeys();
    Platform::Testing::UseInjectedInput(true);
    Platform::Testing::ReleaseAllInjectedKeys();
    Framework::windowSystem->hwnd = window;
    SetActive(true);
}

ScriptedKeys::~ScriptedKeys() {
    Platform::Testing::ReleaseAllInjectedKeys();
    Platform::Testing::UseInjectedInput(false);
    Platform::Testing::SetActiveWindowOverride(false, nullptr);
    Framework::windowSystem->hwnd = nullptr;
    RearmAllKeys();
}

void ScriptedKeys::Hold(int key, bool down) {
    if (key >= 0 && key < KEY_COUNT) Platform::Testing::InjectKey(KeyTable[key].vk, down);
}

void ScriptedKeys::ReleaseAll() {
    Platform::Testing::ReleaseAllInjectedKeys();
}

void ScriptedKeys::SetActive(bool active) {
    Platform::Testing::SetActiveWindowOverride(true, active ? window : nullptr);
}
