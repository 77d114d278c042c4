// libFuzzer target for the two key files: the input up to its first NUL byte is the key-name list
// (SerializedKeys.txt), the rest the action map (KeyboardActionMap.txt). Every bound action must
// then resolve to nothing or to a key inside the key table.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "fuzz/FuzzFiles.h"
#include "input/InputSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* split = std::find(data, data + size, 0);
    const std::string keys = WriteInput("SerializedKeys.txt", data, split - data);
    const size_t rest = split == data + size ? 0 : data + size - split - 1;
    const std::string actions = WriteInput("KeyboardActionMap.txt", split + (rest ? 1 : 0), rest);

    KeyNameMap.clear();
    ActionMap.clear();
    Framework::InputSystem input;
    input.LoadKeyNames(keys);
    input.LoadActionMap(actions);
    for (const auto& [name, index] : KeyNameMap)
        if (index < 0 || index >= KEY_COUNT) abort();
    return 0;
}
