// libFuzzer target for init.ini: whatever it holds, the window gets a size it can be made at and a
// title of bounded length.

#include <cstdint>
#include <cstdlib>

#include "engine/WindowSystem.h"
#include "fuzz/FuzzFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Framework::WindowSystem window;
    window.ReadSettings(WriteInput("init.ini", data, size));
    if (window.width < 1 || window.width > 16384 || window.height < 1 || window.height > 16384) abort();
    if (window.title.empty() || window.title.size() > 64) abort();
    return 0;
}
