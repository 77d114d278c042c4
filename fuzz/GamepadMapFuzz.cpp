// libFuzzer target for the pad bindings file, read after the shipped key names and actions.

#include <cstdint>

#include "fuzz/FuzzFiles.h"
#include "input/InputSystem.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The shipped key files, as the game reads them before the pad's (HOLLOWTIDE_RESOURCES names
    // the folder; without it no key has a name, and every binding word is refused).
    if (const char* resources = std::getenv("HOLLOWTIDE_RESOURCES")) {
        const std::string folder = std::filesystem::absolute(resources).string();
        FuzzRoot();
        Framework::InputSystem input;
        input.LoadKeyNames(folder + "/SerializedKeys.txt");
        input.LoadActionMap(folder + "/KeyboardActionMap.txt");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Framework::InputSystem input;
    input.LoadPadMap(WriteInput("GamepadActionMap.txt", data, size));
    return 0;
}
