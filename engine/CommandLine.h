#pragma once

#include <string>
#include <vector>

namespace Framework {

// How the game starts. The defaults are the plain start: the splash, then the menu, full screen.
struct StartOptions {
    int level = 0;         // 1 to 3: straight into that level, as a new game; 0: the splash
    bool windowed = false; // a window at init.ini's size instead of full screen
    bool editor = false;   // the level editor on `editorLevel` instead of the game
    std::string editorLevel = "Level1";
};

struct CommandLine {
    StartOptions start;
    bool helpRequested = false;
    std::string error; // one line when the arguments cannot be used; empty otherwise
};

// Reads the arguments that follow the program name. Nothing is applied here: main() prints the
// error or the help, or starts the game with `start`.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The --help text, one option per line.
const char* CommandLineHelp();

} // namespace Framework
