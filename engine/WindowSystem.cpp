#include "engine/WindowSystem.h"

#include <cstdio>

#include "engine/Engine.h"
#include "input/InputSystem.h"

namespace Framework {

std::shared_ptr<WindowSystem> windowSystem = std::make_shared<WindowSystem>();

namespace {
constexpr int defaultWidth = 1920;
constexpr int defaultHeight = 1080;
const char* const defaultTitle = "Hollowtide";
// A title longer than this is cut; it is only a caption and the window manager's name.
constexpr size_t maxTitleLength = 64;
constexpr int maxSize = 16384;
} // namespace

void WindowSystem::ReadSettings(const std::string& path) {
    width = defaultWidth;
    height = defaultHeight;
    title = defaultTitle;
    if (settingsFile.OpenRead(path)) {
        // A value that cannot be read, or a size outside 1..16384 pixels, keeps its default; the
        // player's file is never rewritten. After a failed read every later one fails too.
        bool complete = true;
        int value = 0;
        if (settingsFile.ReadInt(value) && value >= 1 && value <= maxSize)
            width = value;
        else
            complete = false;
        if (settingsFile.ReadInt(value) && value >= 1 && value <= maxSize)
            height = value;
        else
            complete = false;
        std::string word;
        if (settingsFile.ReadWord(word))
            title = word.substr(0, maxTitleLength);
        else
            complete = false;
        settingsFile.Close();
        if (!complete)
            std::printf("%s: expected a width and a height of 1 to %d pixels and a one-word title; "
                        "using the defaults for the rest\n",
                        path.c_str(), maxSize);
        return;
    }
    if (settingsFile.OpenWrite(path)) {
        settingsFile.WriteInt(width);
        settingsFile.WriteInt(height);
        settingsFile.WriteString(title);
        // Closed at once, so that a crash later in the run cannot leave an empty file behind.
        settingsFile.Close();
    }
}

void WindowSystem::Initialize() {
    ReadSettings(settingsPath);
    if (!Platform::InitVideo()) {
        std::fprintf(stderr, "Hollowtide: cannot start the video system: %s\n",
                     Platform::LastError().c_str());
        return;
    }
    hwnd = Platform::CreateGameWindow(title, width, height);
    if (!hwnd) {
        std::fprintf(stderr, "Hollowtide: cannot create the game window: %s\n",
                     Platform::LastError().c_str());
        return;
    }
    // The window starts out windowed at init.ini's size: what leaving full screen comes back to.
    Platform::Rect r = Platform::GetWindowRect(hwnd);
    width = r.width;
    height = r.height;
    scaleX = width / 1920.0f;
    scaleY = height / 1080.0f;
    if (!Platform::LoadWindowIcon(hwnd, "../Resources/icon_small.ico", 16, false))
        Platform::ShowErrorBox("Error", "Could not load small icon!", hwnd);
    if (!Platform::LoadWindowIcon(hwnd, "../Resources/icon.ico", 32, true))
        Platform::ShowErrorBox("Error", "Could not load big icon!", hwnd);
    if (startFullscreen) SetFullscreen(true);
}

void WindowSystem::SetFullscreen(bool fullscreen) {
    if (fullscreen == engine->isFullscreen || !hwnd) return;
    if (!engine->isFullscreen) {
        Platform::Rect r = Platform::GetWindowRect(hwnd);
        savedLeft = r.left;
        savedTop = r.top;
        savedWidth = r.width;
        savedHeight = r.height;
    }
    engine->isFullscreen = fullscreen;
    if (fullscreen) {
        Platform::EnterDesktopFullscreen(hwnd);
        // The window manager answers a resize later; the screen size is known now.
        Platform::GetScreenSize(hwnd, width, height);
        Platform::ShowCursor(false);
    } else {
        Platform::LeaveFullscreen(hwnd, {savedLeft, savedTop, savedWidth, savedHeight});
        width = savedWidth;
        height = savedHeight;
        Platform::ShowCursor(true);
    }
    scaleX = width / 1920.0f;
    scaleY = height / 1080.0f;
    Platform::SwapWindow(hwnd);
}

void WindowSystem::Update(float) {
    timer.Start();
    // Full screen is a borderless desktop-sized window, so a change of focus needs no display-mode
    // change; the focus is still followed.
    bool active = hwnd && Platform::GetActiveWindow() == hwnd;
    if (!activityKnown || active != wasActive) {
        activityKnown = true;
        wasActive = active;
    }
    Platform::PumpMessages(hwnd, [this](const Platform::WindowMessage& m) { WindowProcedure(m); });
    timer.Stop();
}

void WindowSystem::WindowProcedure(const Platform::WindowMessage& message) {
    using Platform::MessageType;
    switch (message.type) {
    case MessageType::Destroy:
        appRunning = false;
        engine->BroadcastMessage({Quit});
        break;
    case MessageType::Size:
        width = message.a;
        height = message.b;
        scaleX = width / 1920.0f;
        scaleY = height / 1080.0f;
        break;
    case MessageType::MouseMove:
        inputSystem->mouseX = static_cast<int16_t>(message.a);
        inputSystem->mouseY = static_cast<int16_t>(message.b);
        break;
    case MessageType::MouseWheel:
        inputSystem->wheel += message.a > 0 ? 1.0f : -1.0f;
        break;
    default:
        break;
    }
}

void WindowSystem::Shutdown() {
    SetFullscreen(false);
    Platform::DestroyGameWindow(hwnd);
    hwnd = nullptr;
    Platform::QuitVideo();
}

} // namespace Framework
