#pragma once

#include "engine/WindowSystem.h"
#include "input/KeyTable.h"
#include "platform/Platform.h"

// Scripted keyboard for tests without a real window: a pretend game window that is the active one,
// every key re-armed, and only injected keys down (a key that goes down is latched as a press, as
// a key-down event would be). Everything is put back on destruction.
class ScriptedKeys {
public:
    ScriptedKeys() { Reset(true); }
    ~ScriptedKeys() { Reset(false); }

    // key: the game's key index (Key::Enter, ...).
    void Hold(int key, bool down = true) {
        if (key >= 0 && key < KEY_COUNT) Platform::Testing::InjectKey(KeyTable[key].vk, down);
    }
    void Release(int key) { Hold(key, false); }
    // Whether the pretend game window is the active one.
    void SetActive(bool active) {
        Platform::Testing::SetActiveWindowOverride(true, active ? window : nullptr);
    }

private:
    void Reset(bool scripted) {
        for (auto& entry : KeyTable) entry = {entry.vk, true, false};
        Platform::Testing::ReleaseAllInjectedKeys();
        Platform::Testing::UseInjectedInput(scripted);
        Platform::Testing::SetActiveWindowOverride(scripted, scripted ? window : nullptr);
        Framework::windowSystem->hwnd = scripted ? window : nullptr;
    }
    Platform::WindowHandle window = reinterpret_cast<Platform::WindowHandle>(0x1);
};
