// Rendering costs at 1280 x 720: the frame time for N sprites, the draw-depth sort on its own, and
// a texture's first load against a cached lookup. Run under a display, e.g.
//     xvfb-run -a -s "-screen 0 1920x1080x24" ./bench/render_bench
// The figures are printed; nothing is asserted.

#include <GL/glew.h>
#include <lodepng.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <random>
#include <unistd.h>
#include <vector>

#include "engine/Engine.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "scenes/SceneSystem.h"
#include "bench/BenchTiming.h"
#include "tests/support/GameHarness.h"

using namespace Framework;

namespace {

// The tables go here; the engine's own start-up lines (one per shader built) go to /dev/null.
FILE* table = stdout;

// Built the way the level reader builds objects: components attached, not yet initialised.
GameObjectRef MakeSpriteObject(int index, std::mt19937& random) {
    std::uniform_real_distribution<float> x(-620, 620), y(-340, 340), z(-100, 50), size(16, 96);
    auto object = std::make_shared<GameObject>("Sprite" + std::to_string(index), ObjectType::Background,
                                               NextObjectId++);
    const float side = size(random);
    auto transform = std::make_shared<Transform>(vec3{x(random), y(random), z(random)}, vec2{side, side});
    auto sprite = std::make_shared<Sprite>();
    for (std::shared_ptr<Component> component :
         {std::shared_ptr<Component>(transform), std::shared_ptr<Component>(sprite)}) {
        component->SetOwner(object.get());
        object->components.push_back(component);
    }
    sprite->textureName = "particle.png";
    sprite->texture = textureSystem->GetTexture("particle.png");
    sprite->colorTint = {0.5f + index % 5 * 0.1f, 0.6f, 0.9f};
    sprite->transparency = 0.8f;
    // Every fourth sprite animates, as level props and characters do.
    if (index % 4 == 0) {
        sprite->numColumns = 4;
        sprite->numRows = 2;
        sprite->animate = true;
        sprite->animationDelay = 30;
        sprite->framePeriod = 1.0f / 30;
    }
    return object;
}

// The sprites build in Load, as a level's do; the scene then updates and draws them like a level.
class SpriteFieldScene : public Scene {
public:
    SpriteFieldScene(int count) : Scene(SceneSplash), count(count) {}
    void Load() override {
        const auto start = Clock::now();
        std::mt19937 random(1234);
        for (int i = 0; i < count; ++i) GameObjectList.push_back(MakeSpriteObject(i, random));
        buildMilliseconds = Milliseconds(Clock::now() - start);
    }
    // Each sprite builds its own program here, which is most of a level's start-up cost.
    void Initialize() override {
        const auto start = Clock::now();
        InitializeObjects();
        initializeMilliseconds = Milliseconds(Clock::now() - start);
    }
    void Update(float dt) override { UpdateObjects(dt); }
    void Draw(mat4 projection, mat4 view) override {
        const auto start = Clock::now();
        for (const GameObjectRef& object : GameObjectList)
            if (auto sprite = object->GetComponent<Sprite>()) sprite->Draw(projection, view);
        glFinish(); // software GL queues work; count it where it is issued
        drawSamples.push_back(Milliseconds(Clock::now() - start));
    }

    int count;
    double buildMilliseconds = 0;
    double initializeMilliseconds = 0;
    std::vector<double> drawSamples;
};

void BenchFrames() {
    std::fprintf(
        table,
        "\nSprites at 1280x720, fixed dt 1/60 s, 3 warm-up frames; a quarter of the sprites animate\n");
    std::fprintf(table, "%8s %8s %10s %10s %14s %14s %14s %14s\n", "sprites", "frames", "load ms", "init ms",
                 "frame mean ms", "frame median", "frame worst", "draw mean ms");
    for (int count : {100, 1000, 5000}) {
        GameHarness game;
        if (!game.IsRunning()) {
            std::fprintf(table, "the engine did not start (no display?)\n");
            return;
        }
        auto scene = std::make_shared<SpriteFieldScene>(count);
        game.ReplaceScene(SceneSplash, scene);
        game.RunFrames(3);
        scene->drawSamples.clear();
        std::vector<double> frames;
        // Software GL under Xvfb is slow with many draws: fewer frames keep the run short.
        const int measured = std::max(10, 12000 / count);
        for (int i = 0; i < measured; ++i) {
            const auto start = Clock::now();
            game.RunFrame();
            frames.push_back(Milliseconds(Clock::now() - start));
        }
        const Summary frame = Summarise(frames);
        const Summary draw = Summarise(scene->drawSamples);
        std::fprintf(table, "%8d %8d %10.1f %10.1f %14.3f %14.3f %14.3f %14.3f\n", count, measured,
                     scene->buildMilliseconds, scene->initializeMilliseconds, frame.mean, frame.median,
                     frame.worst, draw.mean);
        std::fflush(table);
    }
}

void BenchSort() {
    std::fprintf(table, "\nDraw-depth sort of the object list (mean of 50 sorts)\n");
    std::fprintf(table, "%8s %18s %18s\n", "objects", "shuffled z, us", "already sorted, us");
    for (int count : {100, 1000, 5000, 20000}) {
        std::mt19937 random(99);
        std::uniform_real_distribution<float> z(-100, 100);
        std::vector<GameObjectRef> objects;
        for (int i = 0; i < count; ++i) {
            auto object = std::make_shared<GameObject>("O", ObjectType::Background, i);
            auto transform = std::make_shared<Transform>(vec3{0, 0, z(random)}, vec2{1, 1});
            transform->SetOwner(object.get());
            object->components.push_back(transform);
            objects.push_back(object);
        }
        double shuffled = 0, sorted = 0;
        for (int round = 0; round < 50; ++round) {
            std::shuffle(objects.begin(), objects.end(), random);
            auto start = Clock::now();
            SortByDrawDepth(objects);
            shuffled += Milliseconds(Clock::now() - start) * 1000.0;
            start = Clock::now();
            SortByDrawDepth(objects);
            sorted += Milliseconds(Clock::now() - start) * 1000.0;
        }
        std::fprintf(table, "%8d %18.1f %18.1f\n", count, shuffled / 50, sorted / 50);
    }
}

void BenchTextureLoad() {
    std::fprintf(table, "\nTexture first load (decode + upload) against a cached lookup\n");
    std::fprintf(table, "%12s %10s %14s %14s\n", "image", "file KB", "first load ms", "cached us");
    GameHarness game;
    if (!game.IsRunning()) return;
    const std::vector<unsigned> sides = {64, 256, 1024, 2048};
    std::mt19937 random(7);
    for (unsigned side : sides) {
        // Noise with a gradient: compresses about as badly as painted art.
        std::vector<unsigned char> pixels(size_t(side) * side * 4);
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = static_cast<unsigned char>((i / 4 % side) + random() % 32);
        std::vector<unsigned char> png;
        lodepng::encode(png, pixels, side, side);
        const std::string name = "bench_" + std::to_string(side) + ".png";
        std::ofstream(game.Box().resources() / "Arts" / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
    textureSystem->Initialize();
    for (unsigned side : sides) {
        const std::string name = "bench_" + std::to_string(side) + ".png";
        auto start = Clock::now();
        auto texture = textureSystem->GetTexture(name);
        glFinish();
        const double first = Milliseconds(Clock::now() - start);
        start = Clock::now();
        for (int i = 0; i < 1000; ++i) textureSystem->GetTexture(name);
        const double cached = Milliseconds(Clock::now() - start); // ms per 1000 = us per lookup
        const auto bytes = std::filesystem::file_size(game.Box().resources() / "Arts" / name);
        std::fprintf(table, "%5ux%-6u %10.1f %14.2f %14.3f\n", side, side, bytes / 1024.0, first, cached);
    }
}

} // namespace

int main() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("HOLLOWTIDE_NO_MESSAGE_BOXES", "1", 0);
    if (!DisplayAvailable()) {
        std::fprintf(table, "render_bench needs a display; run it under xvfb-run\n");
        return 0;
    }
    std::fflush(stdout);
    table = fdopen(dup(fileno(stdout)), "w");
    if (!table || !std::freopen("/dev/null", "w", stdout)) table = stdout;
    BenchSort();
    BenchTextureLoad();
    BenchFrames();
    std::fflush(table);
    return 0;
}
