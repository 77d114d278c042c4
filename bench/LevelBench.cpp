// The game's frame, load and memory figures at 1920 x 1080, as a player meets them: start-up to the
// first splash frame (the splash preloads the art), the menu, then levels 1, 2 and 3 in turn, each
// entered as the game hands a level over, then walked for 600 scripted frames. For each it prints
//     level N: median frame X ms, p95 Y ms, engine cpu Z ms, load W ms, peak memory M MB
// with the sprites drawn, culled and skipped as hidden per frame, and each system's share of the
// engine's own time (a second pass of the same walk with drawing off). The floor is a bare program's
// frame on the same context: one opaque textured quad over the whole view, then the swap.
// Run under a display:
//     scripts/headless build-bench/bench/level_bench
// Optional arguments: "noplan" draws every sprite (the figures before culling); "nocopies" shades
// every tinted picture at every draw; a number of frames.
// The figures are printed; nothing is asserted.

#include <GL/glew.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/AudioSystem.h"
#include "engine/Engine.h"
#include "engine/Random.h"
#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/Camera.h"
#include "graphics/GLTexture.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/TextureSystem.h"
#include "graphics/Sprite.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "platform/Platform.h"
#include "scenes/SceneSystem.h"
#include "bench/BenchTiming.h"
#include "tests/support/GameHarness.h"

using namespace Framework;

namespace {

constexpr float dt = 1.0f / 60.0f;
int walkFrames = 600;

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

// CPU time of the calling thread, in milliseconds.
double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// What the uploaded pictures hold, in MB: four bytes a texel. With a software rasteriser that
// storage is the process's own memory; on a graphics card it would be video memory.
double TextureMegabytes() {
    double bytes = 0;
    for (const std::string& name : textureSystem->GetLoadedTextureNames())
        if (const std::shared_ptr<GLTexture>& texture = textureSystem->GetTexture(name))
            bytes += 4.0 * texture->width * texture->height;
    return bytes / (1024.0 * 1024.0);
}

double Percentile(std::vector<double> samples, double p) {
    if (samples.empty()) return 0.0;
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, static_cast<size_t>(p * double(samples.size())))];
}

// One opaque quad over the whole 1080p view sampling a 2048 x 1024 texture, then the swap: what
// the software rasteriser needs for a screen of pixels and nothing else. A walk draws one of these
// after each of its frames, so the floor and the frames share whatever else the machine is doing.
class Floor {
public:
    Floor() {
        const char* vertex = "#version 330\nlayout(location = 0) in vec2 p;\nout vec2 uv;\n"
                             "void main() { uv = p * 0.5 + 0.5; gl_Position = vec4(p, 0.0, 1.0); }\n";
        const char* fragment = "#version 330\nin vec2 uv;\nuniform sampler2D t;\nout vec4 c;\n"
                               "void main() { c = texture(t, uv); }\n";
        vs = Compile(GL_VERTEX_SHADER, vertex);
        fs = Compile(GL_FRAGMENT_SHADER, fragment);
        program = glCreateProgram();
        glAttachShader(program, vs);
        glAttachShader(program, fs);
        glLinkProgram(program);
        std::vector<unsigned char> pixels(2048u * 1024u * 4u);
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = (i % 4 == 3) ? 255 : static_cast<unsigned char>(i * 7);
        // Its texels in the order the game uploads its pictures (blue first, as the window keeps
        // them), and once more in the order a bare program would usually give them.
        for (const auto& [id, order] : {std::pair{&texture, GL_BGRA}, std::pair{&rgbaTexture, GL_RGBA}}) {
            glGenTextures(1, id);
            glBindTexture(GL_TEXTURE_2D, *id);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2048, 1024, 0, order, GL_UNSIGNED_BYTE, pixels.data());
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        }
        glBindTexture(GL_TEXTURE_2D, 0);
        const float quad[12] = {-1, -1, 1, -1, 1, 1, -1, -1, 1, 1, -1, 1};
        glGenBuffers(1, &buffer);
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glBufferData(GL_ARRAY_BUFFER, sizeof(quad), quad, GL_STATIC_DRAW);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
    }
    ~Floor() {
        glDeleteBuffers(1, &buffer);
        glDeleteTextures(1, &texture);
        glDeleteTextures(1, &rgbaTexture);
        glDeleteShader(vs);
        glDeleteShader(fs);
        glDeleteProgram(program);
    }
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;

    // One frame of it, in milliseconds; the game's drawing state is left as the game sets it.
    // Copied: the quad as the game would have it drawn; Shaded: from the RGBA-ordered texture;
    // None: the clear and the swap alone, what every frame pays before it draws anything.
    enum class Quad { Copied, Shaded, None };
    double Frame(Quad quad = Quad::Copied) {
        glViewport(0, 0, windowSystem->width, windowSystem->height);
        glDisable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glUseProgram(program);
        glBindTexture(GL_TEXTURE_2D, quad == Quad::Shaded ? rgbaTexture : texture);
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glEnableVertexAttribArray(0);
        glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
        const Clock::time_point start = Clock::now();
        glClear(GL_COLOR_BUFFER_BIT);
        if (quad != Quad::None) glDrawArrays(GL_TRIANGLES, 0, 6);
        Platform::SwapWindow(windowSystem->hwnd);
        const double ms = Milliseconds(Clock::now() - start);
        glDisableVertexAttribArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindTexture(GL_TEXTURE_2D, 0);
        glUseProgram(0);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        return ms;
    }

private:
    static GLuint Compile(GLenum kind, const char* text) {
        GLuint shader = glCreateShader(kind);
        glShaderSource(shader, 1, &text, nullptr);
        glCompileShader(shader);
        return shader;
    }
    GLuint vs = 0, fs = 0, program = 0, texture = 0, rgbaTexture = 0, buffer = 0;
};

// The keys of a walk at a frame: Escape skips an opening, then right all the way, a run from frame
// 60 and a jump every two seconds. Level 1's bedroom keeps the player in until the story lets them
// out, so its walk moves on with the warp keys: to the flat's corridor at frame 250, to the flooded
// deck at frame 420.
void ScriptKeys(GameHarness& game, int level, int frame) {
    auto set = [&](int key, bool down) { down ? game.Hold(key) : game.Release(key); };
    const bool warp = level == 1 && (frame == 250 || frame == 420);
    set(Key::Escape, frame == 0);
    set(Key::Letter('C'), warp);
    set(Key::Letter('U'), warp && frame == 250);
    set(Key::Letter('T'), warp && frame == 420);
    set(Key::Letter('D'), level > 0 && frame >= 2);
    set(Key::LeftShift, level > 0 && frame == 60);
    set(Key::Space, level > 0 && frame > 0 && frame % 120 == 0);
    set(Key::Down, level == 0 && frame > 0 && frame % 90 == 0);
}

void ReleaseKeys(GameHarness& game) {
    for (int key : {Key::Escape, Key::Letter('C'), Key::Letter('U'), Key::Letter('T'), Key::Letter('D'),
                    Key::LeftShift, Key::Space, Key::Down})
        game.Release(key);
}

// Enters the scene as a switch does: its Load and Initialize run in the next frame, which is drawn.
void Enter(int32_t scene, int level) {
    if (std::shared_ptr<Scene> current = sceneSystem->GetCurrentScene()) current->Unload();
    GameFlags.Reset();
    if (level > 0) GameFlags.currentLevel = level;
    sceneSystem->currentScene = scene;
    sceneSystem->previousScene = sceneSystem->nextScene = SceneNone;
}

// Whether the level's black layer still shows (its fade in, or an opening).
bool FadeShowing() {
    std::shared_ptr<Sprite> black = FindComponent<Sprite>("Black");
    return black && black->transparency > 0.0f;
}

// Prints what the plan does with each sprite it draws or hides in the frame just drawn.
void ListPlan() {
    const mat4 pv = graphicsSystem->projection * graphicsSystem->view;
    std::vector<DrawBox> boxes;
    for (const auto& object : GameObjectList) boxes.push_back(object ? BoxOf(*object, pv) : DrawBox{});
    std::vector<DrawDecision> plan;
    std::vector<DrawArea> areas;
    PlanDraws(boxes, plan, areas);
    for (size_t i = 0; i < GameObjectList.size(); ++i) {
        if (plan[i] != DrawDecision::Draw && plan[i] != DrawDecision::Hidden) continue;
        const DrawBox& b = boxes[i];
        float screens = 0; // what the plan fills, as the frame's count has it
        for (int p = 0; plan[i] == DrawDecision::Draw && p < std::max(1, areas[i].pieceCount); ++p) {
            const DrawClip& c = areas[i].pieceCount > 0 ? areas[i].pieces[p] : areas[i];
            const float w = std::min(c.maxX, b.maxX) - std::max(c.minX, b.minX);
            const float h = std::min(c.maxY, b.maxY) - std::max(c.minY, b.minY);
            if (w > 0 && h > 0) screens += w * h / 4.0f;
        }
        std::shared_ptr<Sprite> sprite = GameObjectList[i]->GetComponent<Sprite>();
        std::printf("   %d %-28s x %.3f..%.3f y %.3f..%.3f z %.5f..%.5f opaque %d aligned %d other %d "
                    "untinted %d, fills %.2f screens in %d pieces\n",
                    int(plan[i]), GameObjectList[i]->name.c_str(), b.minX, b.maxX, b.minY, b.maxY,
                    b.nearDepth, b.farDepth, b.opaque, b.axisAligned, b.hasOtherDraw,
                    sprite && sprite->IsUntinted(), screens, std::max(1, areas[i].pieceCount));
    }
}

struct Figures {
    std::vector<double> frameMs, engineMs, fadeMs, floorMs; // floorMs: one floor frame after each walk frame
    std::vector<double> rgbaFloorMs;                        // the same from the RGBA-ordered texture
    std::vector<double> bareFloorMs;                        // its clear and swap alone
    size_t tintedCopies = 0;                                // held at the end of the drawn walk
    std::vector<double> mainThreadMs; // the main thread's cpu in each walk frame: update, drawing calls, present
    double loadMs = 0;
    int untestedFrames = 0; // drawn without the depth test
    DrawCounts counts;      // summed over the drawn walk
    std::vector<double> systemMs;
};

// level 0 is the menu.
Figures Walk(GameHarness& game, Floor& floor, int level) {
    Figures f;
    // BENCH_LIST=N lists the plan of the walk's frame N.
    const char* list = std::getenv("BENCH_LIST");
    const int listFrame = list ? std::min(std::atoi(list), walkFrames) : -1;
    const int32_t scene = level > 0 ? SceneLevel : SceneMenu;
    graphicsSystem->drawFrames = true;
    Enter(scene, level);
    SeedRandom(1);
    Clock::time_point start = Clock::now();
    game.RunFrame();
    f.loadMs = Milliseconds(Clock::now() - start);
    // The fade from black (or the skipped opening) first: a few seconds with the black layer over
    // everything, timed on their own.
    for (int frame = 0; frame < 900 && game.IsRunning() && FadeShowing(); ++frame) {
        ScriptKeys(game, level, frame == 0 ? 0 : 1);
        start = Clock::now();
        game.RunFrame();
        f.fadeMs.push_back(Milliseconds(Clock::now() - start));
    }
    for (int frame = 1; frame <= walkFrames && game.IsRunning(); ++frame) {
        ScriptKeys(game, level, frame);
        start = Clock::now();
        const double threadStart = ThreadCpuMilliseconds();
        game.RunFrame();
        f.frameMs.push_back(Milliseconds(Clock::now() - start));
        f.mainThreadMs.push_back(ThreadCpuMilliseconds() - threadStart);
        f.floorMs.push_back(floor.Frame());
        f.rgbaFloorMs.push_back(floor.Frame(Floor::Quad::Shaded));
        f.bareFloorMs.push_back(floor.Frame(Floor::Quad::None));
        if (std::getenv("BENCH_TRACE"))
            std::printf("  frame %d: %.1f ms, floor %.1f ms, %d sprites drawn, %.2f screens\n", frame,
                        f.frameMs.back(), f.floorMs.back(), graphicsSystem->drawCounts.drawn,
                        graphicsSystem->drawCounts.screens);
        f.counts.drawn += graphicsSystem->drawCounts.drawn;
        f.counts.culled += graphicsSystem->drawCounts.culled;
        f.counts.hidden += graphicsSystem->drawCounts.hidden;
        f.counts.clipped += graphicsSystem->drawCounts.clipped;
        f.counts.screens += graphicsSystem->drawCounts.screens;
        f.counts.particles += graphicsSystem->drawCounts.particles;
        f.untestedFrames += !graphicsSystem->frameDepthTested;
        if (listFrame == frame) ListPlan();
    }
    f.tintedCopies = graphicsSystem->TintedCopyCount();
    ReleaseKeys(game);
    // The same walk with drawing off: the engine's own time, system by system.
    graphicsSystem->drawFrames = false;
    Enter(scene, level);
    SeedRandom(1);
    game.RunFrame();
    for (int frame = 0; frame < 900 && game.IsRunning() && FadeShowing(); ++frame) {
        ScriptKeys(game, level, frame == 0 ? 0 : 1);
        game.RunFrame();
    }
    f.systemMs.assign(engine->systems.size(), 0.0);
    for (int frame = 1; frame <= walkFrames && game.IsRunning(); ++frame) {
        ScriptKeys(game, level, frame);
        const Clock::time_point frameStart = Clock::now();
        for (size_t i = 0; i < engine->systems.size(); ++i) {
            const Clock::time_point systemStart = Clock::now();
            engine->systems[i]->Update(dt);
            f.systemMs[i] += Milliseconds(Clock::now() - systemStart);
        }
        if (sceneSystem->currentScene == SceneLevel) audioSystem->UpdatePositionalVolumes();
        camera->RebuildMatrix();
        f.engineMs.push_back(Milliseconds(Clock::now() - frameStart));
    }
    ReleaseKeys(game);
    graphicsSystem->drawFrames = true;
    return f;
}

void Report(const char* name, const Figures& f) {
    const double frames = std::max<double>(1.0, double(f.frameMs.size()));
    const double floorMs = Percentile(f.floorMs, 0.5);
    std::printf(
        "%s: median frame %.1f ms, p95 %.1f ms, engine cpu %.2f ms, load %.0f ms, peak memory %.0f MB\n",
        name, Percentile(f.frameMs, 0.5), Percentile(f.frameMs, 0.95), Percentile(f.engineMs, 0.5), f.loadMs,
        PeakMegabytes());
    std::printf("  floor %.1f ms (median frame %.2f x floor); sprites per frame: %.1f drawn, %.1f culled, "
                "%.1f hidden, %.1f of those drawn clipped; %.2f screens of pixels filled; %.0f particles; "
                "%.0f%% of frames without the depth test\n",
                floorMs, Percentile(f.frameMs, 0.5) / floorMs, f.counts.drawn / frames,
                f.counts.culled / frames, f.counts.hidden / frames, f.counts.clipped / frames,
                f.counts.screens / frames, f.counts.particles / frames, 100.0 * f.untestedFrames / frames);
    const double rgbaFloorMs = Percentile(f.rgbaFloorMs, 0.5);
    std::printf("  the floor's quad from an RGBA-ordered texture, which the rasteriser cannot copy: %.1f ms "
                "(median frame %.2f x that)\n",
                rgbaFloorMs, Percentile(f.frameMs, 0.5) / rgbaFloorMs);
    // The best planning alone could reach: every pixel the walk fills copied at the floor's rate, and
    // nothing else that the floor does not also pay.
    const double bareMs = Percentile(f.bareFloorMs, 0.5);
    const double screens = f.counts.screens / frames;
    const double copiedMs = bareMs + screens * std::max(0.0, floorMs - bareMs);
    std::printf("  the floor's clear and swap alone: %.1f ms; the walk's %.2f screens all copied at the floor's "
                "rate would take %.1f ms (%.2f x floor)\n",
                bareMs, screens, copiedMs, copiedMs / floorMs);
    std::printf("  %zu pictures drawn from tinted copies at the end of the walk\n", f.tintedCopies);
    if (!f.fadeMs.empty())
        std::printf("  before the walk, %zu frames of fade from black: median %.1f ms\n", f.fadeMs.size(),
                    Percentile(f.fadeMs, 0.5));
    std::printf("  main thread %.2f ms cpu a frame (update, drawing calls, present; the rasteriser's threads "
                "aside)\n", Percentile(f.mainThreadMs, 0.5));
    std::printf("  engine ms/frame by system:");
    for (size_t i = 0; i < f.systemMs.size(); ++i)
        if (f.systemMs[i] / frames >= 0.005)
            std::printf(" %s %.3f;", engine->systems[i]->GetName().c_str(), f.systemMs[i] / frames);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    const Clock::time_point processStart = Clock::now();
    bool plan = true, copies = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "noplan") == 0)
            plan = false;
        else if (std::strcmp(argv[i], "nocopies") == 0)
            copies = false;
        else if (std::atoi(argv[i]) > 0)
            walkFrames = std::atoi(argv[i]);
    }
    if (!DisplayAvailable()) {
        std::printf("level_bench: no display (run it under xvfb-run)\n");
        return 0;
    }
    GameFlags.Reset();
    GameOptions options;
    options.width = 1920;
    options.height = 1080;
    options.dt = dt;
    GameHarness game(options);
    if (!game.IsRunning()) {
        std::printf("level_bench: the engine did not start\n");
        return 1;
    }
    graphicsSystem->planDraws = plan;
    graphicsSystem->tintCopies = copies;
    SeedRandom(1);
    game.RunFrame(); // the splash: its first frame, after the preload
    const double coldStartMs = Milliseconds(Clock::now() - processStart);
    // What the splash covers: every picture decoded and uploaded, every sound decoded. The game's
    // splash shows black for six seconds; here the rest is waited for at once.
    const double coldStartPeakMb = PeakMegabytes();
    textureSystem->FinishPreload();
    audioSystem->FinishLoading();
    const double preloadMs = Milliseconds(Clock::now() - processStart);
    std::printf("\nHollowtide at 1920 x 1080, %d frames a walk, sprite planning %s, tinted copies %s\n",
                walkFrames, plan ? "on" : "off", copies ? "on" : "off");
    std::printf("cold start to the first splash frame %.0f ms; peak memory %.0f MB\n", coldStartMs,
                coldStartPeakMb);
    std::printf("every picture and sound loaded %.0f ms after start; the pictures hold %.0f MB of texels\n",
                preloadMs, TextureMegabytes());
    Floor floor;
    std::printf("floor (one opaque 2048 x 1024 textured quad over the screen, then the swap) measured "
                "after each frame of a walk\n");

    // BENCH_ONLY=N walks level N alone (0: the menu); BENCH_TRACE=1 prints every frame of a walk.
    const char* only = std::getenv("BENCH_ONLY");
    const int onlyLevel = only ? std::atoi(only) : -1;
    if (onlyLevel <= 0) Report("menu", Walk(game, floor, 0));
    for (int level = 1; level <= 3; ++level) {
        if (onlyLevel >= 0 && level != onlyLevel) continue;
        const std::string file = "../Resources/Level/Level" + std::to_string(level) + ".txt";
        const std::string name = "level " + std::to_string(level);
        if (!std::filesystem::exists(file)) {
            std::printf("%s: skipped, Resources/Level/Level%d.txt does not exist\n", name.c_str(), level);
            continue;
        }
        Report(name.c_str(), Walk(game, floor, level));
        if (level == 1) {
            GameObjectRef player = FindObjectByName("Player");
            std::printf("  (the walk ended at x %.0f, y %.0f)\n",
                        player ? player->GetComponent<Transform>()->position.x : 0.0f,
                        player ? player->GetComponent<Transform>()->position.y : 0.0f);
        }
    }
    return 0;
}
