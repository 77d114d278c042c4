#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Sound output. The only file pair that knows SDL2_mixer sits underneath; the audio system above it
// speaks in sounds, plays and gains.
namespace Platform {

// Decodes a WAV or OGG file completely into interleaved signed 16-bit samples at the mixer's output
// rate (so `channels` and `rate` describe the decoded data, not the file). Works whether or not the
// game's sound device is open: without it a silent device is opened just for the decode.
// False when the file is missing or is not audio; LastError() then says why.
bool DecodeSoundFile(const std::string& path, std::vector<int16_t>& samples, int& channels, int& rate);

constexpr int kMixingChannelCount = 32;

// Opens the sound device (44.1 kHz, 16-bit stereo) with kMixingChannelCount mixing channels.
// False when there is no usable device: every call below then does nothing, so the game runs silently.
bool OpenAudioDevice();
void CloseAudioDevice(); // halts every channel; sounds must be freed first
bool IsAudioDeviceOpen();

struct SoundData;               // a sound decoded into memory
using SoundHandle = SoundData*; // nullptr: no sound

// nullptr when the device is closed, the file is missing or it is not audio (LastError() says why).
SoundHandle LoadSound(const std::string& path);
void FreeSound(SoundHandle sound);
// Playing time of a loaded sound in seconds; 0 for nullptr.
float GetSoundSeconds(SoundHandle sound);

// One play of a sound. The serial tells this play apart from every later play on the same mixing
// channel, so a handle kept after its sound ended or was replaced never touches the newer sound.
struct ChannelHandle {
    int channel = -1; // -1: nothing was played
    uint32_t serial = 0;
};
inline bool operator==(const ChannelHandle& a, const ChannelHandle& b) {
    return a.channel == b.channel && a.serial == b.serial;
}
inline bool operator!=(const ChannelHandle& a, const ChannelHandle& b) {
    return !(a == b);
}

// Effects may be cut off to make room for a new sound when every channel is busy; music is cut
// only when no effect is left to cut.
enum class ChannelGroup { Effects, Music };

// Starts `sound` at once at gain 1.0, looping forever when `loop` is set. When all channels are busy
// the oldest unpaused effect channel is stopped for it. An empty handle when nothing could play.
ChannelHandle PlayOnChannel(SoundHandle sound, bool loop, ChannelGroup group);
// Each of these does nothing for an empty or stale handle.
void PauseChannel(const ChannelHandle& handle);
void ResumeChannel(const ChannelHandle& handle); // continues where the pause left off
void StopChannel(const ChannelHandle& handle);
// gain: linear, 1.0 = as recorded, 0 = silent, up to 2.0 amplifies (clipped at full scale).
void SetChannelGain(const ChannelHandle& handle, float gain);

// The state of a play: false and 0 for empty or stale handles and for plays that have ended.
bool IsChannelPlaying(const ChannelHandle& handle); // true while paused too
bool IsChannelPaused(const ChannelHandle& handle);
float GetChannelGain(const ChannelHandle& handle);

} // namespace Platform
