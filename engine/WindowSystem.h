#pragma once

#include <memory>
#include <string>

#include "engine/System.h"
#include "objects/Serializer.h"
#include "platform/Platform.h"

namespace Framework {

// The single game window: start-up settings from init.ini, full screen / windowed switching at the
// saved rectangle, and the message pump that feeds the window procedure once per frame.
class WindowSystem : public System {
public:
    std::string title;
    int width = 0;  // client width in pixels (the screen width in full screen)
    int height = 0; // client height in pixels
    int savedWidth = 0;
    int savedHeight = 0;
    int savedLeft = 0;
    int savedTop = 0;
    float scaleX = 1.0f; // width / 1920
    float scaleY = 1.0f; // height / 1080
    bool quitRequested = false;
    bool startFullscreen = true; // false: Initialize leaves the window at init.ini's size
    Platform::WindowHandle hwnd = nullptr;
    Serializer settingsFile;
    std::string settingsPath = "../Resources/init.ini"; // see RunFolders

    void Initialize() override;
    void Update(float dt) override;
    std::string GetName() override { return "Window System"; }
    void Shutdown() override;
    bool InitializeFailed() const override { return hwnd == nullptr; }

    // Switches between desktop full screen (true) and a captioned window at the saved rectangle.
    void SetFullscreen(bool fullscreen);
    // Handles one message of the pump; public so tests can feed messages directly.
    void WindowProcedure(const Platform::WindowMessage& message);
    // Reads the three settings, or takes the defaults and writes the file when it is missing.
    void ReadSettings(const std::string& path);

private:
    bool wasActive = false;
    bool activityKnown = false;
};

extern std::shared_ptr<WindowSystem> windowSystem;

} // namespace Framework
