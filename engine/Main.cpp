#include <cstdio>

#include "engine/CommandLine.h"
#include "engine/Engine.h"

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
    return Framework::RunGame(line.start);
}
