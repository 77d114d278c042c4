#include "platform/AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <atomic>
#include <cmath>

namespace Platform {

struct SoundData {
    Mix_Chunk* chunk = nullptr;
};

namespace {

constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kBufferFrames = 1024; // about 23 ms: short enough that a pause or stop is heard at once

struct MixingChannel {
    uint32_t serial = 0;     // serial of the latest play on this channel
    uint64_t startOrder = 0; // larger = started later; decides which channel is stolen
    ChannelGroup group = ChannelGroup::Effects;
    std::atomic<float> gain{1.0f}; // read by the mixing thread
};

struct DeviceState {
    bool open = false;
    uint32_t nextSerial = 1; // never reset, so handles from an earlier device session stay stale
    uint64_t playCount = 0;
    std::array<MixingChannel, kMixingChannelCount> channels;
};

DeviceState device;

// Runs on the mixing thread for each channel's own data before it is mixed, which is what lets a
// single sound go above its recorded level (Mix_Volume stops at full volume).
void ApplyGain(int channel, void* stream, int length, void*) {
    if (channel < 0 || channel >= kMixingChannelCount) return;
    const float gain = device.channels[channel].gain.load(std::memory_order_relaxed);
    if (gain == 1.0f) return;
    auto* samples = static_cast<int16_t*>(stream);
    const int count = length / static_cast<int>(sizeof(int16_t));
    for (int i = 0; i < count; ++i) {
        const long value = std::lrint(samples[i] * gain);
        samples[i] = static_cast<int16_t>(value > 32767 ? 32767 : (value < -32768 ? -32768 : value));
    }
}

bool IsLive(const ChannelHandle& handle) {
    return device.open && handle.channel >= 0 && handle.channel < kMixingChannelCount && handle.serial != 0 &&
           device.channels[handle.channel].serial == handle.serial;
}

int FindFreeChannel() {
    for (int channel = 0; channel < kMixingChannelCount; ++channel)
        if (!Mix_Playing(channel)) return channel;
    return -1;
}

// The oldest unpaused effect; failing that the oldest unpaused music. Paused sounds are never cut:
// the game expects to resume them.
int StealChannel() {
    int best = -1;
    for (ChannelGroup group : {ChannelGroup::Effects, ChannelGroup::Music}) {
        for (int channel = 0; channel < kMixingChannelCount; ++channel) {
            const MixingChannel& state = device.channels[channel];
            if (state.group != group || Mix_Paused(channel)) continue;
            if (best < 0 || state.startOrder < device.channels[best].startOrder) best = channel;
        }
        if (best >= 0) break;
    }
    if (best >= 0) Mix_HaltChannel(best);
    return best;
}

int16_t ToInt16(const Uint8* data, SDL_AudioFormat format) {
    Sint16 value = 0;
    SDL_memcpy(&value, data, sizeof(value));
    return format == AUDIO_S16SYS ? value : static_cast<int16_t>(SDL_Swap16(static_cast<Uint16>(value)));
}

// A private silent device for decoding while the game has none open; undone by the destructor.
class DecodeDevice {
public:
    DecodeDevice() {
        if (device.open) {
            ready = true;
            return;
        }
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            subsystemStarted = true;
            ready = Mix_OpenAudioDevice(kOutputRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames, nullptr,
                                        0) == 0;
            mixerOpened = ready;
        }
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    ~DecodeDevice() {
        if (mixerOpened) Mix_CloseAudio();
        if (subsystemStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    DecodeDevice(const DecodeDevice&) = delete;
    DecodeDevice& operator=(const DecodeDevice&) = delete;
    bool ready = false;

private:
    bool subsystemStarted = false;
    bool mixerOpened = false;
};

} // namespace

bool DecodeSoundFile(const std::string& path, std::vector<int16_t>& samples, int& channels, int& rate) {
    samples.clear();
    channels = 0;
    rate = 0;
    DecodeDevice decoder;
    if (!decoder.ready) return false;

    int frequency = 0, outputChannels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&frequency, &format, &outputChannels)) return false;
    if (format != AUDIO_S16LSB && format != AUDIO_S16MSB) {
        SDL_SetError("the mixer does not run in 16-bit samples");
        return false;
    }
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return false;
    const Uint32 count = chunk->alen / sizeof(int16_t);
    samples.resize(count);
    for (Uint32 i = 0; i < count; ++i) samples[i] = ToInt16(chunk->abuf + i * sizeof(int16_t), format);
    Mix_FreeChunk(chunk);
    channels = outputChannels;
    rate = frequency;
    return true;
}

bool OpenAudioDevice() {
    if (device.open) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    // No format changes allowed: SDL converts for the hardware, and the gain stage can rely on int16.
    if (Mix_OpenAudioDevice(kOutputRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(kMixingChannelCount);
    // The mixer marks a paused channel with the tick count of the pause, so a pause in SDL's very
    // first millisecond would read as "not paused". Start-up never takes that little in the game,
    // but a test can.
    while (SDL_GetTicks() == 0) SDL_Delay(1);
    for (MixingChannel& channel : device.channels) {
        channel.serial = 0;
        channel.startOrder = 0;
        channel.gain = 1.0f;
    }
    device.open = true;
    return true;
}

void CloseAudioDevice() {
    if (!device.open) return;
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device.open = false;
}

bool IsAudioDeviceOpen() {
    return device.open;
}

SoundHandle LoadSound(const std::string& path) {
    if (!device.open) {
        SDL_SetError("no sound device is open");
        return nullptr;
    }
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return nullptr;
    return new SoundData{chunk};
}

void FreeSound(SoundHandle sound) {
    if (!sound) return;
    Mix_FreeChunk(sound->chunk); // halts any channel still playing it
    delete sound;
}

float GetSoundSeconds(SoundHandle sound) {
    if (!sound) return 0.0f;
    constexpr float bytesPerSecond = kOutputRate * kOutputChannels * sizeof(int16_t);
    return static_cast<float>(sound->chunk->alen) / bytesPerSecond;
}

ChannelHandle PlayOnChannel(SoundHandle sound, bool loop, ChannelGroup group) {
    if (!device.open || !sound) return {};
    int channel = FindFreeChannel();
    if (channel < 0) channel = StealChannel();
    if (channel < 0) return {};

    MixingChannel& state = device.channels[channel];
    state.serial = device.nextSerial++;
    if (device.nextSerial == 0) device.nextSerial = 1; // 0 marks the empty handle
    state.startOrder = ++device.playCount;
    state.group = group;
    state.gain = 1.0f;
    // A gain effect left behind by a play too short to register it would otherwise apply twice.
    Mix_UnregisterAllEffects(channel);
    Mix_Volume(channel, MIX_MAX_VOLUME);
    if (Mix_PlayChannel(channel, sound->chunk, loop ? -1 : 0) < 0) return {};
    // Registered after the start: the mixer drops a channel's effects when its sound ends. Until it
    // is in place the sound plays at gain 1.0, which is what a new play starts at anyway.
    Mix_RegisterEffect(channel, ApplyGain, nullptr, nullptr);
    return {channel, state.serial};
}

void PauseChannel(const ChannelHandle& handle) {
    if (IsLive(handle)) Mix_Pause(handle.channel);
}

void ResumeChannel(const ChannelHandle& handle) {
    if (IsLive(handle)) Mix_Resume(handle.channel);
}

void StopChannel(const ChannelHandle& handle) {
    if (IsLive(handle)) Mix_HaltChannel(handle.channel);
}

void SetChannelGain(const ChannelHandle& handle, float gain) {
    if (!IsLive(handle)) return;
    if (!(gain > 0.0f)) gain = 0.0f; // NaN too
    if (gain > 2.0f) gain = 2.0f;
    device.channels[handle.channel].gain.store(gain, std::memory_order_relaxed);
}

bool IsChannelPlaying(const ChannelHandle& handle) {
    return IsLive(handle) && Mix_Playing(handle.channel);
}

bool IsChannelPaused(const ChannelHandle& handle) {
    return IsChannelPlaying(handle) && Mix_Paused(handle.channel);
}

float GetChannelGain(const ChannelHandle& handle) {
    return IsChannelPlaying(handle) ? device.channels[handle.channel].gain.load(std::memory_order_relaxed)
                                    : 0.0f;
}

} // namespace Platform
