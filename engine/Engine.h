#pragma once

#include <memory>
#include <vector>

#include "engine/CommandLine.h"
#include "engine/System.h"

namespace Framework {

// Runs the nine engine systems: one initialisation each, one update each per frame in list order,
// a Quit broadcast when the game ends, and shutdown in reverse order.
class Engine {
public:
    bool isFullscreen = false;
    std::vector<std::shared_ptr<System>> systems;
    SystemTimer frameTimer; // elapsed: this frame's dt
    int exitCode = 0;       // the process's; 1 when a file the game cannot run without is unusable

    // Appends the nine global systems in list order.
    void AddSystems();
    // False when a system could not start (see System::InitializeFailed); the systems that did
    // start have then been shut down again.
    bool Initialize();
    // One frame: systems, positional sound, camera matrix, F10/F11, buffer swap.
    void Update();
    void BroadcastMessage(const SystemMessage& message);
    // Shuts the systems down from the last to the first, then empties the list.
    void Shutdown();
    // Takes this frame's dt from the steady clock.
    void TickFrameTimer();
};

extern std::shared_ptr<Engine> engine;

// False once the window has been destroyed; the main loop ends after that frame.
extern bool appRunning;

// Runs frames until the window is destroyed or a quit is requested, then shuts the systems down.
void RunMainLoop(Engine& game);

// Adds and initialises the systems for the start the options ask for: full screen or a window,
// the splash or a level. False when the window or the OpenGL context could not be made.
bool StartGame(const StartOptions& start);

// The program's entry: starts the game, then runs it until it ends.
// Returns 0, or 1 when the window or the OpenGL context could not be made.
int RunGame(const StartOptions& start = {});

} // namespace Framework
