#pragma once

#include <cstdint>

// The Windows virtual-key codes the game's key table is written in.
namespace VK {
constexpr uint8_t LBUTTON = 0x01, RBUTTON = 0x02, MBUTTON = 0x04;
constexpr uint8_t BACK = 0x08, TAB = 0x09, RETURN = 0x0D, PAUSE = 0x13, CAPITAL = 0x14, ESCAPE = 0x1B;
constexpr uint8_t SPACE = 0x20, PRIOR = 0x21, NEXT = 0x22, END = 0x23, HOME = 0x24;
constexpr uint8_t LEFT = 0x25, UP = 0x26, RIGHT = 0x27, DOWN = 0x28;
constexpr uint8_t SNAPSHOT = 0x2C, INSERT = 0x2D, DELETE_ = 0x2E;
constexpr uint8_t KEY_0 = 0x30, KEY_A = 0x41;
constexpr uint8_t NUMPAD0 = 0x60, MULTIPLY = 0x6A, ADD = 0x6B, SUBTRACT = 0x6D, DECIMAL = 0x6E, DIVIDE = 0x6F;
constexpr uint8_t F1 = 0x70;
constexpr uint8_t NUMLOCK = 0x90, SCROLL = 0x91;
constexpr uint8_t LSHIFT = 0xA0, RSHIFT = 0xA1, LCONTROL = 0xA2, RCONTROL = 0xA3, LMENU = 0xA4, RMENU = 0xA5;
constexpr uint8_t OEM_1 = 0xBA, OEM_PLUS = 0xBB, OEM_COMMA = 0xBC, OEM_MINUS = 0xBD, OEM_PERIOD = 0xBE;
constexpr uint8_t OEM_2 = 0xBF, OEM_3 = 0xC0, OEM_4 = 0xDB, OEM_5 = 0xDC, OEM_6 = 0xDD, OEM_7 = 0xDE;
} // namespace VK
