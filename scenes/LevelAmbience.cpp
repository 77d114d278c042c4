#include "scenes/LevelAmbience.h"

#include <string>

#include "audio/AudioSystem.h"
#include "gameplay/Areas.h"
#include "gameplay/GameFlags.h"
#include "gameplay/Weather.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"

namespace {

using Mix = LevelAmbience::Mix;

const char* const ambienceLoops[] = {"rainindoor",  "windindoor", "raincorridor", "rainvoiddeck",
                                     "windoutdoor", "rainjungle", "floodedroom"};

struct MixLoops {
    Mix mix;
    const char* loops[2];
};

const MixLoops mixLoops[] = {
    {Mix::OutdoorDeck, {"rainvoiddeck", "windoutdoor"}},
    {Mix::Indoor, {"rainindoor", "windindoor"}},
    {Mix::Jungle, {"rainjungle", nullptr}},
    {Mix::Corridor, {"raincorridor", "windoutdoor"}},
    {Mix::FloodedRooms, {"windindoor", "floodedroom"}},
};

Framework::AudioSystem* Audio() {
    return Framework::audioSystem.get();
}

// Only the loops of `mix` are heard. The level's other music (the opening's, the finale's) is not
// an ambience loop and keeps its own volume.
void ApplyMix(Mix mix) {
    Framework::AudioSystem* audio = Audio();
    if (!audio || mix == Mix::Unchanged) return;
    for (const char* loop : ambienceLoops) audio->SetBGMVolume(loop, 0.0f);
    for (const MixLoops& row : mixLoops)
        if (row.mix == mix)
            for (const char* loop : row.loops)
                if (loop) audio->SetBGMVolume(loop, 1.0f);
}

void PauseCues(std::initializer_list<const char*> names) {
    if (Framework::AudioSystem* audio = Audio())
        for (const char* name : names) audio->PauseSound(name);
}

void ResumeCues(std::initializer_list<const char*> names) {
    if (Framework::AudioSystem* audio = Audio())
        for (const char* name : names) audio->ResumeSound(name);
}

// A cue asked for every frame runs its clip to the end before it may start again, instead of
// piling a new copy onto a new channel each frame.
void KeepPlaying(std::initializer_list<const char*> names) {
    if (Framework::AudioSystem* audio = Audio())
        for (const char* name : names) audio->PlaySound(name, false, 0, audio->GetSoundLength(name));
}

void StopCues(std::initializer_list<const char*> names) {
    if (Framework::AudioSystem* audio = Audio())
        for (const char* name : names) audio->StopSound(name);
}

void SetEmitter(const char* name, bool on) {
    std::shared_ptr<ParticleEmitter> emitter = FindComponent<ParticleEmitter>(name);
    if (!emitter || emitter->playState == on) return;
    emitter->playState = on;
    if (!on) emitter->ResetEmitter();
}

void SetShown(const char* name, bool shown) {
    if (std::shared_ptr<Sprite> sprite = FindComponent<Sprite>(name))
        sprite->transparency = shown ? 1.0f : 0.0f;
}

const char* const liftCues[] = {"liftflicker", "liftalarm", "electricalstatic"};

void PauseLiftAndCreature() {
    PauseCues({"liftflicker", "liftalarm", "electricalstatic", "creatureidle", "chase"});
}

// What a room does besides its mix and light. `entered`: the player came in this frame.
using RoomEffect = void (*)(bool entered);

void FlatRoom(bool) {
    PauseLiftAndCreature();
}

// The corridor: the creature is heard coming while it is called and not yet on stage; once the
// creature has gone again everything falls quiet. When the building gives way the floor breaks
// open where the old man stood.
void Corridor(bool) {
    const GameFlagBlock& flags = GameFlags;
    if (flags.creatureReleased && !flags.creatureActive)
        ResumeCues({"creatureidle", "chase"});
    else if (!flags.creatureReleased && !flags.creatureActive)
        PauseLiftAndCreature();
    if (!flags.buildingCollapse) return;
    if (Framework::AudioSystem* audio = Audio()) audio->PlaySoundOnce("floorcollapse", false);
    SetEmitter("FloorCollapseParticle", true);
    SetShown("OldManIdle", false);
    if (std::shared_ptr<BoxCollider> oldMan = FindComponent<BoxCollider>("OldManIdle"))
        oldMan->ghosted = true;
    SetShown("FloorCorridorCollapse", true);
    SetShown("CorridorAlternate", true);
}

// The void deck: out in the weather, which starts again whenever the player steps out.
void VoidDeck(bool entered) {
    PauseLiftAndCreature();
    if (entered && !GameFlags.weatherStopped) SetWeather(true);
}

void FloodedRooms(bool) {
    if (!GameFlags.tapTurnedOff) ResumeCues({"watertap"});
}

void BedroomOfTheDead(bool) {
    SetEmitter("PlayerSplashParticles", false);
    StopCues({"ventsdrip", "ventsfans", "ventsrain"});
}

void Shaft(bool entered) {
    KeepPlaying({"ventsdrip", "ventsfans", "ventsrain"});
    if (entered) SetWeather(false);
    if (GameFlags.climbEndPending)
        if (Framework::AudioSystem* audio = Audio()) audio->SetBGMVolume("windindoor", 0.4f);
}

// The roof: the story drives its storm (the bulb's downpour, the finale's music); entering only
// picks the weather that matches where the story is.
void Level3Rooftop(bool entered) {
    const GameFlagBlock& flags = GameFlags;
    if (flags.finaleMusic)
        if (Framework::AudioSystem* audio = Audio()) audio->SetBGMVolume("raincorridor", 0.0f);
    if (!entered) return;
    SetEmitter("EventRainParticles", flags.rooftopRain || flags.eventRainDone);
    SetEmitter("EventMistParticles", flags.rooftopRain || flags.eventRainDone);
    SetWeather(!flags.rooftopRain && !flags.eventRainDone);
}

void Level3Indoor(bool entered) {
    if (!entered) return;
    SetWeather(false);
    SetEmitter("EventRainParticles", false);
    SetEmitter("EventMistParticles", false);
}

void Level3Container(bool) {
    SetEmitter("EventRainParticles", false);
    SetEmitter("EventMistParticles", false);
}

// The morning after: the finale fades under the day. Once: the ending stops both.
void Level3Final(bool entered) {
    if (!entered) return;
    if (Framework::AudioSystem* audio = Audio()) {
        audio->SetBGMVolume("finale", 0.5f);
        audio->ResumeBGM("day");
        audio->SetBGMVolume("day", 1.0f);
    }
    SetEmitter("EventRainParticles", false);
    SetEmitter("EventMistParticles", false);
}

void None(bool) {}

// One row per room. The alternative mix and light apply while `altWhen` is set (a story flag).
struct RoomRow {
    int32_t level;
    int32_t area;
    Mix mix;
    int32_t lightingZone;
    bool GameFlagBlock::*altWhen;
    Mix altMix;
    int32_t altLightingZone;
    RoomEffect effects;
};

// clang-format off
const RoomRow roomRows[] = {
    // level area              mix               light                        alternative (flag, mix, light)
    {1, Area::Bedroom,      Mix::Indoor,      LightingZone::Bedroom,      nullptr, Mix::Indoor, 0, FlatRoom},
    {1, Area::Floor12,      Mix::Corridor,    LightingZone::Corridor,     nullptr, Mix::Corridor, 0, Corridor},
    {1, Area::Floor1,       Mix::OutdoorDeck, LightingZone::VoidDeck,
        &GameFlagBlock::alternateWorld, Mix::Jungle, LightingZone::Jungle, VoidDeck},
    // A death anywhere wakes the player here; its light lets the fade back in finish.
    {1, Area::DeathBed,     Mix::Indoor,      LightingZone::DeathBed,     nullptr, Mix::Indoor, 0, None},
    {2, Area::Kitchen,      Mix::FloodedRooms, LightingZone::FloodedRooms,
        &GameFlagBlock::tapTurnedOff, Mix::Unchanged, LightingZone::FloodedRooms, FloodedRooms},
    {2, Area::Outside,      Mix::OutdoorDeck, LightingZone::Outside,      nullptr, Mix::OutdoorDeck, 0, None},
    {2, Area::UnlitBedroom, Mix::Unchanged,   LightingZone::UnlitBedroom, nullptr, Mix::Unchanged, 0, None},
    {2, Area::DeathBed,     Mix::Indoor,      LightingZone::DeathBed,     nullptr, Mix::Indoor, 0, BedroomOfTheDead},
    {2, Area::ShaftFloor12, Mix::Unchanged,   LightingZone::Shaft,        nullptr, Mix::Unchanged, 0, Shaft},
    {3, Area::Floor12,      Mix::Corridor,    LightingZone::Corridor,     nullptr, Mix::Corridor, 0, None},
    {3, Area::Outside,      Mix::Unchanged,   LightingZone::Outside,      nullptr, Mix::Unchanged, 0, Level3Rooftop},
    {3, Area::DeathBed,     Mix::Indoor,      LightingZone::DeathBed,     nullptr, Mix::Indoor, 0, Level3Indoor},
    {3, Area::Container,    Mix::Unchanged,   LightingZone::Container,    nullptr, Mix::Unchanged, 0, Level3Container},
    {3, Area::Final,        Mix::Unchanged,   LightingZone::Final,        nullptr, Mix::Unchanged, 0, Level3Final},
};
// clang-format on

const RoomRow* FindRoom(int32_t level, int32_t area) {
    for (const RoomRow& row : roomRows)
        if (row.level == level && row.area == area) return &row;
    return nullptr;
}

float SourceX(const char* objectName) {
    std::shared_ptr<Transform> place = FindComponent<Transform>(objectName);
    return place ? place->position.x : 0.0f;
}

} // namespace

void LevelAmbience::Start(int32_t level) {
    audibleMix = Mix::Unchanged;
    previousArea = -1;
    Framework::AudioSystem* audio = Audio();
    if (!audio) return;

    for (const char* loop : ambienceLoops) {
        if (std::string(loop) == "rainjungle" && level != 1) continue;
        if (std::string(loop) == "floodedroom") continue;
        audio->PlayBGM(loop, true);
        audio->SetBGMVolume(loop, 0.0f);
    }
    // Started now and paused, so that the story only resumes them.
    audio->PlaySound("creatureidle", true);
    audio->PlaySound("chase", true);
    audio->PlaySound("ominousherald1", false);
    audio->PlaySound("liftdoorpryopen", false);
    const float lift = SourceX("Lift");
    audio->PlaySound("liftflicker", true, 512, 0, lift);
    audio->PlaySound("liftalarm", true, 1920, 0, lift);
    audio->PlaySound("electricalstatic", true, 576, 0, lift);
    audio->PlaySound("watertap", true, 512, 0, SourceX("Tap"));
    PauseCues({"creatureidle", "chase", "ominousherald1", "liftdoorpryopen", "watertap"});
    for (const char* cue : liftCues) audio->PauseSound(cue);
    audio->PlayBGM("floodedroom", true);
    audio->SetBGMVolume("floodedroom", 0.0f);
    audio->PlayBGM("day", true);
    audio->PauseBGM("day");
}

void LevelAmbience::Update(int32_t level, float) {
    GameFlagBlock& flags = GameFlags;
    const bool entered = flags.currentArea != previousArea;
    previousArea = flags.currentArea;
    const RoomRow* room = FindRoom(level, flags.currentArea);
    if (!room) return;

    const bool alternative = room->altWhen && flags.*(room->altWhen);
    const Mix mix = alternative ? room->altMix : room->mix;
    flags.lightingZone = alternative ? room->altLightingZone : room->lightingZone;
    // While the sound is muted nothing is mixed; the mix is applied once it can be heard.
    if (mix != Mix::Unchanged && mix != audibleMix && !Framework::AudioMuted) {
        ApplyMix(mix);
        audibleMix = mix;
    }
    room->effects(entered);
}
