#include "tests/support/GameHarness.h"

#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "audio/AudioSystem.h"
#include "engine/Engine.h"
#include "engine/Random.h"
#include "engine/WindowSystem.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ShapeTool.h"
#include "gameplay/GameFlags.h"
#include "objects/GameObject.h"
#include "physics/BoxCollider.h"
#include "platform/Platform.h"
#include "scenes/MenuState.h"
#include "scenes/SceneSystem.h"

namespace fs = std::filesystem;
using namespace Framework;

namespace {

int liveHarnesses = 0;
constexpr unsigned runSeed = 20240601;

fs::path OutputFolder() {
    const char* custom = std::getenv("HOLLOWTIDE_TEST_OUTPUT");
    // Beside ctest's LastTest.log, where a failing run's log already sends people.
    return custom && *custom ? fs::path(custom) : fs::path(HOLLOWTIDE_BUILD_DIR) / "Testing" / "Temporary";
}

bool UpdateGoldensRequested() {
    const char* update = std::getenv("HOLLOWTIDE_UPDATE_GOLDENS");
    return update && std::string(update) == "1";
}

} // namespace

void ResetRunGlobals() {
    appRunning = true;
    windowSystem->quitRequested = false;
    sceneSystem->isPaused = false;
    sceneSystem->currentScene = SceneSplash;
    sceneSystem->nextScene = SceneNone;
    sceneSystem->previousScene = SceneNone;
    graphicsSystem->editorCameraInactive = true;
    shapeTool->editorActive = false;
    *camera = Camera{};
    GameFlags.Reset();
    MenuState.Reset();
    InteractableObjects.clear();
    GameObjectList.clear();
    NextObjectId = 0;
    AudioMuted = false;
    showAllDebugLines = false;
    for (auto& entry : KeyTable) {
        entry.armed = true;
        entry.pressed = false;
    }
    Platform::Testing::ReleaseAllInjectedKeys();
    SeedRandom(runSeed);
}

fs::path TestsFolder() {
    return fs::path(HOLLOWTIDE_SOURCE_DIR) / "tests";
}

bool DisplayAvailable() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

GameHarness::GameHarness(GameOptions chosen) : options(std::move(chosen)) {
    // A second harness would boot the singleton systems under the first one's feet.
    if (++liveHarnesses > 1) {
        ADD_FAILURE() << "a second GameHarness was created while one lives; the engine systems are "
                         "singletons, so only one harness may exist at a time";
        return;
    }
    owner = true;
    box = std::make_unique<Sandbox>();
    MirrorResources();
    Boot();
}

GameHarness::~GameHarness() {
    --liveHarnesses;
    if (!owner) return;
    if (booted) {
        // The way the game leaves: Quit unloads the scene and empties the texture cache while the
        // context is current, then the systems shut down in reverse order.
        if (!ended) engine->BroadcastMessage({Quit});
        engine->Shutdown();
    }
    ResetRunGlobals();
    Platform::Testing::UseInjectedInput(false);
    Platform::Testing::SetActiveWindowOverride(false, nullptr);
    box.reset();
}

void GameHarness::MirrorResources() {
    const fs::path target = box->resources();
    for (const fs::path& folder : options.resourceFolders) {
        std::error_code error;
        for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            const fs::path relative = fs::relative(it->path(), folder);
            if (relative == "init.ini") continue;
            if (it->is_directory()) {
                fs::create_directories(target / relative);
                continue;
            }
            fs::remove(target / relative);
            fs::create_symlink(fs::absolute(it->path()), target / relative);
        }
    }
    std::ofstream(target / "init.ini") << options.width << "\n" << options.height << "\nHollowtide\n";
}

void GameHarness::Boot() {
    engine->systems.clear();
    Platform::Testing::UseInjectedInput(true);
    engine->AddSystems();
    booted = engine->Initialize();
    ResetRunGlobals(); // after Initialize, which seeds the random numbers from the clock
    if (!booted) return;
    Platform::Testing::SetActiveWindowOverride(true, windowSystem->hwnd);
    if (!options.fullScreen) LeaveFullScreen();
}

void GameHarness::LeaveFullScreen() {
    windowSystem->SetFullscreen(false);
    // A window manager answers the resize a little later; wait for it, within reason.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < deadline) {
        windowSystem->Update(0.0f);
        const Platform::Rect r = Platform::GetWindowRect(windowSystem->hwnd);
        if (r.width == options.width && r.height == options.height) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    windowSystem->width = options.width;
    windowSystem->height = options.height;
    graphicsSystem->BuildMatrices(options.width, options.height);
}

void GameHarness::RunFrame() {
    if (!IsRunning()) return;
    engine->frameTimer.elapsed = options.dt;
    engine->Update();
    ++frames;
    for (int key : releaseAfterFrame) Release(key);
    releaseAfterFrame.clear();
    if (windowSystem->quitRequested) {
        engine->BroadcastMessage({Quit});
        ended = true;
    } else if (!appRunning) {
        ended = true; // the window procedure has already broadcast Quit
    }
}

void GameHarness::RunFrames(int count) {
    for (int i = 0; i < count && IsRunning(); ++i) RunFrame();
}

void GameHarness::Press(int key) {
    Hold(key);
    releaseAfterFrame.push_back(key);
}

void GameHarness::Hold(int key) {
    if (key >= 0 && key < KEY_COUNT) Platform::Testing::InjectKey(KeyTable[key].vk, true);
}

void GameHarness::Release(int key) {
    if (key >= 0 && key < KEY_COUNT) Platform::Testing::InjectKey(KeyTable[key].vk, false);
}

void GameHarness::ReleaseAll() {
    Platform::Testing::ReleaseAllInjectedKeys();
    releaseAfterFrame.clear();
}

int GameHarness::Scene() const {
    return sceneSystem->currentScene;
}

void GameHarness::ReplaceScene(int id, std::shared_ptr<::Scene> scene) {
    sceneSystem->scenes[id] = std::move(scene);
}

Image GameHarness::Screenshot() {
    Image image;
    if (!booted || !graphicsSystem->renderContext) return image;
    sceneSystem->RenderFrame();
    glFinish();
    image.width = static_cast<unsigned>(windowSystem->width);
    image.height = static_cast<unsigned>(windowSystem->height);
    std::vector<uint8_t> bottomUp(size_t(image.width) * image.height * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GLsizei(image.width), GLsizei(image.height), GL_RGBA, GL_UNSIGNED_BYTE,
                 bottomUp.data());
    image.rgba.resize(bottomUp.size());
    const size_t rowBytes = size_t(image.width) * 4;
    for (unsigned y = 0; y < image.height; ++y)
        std::copy_n(&bottomUp[size_t(image.height - 1 - y) * rowBytes], rowBytes,
                    &image.rgba[size_t(y) * rowBytes]);
    // The screen shows no alpha; the framebuffer's own alpha is whatever blending left there.
    for (size_t i = 3; i < image.rgba.size(); i += 4) image.rgba[i] = 255;
    return image;
}

testing::AssertionResult GameHarness::MatchesGolden(const std::string& name,
                                                    const ImageTolerance& tolerance) {
    const Image actual = Screenshot();
    if (actual.Empty()) return testing::AssertionFailure() << "no frame to compare: the game did not boot";
    const fs::path goldenPath = TestsFolder() / "golden" / (name + ".png");
    if (UpdateGoldensRequested()) {
        if (!SavePng(goldenPath.string(), actual))
            return testing::AssertionFailure() << "cannot write " << goldenPath;
        std::printf("golden image written: %s\n", goldenPath.string().c_str());
        return testing::AssertionSuccess();
    }
    Image expected, diff;
    std::string error;
    size_t different = 0;
    if (LoadPng(goldenPath.string(), expected, &error) && expected.width == actual.width &&
        expected.height == actual.height) {
        // Red where a channel differs by more than the tolerance, a dim copy of the golden elsewhere.
        diff = expected;
        for (size_t i = 0; i < diff.rgba.size(); i += 4) {
            int largest = 0;
            for (size_t c = 0; c < 4; ++c)
                largest = std::max(largest, std::abs(int(actual.rgba[i + c]) - int(expected.rgba[i + c])));
            const bool differs = largest > tolerance.channel;
            different += differs;
            for (size_t c = 0; c < 3; ++c)
                diff.rgba[i + c] = differs ? (c == 0 ? 255 : 0) : diff.rgba[i + c] / 4;
        }
        if (different <= tolerance.pixelFraction * double(actual.width) * actual.height)
            return testing::AssertionSuccess();
        error = std::to_string(different) + " pixels differ from " + goldenPath.string();
    } else if (error.empty()) {
        error = "the size differs from " + goldenPath.string();
    }
    const fs::path output = OutputFolder();
    fs::create_directories(output);
    SavePng((output / (name + ".actual.png")).string(), actual);
    if (!diff.Empty()) SavePng((output / (name + ".diff.png")).string(), diff);
    return testing::AssertionFailure() << error << "; this frame and the differences are in " << output
                                       << " (HOLLOWTIDE_UPDATE_GOLDENS=1 accepts it)";
}
