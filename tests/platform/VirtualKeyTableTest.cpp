#include <gtest/gtest.h>

#include <map>

#include "input/KeyTable.h"
#include "platform/Platform.h"

namespace {

// Injected and real presses both go virtual key -> SDL key (or button) -> virtual key, so every key
// of the game must come back as itself and no two may share an SDL code.
TEST(VirtualKeyTable, EveryGameKeyRoundTripsThroughItsOwnSdlCode) {
    std::map<int32_t, int> owners;
    for (int index = 0; index < KEY_COUNT; ++index) {
        const uint8_t vk = KeyTable[index].vk;
        const int32_t code = Platform::Testing::PressCodeOf(vk);
        EXPECT_NE(code, 0) << "key " << index;
        EXPECT_EQ(Platform::Testing::VirtualKeyOfPress(code), vk) << "key " << index;
        auto [it, fresh] = owners.emplace(code, index);
        EXPECT_TRUE(fresh) << "keys " << it->second << " and " << index << " share SDL code " << code;
    }
    EXPECT_EQ(Platform::Testing::VirtualKeyOfPress(0), 0);
    EXPECT_EQ(Platform::Testing::VirtualKeyOfPress(-4), 0); // a side mouse button is no game key
}

} // namespace
