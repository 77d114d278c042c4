#include "tests/support/TestWav.h"

namespace {

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::string MakeWav(const std::vector<int16_t>& samples, int channels, int rate) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    PutLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, static_cast<uint32_t>(channels), 2);
    PutLittleEndian(out, static_cast<uint32_t>(rate), 4);
    PutLittleEndian(out, static_cast<uint32_t>(rate * channels * 2), 4);
    PutLittleEndian(out, static_cast<uint32_t>(channels * 2), 2);
    PutLittleEndian(out, 16, 2);
    out += "data";
    PutLittleEndian(out, dataBytes, 4);
    for (int16_t sample : samples) PutLittleEndian(out, static_cast<uint16_t>(sample), 2);
    return out;
}

std::vector<int16_t> SquareWave(int frames, int channels, int16_t amplitude, int period) {
    std::vector<int16_t> samples;
    samples.reserve(static_cast<size_t>(frames) * channels);
    for (int frame = 0; frame < frames; ++frame) {
        const int16_t value = (frame % period) < period / 2 ? amplitude : static_cast<int16_t>(-amplitude);
        for (int channel = 0; channel < channels; ++channel) samples.push_back(value);
    }
    return samples;
}
