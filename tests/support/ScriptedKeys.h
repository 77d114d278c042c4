#pragma once

#include "platform/Platform.h"

// Scripted keyboard for tests that run without a real window: a pretend game window that is the
// active one, every key re-armed, and only injected keys down. A key that goes down is latched as
// a press, as a key-down event would be. Everything is put back on
// destruction, so one test's keys never reach the next.
class ScriptedKeys {
public:
    ScriptedKeys();
    ~ScriptedKeys();
    ScriptedKeys(const ScriptedKeys&) = delete;
    ScriptedKeys& operator=(const ScriptedKeys&) = delete;

    // key: the game's key index (Key::Enter, ...).
    void Hold(int key, bool down = true);
    void Release(int key) { Hold(key, false); }
    void ReleaseAll();
    // Whether the pretend game window is the active one.
    void SetActive(bool active);

private:
    Platform::WindowHandle window = reinterpret_cast<Platform::WindowHandle>(0x1);
};
