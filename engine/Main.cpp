#include <cstdio>

#include "engine/CommandLine.h"
#include "engine/Engine.h"
#include "engine/LoggingSystem.h"
#include "engine/RunFolders.h"
#include "engine/WindowSystem.h"

int main(int argc, char** argv) {
    const Framework::CommandLine line = Framework::ParseCommandLine({argv + 1, argv + argc});
    if (!line.error.empty()) {
        std::fprintf(stderr, "hollowtide: %s\n", line.error.c_str());
        return 2;
    }
    if (line.helpRequested) {
        std::fputs(Framework::CommandLineHelp(), stdout);
        return 0;
    }
    const Framework::RunFolders folders = Framework::SettleRunFolders();
    Framework::windowSystem->settingsPath = folders.settingsFile;
    Framework::loggingSystem->logFolder = folders.logFolder;
    return Framework::RunGame(line.start);
}
