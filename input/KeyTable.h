#pragma once

#include <array>
#include <cstdint>

// The game addresses keys by a fixed index 0..102; each index stands for one Windows virtual key.
constexpr int KEY_COUNT = 103;

namespace Key {
constexpr int Backspace = 0, Space = 1, Tab = 2, Enter = 3, LeftShift = 4, RightShift = 5;
constexpr int LeftCtrl = 6, RightCtrl = 7, LeftAlt = 8, RightAlt = 9, Escape = 14;
constexpr int Up = 15, Down = 16, Left = 17, Right = 18;
constexpr int Digit0 = 25, A = 35, Numpad0 = 61, F1 = 71, F10 = 80, F11 = 81;
constexpr int MouseLeft = 100, MouseRight = 101, MouseMiddle = 102;
constexpr int Letter(char c) {
    return A + (c - 'A');
}
} // namespace Key

struct KeyEntry {
    uint8_t vk;
    bool armed;   // the current press has not been consumed yet
    bool pressed; // a press latched from the event stream this frame, not consumed yet
};

// Module-wide: one `armed` and one `pressed` flag per key are shared by every caller in the game.
extern std::array<KeyEntry, KEY_COUNT> KeyTable;
