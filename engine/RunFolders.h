#pragma once

#include <string>

namespace Framework {

// Where a run reads its data and writes its settings and logs. Run from a build folder, the game
// works beside the repository: "../Resources/" and "../Logs/". Installed (the program in
// <prefix>/bin, its data in <prefix>/share/hollowtide/Resources), the working folder moves into
// that data so the same relative names reach it, and init.ini and the logs go to the player's XDG
// config and state folders: nothing is ever written into the prefix.
struct RunFolders {
    bool installed = false;
    std::string settingsFile = "../Resources/init.ini";
    std::string logFolder = "../Logs/";
};

// Decides for this run from where the program lies and from the environment ($XDG_CONFIG_HOME,
// $XDG_STATE_HOME, $HOME); when installed, moves the working folder and makes the user folders.
RunFolders SettleRunFolders();

} // namespace Framework
