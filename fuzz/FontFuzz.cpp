// libFuzzer target for fonts: the input is Resources/Fonts/fuzz.ttf, loaded the way the game loads
// its fonts (without an OpenGL context only the metrics are kept).

#include <cstdint>
#include <cstdlib>

#include "fuzz/FuzzFiles.h"
#include "graphics/FontRenderer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput("Fonts/fuzz.ttf", data, size);
    FontRenderer renderer;
    if (renderer.LoadFont("fuzz") && renderer.fonts["fuzz"].size() != FontRenderer::glyphCount) abort();
    renderer.MeasureText(std::string(reinterpret_cast<const char*>(data), std::min<size_t>(size, 64)), "fuzz",
                         1.0f);
    return 0;
}
