#include "input/KeyTable.h"

#include "platform/VirtualKeys.h"

namespace {

std::array<KeyEntry, KEY_COUNT> BuildKeyTable() {
    std::array<uint8_t, KEY_COUNT> codes{};
    int i = 0;
    for (uint8_t vk :
         {VK::BACK,     VK::SPACE, VK::TAB,    VK::RETURN,   VK::LSHIFT, VK::RSHIFT, VK::LCONTROL,
          VK::RCONTROL, VK::LMENU, VK::RMENU,  VK::SNAPSHOT, VK::SCROLL, VK::PAUSE,  VK::CAPITAL,
          VK::ESCAPE,   VK::UP,    VK::DOWN,   VK::LEFT,     VK::RIGHT,  VK::HOME,   VK::PRIOR,
          VK::NEXT,     VK::END,   VK::INSERT, VK::DELETE_})
        codes[i++] = vk;
    for (int d = 0; d < 10; ++d) codes[i++] = static_cast<uint8_t>(VK::KEY_0 + d);
    for (int l = 0; l < 26; ++l) codes[i++] = static_cast<uint8_t>(VK::KEY_A + l);
    for (int d = 0; d < 10; ++d) codes[i++] = static_cast<uint8_t>(VK::NUMPAD0 + d);
    for (int f = 0; f < 12; ++f) codes[i++] = static_cast<uint8_t>(VK::F1 + f);
    for (uint8_t vk :
         {VK::OEM_1,    VK::OEM_2,     VK::OEM_3,      VK::OEM_4,     VK::OEM_5,    VK::OEM_6,  VK::OEM_7,
          VK::OEM_PLUS, VK::OEM_MINUS, VK::OEM_PERIOD, VK::OEM_COMMA, VK::MULTIPLY, VK::ADD,    VK::SUBTRACT,
          VK::DECIMAL,  VK::DIVIDE,    VK::NUMLOCK,    VK::LBUTTON,   VK::RBUTTON,  VK::MBUTTON})
        codes[i++] = vk;

    std::array<KeyEntry, KEY_COUNT> table{};
    for (int k = 0; k < KEY_COUNT; ++k) table[k] = {codes[k], true, false};
    return table;
}

} // namespace

std::array<KeyEntry, KEY_COUNT> KeyTable = BuildKeyTable();
