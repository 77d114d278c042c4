#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/System.h"
#include "platform/AudioDevice.h"

namespace Framework {

// What the game last asked of one sound name. A name plays on at most one tracked channel; a
// restart while the old play still sounds lets the two overlap, and only the new one is tracked.
struct SoundChannel {
    float sourceX = 0;               // world x of the source in pixels; 0 = not positional
    float range = 0;                 // audible distance in pixels for the positional volume
    Platform::ChannelHandle channel; // the latest play; empty before the first
    bool inactive = true;            // may be (re)started: set at load, by pause and by stop
    bool finished = true;            // set at load, by stop, and once `elapsed` passed the play's duration
    bool playedOnce = false;         // set by PlaySoundOnce, never cleared
    float elapsed = 0;               // seconds since the latest (re)start; grows every frame
    float volume = 1.0f;             // the last volume set; 1.0 after a (re)start
};

// The menu's mute switch. While set, play, resume and volume requests are ignored; pause and stop
// still act.
extern bool AudioMuted;

// Sound effects (Sounds.txt) and music (BGM.txt), all loaded whole at start and then addressed by
// their short names. A name missing from its list makes every call on it do nothing. Without a
// sound device the bookkeeping runs exactly the same and nothing is heard.
class AudioSystem : public System {
public:
    ~AudioSystem() override;
    void Initialize() override;
    void Update(float dt) override; // dt: seconds; ages every record
    std::string GetName() override { return "Audio System"; }
    void Shutdown() override;

    // duration (seconds): 0 restarts the sound on every call; above 0, repeated calls keep the
    // running play until that much time has passed since it started.
    // range and sourceX (pixels): a sourceX other than 0 makes the volume follow the player's
    // distance; see UpdatePositionalVolumes.
    // Returns the play this name is tracked on (empty for an unknown name or when nothing plays).
    Platform::ChannelHandle PlaySound(const std::string& name, bool loop, float range = 0, float duration = 0,
                                      float sourceX = 0);
    // Plays the name the first time it is asked for and never again, even after a stop.
    Platform::ChannelHandle PlaySoundOnce(const std::string& name, bool loop, float range = 0,
                                          float sourceX = 0);
    void PauseSound(const std::string& name);
    void ResumeSound(const std::string& name);
    void StopSound(const std::string& name);
    // volume: linear, 1.0 = as recorded, 0 = silent, up to 2.0 amplifies.
    void SetSoundVolume(const std::string& name, float volume);

    Platform::ChannelHandle PlayBGM(const std::string& name, bool loop, float range = 0, float duration = 0,
                                    float sourceX = 0);
    void PauseBGM(const std::string& name);
    void ResumeBGM(const std::string& name);
    void StopBGM(const std::string& name);
    void SetBGMVolume(const std::string& name, float volume);
    void SetAllBGMVolume(float volume);

    // Stops every effect and every music name that is not finished.
    void StopAll();
    // Sets the volume of each positional effect from the "Player" object's x: 2.0 at the source,
    // falling as 2t² with t = (range - distance) / range, 0 at range and beyond.
    void UpdatePositionalVolumes();

    // Length in seconds of an effect's clip; 0 for an unknown name or a sound that did not load.
    // Cues asked for every frame pass it as their duration so that one play runs to its end.
    float GetSoundLength(const std::string& name);

    std::map<std::string, Platform::SoundHandle> sounds; // effects; nullptr when the file did not load
    std::map<std::string, SoundChannel> soundChannels;
    std::map<std::string, Platform::SoundHandle> bgms; // music and ambience loops
    std::map<std::string, SoundChannel> bgmChannels;

    // Reads one list of "name path" pairs into `table` and `records`; each problem is one line on
    // standard output. Initialize reads the two lists the game ships. The files are decoded later:
    // a few each frame (the splash's black screen covers them), or at once when one is played.
    void LoadList(const std::string& listPath, std::map<std::string, Platform::SoundHandle>& table,
                  std::map<std::string, SoundChannel>& records);
    // Decodes every listed file still waiting.
    void FinishLoading();

private:
    // A listed file not decoded yet; its table entry stays nullptr until it is.
    struct PendingSound {
        std::map<std::string, Platform::SoundHandle>* table;
        std::string name, path, listPath;
        int entry;
    };
    std::vector<PendingSound> pending; // in list order

    void ReleaseSounds();
    void Decode(const PendingSound& sound);
    // The handle of `name`, decoding it first if it is still waiting.
    Platform::SoundHandle Resolve(std::map<std::string, Platform::SoundHandle>& table, const std::string& name);
};

extern std::shared_ptr<AudioSystem> audioSystem;

} // namespace Framework

// Plays the named effect once, not looped; nothing when the game has no audio system.
void PlayEffect(const std::string& name);
