// Costs of the weather and the words at 1280 x 720: frame, update and draw times for 1, 10 and 50
// particle emitters held at their caps, and for 200 lines of text on screen. Run under a display:
//     xvfb-run -a -s "-screen 0 1920x1080x24" ./bench/effects_bench
// The figures are printed; nothing is asserted.

#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "engine/Random.h"
#include "graphics/FontRenderer.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "scenes/Scene.h"
#include "bench/BenchTiming.h"
#include "tests/support/GameHarness.h"

namespace {

constexpr int warmUpFrames = 30;
constexpr int measuredFrames = 120;

GameObjectRef MakeObject(const std::string& name, vec3 position, vec2 size) {
    auto object = std::make_shared<GameObject>(name, ObjectType::Background, NextObjectId++);
    object->AddComponent(std::make_shared<Transform>(position, size), ComponentType::Transform);
    return object;
}

// Builds its objects in Load as a level does, then times its object updates and its draws (with a
// glFinish, so software GL's queued work is counted where it is issued).
class TimedScene : public Scene {
public:
    explicit TimedScene(std::function<void()> build) : Scene(SceneSplash), build(std::move(build)) {}
    void Load() override { build(); }
    void Initialize() override { InitializeObjects(); }
    void Update(float dt) override {
        const auto start = Clock::now();
        UpdateObjects(dt);
        updateSamples.push_back(Milliseconds(Clock::now() - start));
    }
    void Draw(mat4 projection, mat4 view) override {
        const auto start = Clock::now();
        liveParticles = 0;
        characters = 0;
        for (const GameObjectRef& object : GameObjectList) {
            if (auto emitter = object->GetComponent<ParticleEmitter>()) {
                emitter->Draw(projection, view);
                liveParticles += emitter->liveCount;
            }
            if (auto text = object->GetComponent<TextSprite>()) {
                text->Draw();
                characters += text->text.size();
            }
        }
        glFinish();
        drawSamples.push_back(Milliseconds(Clock::now() - start));
    }

    std::function<void()> build;
    std::vector<double> updateSamples;
    std::vector<double> drawSamples;
    int liveParticles = 0; // as last drawn
    size_t characters = 0;
};

struct Timings {
    Summary frame, update, draw;
    int liveParticles = 0;
    size_t characters = 0;
    bool ran = false;
};

Timings Measure(const std::function<void()>& build) {
    Timings result;
    GameHarness game;
    if (!game.IsRunning()) return result;
    auto scene = std::make_shared<TimedScene>(build);
    game.ReplaceScene(SceneSplash, scene);
    SeedRandom(1);
    game.RunFrames(warmUpFrames);
    scene->updateSamples.clear();
    scene->drawSamples.clear();
    std::vector<double> frames;
    for (int i = 0; i < measuredFrames; ++i) {
        const auto start = Clock::now();
        game.RunFrame();
        frames.push_back(Milliseconds(Clock::now() - start));
    }
    result.frame = Summarise(frames);
    result.update = Summarise(scene->updateSamples);
    result.draw = Summarise(scene->drawSamples);
    result.liveParticles = scene->liveParticles;
    result.characters = scene->characters;
    result.ran = true;
    return result;
}

// Rain-like emitters spread over the screen; each spawns far more than dies, so it stays at its cap.
void BuildEmitters(int count, int cap) {
    for (int i = 0; i < count; ++i) {
        const float x = -560.0f + 1120.0f * float(i % 10) / 9.0f;
        const float y = 300.0f - 120.0f * float(i / 10);
        auto object = MakeObject("Rain" + std::to_string(i), {x, y, float(i % 7)}, {120, 10});
        auto emitter = std::make_shared<ParticleEmitter>();
        object->AddComponent(emitter, ComponentType::ParticleEmitter);
        emitter->shapeType = ParticleEmitter::Rectangle;
        emitter->initialVelocity = {-0.5f, -4, 0};
        emitter->velocityVariance = 1.0f;
        emitter->initialScale = {2, 14, 1};
        emitter->scaleVariance = 0.5f;
        emitter->startColor = {0.6f, 0.7f, 0.95f};
        emitter->endColor = {0.3f, 0.4f, 0.8f};
        emitter->initialAlpha = 0.9f;
        emitter->endAlpha = 0.2f;
        emitter->totalLife = 3.0f;
        emitter->emissionRate = 40;
        emitter->maxCount = cap;
        emitter->useTexture = true;
        emitter->playState = true;
        GameObjectList.push_back(object);
    }
}

void BenchEmitters() {
    std::printf("\nParticle emitters at their caps, 1280x720, fixed dt 1/60 s, %d frames after %d warm-up\n",
                measuredFrames, warmUpFrames);
    std::printf("%9s %6s %10s %14s %14s %14s %14s\n", "emitters", "cap", "particles", "frame mean ms",
                "frame worst", "update mean", "draw mean");
    for (int cap : {100, 300}) {
        for (int count : {1, 10, 50}) {
            const Timings t = Measure([count, cap] { BuildEmitters(count, cap); });
            if (!t.ran) {
                std::printf("the engine did not start (no display?)\n");
                return;
            }
            std::printf("%9d %6d %10d %14.3f %14.3f %14.3f %14.3f\n", count, cap, t.liveParticles,
                        t.frame.mean, t.frame.worst, t.update.mean, t.draw.mean);
        }
    }
}

// Caption-sized lines in both fonts, filling the screen from top to bottom.
void BuildText(int lines) {
    const std::vector<std::string> texts = {
        "I'd love to stay, but I should probably head back home.", "What was that? I should head back home.",
        "I don't like this one bit. It's creeping me out.", "The lights are out again. Where is the switch?"};
    for (int i = 0; i < lines; ++i) {
        const float x = i % 2 == 0 ? -630.0f : 10.0f;
        const float y = 350.0f - 7.0f * float(i / 2);
        auto object = MakeObject("Line" + std::to_string(i), {x, y, 0}, {1, 1});
        auto text = std::make_shared<TextSprite>(texts[size_t(i) % texts.size()], vec3{0.9f, 0.9f, 0.8f});
        object->AddComponent(text, ComponentType::TextSprite);
        text->fontName = i % 3 == 0 ? "arial" : "arialbd";
        text->scale = 0.25f;
        GameObjectList.push_back(object);
    }
}

void BenchText() {
    std::printf("\nLines of text on screen, 1280x720, one quad and one buffer upload per character\n");
    std::printf("%7s %11s %14s %14s %14s %14s\n", "lines", "characters", "frame mean ms", "frame worst",
                "update mean", "draw mean");
    for (int lines : {20, 200}) {
        const Timings t = Measure([lines] { BuildText(lines); });
        if (!t.ran) return;
        std::printf("%7d %11zu %14.3f %14.3f %14.3f %14.3f\n", lines, t.characters, t.frame.mean,
                    t.frame.worst, t.update.mean, t.draw.mean);
    }
}

} // namespace

int main() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("HOLLOWTIDE_NO_MESSAGE_BOXES", "1", 0);
    if (!DisplayAvailable()) {
        std::printf("effects_bench needs a display; run it under xvfb-run\n");
        return 0;
    }
    std::fflush(stdout);
    BenchEmitters();
    BenchText();
    return 0;
}
