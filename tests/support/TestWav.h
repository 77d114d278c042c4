#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `frames` frames of a square wave of +-amplitude in every channel, `period` frames per cycle.
inline std::vector<int16_t> SquareWave(int frames, int channels, int16_t amplitude, int period = 100) {
    std::vector<int16_t> samples;
    for (int frame = 0; frame < frames; ++frame)
        samples.insert(samples.end(), size_t(channels),
                       int16_t(frame % period < period / 2 ? amplitude : -amplitude));
    return samples;
}

// The bytes of a 16-bit PCM WAV file holding `samples` (interleaved when channels > 1).
inline std::string MakeWav(const std::vector<int16_t>& samples, int channels, int rate) {
    std::string out;
    const auto put = [&out](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
    };
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    out += "RIFF", put(36 + dataBytes, 4), out += "WAVEfmt ", put(16, 4), put(1, 2); // PCM
    put(uint32_t(channels), 2), put(uint32_t(rate), 4), put(uint32_t(rate * channels * 2), 4);
    put(uint32_t(channels * 2), 2), put(16, 2), out += "data", put(dataBytes, 4);
    for (int16_t sample : samples) put(uint16_t(sample), 2);
    return out;
}
