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
        const int32_t code = Platform::Testing::PressCodeOf(KeyTable[index].vk);
        EXPECT_TRUE(code != 0 && Platform::Testing::VirtualKeyOfPress(code) == KeyTable[index].vk) << index;
        EXPECT_TRUE(owners.emplace(code, index).second) << "key " << index << " shares SDL code " << code;
    }
    // Nothing, or a side mouse button, is no game key.
    EXPECT_TRUE(Platform::Testing::VirtualKeyOfPress(0) == 0 &&
                Platform::Testing::VirtualKeyOfPress(-4) == 0);
}

} // namespace
