#include "tests/support/GameHarness.h"

#include <GL/glew.h>
#include <dlfcn.h>
#include <link.h>

#include <chrono>
#include <thread>

#include "audio/AudioSystem.h"
#include "engine/Engine.h"
#include "engine/Random.h"
#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ShapeTool.h"
#include "physics/BoxCollider.h"
#include "scenes/MenuState.h"
#include "tests/support/ObjectStore.h"

namespace fs = std::filesystem;
using namespace Framework;

static int liveHarnesses = 0; // see GameOptions

// The system's OpenGL driver is unloaded when its last context goes, and the leak check at exit
// can then no longer name it in the stacks of the allocations it keeps for the process's life.
// Keeping it loaded lets tests/lsan.supp name it.
static void PinGraphicsDriver() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            const std::string name = info->dlpi_name ? info->dlpi_name : "";
            if (name.find("/dri/") != std::string::npos || name.find("gallium") != std::string::npos)
                dlopen(name.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}

void ResetRunGlobals() {
    appRunning = true;
    windowSystem->quitRequested = false;
    sceneSystem->isPaused = false;
    sceneSystem->currentScene = SceneSplash;
    sceneSystem->nextScene = sceneSystem->previousScene = SceneNone;
    graphicsSystem->editorCameraInactive = true;
    shapeTool->Clear();
    *camera = Camera{};
    GameFlags.Reset();
    MenuState.Reset();
    ScopedObjectStore::Clear();
    AudioMuted = false;
    showAllDebugLines = false;
    for (auto& entry : KeyTable) entry = {entry.vk, true, false};
    Platform::Testing::ReleaseAllInjectedKeys();
    SeedRandom(20240601);
}

GameHarness::GameHarness(GameOptions chosen) : options(std::move(chosen)) {
    if (++liveHarnesses > 1) {
        ADD_FAILURE() << "the engine systems are singletons: only one harness may exist at a time";
        return;
    }
    box = std::make_unique<Sandbox>();
    const fs::path target = box->resources();
    for (const fs::path& folder : options.resourceFolders) {
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            // Lexically: the folder may itself hold links, which must not be followed out of it.
            const fs::path relative = entry.path().lexically_relative(folder);
            if (entry.is_directory()) {
                fs::create_directories(target / relative);
            } else if (relative != "init.ini") {
                fs::remove(target / relative);
                fs::create_symlink(fs::absolute(entry.path()), target / relative);
            }
        }
    }
    std::ofstream(target / "init.ini") << options.width << "\n" << options.height << "\nHollowtide\n";

    engine->systems.clear();
    Platform::Testing::UseInjectedInput(true);
    engine->AddSystems();
    booted = engine->Initialize();
    ResetRunGlobals(); // after Initialize, which seeds the random numbers from the clock
    if (!booted) return;
    PinGraphicsDriver();
    graphicsSystem->drawFrames = options.drawEveryFrame;
    Platform::Testing::SetActiveWindowOverride(true, windowSystem->hwnd);
    if (options.fullScreen) return;
    windowSystem->SetFullscreen(false);
    // A window manager answers the resize a little later; wait for it, within reason.
    for (int wait = 0; wait < 300; ++wait, std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
        windowSystem->Update(0.0f);
        const Platform::Rect r = Platform::GetWindowRect(windowSystem->hwnd);
        if (r.width == options.width && r.height == options.height) break;
    }
    windowSystem->width = options.width;
    windowSystem->height = options.height;
}

GameHarness::~GameHarness() {
    --liveHarnesses;
    if (!box) return;
    if (booted) {
        // As the game leaves: Quit unloads and frees textures while the context lives, then shutdown.
        if (!ended) engine->BroadcastMessage({Quit});
        engine->Shutdown();
    }
    ResetRunGlobals();
    Platform::Testing::UseInjectedInput(false);
    Platform::Testing::SetActiveWindowOverride(false, nullptr);
}

void GameHarness::RunFrame() {
    if (!IsRunning()) return;
    engine->frameTimer.elapsed = options.dt;
    engine->Update();
    for (int key : releaseAfterFrame) Release(key);
    releaseAfterFrame.clear();
    if (windowSystem->quitRequested) engine->BroadcastMessage({Quit});
    // Without a quit request the window procedure has already broadcast Quit.
    ended = windowSystem->quitRequested || !appRunning;
}

void GameHarness::DrawFrames(int frames) {
    if (!booted || !graphicsSystem->renderContext) return;
    graphicsSystem->drawFrames = true;
    for (int frame = 0; frame < frames; ++frame) sceneSystem->RenderFrame();
    graphicsSystem->drawFrames = options.drawEveryFrame;
}

Image GameHarness::Screenshot() {
    Image image;
    if (!booted || !graphicsSystem->renderContext) return image;
    DrawFrames(1);
    glFinish();
    image.width = unsigned(windowSystem->width);
    image.height = unsigned(windowSystem->height);
    image.rgba.resize(size_t(image.width) * image.height * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (unsigned y = 0; y < image.height; ++y) // GL counts rows from the bottom
        glReadPixels(0, GLint(image.height - 1 - y), GLsizei(image.width), 1, GL_RGBA, GL_UNSIGNED_BYTE,
                     &image.rgba[size_t(y) * image.width * 4]);
    // The screen shows no alpha; the framebuffer's own alpha is whatever blending left there.
    for (size_t i = 3; i < image.rgba.size(); i += 4) image.rgba[i] = 255;
    return image;
}

namespace {
constexpr int shownTolerance = 24; // of 255 on a colour channel
} // namespace

testing::AssertionResult GameHarness::MatchesGolden(const std::string& name) {
    // A picture drawn under one tint for a while is drawn from a tinted copy, one copy made a frame:
    // the frame is drawn that long first, so that what is compared is drawn from the copies.
    DrawFrames(int(TintedCopies::settleFrames) + 8);
    const Image actual = Screenshot();
    if (actual.Empty()) return testing::AssertionFailure() << "no frame to compare: the game did not boot";
    // Planning what to fill (culled, hidden, clipped, blended or not) and drawing tinted pictures
    // from their copies must change nothing shown. The rasteriser fills a tile by one of several
    // paths, picked by everything drawn there, and they may break a tie between two texels
    // differently: so not byte for byte, and a sharp glyph edge may still flip a pixel or two in ten
    // thousand, but no sprite goes missing, however thin.
    graphicsSystem->planDraws = false;
    graphicsSystem->tintCopies = false;
    const Image everySprite = Screenshot();
    graphicsSystem->planDraws = true;
    graphicsSystem->tintCopies = true;
    const std::vector<bool> unplanned = ShownDifferences(actual, everySprite, shownTolerance);
    if (const size_t different = std::count(unplanned.begin(), unplanned.end(), true);
        different > 0.0001 * double(actual.width) * actual.height)
        return testing::AssertionFailure() << name << ": " << different
                                           << " pixels differ when every sprite is drawn whole, from its own picture";
    const std::string golden = (TestsFolder() / "golden" / (name + ".png")).string();
    if (const char* update = std::getenv("HOLLOWTIDE_UPDATE_GOLDENS"); update && std::string(update) == "1")
        return SavePng(golden, actual) ? testing::AssertionSuccess()
                                       : testing::AssertionFailure() << "cannot write " << golden;
    Image diff; // the golden, dimmed, with the pixels that differ in red
    std::string error = "the size differs from " + golden;
    if (LoadPng(golden, diff, &error) && diff.width == actual.width && diff.height == actual.height) {
        // Software GL repeats itself exactly; the limits only absorb drift at the edges of shapes.
        const std::vector<bool> shown = ShownDifferences(actual, diff, shownTolerance);
        size_t different = 0;
        for (size_t i = 0; i < diff.rgba.size(); i += 4) {
            const bool differs = shown[i / 4];
            different += differs;
            for (size_t c = 0; c < 3; ++c)
                diff.rgba[i + c] = differs ? (c == 0 ? 255 : 0) : diff.rgba[i + c] / 4;
        }
        if (different <= 0.002 * double(actual.width) * actual.height) return testing::AssertionSuccess();
        error = std::to_string(different) + " pixels differ from " + golden;
    } else {
        diff = Image{};
    }
    // Beside ctest's LastTest.log, where a failing run's log already sends people.
    const char* custom = std::getenv("HOLLOWTIDE_TEST_OUTPUT");
    const fs::path output =
        custom && *custom ? fs::path(custom) : fs::path(HOLLOWTIDE_BUILD_DIR) / "Testing/Temporary";
    fs::create_directories(output);
    SavePng((output / (name + ".actual.png")).string(), actual);
    if (!diff.Empty()) SavePng((output / (name + ".diff.png")).string(), diff);
    return testing::AssertionFailure() << error << "; this frame and the differences are in " << output
                                       << " (HOLLOWTIDE_UPDATE_GOLDENS=1 accepts it)";
}
