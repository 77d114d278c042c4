#include "audio/AudioSystem.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "audio/SoundLimits.h"
#include "objects/GameObject.h"
#include "objects/Serializer.h"
#include "objects/Transform.h"
#include "platform/Platform.h"

namespace Framework {

std::shared_ptr<AudioSystem> audioSystem = std::make_shared<AudioSystem>();
bool AudioMuted = false;

namespace {

const char* const kEffectList = "../Resources/Sound/Sounds.txt";
const char* const kMusicList = "../Resources/BGM/BGM.txt";

// Lists written on Windows use '\' between folders.
std::string ToPortablePath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

SoundChannel* FindRecord(std::map<std::string, SoundChannel>& records, const std::string& name) {
    auto it = records.find(name);
    return it == records.end() ? nullptr : &it->second;
}

Platform::SoundHandle FindSound(const std::map<std::string, Platform::SoundHandle>& table,
                                const std::string& name) {
    auto it = table.find(name);
    return it == table.end() ? nullptr : it->second;
}

void Restart(SoundChannel& record, Platform::SoundHandle sound, bool loop, float range, float sourceX,
             Platform::ChannelGroup group) {
    record.elapsed = 0;
    record.channel = Platform::PlayOnChannel(sound, loop, group);
    record.sourceX = sourceX;
    record.range = range;
    record.inactive = false;
    record.finished = false;
    record.volume = 1.0f;
}

Platform::ChannelHandle Play(Platform::SoundHandle sound, std::map<std::string, SoundChannel>& records,
                             const std::string& name, bool loop, float range, float duration, float sourceX,
                             Platform::ChannelGroup group) {
    SoundChannel* record = FindRecord(records, name);
    if (!record) return {};
    if (record->elapsed > duration) record->finished = true;
    if (AudioMuted) return record->channel;
    if (!record->inactive && !record->finished && duration != 0) return record->channel;
    Restart(*record, sound, loop, range, sourceX, group);
    return record->channel;
}

void Resume(SoundChannel* record) {
    if (!record || record->finished || AudioMuted) return;
    Platform::ResumeChannel(record->channel);
    record->inactive = false;
}

void Stop(SoundChannel* record) {
    if (!record || record->finished) return;
    Platform::StopChannel(record->channel);
    record->inactive = true;
    record->finished = true;
}

void SetVolume(SoundChannel* record, float volume) {
    if (!record || AudioMuted) return;
    Platform::SetChannelGain(record->channel, volume);
    record->volume = volume;
}

// 2t² rather than linear: a sound fades out gently at the edge of its range and is amplified to
// twice its level right at the source.
float PositionalVolume(float playerX, float sourceX, float range) {
    const float distance = std::fabs(playerX - sourceX);
    if (range <= distance) return 0.0f;
    const float t = (range - distance) / range;
    const float volume = 2.0f * t * t;
    return volume < 1e-5f ? 0.0f : volume;
}

} // namespace

AudioSystem::~AudioSystem() {
    Shutdown();
}

void AudioSystem::Initialize() {
    if (!Platform::OpenAudioDevice())
        std::cout << "Audio System: no sound device (" << Platform::LastError()
                  << "); the game runs silently\n";
    LoadList(kEffectList, sounds, soundChannels);
    LoadList(kMusicList, bgms, bgmChannels);
}

void AudioSystem::LoadList(const std::string& listPath, std::map<std::string, Platform::SoundHandle>& table,
                           std::map<std::string, SoundChannel>& records) {
    Serializer list;
    if (!list.OpenRead(listPath)) {
        std::cout << listPath << ": cannot open the sound list; these sounds stay silent\n";
        return;
    }
    const bool deviceOpen = Platform::IsAudioDeviceOpen();
    std::string name, path;
    for (int entry = 1; list.ReadWord(name); ++entry) {
        if (!list.ReadWord(path)) {
            std::cout << listPath << ": entry " << entry << " '" << name
                      << "' has no file path (odd number of words); ignored\n";
            break;
        }
        path = ToPortablePath(path);
        std::error_code error;
        bool usable = false;
        if (!std::filesystem::is_regular_file(path, error)) {
            std::cout << listPath << ": entry " << entry << " '" << name << "': file '" << path
                      << "' not found; it stays silent\n";
        } else if (const std::string fault = deviceOpen ? SoundSizeFault(path) : ""; !fault.empty()) {
            std::cout << listPath << ": entry " << entry << " '" << name << "': '" << path << "': " << fault
                      << "; it stays silent\n";
        } else {
            usable = deviceOpen;
        }
        // A later entry with the same name replaces the earlier sound.
        auto previous = table.find(name);
        if (previous != table.end()) Platform::FreeSound(previous->second);
        pending.erase(std::remove_if(pending.begin(), pending.end(),
                                     [&](const PendingSound& p) { return p.table == &table && p.name == name; }),
                      pending.end());
        if (usable) pending.push_back({&table, name, path, listPath, entry});
        table[name] = nullptr;
        records[name] = SoundChannel{};
    }
    list.Close();
}

void AudioSystem::Decode(const PendingSound& sound) {
    Platform::SoundHandle& handle = (*sound.table)[sound.name];
    handle = Platform::LoadSound(sound.path);
    if (!handle)
        std::cout << sound.listPath << ": entry " << sound.entry << " '" << sound.name << "': '" << sound.path
                  << "' is not a playable sound (" << Platform::LastError() << "); it stays silent\n";
}

void AudioSystem::FinishLoading() {
    for (const PendingSound& sound : pending) Decode(sound);
    pending.clear();
}

Platform::SoundHandle AudioSystem::Resolve(std::map<std::string, Platform::SoundHandle>& table,
                                           const std::string& name) {
    auto waiting = std::find_if(pending.begin(), pending.end(),
                                [&](const PendingSound& p) { return p.table == &table && p.name == name; });
    if (waiting != pending.end()) {
        const PendingSound sound = *waiting;
        pending.erase(waiting);
        Decode(sound);
    }
    return FindSound(table, name);
}

void AudioSystem::Update(float dt) {
    timer.Start();
    // A few milliseconds of decoding a frame, a whole file at least.
    const auto start = std::chrono::steady_clock::now();
    while (!pending.empty() && std::chrono::steady_clock::now() - start < std::chrono::milliseconds(4)) {
        const PendingSound sound = pending.front();
        pending.erase(pending.begin());
        Decode(sound);
    }
    for (auto& entry : soundChannels) entry.second.elapsed += dt;
    for (auto& entry : bgmChannels) entry.second.elapsed += dt;
    timer.Stop();
}

void AudioSystem::ReleaseSounds() {
    pending.clear();
    for (auto& entry : sounds) Platform::FreeSound(entry.second);
    for (auto& entry : bgms) Platform::FreeSound(entry.second);
    sounds.clear();
    bgms.clear();
    soundChannels.clear();
    bgmChannels.clear();
}

void AudioSystem::Shutdown() {
    // The records go with the sounds: a call after shutdown finds no name and does nothing.
    ReleaseSounds();
    Platform::CloseAudioDevice();
}

Platform::ChannelHandle AudioSystem::PlaySound(const std::string& name, bool loop, float range,
                                               float duration, float sourceX) {
    return Play(Resolve(sounds, name), soundChannels, name, loop, range, duration, sourceX,
                Platform::ChannelGroup::Effects);
}

Platform::ChannelHandle AudioSystem::PlaySoundOnce(const std::string& name, bool loop, float range,
                                                   float sourceX) {
    SoundChannel* record = FindRecord(soundChannels, name);
    if (!record) return {};
    if (record->playedOnce || AudioMuted) return record->channel;
    if (record->inactive || record->finished)
        Restart(*record, Resolve(sounds, name), loop, range, sourceX, Platform::ChannelGroup::Effects);
    record->playedOnce = true;
    return record->channel;
}

void AudioSystem::PauseSound(const std::string& name) {
    SoundChannel* record = FindRecord(soundChannels, name);
    if (!record) return;
    Platform::PauseChannel(record->channel);
    record->inactive = true;
}

void AudioSystem::ResumeSound(const std::string& name) {
    Resume(FindRecord(soundChannels, name));
}
void AudioSystem::StopSound(const std::string& name) {
    Stop(FindRecord(soundChannels, name));
}
void AudioSystem::SetSoundVolume(const std::string& name, float volume) {
    SetVolume(FindRecord(soundChannels, name), volume);
}

Platform::ChannelHandle AudioSystem::PlayBGM(const std::string& name, bool loop, float range, float duration,
                                             float sourceX) {
    return Play(Resolve(bgms, name), bgmChannels, name, loop, range, duration, sourceX,
                Platform::ChannelGroup::Music);
}

void AudioSystem::PauseBGM(const std::string& name) {
    SoundChannel* record = FindRecord(bgmChannels, name);
    if (!record || record->inactive || record->finished) return;
    Platform::PauseChannel(record->channel);
    record->inactive = true;
}

void AudioSystem::ResumeBGM(const std::string& name) {
    Resume(FindRecord(bgmChannels, name));
}
void AudioSystem::StopBGM(const std::string& name) {
    Stop(FindRecord(bgmChannels, name));
}
void AudioSystem::SetBGMVolume(const std::string& name, float volume) {
    SetVolume(FindRecord(bgmChannels, name), volume);
}

void AudioSystem::SetAllBGMVolume(float volume) {
    for (auto& entry : bgmChannels) SetVolume(&entry.second, volume);
}

void AudioSystem::StopAll() {
    for (auto& entry : soundChannels) Stop(&entry.second);
    for (auto& entry : bgmChannels) Stop(&entry.second);
}

void AudioSystem::UpdatePositionalVolumes() {
    GameObjectRef player = FindObjectByName("Player");
    if (!player) return;
    std::shared_ptr<Transform> transform = player->GetComponent<Transform>();
    if (!transform) return;
    const float playerX = transform->position.x;
    for (auto& entry : soundChannels) {
        SoundChannel& record = entry.second;
        if (record.sourceX == 0) continue;
        SetVolume(&record, PositionalVolume(playerX, record.sourceX, record.range));
    }
}

float AudioSystem::GetSoundLength(const std::string& name) {
    return Platform::GetSoundSeconds(Resolve(sounds, name));
}

} // namespace Framework

void PlayEffect(const std::string& name) {
    if (Framework::audioSystem) Framework::audioSystem->PlaySound(name, false);
}
