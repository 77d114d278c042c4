// libFuzzer target for the sound and music lists (Sounds.txt, BGM.txt). No sound device is open,
// so the paths in the list are only looked up, never decoded.

#include <cstdint>
#include <cstdlib>

#include "audio/AudioSystem.h"
#include "fuzz/FuzzFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Framework::AudioSystem audio;
    audio.LoadList(WriteInput("Sounds.txt", data, size), audio.sounds, audio.soundChannels);
    if (audio.sounds.size() != audio.soundChannels.size()) abort();
    for (const auto& entry : audio.sounds) audio.PlaySound(entry.first, false);
    return 0;
}
